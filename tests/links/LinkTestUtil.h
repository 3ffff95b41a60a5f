#pragma once

#include "links/LinkHooks.h"
#include "settings/SettingsStore.h"
#include "tests/common/EventPump.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <functional>
#include <string>
#include <vector>

namespace orbilunex::test {

inline QByteArray readAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

inline QString samplePath(const char* name)
{
    return QString::fromUtf8(TEST_DATA_DIR) + "/" + name;
}

// Hooks that remember what the user would have been shown.
struct RecordingHooks {
    std::vector<std::string> messages;
    std::vector<unsigned> beeps;

    LinkHooks hooks()
    {
        LinkHooks h;
        h.message = [this](const std::string& text) { messages.push_back(text); };
        h.beep = [this](unsigned sound) { beeps.push_back(sound); };
        return h;
    }
};

} // namespace orbilunex::test
