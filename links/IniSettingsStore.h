#pragma once

#include "settings/SettingsStore.h"

#include <QSettings>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>

namespace orbilunex {

// The settings store the program runs with: an INI file through QSettings.
// By default the per-user file (~/.config/ORBX/orbilunex.conf, following
// XDG_CONFIG_HOME); --settings FILE or ORBILUNEX_SETTINGS name another file,
// which is how tests and second installations stay off the user's settings.
//
// Sections and keys are stored under "section/key". Blanks and other
// characters survive QSettings' escaping (the file shows "%20"); a slash in a
// section ("Client/Server") makes a nested group, which reads back under the
// same section name. Keys must not contain a slash: ("A", "B/k") and
// ("A/B", "k") are the same entry.
//
// Values are text. QSettings reads an unquoted value with commas, as a hand
// edit leaves "44, 0, 1", as a list; such a value reads back as its items
// joined by ", ". Values this class writes are quoted by QSettings and read
// back exactly.
//
// Writes are batched: a set changes the values held in memory, and the file
// is rewritten once for all changes made together (QSettings' own update at
// the next turn of the event loop, a check a second later, sync(), and the
// destructor), never once per key: closing the window sets dozens of keys.
//
// Only a plain file of at most kMostFileBytes is read. Anything else (a
// pipe, which would hold the start for ever; a device; a file far larger
// than settings ever are, which took minutes to read and rewrite) is
// refused: the store then runs on defaults in memory, leaves the file alone
// and says why in refusal(). Not thread-safe; one thread.
class IniSettingsStore : public SettingsStore {
public:
    // Real settings files hold a few kilobytes.
    static constexpr qint64 kMostFileBytes = 1024 * 1024;

    // The per-user file ($XDG_CONFIG_HOME or ~/.config, then
    // ORBX/orbilunex.conf). Nothing is created until the first write, and no
    // system-wide file is consulted: what is read is what this user wrote.
    IniSettingsStore();

    // The INI file at filePath (created with its folders on the first write);
    // an empty path means the per-user file, as above.
    explicit IniSettingsStore(const std::string& filePath);

    // Writes what is still pending (see sync()).
    ~IniSettingsStore() override;

    IniSettingsStore(const IniSettingsStore&) = delete;
    IniSettingsStore& operator=(const IniSettingsStore&) = delete;

    // The decimal integer stored under section/key; defaultValue when the key
    // is missing or its text is not a whole decimal int (see parseSettingInt).
    int getInt(const std::string& section, const std::string& key,
               int defaultValue) const override;

    // The stored text (UTF-8); defaultValue when the key is missing or holds
    // a value that has no text form (a hand-written @Variant, for example).
    std::string getString(const std::string& section, const std::string& key,
                          const std::string& defaultValue) const override;

    // Store; the file follows with the next batch. A failed write is reported
    // through the write-failure handler.
    void setInt(const std::string& section, const std::string& key, int value) override;
    void setString(const std::string& section, const std::string& key,
                   const std::string& value) override;

    // Writes pending changes and re-reads changes other processes made to the
    // file. Returns false when the file could not be written or read (no
    // permission, a folder in the way), is not valid INI, or was refused.
    // The first failure to write a file that was not refused calls the
    // write-failure handler; later ones do not.
    bool sync();

    // Told once, with a sentence for the user, when the file cannot be
    // written: the layout and settings of this run will not be kept.
    void setWriteFailureHandler(std::function<void(const std::string& message)> handler);

    // Why the file is not used, a sentence for the user naming it; empty when
    // it is used.
    const std::string& refusal() const { return refusalText; }

    // The file in use (or refused), UTF-8; the resolved per-user path for
    // the default.
    std::string fileName() const;

private:
    void scheduleCheck();

    QString path;
    std::string refusalText;
    std::unique_ptr<QSettings> settings; // null when the file was refused
    MemorySettingsStore fallback;        // the values of a refused file's run
    QTimer check;
    std::function<void(const std::string&)> onWriteFailure;
    bool writeFailureTold = false;
};

// The settings file to open: commandLineValue (the --settings argument) when
// not empty, else the environment variable ORBILUNEX_SETTINGS when set and not
// empty, else "" for the per-user file. No check that the file exists: a new
// file is created at the first write.
std::string resolveSettingsPath(const std::string& commandLineValue);

} // namespace orbilunex
