#pragma once

#include "links/SerialPortMap.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <map>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;

namespace orbilunex {

// The "Communication" dialog: chooses the serial port by number, the baud
// rate, and the device path the chosen number stands for on this system,
// typed or picked from the serial ports present (each with its description,
// maker and serial number, as the system knows them).
// It only edits values; the caller fills it from the settings, runs it, and
// on OK reads port(), baud() and devicePath() back and reopens the port.
class CommunicationDialog : public QDialog {
    Q_OBJECT

public:
    // The device path a port number stands for ("" when it stands for none).
    using DeviceLookup = std::function<QString(int port)>;

    // Opens showing `port` and `baud` as decimal text (values in the lists
    // select their entry; others, such as 0, are shown as typed text) and
    // the device path deviceForPort(port). deviceForPort is asked again
    // whenever the port text changes; an empty function means "" for every
    // port. present lists the serial ports there are now (the caller asks
    // presentSerialPorts() each time the dialog opens).
    CommunicationDialog(int port, int baud, DeviceLookup deviceForPort,
                        QWidget* parent = nullptr, std::vector<PresentSerialPort> present = {});

    // The port text read as a decimal integer: leading blanks and a sign
    // allowed, reading stops at the first non-digit, text without digits
    // gives 0, no range check ("abc" -> 0, "  12" -> 12, "-3" -> -3).
    int port() const;

    // The baud text, read the same way as port().
    int baud() const;

    // The device field's text as it stands: the path to store for port().
    QString devicePath() const;

    // The widgets, for callers and tests that drive the dialog directly.
    QComboBox* portBox() const { return portList; }
    QComboBox* baudBox() const { return baudList; }
    // The device list (the ports present) and its edit field.
    QComboBox* deviceBox() const { return deviceList; }
    QLineEdit* deviceEdit() const;
    // Under the device: what the system says of it, or that it is not there.
    QLabel* deviceDetails() const { return details; }

private:
    void showDeviceForPortText();
    void showDetails();

    QComboBox* portList;
    QComboBox* baudList;
    QComboBox* deviceList;
    QLabel* details;
    std::vector<PresentSerialPort> presentPorts;
    DeviceLookup deviceForPort;
    // Paths the user typed, by the port number shown at the time: switching
    // the port away and back must not throw an edit away.
    std::map<int, QString> editedDevices;
};

} // namespace orbilunex
