#pragma once

#include "settings/Setting.h"

namespace orbilunex::settings::serial {

// Spelt with three m: the section name existing settings files hold.
constexpr const char* kSection = "Serial Port Commmunications";
constexpr IntSetting kPort{kSection, "Port", 1};
constexpr IntSetting kBaud{kSection, "Baud", 4800};
// "Device1" .. "Device16": the device path each port number stands for (see
// links/SerialPortMap.h for the defaults).
constexpr const char* kDeviceKeyPrefix = "Device";

} // namespace orbilunex::settings::serial
