#include "links/IniSettingsStore.h"

#include <QFile>
#include <QStandardPaths>
#include <QStringList>
#include <QVariant>

#include <cstdlib>

namespace orbilunex {

namespace {

// The per-user file, relative to the user's configuration folder.
constexpr const char* userSettingsFile = "/ORBX/orbilunex.conf";
constexpr const char* settingsPathVariable = "ORBILUNEX_SETTINGS";

QString settingsKey(const std::string& section, const std::string& key)
{
    return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(key);
}

// The text of a stored value. An unquoted "a, b, c" comes back from the INI
// reader as a list; joining with ", " restores the text the program writes.
bool valueText(const QVariant& value, QString& text)
{
    if (!value.isValid()) return false;
    if (value.metaType().id() == QMetaType::QStringList) {
        text = value.toStringList().join(QStringLiteral(", "));
        return true;
    }
    if (!value.canConvert<QString>()) return false;
    text = value.toString();
    return true;
}

// QSettings' own user-scope INI name would end in ".ini"; the file we tell
// users about is ~/.config/ORBX/orbilunex.conf, so the path is built here, in the
// same folder QSettings uses (XDG_CONFIG_HOME, else ~/.config).
QString userSettingsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1String(userSettingsFile);
}

} // namespace

IniSettingsStore::IniSettingsStore() : IniSettingsStore(std::string()) {}

// A store opened on a file name has no fallback files (system-wide or
// organisation-wide), so what is read is what this file holds.
IniSettingsStore::IniSettingsStore(const std::string& filePath)
    : settings(filePath.empty() ? userSettingsPath()
                                : QFile::decodeName(QByteArray::fromStdString(filePath)),
               QSettings::IniFormat)
{
}

int IniSettingsStore::getInt(const std::string& section, const std::string& key,
                             int defaultValue) const
{
    QString text;
    if (!valueText(settings.value(settingsKey(section, key)), text)) return defaultValue;
    int value = defaultValue;
    return parseSettingInt(text.toStdString(), value) ? value : defaultValue;
}

std::string IniSettingsStore::getString(const std::string& section, const std::string& key,
                                        const std::string& defaultValue) const
{
    QString text;
    if (!valueText(settings.value(settingsKey(section, key)), text)) return defaultValue;
    return text.toStdString();
}

void IniSettingsStore::setInt(const std::string& section, const std::string& key, int value)
{
    settings.setValue(settingsKey(section, key), value);
    settings.sync();
}

void IniSettingsStore::setString(const std::string& section, const std::string& key,
                                 const std::string& value)
{
    settings.setValue(settingsKey(section, key), QString::fromStdString(value));
    settings.sync();
}

bool IniSettingsStore::sync()
{
    settings.sync();
    return settings.status() == QSettings::NoError;
}

std::string IniSettingsStore::fileName() const
{
    return settings.fileName().toStdString();
}

std::string resolveSettingsPath(const std::string& commandLineValue)
{
    if (!commandLineValue.empty()) return commandLineValue;
    const char* fromEnvironment = std::getenv(settingsPathVariable);
    if (fromEnvironment != nullptr && *fromEnvironment != '\0') return fromEnvironment;
    return "";
}

} // namespace orbilunex
