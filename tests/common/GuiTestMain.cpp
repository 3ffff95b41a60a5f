#include <gtest/gtest.h>

#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

// The offscreen platform says at every fixed-size dialog that it cannot pass
// size hints to a window manager it does not have; that is expected here.
void quietMessages(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (text.contains(QLatin1String("does not support propagateSizeHints"))) return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

} // namespace

// Runs widget and painter tests on the offscreen platform with a scratch home: Qt's
// file dialog writes its history to the user's configuration folder, an
// unattended run its unsaved documents to the state folder, and no test may
// touch the real user's files.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the tests (as test discovery does) needs no application.
    if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();

    QTemporaryDir home;
    if (!home.isValid()) {
        std::fprintf(stderr, "cannot create a scratch home folder\n");
        return 1;
    }
    const QByteArray path = QFile::encodeName(home.path());
    setenv("HOME", path.constData(), 1);
    setenv("XDG_CONFIG_HOME", (path + "/config").constData(), 1);
    setenv("XDG_DATA_HOME", (path + "/data").constData(), 1);
    setenv("XDG_CACHE_HOME", (path + "/cache").constData(), 1);
    // Where unattended runs write unsaved documents, for programs run from here too.
    setenv("XDG_STATE_HOME", (path + "/state").constData(), 1);

    qInstallMessageHandler(quietMessages);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
