#pragma once

// Settings sections, keys and defaults of the data links.

namespace orbilunex::settings {

constexpr const char* kSerialSection = "Serial Port Commmunications";
constexpr const char* kPortKey = "Port";
constexpr int kDefaultPort = 1;
constexpr const char* kBaudKey = "Baud";
constexpr int kDefaultBaud = 4800;
// "Device1" .. "Device16": the device path each port number stands for.
constexpr const char* kDeviceKeyPrefix = "Device";

constexpr const char* kNetworkSection = "Client/Server";
constexpr const char* kNetAddressKey = "NetAddress";
constexpr const char* kDefaultNetAddress = "127.0.0.1";
constexpr const char* kConnectToPortKey = "ConnectToPort";
constexpr int kDefaultConnectToPort = 10000;
constexpr const char* kServerPortKey = "ServerPort";
constexpr int kDefaultServerPort = 10000;
constexpr const char* kMaxConnectionsKey = "MaxConnectConnections";
constexpr int kDefaultMaxConnections = 25;

} // namespace orbilunex::settings
