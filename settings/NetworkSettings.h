#pragma once

#include "settings/Setting.h"

namespace orbilunex::settings::network {

constexpr const char* kSection = "Client/Server";
// Where the network link connects to as a client.
constexpr StringSetting kNetAddress{kSection, "NetAddress", "127.0.0.1"};
constexpr IntSetting kConnectToPort{kSection, "ConnectToPort", 10000};
// The gpsd the link last connected to.
constexpr StringSetting kGpsdHost{kSection, "GpsdHost", "localhost"};
constexpr IntSetting kGpsdPort{kSection, "GpsdPort", 2947};
// The relay server.
constexpr IntSetting kServerPort{kSection, "ServerPort", 10000};
constexpr IntSetting kMaxConnections{kSection, "MaxConnectConnections", 25};

} // namespace orbilunex::settings::network
