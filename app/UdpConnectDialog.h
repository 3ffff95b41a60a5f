#pragma once

#include "framework/DialogKit.h"

#include <QDialog>
#include <QString>

class QLineEdit;

namespace orbilunex {

class Prompter;

// The "Connect to UDP" dialog: the UDP port NMEA datagrams are sent to and
// the one sender accepted (empty: any). It only edits values; the caller
// fills it from the settings, runs it, and on OK reads them back.
class UdpConnectDialog : public QDialog {
    Q_OBJECT

public:
    // What a sender that is no address is told.
    static constexpr const char* kEnterAddress =
        "Please enter an IP address, or nothing to accept every sender.";

    UdpConnectDialog(int port, const QString& sender, Prompter& prompter,
                     QWidget* parent = nullptr);

    // The "Port:" text as an integer; 0 while it is not one.
    int port() const;
    // The "Accept only from:" text without blanks around it.
    QString sender() const;

    // "" when OK may close the dialog, else the message for the first bad
    // field: the port must be 1 to 65535, the sender empty or an address.
    QString validate() const;
    // OK: refuses a bad field through the prompter, as the other dialogs do.
    void accept() override;

    QLineEdit* portEdit() const { return portField; }
    QLineEdit* senderEdit() const { return senderField; }

private:
    FieldProblem check() const;

    QLineEdit* portField;
    QLineEdit* senderField;
    Prompter& prompter;
};

} // namespace orbilunex
