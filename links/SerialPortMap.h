#pragma once

#include <string>
#include <vector>

namespace orbilunex {

class SettingsStore;

// Serial ports are chosen by number (1..16), as receivers' manuals and the
// Communication dialog speak of them; on Linux each number stands for a
// device path. The defaults reach the usual places of a GPS receiver without
// any editing: USB serial adapters and CDC-ACM receivers first, then the
// built-in ports, Bluetooth serial links and the Raspberry Pi UART. The
// user can point any number at another path (stored as "Device<N>" in the
// serial section), and --serial DEVICE bypasses the table for one run.

constexpr int kFirstSerialPort = 1;
constexpr int kLastSerialPort = 16;

// The built-in device path of port `port`, or "" outside 1..16.
std::string defaultSerialDevice(int port);

// The device path of port `port`: the stored "Device<N>" value when there is
// one, else the built-in default; "" for numbers outside 1..16 (an open of
// such a port fails as "not found").
std::string serialDeviceForPort(const SettingsStore& settings, int port);

// Stores the device path for port `port` (ignored outside 1..16).
void setSerialDeviceForPort(SettingsStore& settings, int port, const std::string& device);

// A serial port the system has now, as the Communication dialog lists it.
struct PresentSerialPort {
    std::string device; // the path to open, "/dev/ttyUSB0"
    std::string description;
    std::string manufacturer;
    std::string serialNumber;
};

// The serial ports present now, by device path; nothing is opened.
std::vector<PresentSerialPort> presentSerialPorts();

} // namespace orbilunex
