#include "settings/Setting.h"

namespace orbilunex {

int readSetting(const SettingsStore& store, const IntSetting& setting)
{
    return store.getInt(setting.section, setting.key, setting.defaultValue);
}

void writeSetting(SettingsStore& store, const IntSetting& setting, int value)
{
    store.setInt(setting.section, setting.key, value);
}

int readSetting(const SettingsStore& store, const IntTextSetting& setting)
{
    int value = setting.defaultValue;
    if (!parseSettingInt(store.getString(setting.section, setting.key, ""), value))
        return setting.defaultValue;
    return value;
}

void writeSetting(SettingsStore& store, const IntTextSetting& setting, int value)
{
    store.setString(setting.section, setting.key, std::to_string(value));
}

std::string readSetting(const SettingsStore& store, const StringSetting& setting)
{
    return store.getString(setting.section, setting.key, setting.defaultValue);
}

void writeSetting(SettingsStore& store, const StringSetting& setting, const std::string& value)
{
    store.setString(setting.section, setting.key, value);
}

int toggleSetting(SettingsStore& store, const IntSetting& setting)
{
    const int value = readSetting(store, setting) == 1 ? 0 : 1;
    writeSetting(store, setting, value);
    return value;
}

} // namespace orbilunex
