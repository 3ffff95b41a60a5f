#include "links/IniSettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>
#include <QVariant>

#include <cstdlib>
#include <utility>

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

// Why a settings file cannot be used; empty when it can. A missing file is
// fine: it is created at the first write. Only the file's type and size are
// looked at, so a pipe is never opened.
std::string refusalOf(const QString& file)
{
    const QFileInfo info(file);
    if (!info.exists()) return std::string();
    const std::string name = QDir::toNativeSeparators(file).toStdString();
    const char* const consequence = "default settings are used and will not be saved.";
    if (!info.isFile())
        return "The settings file " + name + " is not a regular file; " + consequence;
    if (info.size() > IniSettingsStore::kMostFileBytes)
        return "The settings file " + name + " is too large (" + std::to_string(info.size()) +
               " bytes); " + consequence;
    return std::string();
}

// How long after a change the file is checked: long enough that the keys a
// command writes together are one write, short enough to tell the user soon.
constexpr int kCheckDelayMs = 1000;

} // namespace

IniSettingsStore::IniSettingsStore() : IniSettingsStore(std::string()) {}

// A store opened on a file name has no fallback files (system-wide or
// organisation-wide), so what is read is what this file holds.
IniSettingsStore::IniSettingsStore(const std::string& filePath)
    : path(filePath.empty() ? userSettingsPath()
                            : QFile::decodeName(QByteArray::fromStdString(filePath))),
      refusalText(refusalOf(path))
{
    if (refusalText.empty()) settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
    check.setSingleShot(true);
    check.setInterval(kCheckDelayMs);
    QObject::connect(&check, &QTimer::timeout, [this] { sync(); });
}

IniSettingsStore::~IniSettingsStore()
{
    if (settings) settings->sync();
}

int IniSettingsStore::getInt(const std::string& section, const std::string& key,
                             int defaultValue) const
{
    if (!settings) return fallback.getInt(section, key, defaultValue);
    QString text;
    if (!valueText(settings->value(settingsKey(section, key)), text)) return defaultValue;
    int value = defaultValue;
    return parseSettingInt(text.toStdString(), value) ? value : defaultValue;
}

std::string IniSettingsStore::getString(const std::string& section, const std::string& key,
                                        const std::string& defaultValue) const
{
    if (!settings) return fallback.getString(section, key, defaultValue);
    QString text;
    if (!valueText(settings->value(settingsKey(section, key)), text)) return defaultValue;
    return text.toStdString();
}

void IniSettingsStore::setInt(const std::string& section, const std::string& key, int value)
{
    noteChange();
    if (!settings) return fallback.setInt(section, key, value);
    settings->setValue(settingsKey(section, key), value);
    scheduleCheck();
}

void IniSettingsStore::setString(const std::string& section, const std::string& key,
                                 const std::string& value)
{
    noteChange();
    if (!settings) return fallback.setString(section, key, value);
    settings->setValue(settingsKey(section, key), QString::fromStdString(value));
    scheduleCheck();
}

// Timers need the application's event loop; without one (a plain test) the
// file is written by sync() and the destructor alone.
void IniSettingsStore::scheduleCheck()
{
    if (QCoreApplication::instance() != nullptr && !check.isActive()) check.start();
}

bool IniSettingsStore::sync()
{
    if (!settings) return false;
    check.stop();
    settings->sync();
    noteChange(); // the file may have brought what another process wrote
    const bool written = settings->status() == QSettings::NoError;
    if (!written && settings->status() == QSettings::AccessError && !writeFailureTold) {
        writeFailureTold = true;
        if (onWriteFailure)
            onWriteFailure("The settings file " + QDir::toNativeSeparators(path).toStdString() +
                           " cannot be written: the window layout and settings of this run "
                           "will not be kept.");
    }
    return written;
}

void IniSettingsStore::setWriteFailureHandler(std::function<void(const std::string&)> handler)
{
    onWriteFailure = std::move(handler);
}

std::string IniSettingsStore::fileName() const
{
    return path.toStdString();
}

std::string resolveSettingsPath(const std::string& commandLineValue)
{
    if (!commandLineValue.empty()) return commandLineValue;
    const char* fromEnvironment = std::getenv(settingsPathVariable);
    if (fromEnvironment != nullptr && *fromEnvironment != '\0') return fromEnvironment;
    return "";
}

} // namespace orbilunex
