#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;

namespace orbilunex {

class Prompter;

// The "Network Connect" dialog: the address and port of the server this
// instance's link connects to as a client. It only edits values; the caller
// fills it from the settings, runs it, and on OK reads them back.
class NetworkConnectDialog : public QDialog {
    Q_OBJECT

public:
    // Opens showing `address` and `port` (as decimal text); a refused field
    // is reported through `prompter`.
    NetworkConnectDialog(const QString& address, int port, Prompter& prompter,
                         QWidget* parent = nullptr);

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

    // OK: when validate() finds a problem, shows it through the prompter,
    // puts the focus on the port field with its text selected and keeps the
    // dialog open; otherwise closes it as accepted.
    void accept() override;

    // The widgets, for callers and tests that drive the dialog directly.
    QLineEdit* addressEdit() const { return addressField; }
    QLineEdit* portEdit() const { return portField; }

private:
    QLineEdit* addressField;
    QLineEdit* portField;
    Prompter& prompter;
};

} // namespace orbilunex
