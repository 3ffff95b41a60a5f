#include "links/NmeaLink.h"

#include "links/DeviceKind.h"
#include "links/GpsdClient.h"
#include "links/LinkTexts.h"
#include "links/NetConnection.h"
#include "links/NetServer.h"
#include "links/SerialPortMap.h"
#include "links/UdpReceiver.h"

#include <QFileInfo>
#include <QSerialPort>
#include <QTimer>

namespace orbilunex {

namespace {

QSerialPort::Parity parityOf(int code)
{
    switch (code) {
    case 1: return QSerialPort::OddParity;
    case 2: return QSerialPort::EvenParity;
    case 3: return QSerialPort::MarkParity;
    case 4: return QSerialPort::SpaceParity;
    default: return QSerialPort::NoParity;
    }
}

QSerialPort::StopBits stopBitsOf(int code)
{
    switch (code) {
    case 1: return QSerialPort::OneAndHalfStop;
    case 2: return QSerialPort::TwoStop;
    default: return QSerialPort::OneStop;
    }
}

QSerialPort::DataBits dataBitsOf(int bits)
{
    switch (bits) {
    case 5: return QSerialPort::Data5;
    case 6: return QSerialPort::Data6;
    case 7: return QSerialPort::Data7;
    default: return QSerialPort::Data8;
    }
}

// Counts a wait in a local event loop for as long as it lives.
class WaitScope {
public:
    explicit WaitScope(int& counter) : count(counter) { ++count; }
    ~WaitScope() { --count; }
    WaitScope(const WaitScope&) = delete;
    WaitScope& operator=(const WaitScope&) = delete;

private:
    int& count;
};

} // namespace

std::string serialOpenFailureText(SerialOpenFailure failure, int code)
{
    switch (failure) {
    case SerialOpenFailure::None: return "";
    case SerialOpenFailure::NotFound: return texts::kPortNotFound;
    case SerialOpenFailure::AccessDenied: return texts::kPortAccessDenied;
    case SerialOpenFailure::NotADevice:
        return notSerialPortText(static_cast<DeviceKind>(code), "The device");
    case SerialOpenFailure::Other: break;
    }
    return std::string(texts::kPortOpenErrorPrefix) + "[" + std::to_string(code) + "]" +
           texts::kPortOpenErrorSuffix;
}

std::string serialFailureReason(SerialOpenFailure failure, int code, const std::string& device)
{
    switch (failure) {
    case SerialOpenFailure::None: return "";
    case SerialOpenFailure::NotFound:
        return device.empty() ? "no device for this port number"
                              : notSerialPortText(DeviceKind::Missing, device);
    case SerialOpenFailure::AccessDenied:
        return device + ": access denied (in use by another program, or the user is not in "
                        "the group that owns it, often dialout)";
    case SerialOpenFailure::NotADevice:
        return notSerialPortText(static_cast<DeviceKind>(code), device);
    case SerialOpenFailure::Other: break;
    }
    return device + ": cannot open it (error " + std::to_string(code) + ")";
}

NmeaLink::NmeaLink(const SettingsStore& store, const LinkHooks& linkHooks)
    : settings(store), hooks(linkHooks)
{
}

NmeaLink::~NmeaLink()
{
    close();
    disableServer();
}

void NmeaLink::configure(int port, int baud, int parityCode, int bits, int stopCode)
{
    portNumber = port;
    baudRate = baud;
    parity = parityCode;
    byteSize = bits;
    stopBits = stopCode;
}

QString NmeaLink::serialDevicePath() const
{
    if (!deviceOverride.isEmpty()) return deviceOverride;
    return QString::fromStdString(serialDeviceForPort(settings, portNumber));
}

int NmeaLink::openSerial()
{
    return openSerialDevice(serialDevicePath());
}

int NmeaLink::openSerialDevice(const QString& device)
{
    serialFailure = SerialOpenFailure::None;
    serialErrorCode = 0;
    // What is plainly no serial port is said as what it is, not as an open
    // failure; a named pipe is never opened, as that could wait for ever.
    const DeviceKind found = deviceKindOf(device.toStdString());
    if (!device.isEmpty() && found != DeviceKind::Missing && !mayBeSerialPort(found)) {
        serialFailure = SerialOpenFailure::NotADevice;
        serialErrorCode = static_cast<int>(found);
        return 0;
    }
    auto port = std::make_unique<QSerialPort>();
    port->setPortName(device);
    if (device.isEmpty() || !port->open(QIODevice::ReadWrite)) {
        const QSerialPort::SerialPortError error =
            device.isEmpty() ? QSerialPort::DeviceNotFoundError : port->error();
        serialErrorCode = static_cast<int>(error);
        serialFailure = error == QSerialPort::DeviceNotFoundError ? SerialOpenFailure::NotFound
                        : error == QSerialPort::PermissionError   ? SerialOpenFailure::AccessDenied
                                                                  : SerialOpenFailure::Other;
        return 0;
    }
    const bool settingsTaken =
        port->setBaudRate(baudRate) && port->setDataBits(dataBitsOf(byteSize)) &&
        port->setParity(parityOf(parity)) && port->setStopBits(stopBitsOf(stopBits)) &&
        port->setFlowControl(QSerialPort::NoFlowControl);
    if (!settingsTaken) {
        serialErrorCode = static_cast<int>(port->error());
        serialFailure = SerialOpenFailure::Other;
        port->close();
        hooks.sound(kErrorBeep);
        return 0;
    }
    // Pseudo-terminals and some adapters have no modem lines; that is fine.
    port->setDataTerminalReady(true);
    port->setRequestToSend(true);
    port->setReadBufferSize(kSerialQueueSize);
    port->clearError();
    connect(port.get(), &QSerialPort::errorOccurred, this,
            [this](QSerialPort::SerialPortError error) { onSerialError(static_cast<int>(error)); });

    if (serial != nullptr) delete serial;
    serial = port.release();
    serial->setParent(this);
    serialPath = device;
    lostDevice.clear();
    if (retry != nullptr) retry->stop();
    kind = SourceSerial;
    ++sessions;
    return 1;
}

void NmeaLink::onSerialError(int error)
{
    // A device that went away (a USB adapter pulled out reports a resource
    // error, a terminal whose far end closed a read error, again at every
    // read): release it, so that the same device can be opened again when it
    // comes back, and look for it every few seconds. Reads give 0 meanwhile
    // and the kind stays. A passing read error costs a reopen, no more.
    const bool gone = error == QSerialPort::ResourceError || error == QSerialPort::ReadError;
    if (!gone || serial == nullptr || !serial->isOpen()) return;
    serial->close();
    lostDevice = serialPath;
    if (retry == nullptr) {
        retry = new QTimer(this);
        connect(retry, &QTimer::timeout, this, &NmeaLink::retryLostDevice);
    }
    retry->start(kDeviceRetryMs);
}

void NmeaLink::retryLostDevice()
{
    if (lostDevice.isEmpty() || kind != SourceSerial) {
        retry->stop();
        return;
    }
    // The closed port object is replaced when the device opens again.
    openSerialDevice(lostDevice);
}

int NmeaLink::readDevice(char* buffer, int maximum)
{
    qint64 n = 0;
    if (serial != nullptr && serial->isOpen()) {
        n = serial->read(buffer, maximum);
        serial->clearError();
    } else if (file.isOpen()) {
        n = file.read(buffer, maximum);
    }
    return n > 0 ? static_cast<int>(n) : 0;
}

int NmeaLink::readNetwork(char* buffer, int maximum)
{
    if (connection == nullptr) return 0;
    const std::size_t n = connection->take(buffer, static_cast<std::size_t>(maximum));
    if (n == 0 && connection->closedFlag() && !connection->hasPending()) {
        // The far server went away and everything it sent has been read.
        close();
        return 0;
    }
    return static_cast<int>(n);
}

int NmeaLink::read(char* buffer, int maximum)
{
    if (maximum <= 0) return 0;
    const int count = kind == SourceNetwork ? readNetwork(buffer, maximum)
                      : kind == SourceGpsd  ? readGpsd(buffer, maximum)
                      : kind == SourceUdp   ? readUdp(buffer, maximum)
                                            : readDevice(buffer, maximum);
    if (count > 0 && serverFlag && relay != nullptr) relay->broadcast(buffer, count);
    return count;
}

void NmeaLink::closeNetwork()
{
    if (connection == nullptr) return;
    NetConnection* old = connection;
    connection = nullptr;
    old->disconnect(this);
    old->shutdownAndDiscard();
    old->deleteLater();
}

int NmeaLink::close()
{
    if (retry != nullptr) retry->stop();
    lostDevice.clear();
    if (serial != nullptr) {
        serial->disconnect(this);
        serial->close();
        serial->deleteLater();
        serial = nullptr;
    }
    if (file.isOpen()) file.close();
    closeNetwork();
    closeGpsd();
    udp.reset();
    kind = SourceNone;
    return 0;
}

bool NmeaLink::sourceOpen() const
{
    switch (kind) {
    case SourceSerial: return serial != nullptr && serial->isOpen();
    case SourceFile: return file.isOpen();
    case SourceNetwork: return connection != nullptr;
    case SourceGpsd: return gpsd != nullptr;
    case SourceUdp: return udp != nullptr;
    default: return false;
    }
}

int NmeaLink::openFile(const QString& path)
{
    if (file.isOpen()) file.close();
    file.setFileName(path);
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        hooks.say("Cannot play " + path.toStdString() + ": " + texts::kNotRegularFile);
    else if (!file.open(QIODevice::ReadOnly | QIODevice::ExistingOnly))
        hooks.say(texts::kFileError);
    kind = SourceFile;
    ++sessions;
    return 1;
}

int NmeaLink::connectNetwork(const QString& address, int port)
{
    closeNetwork();
    auto* attempt = new NetConnection();
    attempt->setParent(this);
    bool connected;
    {
        WaitScope scope(waiting);
        connected = port >= 0 && port <= 65535 &&
                    attempt->connectTo(address, static_cast<quint16>(port), kConnectTimeoutMs);
    }
    if (!connected) {
        attempt->deleteLater();
        hooks.say(texts::kCannotConnect);
        return 0;
    }
    connection = attempt;
    kind = SourceNetwork;
    ++sessions;
    return 1;
}

int NmeaLink::readGpsd(char* buffer, int maximum)
{
    if (gpsd == nullptr) return 0;
    const std::size_t n = gpsd->take(buffer, static_cast<std::size_t>(maximum));
    if (n == 0 && gpsd->ended()) {
        close();
        return 0;
    }
    return static_cast<int>(n);
}

void NmeaLink::closeGpsd()
{
    if (gpsd == nullptr) return;
    GpsdClient* old = gpsd;
    gpsd = nullptr;
    old->close();
    old->deleteLater();
}

int NmeaLink::connectGpsd(const QString& host, int port)
{
    closeGpsd();
    auto* client = new GpsdClient();
    client->setParent(this);
    GpsdOutcome outcome;
    {
        WaitScope scope(waiting);
        outcome = client->open(host, port, kConnectTimeoutMs);
    }
    if (outcome != GpsdOutcome::Connected) {
        client->deleteLater();
        hooks.say(gpsdFailureText(outcome, host.toStdString(), port));
        return 0;
    }
    gpsd = client;
    kind = SourceGpsd;
    ++sessions;
    return 1;
}

int NmeaLink::readUdp(char* buffer, int maximum)
{
    if (udp == nullptr) return 0;
    return static_cast<int>(udp->take(buffer, static_cast<std::size_t>(maximum)));
}

int NmeaLink::openUdp(int port, const QString& sender)
{
    auto receiver = std::make_unique<UdpReceiver>();
    const std::string failure = receiver->open(port, sender);
    if (!failure.empty()) {
        hooks.say(failure);
        return 0;
    }
    udp = std::move(receiver);
    kind = SourceUdp;
    ++sessions;
    return 1;
}

int NmeaLink::udpPort() const
{
    return udp != nullptr ? udp->port() : 0;
}

void NmeaLink::enableServer(int port, bool loopbackOnly)
{
    disableServer();
    relay = new CNetServer(port, hooks, loopbackOnly);
    relay->setParent(this);
    serverFlag = 1;
}

void NmeaLink::disableServer()
{
    delete relay;
    relay = nullptr;
    serverFlag = 0;
}

} // namespace orbilunex
