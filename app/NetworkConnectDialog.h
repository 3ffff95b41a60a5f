#pragma once

#include <QDialog>
#include <QString>

#include <functional>

class QLineEdit;

namespace orbilunex {

// The two messages the integer fields of the network dialogs show.
namespace dialogtexts {
constexpr const char* kEnterInteger = "Please enter an integer.";
constexpr const char* kEnterConnectionCount = "Please enter an integer between 1 and 65535.";
} // namespace dialogtexts

// Shows a validation message over `parent`. The network dialogs call it when
// OK finds a bad field; tests replace it to capture the text instead of
// blocking in a modal box.
using DialogMessageHook = std::function<void(QWidget* parent, const QString& text)>;

// The hook the network dialogs start with: a modal warning box with an OK
// button, titled with the application's display name.
void showDialogWarning(QWidget* parent, const QString& text);

// Reads all of `text` as a decimal int: blanks around it and one leading
// sign allowed, at least one digit, nothing else. Returns false, leaving
// `value` alone, for empty text, any other character ("12a", "0x10", "1e3")
// and values outside the int range.
bool parseDialogInteger(const QString& text, int& value);

// The "Network Connect" dialog: the address and port of the server this
// instance's link connects to as a client. It only edits values; the caller
// fills it from the settings, runs it, and on OK reads them back.
class NetworkConnectDialog : public QDialog {
    Q_OBJECT

public:
    // Opens showing `address` and `port` (as decimal text).
    NetworkConnectDialog(const QString& address, int port, QWidget* parent = nullptr);

    // The "Connect to:" text as typed (a host name or dotted address; not
    // checked here: a bad address fails at connect time).
    QString address() const;

    // The "Port:" text as an integer; 0 while it is not one (validate() says
    // so, and OK refuses it).
    int port() const;

    // "" when OK may close the dialog, else the message to show:
    // kEnterInteger when the port text is not an integer (see
    // parseDialogInteger).
    QString validate() const;

    // OK: when validate() finds a problem, shows it through the message hook,
    // puts the focus on the port field with its text selected and keeps the
    // dialog open; otherwise closes it as accepted.
    void accept() override;

    // Replaces the message hook (an empty function shows nothing).
    void setMessageHook(DialogMessageHook hook) { messageHook = std::move(hook); }

    // The widgets, for callers and tests that drive the dialog directly.
    QLineEdit* addressEdit() const { return addressField; }
    QLineEdit* portEdit() const { return portField; }

private:
    QLineEdit* addressField;
    QLineEdit* portField;
    DialogMessageHook messageHook = showDialogWarning;
};

} // namespace orbilunex
