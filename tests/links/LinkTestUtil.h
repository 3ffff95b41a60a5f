#pragma once

#include "app/SettingsStore.h"
#include "links/LinkHooks.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QString>
#include <QThread>

#include <functional>
#include <string>
#include <vector>

namespace orbilunex::test {

// Runs the event loop until done() holds or timeoutMs passes; returns done().
inline bool pumpUntil(const std::function<bool()>& done, int timeoutMs = 5000)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > timeoutMs) return done();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    return true;
}

inline void pumpFor(int milliseconds)
{
    pumpUntil([] { return false; }, milliseconds);
}

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
