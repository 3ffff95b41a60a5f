#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include <set>

namespace {

// How many different colours a picture has: a blank one has one or two.
int colourCount(const QImage& image)
{
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3) colours.insert(image.pixel(x, y));
    return static_cast<int>(colours.size());
}

TEST(Snapshot, PlayingTheSampleLogShowsTheFix)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString out = folder.filePath(QStringLiteral("snap"));
    const QString settings = folder.filePath(QStringLiteral("settings.conf"));
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("HOME"), folder.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder.filePath(QStringLiteral("config")));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(ORBILUNEX_PROGRAM),
                  {"--play", QStringLiteral(SAMPLE_DATA_DIR) + "/sample.nmea", "--speed",
                   "fastest", "--open", "sky,survey,monitor", "--snapshot", out, "--after", "5",
                   "--settings", settings});
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().constData();

    QFile statusFile(out + "/status.json");
    ASSERT_TRUE(statusFile.open(QIODevice::ReadOnly));
    const QJsonObject status = QJsonDocument::fromJson(statusFile.readAll()).object();
    const QJsonObject panes = status.value("panes").toObject();
    EXPECT_EQ(panes.value("fixType").toString(), "3D fix");
    EXPECT_EQ(panes.value("source").toString(), "File");
    EXPECT_TRUE(panes.value("quality").toString() == "Differential GPS, SPS Mode" ||
                panes.value("quality").toString() == "GPS SPS Mode")
        << panes.value("quality").toString().toStdString();
    EXPECT_EQ(status.value("sourceKind").toInt(), 3);
    EXPECT_GT(status.value("sentenceCount").toInt(), 500);
    const QJsonArray windows = status.value("windows").toArray();
    EXPECT_EQ(windows.size(), 3);
    int skyEntries = 0;
    for (const QJsonValue& window : windows) {
        const QJsonObject entry = window.toObject();
        if (entry.value("kind").toString() != "sky") continue;
        ++skyEntries;
        const QJsonObject shows = entry.value("shows").toObject();
        EXPECT_EQ(shows.value("snrThreshold").toInt(), 40);
        const QJsonArray prns = shows.value("prns").toArray();
        ASSERT_GT(prns.size(), 0) << "the sample log has satellites in view";
        EXPECT_LE(prns.size(), 36) << "a GPS-only table holds at most 36";
        EXPECT_GT(prns.at(0).toInt(), 0);
    }
    EXPECT_EQ(skyEntries, 1);

    for (const char* name : {"main", "sky", "survey", "monitor"}) {
        const QImage picture(out + "/" + name + ".png");
        ASSERT_FALSE(picture.isNull()) << name;
        EXPECT_GT(picture.width(), 100) << name;
        EXPECT_GT(colourCount(picture), 3) << name << " is not blank";
    }

    // It closed as a user would: the layout of the three windows is stored.
    QSettings stored(settings, QSettings::IniFormat);
    EXPECT_EQ(stored.value("WindowPosition/NumOfWindows").toInt(), 3);
}

} // namespace
