#pragma once

#include "settings/SettingsStore.h"

#include <string>

namespace orbilunex {

// One stored value: the section and key it lives under and what it reads as
// when missing or damaged. Each settings section has a header of its own
// that lists its values side by side with their defaults; code reads and
// writes through these descriptors, never through key strings.
struct IntSetting {
    const char* section;
    const char* key;
    int defaultValue;
};

// An integer that the store keeps as decimal text (written with "%d" by
// older versions, so a stored "7" and an integer 7 read the same).
struct IntTextSetting {
    const char* section;
    const char* key;
    int defaultValue;
};

struct StringSetting {
    const char* section;
    const char* key;
    const char* defaultValue;
};

// The stored integer, or the default when missing or not a decimal integer.
int readSetting(const SettingsStore& store, const IntSetting& setting);
void writeSetting(SettingsStore& store, const IntSetting& setting, int value);

// The stored text read as a decimal integer (see parseSettingInt), or the
// default when missing or damaged.
int readSetting(const SettingsStore& store, const IntTextSetting& setting);
// Writes the value as decimal text.
void writeSetting(SettingsStore& store, const IntTextSetting& setting, int value);

std::string readSetting(const SettingsStore& store, const StringSetting& setting);
void writeSetting(SettingsStore& store, const StringSetting& setting, const std::string& value);

// On/off flags are stored as 1 and 0. Flips the stored flag (1 becomes 0,
// anything else 1), writes it at once and returns the new value.
int toggleSetting(SettingsStore& store, const IntSetting& setting);

} // namespace orbilunex
