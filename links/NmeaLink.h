#pragma once

#include "links/LinkHooks.h"

#include <QFile>
#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>
#include <string>

class QSerialPort;
class QTimer;

namespace orbilunex {

class CNetServer;
class GpsdClient;
class NetConnection;
class SettingsStore;
class UdpReceiver;

// Source kinds of the link, as the status bar and the Connect menu show them.
enum SourceKind : int {
    SourceNone = 0,    // "None"
    SourceSerial = 1,  // "RS-232"
    SourceNetwork = 2, // "Lan"
    SourceFile = 3,    // "File"
    SourceGpsd = 4,    // "gpsd"
    SourceUdp = 5,     // "UDP"
};

// Why a serial port did not open.
enum class SerialOpenFailure {
    None,
    NotFound,     // no such device
    AccessDenied, // in use by another program, or no permission
    Other,        // any other error; code says which
    NotADevice,   // a directory, a pipe, a plain file...; code is its DeviceKind
};

// The text shown for a failed serial open, by class (code for Other).
std::string serialOpenFailureText(SerialOpenFailure failure, int code);

// One line naming the device and why it did not open ("/dev/ttyUSB0 not
// found", "/tmp/x is a directory, not a serial port"); "" for None.
std::string serialFailureReason(SerialOpenFailure failure, int code, const std::string& device);

// The program's one source of NMEA bytes: a serial port, a playback file, a
// connection to another instance's relay server or to gpsd, or the datagrams
// sent to a UDP port, one at a time. read() never
// waits. While the relay server is enabled every block read is also handed
// to it for its clients, whatever the source.
class NmeaLink : public QObject {
    Q_OBJECT

public:
    // How long a network connect may take before it counts as refused.
    static constexpr int kConnectTimeoutMs = 10000;
    // Bytes a serial port holds between reads: a whole tick at the data
    // path's limit, so that nothing is left for the device to drop.
    static constexpr qint64 kSerialQueueSize = 256 * 1024;
    static constexpr int kSerialWriteTimeoutMs = 1000;
    // How often a serial device that went away is looked for again.
    static constexpr int kDeviceRetryMs = 2000;

    // settings is read for the device path of a port number.
    NmeaLink(const SettingsStore& settings, const LinkHooks& hooks);
    ~NmeaLink() override;

    // Stores the serial parameters; opens nothing. parity: 0 none, 1 odd,
    // 2 even, 3 mark, 4 space; stopBits: 0 one, 1 one and a half, 2 two.
    void configure(int port, int baud, int parity, int byteSize, int stopBits);

    // Opens this device path instead of the configured port's (a receiver
    // named on the command line); empty goes back to the port's path.
    void setDeviceOverride(const QString& devicePath) { deviceOverride = devicePath; }

    // The device path openSerial would open.
    QString serialDevicePath() const;

    // Opens and sets up the serial port: 8-N-1 as configured, DTR and RTS on
    // (not required: some devices cannot), no flow control. Returns 1 and
    // makes the source kind 1; on failure returns 0 with the kind unchanged
    // and lastSerialFailure() telling why (settings the device refuses also
    // sound the error beep).
    int openSerial();
    SerialOpenFailure lastSerialFailure() const { return serialFailure; }
    int lastSerialErrorCode() const { return serialErrorCode; }

    // The device path of an open serial port that went away (a USB receiver
    // unplugged) while the link tries every kDeviceRetryMs to open it again;
    // empty otherwise. The kind stays 1 meanwhile; close() stops the tries.
    QString waitingForDevice() const { return lostDevice; }

    // Places up to maximum bytes that have arrived into buffer and returns
    // how many; never waits. A non-empty block also goes to the relay server
    // while it is enabled. A network source whose far end closed delivers
    // what it still holds, then closes the link (kind 0) and returns 0.
    int read(char* buffer, int maximum);

    // Releases the current source; the kind becomes 0. Returns 0.
    int close();

    // Opens a file for playback. Anything but a regular file (a pipe, a
    // terminal, a device) is refused with "Cannot play <path>: not a regular
    // file", as read() would wait on it; a file that cannot be opened shows
    // "File Error!". Either way the kind becomes 3 and the result is 1.
    int openFile(const QString& path);

    // Connects to another instance's relay server, waiting with the event
    // loop running. On failure shows "Could not connect to computer" and
    // leaves the kind 0; on success the kind is 2. Returns 1 on success.
    int connectNetwork(const QString& address, int port);

    // Connects to gpsd at host:port and asks for its NMEA, waiting with the
    // event loop running; gpsd's own JSON lines never leave read(). On
    // failure shows why (nothing listens: "... Is gpsd running?"; something
    // else answers: "... is not gpsd ...") and leaves the kind as it was;
    // on success the kind is 4. Returns 1 on success.
    int connectGpsd(const QString& host, int port);

    // Listens for NMEA datagrams on a UDP port (0 picks a free one), from
    // `sender` only when it is not empty. On failure shows why ("Cannot
    // listen on UDP port N: the port is in use", "...: permission denied")
    // and leaves the kind as it was; on success the kind is 5. Returns 1 on
    // success.
    int openUdp(int port, const QString& sender);
    // The UDP port listened on, 0 if none.
    int udpPort() const;

    // Starts the relay server on port, on loopback alone with loopbackOnly
    // (a running one is replaced); the server-enabled flag is 1 afterwards
    // even when listening failed.
    void enableServer(int port, bool loopbackOnly = false);
    void disableServer();
    bool serverEnabled() const { return serverFlag != 0; }
    CNetServer* server() const { return relay; }

    int sourceKind() const { return kind; }

    // Counts the sources opened (a serial device opened again included), so
    // that a watcher can tell one source from the next.
    int sessionNumber() const { return sessions; }

    // Whether the current source has something open to read from (a file
    // that failed to open leaves the kind at 3 with nothing open).
    bool sourceOpen() const;

    // True while a connect waits in a local event loop: the caller's poll
    // must not read again until it returns.
    bool busy() const { return waiting > 0; }

private:
    int readDevice(char* buffer, int maximum);
    int readNetwork(char* buffer, int maximum);
    int readGpsd(char* buffer, int maximum);
    int readUdp(char* buffer, int maximum);
    void closeNetwork();
    void closeGpsd();
    int openSerialDevice(const QString& device);
    void onSerialError(int error);
    void retryLostDevice();

    const SettingsStore& settings;
    LinkHooks hooks;
    int serverFlag = 0;
    NetConnection* connection = nullptr;
    GpsdClient* gpsd = nullptr;
    std::unique_ptr<UdpReceiver> udp;
    CNetServer* relay = nullptr;
    int portNumber = 1;
    int baudRate = 4800;
    int parity = 0;
    int byteSize = 8;
    int stopBits = 0;
    QSerialPort* serial = nullptr;
    QString serialPath;     // the device the port was opened on
    QString lostDevice;     // that device while it is looked for again
    QTimer* retry = nullptr;
    QFile file;
    int kind = SourceSerial;
    QString deviceOverride;
    SerialOpenFailure serialFailure = SerialOpenFailure::None;
    int serialErrorCode = 0;
    int waiting = 0;
    int sessions = 0;
};

} // namespace orbilunex
