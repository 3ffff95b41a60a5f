#pragma once

#include "framework/DialogKit.h"
#include "shell/UdpDestinations.h"

#include <QDialog>
#include <QString>

#include <vector>

class QCheckBox;
class QLineEdit;

namespace orbilunex {

class Prompter;

// The "Enable Network Server" dialog: the port this instance's relay server
// listens on, how many clients it takes, whether it listens on this computer
// only, and where each block also goes as a datagram. It only edits values; the
// caller fills it from the settings, runs it, and on OK reads them back and
// starts the server.
class NetworkServerDialog : public QDialog {
    Q_OBJECT

public:
    // The range the "Allow:" field accepts, both ends included.
    static constexpr int kMinConnections = 1;
    static constexpr int kMaxConnections = 65535;

    // Opens showing `port` and `maxConnections` as decimal text; values out
    // of range are shown as they are and refused by OK, through `prompter`.
    NetworkServerDialog(int port, int maxConnections, Prompter& prompter,
                        QWidget* parent = nullptr);

    // The "Port:" text as an integer; 0 while it is not one.
    int port() const;

    // The "Allow:" text as an integer; 0 while it is not one. Inside
    // kMinConnections..kMaxConnections once OK has closed the dialog.
    int maxConnections() const;

    // "This computer only": listen on loopback alone.
    void setLoopbackOnly(bool on);
    bool loopbackOnly() const;

    // "UDP destinations:", a comma-separated list of HOST:PORT or PORT.
    void setUdpDestinations(const QString& list);
    // The list as typed, and as read (none while it does not parse).
    QString udpDestinationsText() const;
    std::vector<UdpDestination> udpDestinations() const;

    // "" when OK may close the dialog, else the message for the first bad
    // field, port first: kEnterInteger when a text is not an integer (see
    // parseDialogInteger), the range message when "Allow:" is an integer
    // outside the range, then what parseUdpDestinations finds wrong.
    QString validate() const;

    // OK: when validate() finds a problem, shows it through the prompter,
    // puts the focus on the offending field with its text selected and keeps
    // the dialog open; otherwise closes it as accepted.
    void accept() override;

    // The widgets, for callers and tests that drive the dialog directly.
    QLineEdit* portEdit() const { return portField; }
    QLineEdit* allowEdit() const { return allowField; }
    QLineEdit* udpEdit() const { return udpField; }
    QCheckBox* loopbackBox() const { return loopbackCheck; }

private:
    FieldProblem check() const;

    QLineEdit* portField;
    QLineEdit* allowField;
    QLineEdit* udpField;
    QCheckBox* loopbackCheck;
    Prompter& prompter;
};

} // namespace orbilunex
