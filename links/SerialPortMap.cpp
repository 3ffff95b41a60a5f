#include "links/SerialPortMap.h"

#include "settings/SerialSettings.h"
#include "settings/SettingsStore.h"

#include <QSerialPortInfo>

#include <algorithm>

namespace orbilunex {

namespace {

constexpr const char* kDefaultDevices[kLastSerialPort] = {
    "/dev/ttyUSB0", "/dev/ttyUSB1", "/dev/ttyACM0", "/dev/ttyACM1",
    "/dev/ttyS0",   "/dev/ttyS1",   "/dev/ttyS2",   "/dev/ttyS3",
    "/dev/ttyUSB2", "/dev/ttyUSB3", "/dev/ttyACM2", "/dev/ttyACM3",
    "/dev/rfcomm0", "/dev/rfcomm1", "/dev/ttyAMA0", "/dev/serial0",
};

std::string deviceKey(int port)
{
    return settings::serial::kDeviceKeyPrefix + std::to_string(port);
}

bool inRange(int port)
{
    return port >= kFirstSerialPort && port <= kLastSerialPort;
}

} // namespace

std::string defaultSerialDevice(int port)
{
    return inRange(port) ? kDefaultDevices[port - kFirstSerialPort] : "";
}

std::string serialDeviceForPort(const SettingsStore& store, int port)
{
    if (!inRange(port)) return "";
    return store.getString(settings::serial::kSection, deviceKey(port), defaultSerialDevice(port));
}

void setSerialDeviceForPort(SettingsStore& store, int port, const std::string& device)
{
    if (inRange(port)) store.setString(settings::serial::kSection, deviceKey(port), device);
}

std::vector<PresentSerialPort> presentSerialPorts()
{
    std::vector<PresentSerialPort> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        ports.push_back({info.systemLocation().toStdString(), info.description().toStdString(),
                         info.manufacturer().toStdString(), info.serialNumber().toStdString()});
    std::sort(ports.begin(), ports.end(),
              [](const PresentSerialPort& a, const PresentSerialPort& b) { return a.device < b.device; });
    return ports;
}

} // namespace orbilunex
