#include "settings/SettingsStore.h"

#include <charconv>

namespace orbilunex {

bool parseSettingInt(const std::string& text, int& value)
{
    const char* first = text.data();
    const char* last = first + text.size();
    while (first < last && (*first == ' ' || *first == '\t')) ++first;
    while (last > first && (last[-1] == ' ' || last[-1] == '\t')) --last;
    if (first < last && *first == '+') ++first;
    if (first == last) return false;
    int parsed = 0;
    auto result = std::from_chars(first, last, parsed);
    if (result.ec != std::errc() || result.ptr != last) return false;
    value = parsed;
    return true;
}

int MemorySettingsStore::getInt(const std::string& section, const std::string& key,
                                int defaultValue) const
{
    auto it = values.find({section, key});
    int value = defaultValue;
    if (it == values.end() || !parseSettingInt(it->second, value)) return defaultValue;
    return value;
}

std::string MemorySettingsStore::getString(const std::string& section, const std::string& key,
                                           const std::string& defaultValue) const
{
    auto it = values.find({section, key});
    return it == values.end() ? defaultValue : it->second;
}

void MemorySettingsStore::setInt(const std::string& section, const std::string& key, int value)
{
    noteChange();
    values[{section, key}] = std::to_string(value);
}

void MemorySettingsStore::setString(const std::string& section, const std::string& key,
                                    const std::string& value)
{
    noteChange();
    values[{section, key}] = value;
}

bool MemorySettingsStore::contains(const std::string& section, const std::string& key) const
{
    return values.count({section, key}) != 0;
}

} // namespace orbilunex
