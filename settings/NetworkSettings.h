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
// 1: the relay listens on loopback only; 0 (as before there was a choice):
// on every interface.
constexpr IntSetting kServerLoopbackOnly{kSection, "LoopbackOnly", 0};
// Where the relay also sends each block as a datagram: "HOST:PORT,PORT,...".
constexpr StringSetting kUdpDestinations{kSection, "UdpDestinations", ""};

} // namespace orbilunex::settings::network

namespace orbilunex::settings::udp {

constexpr const char* kSection = "UDP";
// The UDP input: the port it listens on (the marine convention) and the one
// sender it accepts, an address; empty accepts any.
constexpr IntSetting kPort{kSection, "Port", 10110};
constexpr StringSetting kSender{kSection, "Sender", ""};

} // namespace orbilunex::settings::udp
