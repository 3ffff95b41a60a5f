#pragma once

#include "tests/common/ScriptedPrompter.h"

#include "app/MainFrame.h"
#include "app/OrbilunexApp.h"
#include "links/Clock.h"
#include "settings/SerialSettings.h"
#include "settings/SettingsStore.h"
#include "tests/common/EventPump.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <functional>
#include <memory>

namespace orbilunex::test {

// A whole application on in-memory settings, a scripted prompter and a
// clock the test sets. The stored serial port is 0, which stands for no
// device: no test opens a real serial port.
class AppFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        if (!settings.contains(settings::serial::kPort.section, settings::serial::kPort.key))
            writeSetting(settings, settings::serial::kPort, 0);
    }

    void TearDown() override { app.reset(); }

    // Starts (or restarts, on the same settings) the application.
    void start()
    {
        app.reset();
        app = std::make_unique<COrbilunexApp>(settings, prompter, clock);
        ASSERT_TRUE(app->initInstance());
    }

    CMainFrame& frame() { return *app->mainFrame(); }

    // Closes the main window as a user would and lets the events settle.
    void closeMainWindow()
    {
        frame().close();
        QCoreApplication::processEvents();
    }

    // A file of the given NMEA text, played back through the main frame.
    void play(const QByteArray& nmea, int speed = 3)
    {
        const QString path = folder.filePath(QStringLiteral("play%1.nmea").arg(++files));
        QFile out(path);
        out.open(QIODevice::WriteOnly);
        out.write(nmea);
        out.close();
        frame().dataPath().setPlaybackSpeed(speed);
        frame().dataPath().connectFile(path);
    }

    QTemporaryDir folder;
    MemorySettingsStore settings;
    ScriptedPrompter prompter;
    ManualClock clock{1'700'000'000};
    std::unique_ptr<COrbilunexApp> app;
    int files = 0;
};

} // namespace orbilunex::test
