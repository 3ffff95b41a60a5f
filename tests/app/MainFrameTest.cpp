#include "tests/common/AppTestFixture.h"
#include "tests/common/NmeaSentence.h"

#include "app/CommunicationDialog.h"
#include "app/GeneralSettingsDialog.h"
#include "app/NetworkConnectDialog.h"
#include "app/NetworkServerDialog.h"
#include "app/RecordFileDialog.h"
#include "app/UdpConnectDialog.h"
#include "framework/ChildFrame.h"
#include "framework/Document.h"
#include "gauges/LedIndicator.h"
#include "gauges/altimeter/AltimeterKind.h"
#include "gauges/attitude/AttitudeKind.h"
#include "gauges/attitude/AttitudeView.h"
#include "gauges/attitude/AttitudeWnd.h"
#include "gauges/compass/CompassKind.h"
#include "gauges/speedometer/SpeedometerKind.h"
#include "gauges/verticalspeed/VerticalSpeedKind.h"
#include "links/LinkTexts.h"
#include "links/NetServer.h"
#include "shell/Commands.h"
#include "views/commandmonitor/CommandMonitorKind.h"
#include "views/navigation/NavigationKind.h"
#include "views/signalquality/SignalQualityKind.h"
#include "views/skyplot/SkyPlotKind.h"
#include "views/survey/SurveyKind.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QProcess>
#include <QStatusBar>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QToolBar>
#include <QUdpSocket>

using namespace orbilunex;
using namespace orbilunex::test;

namespace {

QByteArray fix(int quality, int fixType, int satellites)
{
    return QByteArray::fromStdString(
        sentence("GPGGA,101500.00,4716.7820,N,01120.8885,E," + std::to_string(quality) + "," +
             std::to_string(satellites) + ",1.2,602.8,M,48.3,M,,") +
        sentence("GPGSA,A," + std::to_string(fixType) + ",05,11,12,,,,,,,,,,1.7,1.2,1.3"));
}

using MainFrameTest = AppFixture;

TEST_F(MainFrameTest, StatusPanesShowTheDecodedState)
{
    start();
    EXPECT_EQ(frame().paneText(CMainFrame::SourcePane), "RS-232")
        << "a failed start-up open still reports the serial port";
    EXPECT_EQ(frame().paneText(CMainFrame::RecordingPane), "Data capture off");
    EXPECT_EQ(frame().paneText(CMainFrame::QualityPane), "Fix not available");
    EXPECT_EQ(frame().paneText(CMainFrame::FixTypePane), "Fix NA");
    EXPECT_EQ(frame().paneText(CMainFrame::SatellitesPane), "Sats:0");

    struct Case {
        int quality, fixType, satellites;
        const char* qualityText;
        const char* fixTypeText;
    };
    const Case cases[] = {
        {1, 2, 5, "GPS SPS Mode", "2D fix"},
        {2, 3, 9, "Differential GPS, SPS Mode", "3D fix"},
        {4, 3, 12, "Real Time Kinematic", "3D fix"},
        {9, 0, 3, "GPS mode unknown", "NA"},
    };
    for (const auto& c : cases) {
        play(fix(c.quality, c.fixType, c.satellites));
        frame().pollTick();
        EXPECT_EQ(frame().paneText(CMainFrame::QualityPane), c.qualityText);
        EXPECT_EQ(frame().paneText(CMainFrame::FixTypePane), c.fixTypeText);
        EXPECT_EQ(frame().paneText(CMainFrame::SatellitesPane),
                  QStringLiteral("Sats:%1").arg(c.satellites));
        EXPECT_EQ(frame().paneText(CMainFrame::SourcePane), "File");
    }
    frame().runCommand(commands::kDisconnect);
    EXPECT_EQ(frame().paneText(CMainFrame::SourcePane), "None");
    EXPECT_EQ(frame().paneText(CMainFrame::FixTypePane), "NA") << "the last state stays shown";
}

TEST_F(MainFrameTest, LampFlashesInTheColourOfTheFix)
{
    start();
    const CLedIndicator* lamp = frame().receiveLamp();
    EXPECT_EQ(lamp->state().row, ledRowFix);
    EXPECT_EQ(lamp->state().rowOffset, ledStatusRowOffset);
    EXPECT_EQ(lamp->state().look, ledLookIdle);

    struct Case {
        int quality;
        int row;
    };
    for (const Case c : {Case{0, ledRowNoFix}, Case{1, ledRowFix}, Case{2, ledRowDifferentialFix},
                         Case{5, ledRowFix}}) {
        play(fix(c.quality, 3, 8));
        frame().pollTick();
        EXPECT_EQ(lamp->state().row, c.row) << "quality " << c.quality;
        EXPECT_EQ(lamp->state().look, ledLookLit) << "flashing";
        EXPECT_TRUE(pumpUntil([&] { return lamp->state().look == ledLookIdle; }, 2000))
            << "the flash ends";
    }

    // Bytes that complete no sentence do not flash the lamp.
    play("$GPGGA,1015");
    frame().pollTick();
    EXPECT_EQ(lamp->state().look, ledLookIdle);
}

TEST_F(MainFrameTest, RecordingCountsDown)
{
    start();
    const QString file = folder.filePath(QStringLiteral("rec.txt"));
    prompter.dialogs.push_back([&](QDialog& d) {
        auto& dialog = dynamic_cast<CRecordFileDialog&>(d);
        dialog.infiniteBox()->setChecked(false); // one hour
        dialog.selectFile(file);
        return true;
    });
    frame().runCommand(commands::kRecordStart);
    ASSERT_TRUE(frame().dataPath().recorder.active());
    EXPECT_TRUE(frame().action(commands::kRecordStart)->isChecked());
    EXPECT_TRUE(frame().action(commands::kRecordStop)->isEnabled());
    clock.advance(1);
    frame().pollTick();
    EXPECT_EQ(frame().paneText(CMainFrame::RecordingPane), "Recording: 00:59:59");

    // Starting again asks first; No leaves the recording alone.
    prompter.answers.push_back(Prompter::Answer::No);
    frame().runCommand(commands::kRecordStart);
    ASSERT_EQ(prompter.questions.size(), 1);
    EXPECT_EQ(prompter.questions[0], QString::fromUtf8(texts::kAlreadyRecording));
    EXPECT_EQ(prompter.dialogsRun, 1);
    EXPECT_TRUE(frame().dataPath().recorder.active());

    clock.advance(3599);
    frame().pollTick();
    EXPECT_EQ(frame().paneText(CMainFrame::RecordingPane), "Data capture off");
    EXPECT_TRUE(prompter.messages.contains(QString::fromUtf8(texts::kRecordingExpired)));
    EXPECT_FALSE(frame().action(commands::kRecordStop)->isEnabled());

    // Without limit, until Stop.
    prompter.dialogs.push_back([&](QDialog& d) {
        dynamic_cast<CRecordFileDialog&>(d).selectFile(file);
        return true;
    });
    frame().runCommand(commands::kRecordStart);
    EXPECT_EQ(frame().paneText(CMainFrame::RecordingPane), "Recording NMEA");
    frame().runCommand(commands::kRecordStop);
    EXPECT_FALSE(frame().dataPath().recorder.active());
    EXPECT_EQ(frame().paneText(CMainFrame::RecordingPane), "Data capture off");
}

TEST_F(MainFrameTest, ConnectCommands)
{
    start();
    // Network: a relay on this machine.
    CNetServer far(0, LinkHooks{});
    prompter.dialogs.push_back([&](QDialog& d) {
        auto& dialog = dynamic_cast<NetworkConnectDialog&>(d);
        EXPECT_EQ(dialog.address(), QStringLiteral("127.0.0.1")) << "the stored default";
        dialog.portEdit()->setText(QString::number(far.serverPort()));
        return true;
    });
    frame().runCommand(commands::kConnectNetwork);
    EXPECT_EQ(frame().paneText(CMainFrame::SourcePane), "Lan");
    EXPECT_TRUE(frame().action(commands::kConnectNetwork)->isChecked());
    EXPECT_EQ(settings.getInt("Client/Server", "ConnectToPort", 0),
              far.serverPort());

    // File: chosen, then a cancelled choice changes nothing.
    prompter.files.push_back(QString::fromUtf8(TEST_DATA_DIR) + "/sample-lf.nmea");
    frame().runCommand(commands::kConnectFile);
    EXPECT_EQ(frame().paneText(CMainFrame::SourcePane), "File");
    // The logs' usual names first, so that a ".nmea" log shows at once.
    ASSERT_FALSE(prompter.fileFilters.isEmpty());
    EXPECT_EQ(QFileDialog(nullptr, {}, {}, prompter.fileFilters.last()).nameFilters(),
              QStringList({"NMEA logs (*.nmea *.log *.txt)", "NMEA Files (*.txt)",
                           "All Files (*)"}));
    frame().runCommand(commands::kConnectFile);
    EXPECT_EQ(frame().paneText(CMainFrame::SourcePane), "File");

    // Serial: the dialog's values are stored; a device that is not there
    // fails with the dialog path's message.
    prompter.dialogs.push_back([](QDialog& d) {
        auto& dialog = dynamic_cast<CommunicationDialog&>(d);
        dialog.portBox()->setEditText(QStringLiteral("7"));
        dialog.baudBox()->setEditText(QStringLiteral("9600"));
        dialog.deviceEdit()->setText(QStringLiteral("/dev/orbilunex-test-no-device"));
        return true;
    });
    frame().runCommand(commands::kConnectSerial);
    EXPECT_EQ(settings.getInt("Serial Port Commmunications", "Port", 0), 7);
    EXPECT_EQ(settings.getInt("Serial Port Commmunications", "Baud", 0), 9600);
    EXPECT_EQ(settings.getString("Serial Port Commmunications", "Device7", ""),
              "/dev/orbilunex-test-no-device");
    EXPECT_EQ(frame().paneText(CMainFrame::SourcePane), "None") << "closed while it waits";
    ASSERT_TRUE(pumpUntil([&] {
        return prompter.messages.contains(
            "Cannot open communications port: /dev/orbilunex-test-no-device not found");
    })) << prompter.messages.join('|').toStdString();

    // A cancelled dialog changes nothing.
    const int before = prompter.dialogsRun;
    frame().runCommand(commands::kConnectSerial);
    EXPECT_EQ(prompter.dialogsRun, before + 1);
    EXPECT_EQ(settings.getInt("Serial Port Commmunications", "Port", 0), 7);

    // UDP: a port another program holds is said through the prompter; a
    // free one (what the occupant held, once it let go) is listened on.
    auto occupant = std::make_unique<QUdpSocket>();
    ASSERT_TRUE(occupant->bind(QHostAddress::AnyIPv4, 0));
    const quint16 udpPort = occupant->localPort();
    for (int round = 0; round < 2; ++round) {
        prompter.dialogs.push_back([&](QDialog& d) {
            auto& dialog = dynamic_cast<UdpConnectDialog&>(d);
            EXPECT_EQ(dialog.port(), round == 0 ? 10110 : udpPort) << "the stored port";
            dialog.portEdit()->setText(QString::number(udpPort));
            dialog.senderEdit()->setText(QStringLiteral("127.0.0.1"));
            return true;
        });
        frame().runCommand(commands::kConnectUdp);
        if (round == 0) {
            EXPECT_TRUE(prompter.messages.contains(
                QStringLiteral("Cannot listen on UDP port %1: the port is in use").arg(udpPort)));
            occupant.reset();
        }
    }
    EXPECT_EQ(frame().paneText(CMainFrame::SourcePane), "UDP");
    EXPECT_TRUE(frame().action(commands::kConnectUdp)->isChecked());
    EXPECT_EQ(settings.getInt("UDP", "Port", 0), udpPort);
    EXPECT_EQ(settings.getString("UDP", "Sender", ""), "127.0.0.1");
}

TEST_F(MainFrameTest, ServerCommandTogglesWithoutASecondDialog)
{
    start();
    EXPECT_EQ(frame().serverPaneText(), "") << "no pane while the server is off";
    prompter.dialogs.push_back([](QDialog& d) {
        auto& dialog = dynamic_cast<NetworkServerDialog&>(d);
        EXPECT_FALSE(dialog.loopbackOnly()) << "every interface, as before the choice";
        dialog.portEdit()->setText(QStringLiteral("0"));
        dialog.allowEdit()->setText(QStringLiteral("3"));
        dialog.loopbackBox()->setChecked(true);
        dialog.udpEdit()->setText(QStringLiteral(" 10111, 127.0.0.1:10112"));
        return true;
    });
    frame().runCommand(commands::kNetworkServer);
    ASSERT_TRUE(frame().dataPath().link.serverEnabled());
    CNetServer* server = frame().dataPath().link.server();
    EXPECT_EQ(server->maximumConnections(), 3);
    EXPECT_TRUE(server->loopbackOnly());
    EXPECT_EQ(server->udpDestinations().size(), 2u);
    EXPECT_TRUE(frame().action(commands::kNetworkServer)->isChecked());
    EXPECT_EQ(settings.getInt("Client/Server", "MaxConnectConnections", 0), 3);
    EXPECT_EQ(settings.getInt("Client/Server", "LoopbackOnly", 0), 1);
    EXPECT_EQ(settings.getString("Client/Server", "UdpDestinations", ""), "10111, 127.0.0.1:10112");
    EXPECT_EQ(frame().serverPaneText(), "Server: 0 clients");
    // A client that comes shows at a tick.
    QTcpSocket client;
    client.connectToHost(QStringLiteral("127.0.0.1"), server->serverPort());
    EXPECT_TRUE(pumpUntil([&] {
        frame().pollTick();
        return frame().serverPaneText() == "Server: 1 client";
    })) << frame().serverPaneText().toStdString();
    frame().runCommand(commands::kNetworkServer);
    EXPECT_FALSE(frame().dataPath().link.serverEnabled());
    EXPECT_EQ(frame().serverPaneText(), "");
    EXPECT_EQ(prompter.dialogsRun, 1);
}

TEST_F(MainFrameTest, SpeedsToolBarsSettingsAndAbout)
{
    start();
    EXPECT_TRUE(frame().action(commands::kPlayMedium)->isChecked()) << "medium on every start";
    frame().runCommand(commands::kPlayFastest);
    EXPECT_EQ(frame().dataPath().playbackSpeed(), 3);
    EXPECT_TRUE(frame().action(commands::kPlayFastest)->isChecked());
    EXPECT_FALSE(frame().action(commands::kPlayMedium)->isChecked());

    EXPECT_TRUE(frame().toolBar(1)->isVisible());
    frame().runCommand(commands::kViewWindowToolbar);
    EXPECT_FALSE(frame().toolBar(1)->isVisible());
    EXPECT_FALSE(frame().action(commands::kViewWindowToolbar)->isChecked());

    prompter.dialogs.push_back([](QDialog& d) {
        auto& dialog = dynamic_cast<GeneralSettingsDialog&>(d);
        dialog.unitsBox()->setCurrentIndex(2);
        dialog.positionFormatBox()->setCurrentIndex(1);
        dialog.accept();
        return true;
    });
    frame().runCommand(commands::kGeneralSettings);
    EXPECT_EQ(settings.getInt("Settings", "Units", -1), 2);
    EXPECT_EQ(settings.getInt("Settings", "PositionFormat", -1), 1);

    frame().runCommand(commands::kAppAbout);
    ASSERT_FALSE(prompter.messages.isEmpty());
    EXPECT_TRUE(prompter.messages.last().startsWith(QStringLiteral("Orbilunex")));
}

// "Smooth drawing" reaches every open window when General Settings closes,
// the attitude indicator too, which has no timer to notice it.
TEST_F(MainFrameTest, GeneralSettingsReachEveryWindowAtOnce)
{
    start();
    CChildFrame* child = app->showWindowOfKind(kAttitudeKind.kind.code);
    ASSERT_NE(child, nullptr);
    CAttitudeWnd* indicator = static_cast<CAttitudeView*>(child->view())->indicator();
    ASSERT_FALSE(indicator->smooth());
    prompter.dialogs.push_back([](QDialog& d) {
        auto& dialog = dynamic_cast<GeneralSettingsDialog&>(d);
        dialog.smoothDrawingBox()->setChecked(true);
        dialog.accept();
        return true;
    });
    frame().runCommand(commands::kGeneralSettings);
    EXPECT_TRUE(indicator->smooth());
}

TEST_F(MainFrameTest, ToolBarsHaveTheirButtonsInOrder)
{
    start();
    using namespace commands;
    const std::vector<std::vector<int>> expected = {
        {kFileOpen, kFileSave, 0, kEditCut, kEditCopy, kEditPaste, 0, kFilePrint, 0, kAppAbout,
         kContextHelp},
        {kCommandMonitorKind.kind.command, kSignalQualityKind.kind.command,
         kSkyPlotKind.kind.command, kNavigationKind.kind.command, kSurveyKind.kind.command,
         kCompassKind.kind.command, kAltimeterKind.kind.command, kSpeedometerKind.kind.command,
         kVerticalSpeedKind.kind.command, kAttitudeKind.kind.command},
        {kConnectSerial, kConnectNetwork, kConnectFile, kDisconnect, 0, kNetworkServer},
        {kRecordStart, kRecordStop},
    };
    const char* titles[] = {"Main Tool", "Window Tool", "Connect Tool", ""};
    for (int bar = 0; bar < 4; ++bar) {
        std::vector<int> ids;
        for (QAction* action : frame().toolBar(bar)->actions())
            ids.push_back(action->isSeparator() ? 0 : action->data().toInt());
        EXPECT_EQ(ids, expected[static_cast<std::size_t>(bar)]) << "tool bar " << bar;
        EXPECT_EQ(frame().toolBar(bar)->windowTitle(), QString::fromUtf8(titles[bar]));
    }
    // The record bar has no caption, but the menu that shows and hides the
    // bars names every one of them.
    std::unique_ptr<QMenu> barsMenu(frame().createPopupMenu());
    QStringList names;
    for (QAction* action : barsMenu->actions())
        if (!action->isSeparator()) names << action->text();
    EXPECT_EQ(names, (QStringList{"Main Tool", "Window Tool", "Connect Tool", "Record Tool"}));
    EXPECT_EQ(frame().action(kDisconnect)->statusTip(), "Disconnect from GPS device");
    EXPECT_EQ(frame().action(kDisconnect)->toolTip(), "Disconnect/Close Connection");
}

TEST_F(MainFrameTest, CaptionFollowsTheActiveDocumentsTitle)
{
    start();
    CChildFrame* sky = app->showWindowOfKind(kSkyPlotKind.kind.code);
    ASSERT_NE(sky, nullptr);
    const QString skyTitle = "Azimuth & Elevation Window - [Azimuth & Elevation Window]";
    EXPECT_EQ(frame().windowTitle(), "Orbilunex - " + skyTitle);

    // A title changed by the document itself (here Clear) shows at once.
    sky->document()->setTitle(QStringLiteral("Untitled"));
    EXPECT_EQ(frame().windowTitle(), "Orbilunex - Azimuth & Elevation Window - [Untitled]");

    // Maximised, the child's caption is not appended a second time; restored,
    // the title is still the current one.
    sky->showMaximized();
    QCoreApplication::processEvents();
    EXPECT_EQ(frame().windowTitle(), "Orbilunex - Azimuth & Elevation Window - [Untitled]");
    sky->document()->setTitle(QStringLiteral("roof.msk"));
    QCoreApplication::processEvents();
    EXPECT_EQ(frame().windowTitle(), "Orbilunex - Azimuth & Elevation Window - [roof.msk]");
    sky->showNormal();
    QCoreApplication::processEvents();
    EXPECT_EQ(frame().windowTitle(), "Orbilunex - Azimuth & Elevation Window - [roof.msk]");

    sky->close();
    QCoreApplication::processEvents();
    EXPECT_EQ(frame().windowTitle(), "Orbilunex");
}

TEST_F(MainFrameTest, WindowMenuListsTheOpenWindows)
{
    start();
    CChildFrame* monitor = app->showWindowOfKind(kCommandMonitorKind.kind.code);
    CChildFrame* sky = app->showWindowOfKind(kSkyPlotKind.kind.code);
    ASSERT_TRUE(monitor && sky);
    QMenu* menu = frame().windowMenu();
    // Twice: the list is rebuilt, never appended to.
    for (int open = 0; open < 2; ++open) QMetaObject::invokeMethod(menu, "aboutToShow");
    QList<QAction*> listed;
    for (QAction* action : menu->actions())
        if (action->isCheckable()) listed << action;
    ASSERT_EQ(listed.size(), 2);
    EXPECT_EQ(listed[0]->text(), "&1 Command Monitor");
    // The title's "&" stays one: doubled, it is no access key.
    ASSERT_TRUE(sky->windowTitle().startsWith("Azimuth & Elevation Window"));
    EXPECT_EQ(listed[1]->text(), "&2 " + QString(sky->windowTitle()).replace("&", "&&"));
    EXPECT_TRUE(listed[1]->text().startsWith("&2 Azimuth && Elevation Window"));
    EXPECT_FALSE(listed[0]->isChecked());
    EXPECT_TRUE(listed[1]->isChecked()) << "the active window is checked";
    listed[0]->trigger();
    EXPECT_EQ(frame().mdiArea()->activeSubWindow(), monitor);
}

TEST(WindowProgram, ReportsASerialDeviceItCannotOpen)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("HOME"), folder.path());
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(ORBILUNEX_PROGRAM),
                  {"--serial", folder.filePath(QStringLiteral("no-such-device")), "--snapshot",
                   folder.filePath(QStringLiteral("snap")), "--after", "0.2", "--settings",
                   folder.filePath(QStringLiteral("settings.conf"))});
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_TRUE(program.readAllStandardError().contains("Cannot open communications port"));
}

TEST_F(MainFrameTest, CommandMonitorShowsWhatIsReadWhileOpen)
{
    start();
    CChildFrame* monitor = app->showWindowOfKind(kCommandMonitorKind.kind.code);
    ASSERT_NE(monitor, nullptr);
    play(fix(1, 3, 8));
    ASSERT_TRUE(pumpUntil([&] { return monitor->view()->shows().value("length").toInt() > 0; }));
    EXPECT_TRUE(monitor->view()->shows().value("tail").toString().startsWith("$GPGGA,101500.00"));

    // Closed, the monitor is out of its slot and nothing is passed on.
    monitor->close();
    QCoreApplication::processEvents();
    ASSERT_EQ(app->slot(kCommandMonitorKind.kind.code), nullptr);
    play(fix(2, 3, 9));
    EXPECT_TRUE(pumpUntil([&] { return frame().dataPath().gps().fixQuality == 2; }));
}

TEST_F(MainFrameTest, SurveySettingsMenuFollowsTheActiveWindow)
{
    start();
    app->showWindowOfKind(kSurveyKind.kind.code);
    frame().updateInterface();
    QMenu* menu = frame().kindMenuOfActiveWindow();
    EXPECT_TRUE(menu->menuAction()->isVisible());
    EXPECT_EQ(menu->title(), QStringLiteral("Survey Settings"));
    QMetaObject::invokeMethod(menu, "aboutToShow");
    QStringList items;
    for (QAction* action : menu->actions())
        items << (action->isSeparator() ? QStringLiteral("-") : action->text());
    EXPECT_EQ(items, (QStringList{"&Erase and Clear Screen", "-",
                                  "E&nable Least Squares Fit Average Indicator",
                                  "Enable Position &Average Indicator", "Accuracy &Circles", "-",
                                  "&Properties"}));

    app->showWindowOfKind(kSkyPlotKind.kind.code);
    frame().updateInterface();
    EXPECT_FALSE(menu->menuAction()->isVisible()) << "only while a survey window is active";
}

TEST_F(MainFrameTest, StoredPortThatCannotBeOpenedIsSaidInTheStatusBarAtStart)
{
    writeSetting(settings, settings::serial::kPort, 16);
    const QString device = folder.filePath(QStringLiteral("no-receiver"));
    settings.setString("Serial Port Commmunications", "Device16", device.toStdString());
    start();
    pumpFor(200);
    EXPECT_TRUE(prompter.messages.isEmpty()) << "no box at start: "
                                             << prompter.messages.join('|').toStdString();
    const QString said = "RS-232: " + device + " not found";
    EXPECT_EQ(frame().paneText(CMainFrame::SourcePane), said);
    EXPECT_EQ(frame().statusBar()->currentMessage(), said);
    EXPECT_FALSE(frame().dataPath().link.sourceOpen());

    // Another source replaces it, and it does not come back after that.
    prompter.files.push_back(QString::fromUtf8(TEST_DATA_DIR) + "/sample-lf.nmea");
    frame().runCommand(commands::kConnectFile);
    frame().pollTick();
    EXPECT_EQ(frame().paneText(CMainFrame::SourcePane), "File");
    EXPECT_EQ(frame().statusBar()->currentMessage(), "");
    frame().runCommand(commands::kDisconnect);
    frame().pollTick();
    EXPECT_EQ(frame().paneText(CMainFrame::SourcePane), "None");
}

} // namespace
