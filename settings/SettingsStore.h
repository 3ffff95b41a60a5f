#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>

namespace orbilunex {

// The per-user settings store as the rest of the program sees it: named
// sections holding integer and string values, read with a default for a
// missing key. The core reaches settings only through this interface, so
// that it stays free of any platform store and tests can hand in memory.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // Returns the integer stored under section/key, or defaultValue when the
    // key is missing or its value is not a decimal integer.
    virtual int getInt(const std::string& section, const std::string& key,
                       int defaultValue) const = 0;

    // Returns the text stored under section/key (an integer value reads as
    // its decimal text), or defaultValue when the key is missing.
    virtual std::string getString(const std::string& section, const std::string& key,
                                  const std::string& defaultValue) const = 0;

    virtual void setInt(const std::string& section, const std::string& key, int value) = 0;
    virtual void setString(const std::string& section, const std::string& key,
                           const std::string& value) = 0;

    // Changes at every write (and whenever the values may have changed some
    // other way); never goes back. A window compares it with the value it
    // last read its settings at, so an idle tick reads none.
    std::uint64_t revision() const { return changes; }

protected:
    // Every implementation calls this as a value may change.
    void noteChange() { ++changes; }

private:
    std::uint64_t changes = 0;
};

// A store that lives only in memory: for tests, and for tools that must not
// touch the user's settings.
class MemorySettingsStore : public SettingsStore {
public:
    int getInt(const std::string& section, const std::string& key,
               int defaultValue) const override;
    std::string getString(const std::string& section, const std::string& key,
                          const std::string& defaultValue) const override;
    void setInt(const std::string& section, const std::string& key, int value) override;
    void setString(const std::string& section, const std::string& key,
                   const std::string& value) override;

    bool contains(const std::string& section, const std::string& key) const;

private:
    std::map<std::pair<std::string, std::string>, std::string> values;
};

// Reads a whole text as a decimal integer in the int range ("-12", "+7",
// surrounding blanks allowed). Returns false for anything else, including
// values out of range, so that a damaged setting falls back to its default.
bool parseSettingInt(const std::string& text, int& value);

} // namespace orbilunex
