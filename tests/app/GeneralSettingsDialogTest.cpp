#include "tests/common/DialogTestUtil.h"
#include "tests/common/ScriptedPrompter.h"

#include "app/GeneralSettingsDialog.h"

#include "settings/SettingsStore.h"
#include "shell/Alarms.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace orbilunex {
namespace {

using orbilunex::test::buttonWithText;
using orbilunex::test::entries;
using orbilunex::test::labelOf;

using Write = std::tuple<std::string, std::string, std::string>; // section, key, value

// A memory store that also remembers every write, in order.
class RecordingStore : public MemorySettingsStore {
public:
    std::vector<Write> writes;

    void setInt(const std::string& section, const std::string& key, int value) override
    {
        writes.emplace_back(section, key, std::to_string(value));
        MemorySettingsStore::setInt(section, key, value);
    }
    void setString(const std::string& section, const std::string& key,
                   const std::string& value) override
    {
        writes.emplace_back(section, key, value);
        MemorySettingsStore::setString(section, key, value);
    }
};

int topOf(const QWidget& dialog, const QWidget* w)
{
    return w->mapTo(&dialog, QPoint(0, 0)).y();
}

TEST(GeneralSettingsDialogTest, ShowsTheTitleLabelsListsAndButtons)
{
    MemorySettingsStore store;
    GeneralSettingsDialog dialog(store);
    EXPECT_EQ(dialog.windowTitle(), "General Settins");
    EXPECT_EQ(labelOf(dialog, dialog.unitsBox()), "Distance/Speed:");
    EXPECT_EQ(labelOf(dialog, dialog.altitudeElevationBox()), "Altitude/Elevation:");
    EXPECT_EQ(labelOf(dialog, dialog.positionFormatBox()), "Position Format:");
    EXPECT_EQ(entries(dialog.unitsBox()), QStringList({"Statute", "Nautical", "Metric"}));
    EXPECT_EQ(entries(dialog.altitudeElevationBox()), QStringList({"Feet", "Meters"}));
    EXPECT_EQ(entries(dialog.positionFormatBox()),
              QStringList({QString::fromUtf8("ddd\xC2\xB0mm.mmmm"),
                           QString::fromUtf8("ddd\xC2\xB0mm'ss.sss"),
                           QString::fromUtf8("ddd.dddddddd\xC2\xB0")}));
    EXPECT_EQ(dialog.positionFormatBox()->itemText(0).at(3), QChar(0x00B0));
    EXPECT_EQ(labelOf(dialog, dialog.satelliteSystemsBox()), "Satellite systems:");
    EXPECT_EQ(entries(dialog.satelliteSystemsBox()), QStringList({"GPS only", "All systems"}));
    for (const QComboBox* box : dialog.findChildren<QComboBox*>()) EXPECT_FALSE(box->isEditable());
    EXPECT_EQ(dialog.findChildren<QComboBox*>().size(), 4);
    EXPECT_NE(buttonWithText(dialog, "OK"), nullptr);
    EXPECT_NE(buttonWithText(dialog, "Cancel"), nullptr);
}

TEST(GeneralSettingsDialogTest, ListsStandInOrderWithTheirLabelsAndSavesAPicture)
{
    MemorySettingsStore store;
    store.setInt("Settings", "PositionFormat", 1);
    GeneralSettingsDialog dialog(store);
    dialog.show();
    QApplication::processEvents();
    const QComboBox* lists[] = {dialog.unitsBox(), dialog.altitudeElevationBox(),
                                dialog.positionFormatBox()};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const QComboBox* list = lists[i];
        EXPECT_TRUE(dialog.rect().contains(QRect(list->mapTo(&dialog, QPoint()), list->size())));
        if (i > 0) {
            EXPECT_GE(topOf(dialog, list), topOf(dialog, lists[i - 1]) + lists[i - 1]->height());
        }
        for (const QLabel* label : dialog.findChildren<QLabel*>())
            if (label->buddy() == list) {
                EXPECT_LT(label->mapTo(&dialog, QPoint(label->width(), 0)).x(),
                          list->mapTo(&dialog, QPoint()).x() + 1) << "label left of its list";
            }
    }
    const QPixmap picture = dialog.grab();
    EXPECT_EQ(picture.size(), dialog.size());
    const QString folder = qEnvironmentVariable("ORBILUNEX_GUI_PICTURES");
    if (!folder.isEmpty()) {
        EXPECT_TRUE(picture.save(QDir(folder).filePath("general-settings.png")));
        dialog.pages()->setCurrentWidget(dialog.alarmsPage());
        EXPECT_TRUE(dialog.grab().save(QDir(folder).filePath("general-settings-alarms.png")));
    }
}

struct InitialCase {
    const char* legend;
    std::optional<int> units, altitude, position; // nullopt: not stored
    int unitsIndex, altitudeIndex, positionIndex;
};

TEST(GeneralSettingsDialogTest, OpensWithTheStoredChoicesSelected)
{
    const InitialCase cases[] = {
        {"nothing stored: the defaults", std::nullopt, std::nullopt, std::nullopt, 0, 0, 0},
        {"the last entry of each list", 2, 1, 2, 2, 1, 2},
        {"middle entries", 1, 0, 1, 1, 0, 1},
        {"one past each list: first entry", 3, 2, 3, 0, 0, 0},
        {"negative values: first entry", -1, -1, -1, 0, 0, 0},
        {"only the position format stored", std::nullopt, std::nullopt, 2, 0, 0, 2},
    };
    for (const InitialCase& c : cases) {
        SCOPED_TRACE(c.legend);
        MemorySettingsStore store;
        if (c.units) store.setInt("Settings", "Units", *c.units);
        if (c.altitude) store.setInt("Settings", "AltitudeElevationUnits", *c.altitude);
        if (c.position) store.setInt("Settings", "PositionFormat", *c.position);
        GeneralSettingsDialog dialog(store);
        EXPECT_EQ(dialog.unitsBox()->currentIndex(), c.unitsIndex);
        EXPECT_EQ(dialog.altitudeElevationBox()->currentIndex(), c.altitudeIndex);
        EXPECT_EQ(dialog.positionFormatBox()->currentIndex(), c.positionIndex);
    }
}

TEST(GeneralSettingsDialogTest, OkWritesTheFiveChoicesInOrderBeforeAccepted)
{
    struct Case {
        const char* legend;
        int units, altitude, position, systems, smooth; // chosen in the dialog
    };
    const Case cases[] = {
        {"metric, meters, seconds, all systems, smooth", 2, 1, 1, 1, 1},
        {"nautical, feet, decimal degrees", 1, 0, 2, 0, 0},
        {"all first entries", 0, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.legend);
        RecordingStore store;
        store.setInt("Settings", "Units", 1);
        store.setInt("Settings", "AltitudeElevationUnits", 1);
        store.setInt("Settings", "PositionFormat", 1);
        store.writes.clear();
        GeneralSettingsDialog dialog(store);
        dialog.unitsBox()->setCurrentIndex(c.units);
        dialog.altitudeElevationBox()->setCurrentIndex(c.altitude);
        dialog.positionFormatBox()->setCurrentIndex(c.position);
        dialog.satelliteSystemsBox()->setCurrentIndex(c.systems);
        EXPECT_FALSE(dialog.smoothDrawingBox()->isChecked()) << "off unless asked";
        dialog.smoothDrawingBox()->setChecked(c.smooth == 1);
        ASSERT_TRUE(store.writes.empty()) << "choosing writes nothing yet";

        std::size_t writesAtAccepted = 0;
        QObject::connect(&dialog, &QDialog::accepted,
                         [&] { writesAtAccepted = store.writes.size(); });
        QTest::mouseClick(buttonWithText(dialog, "OK"), Qt::LeftButton);

        const std::vector<Write> expected = {
            {"Settings", "Units", std::to_string(c.units)},
            {"Settings", "PositionFormat", std::to_string(c.position)},
            {"Settings", "AltitudeElevationUnits", std::to_string(c.altitude)},
            {"General", "SatelliteSystems", std::to_string(c.systems)},
            {"General", "SmoothDrawing", std::to_string(c.smooth)},
        };
        EXPECT_EQ(store.writes, expected);
        EXPECT_EQ(writesAtAccepted, 5u) << "written before the caller redraws";
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(store.getInt("Settings", "Units", -9), c.units);
        EXPECT_EQ(store.getInt("Settings", "AltitudeElevationUnits", -9), c.altitude);
        EXPECT_EQ(store.getInt("Settings", "PositionFormat", -9), c.position);
    }
}

TEST(GeneralSettingsDialogTest, OkAfterKeyboardChoiceAndOutOfRangeValue)
{
    RecordingStore store;
    store.setInt("Settings", "Units", 7);
    store.setInt("Settings", "AltitudeElevationUnits", 0);
    store.writes.clear();
    GeneralSettingsDialog dialog(store);
    // One step down in the altitude list, as the arrow key does.
    QTest::keyClick(dialog.altitudeElevationBox(), Qt::Key_Down);
    QTest::mouseClick(buttonWithText(dialog, "OK"), Qt::LeftButton);
    const std::vector<Write> expected = {
        {"Settings", "Units", "0"},
        {"Settings", "PositionFormat", "0"},
        {"Settings", "AltitudeElevationUnits", "1"},
        {"General", "SatelliteSystems", "0"},
        {"General", "SmoothDrawing", "0"},
    };
    EXPECT_EQ(store.writes, expected) << "the damaged Units value becomes what was shown";
}

TEST(GeneralSettingsDialogTest, CancelWritesNothing)
{
    struct Case {
        const char* legend;
        void (*close)(GeneralSettingsDialog&);
    };
    const Case cases[] = {
        {"Cancel button",
         [](GeneralSettingsDialog& d) { QTest::mouseClick(buttonWithText(d, "Cancel"), Qt::LeftButton); }},
        {"Escape key", [](GeneralSettingsDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.legend);
        RecordingStore store;
        GeneralSettingsDialog dialog(store);
        dialog.show();
        QApplication::processEvents();
        dialog.unitsBox()->setCurrentIndex(2);
        dialog.altitudeElevationBox()->setCurrentIndex(1);
        dialog.positionFormatBox()->setCurrentIndex(2);
        bool accepted = false;
        QObject::connect(&dialog, &QDialog::accepted, [&] { accepted = true; });
        c.close(dialog);
        EXPECT_FALSE(dialog.isVisible()) << "the dialog closed";
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_FALSE(accepted);
        EXPECT_TRUE(store.writes.empty());
        EXPECT_FALSE(store.contains("Settings", "Units"));
        EXPECT_FALSE(store.contains("Settings", "AltitudeElevationUnits"));
        EXPECT_FALSE(store.contains("Settings", "PositionFormat"));
    }
}


TEST(GeneralSettingsDialogTest, AlarmsPageValuesReachTheAlarmRules)
{
    RecordingStore store;
    store.setInt("Settings", "Units", 2); // metric: the radius in metres
    store.writes.clear();
    test::ScriptedPrompter prompter;
    {
        GeneralSettingsDialog dialog(store, nullptr, &prompter);
        EXPECT_EQ(dialog.pages()->tabText(0), "General");
        EXPECT_EQ(dialog.pages()->tabText(1), "Alarms");
        EXPECT_EQ(labelOf(dialog, dialog.anchorRadiusEdit()), "Anchor watch &radius (m):");
        EXPECT_EQ(dialog.fixLostSecondsEdit()->text(), "5") << "the default";
        dialog.fixLostBox()->setChecked(true);
        dialog.fixLostSecondsEdit()->setText(QStringLiteral(" 12"));
        dialog.minSatellitesEdit()->setText(QStringLiteral("4"));
        dialog.maxHdopEdit()->setText(QStringLiteral("2.50"));
        dialog.anchorRadiusEdit()->setText(QStringLiteral("30"));
        dialog.anchorLatitudeEdit()->setText(QString::fromUtf8("S 33\u00b0 52.5000"));
        dialog.anchorLongitudeEdit()->setText(QStringLiteral("151.25"));
        dialog.soundBox()->setChecked(true);
        QTest::mouseClick(buttonWithText(dialog, "OK"), Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    EXPECT_TRUE(prompter.messages.isEmpty());
    const AlarmRules rules = readAlarmRules(store);
    EXPECT_TRUE(rules.fixLost);
    EXPECT_EQ(rules.fixLostSeconds, 12);
    EXPECT_EQ(rules.minSatellites, 4);
    EXPECT_EQ(rules.maxHdop, 2.5);
    EXPECT_EQ(rules.anchorRadius, 30.0);
    ASSERT_TRUE(rules.anchorLatitude && rules.anchorLongitude);
    EXPECT_DOUBLE_EQ(*rules.anchorLatitude, -33.875);
    EXPECT_EQ(*rules.anchorLongitude, 151.25);
    EXPECT_TRUE(rules.sound);

    // Opened again, it shows what it stored; OK then writes no alarm value.
    store.setString("Alarms", "AnchorLatitude", "-33.87654321");
    store.writes.clear();
    GeneralSettingsDialog again(store, nullptr, &prompter);
    EXPECT_TRUE(again.fixLostBox()->isChecked());
    EXPECT_EQ(again.fixLostSecondsEdit()->text(), "12");
    EXPECT_EQ(again.maxHdopEdit()->text(), "2.5");
    EXPECT_EQ(again.anchorLatitudeEdit()->text(), QString::fromUtf8("S 33\u00b0 52.5926"));
    QTest::mouseClick(buttonWithText(again, "OK"), Qt::LeftButton);
    EXPECT_EQ(store.writes.size(), 5u) << "only the General page's five";
    EXPECT_EQ(store.getString("Alarms", "AnchorLatitude", ""), "-33.87654321")
        << "an untouched anchor keeps every digit";
}

TEST(GeneralSettingsDialogTest, OkRefusesAnAlarmFieldThatDoesNotReadAndWritesNothing)
{
    struct Case {
        QLineEdit* (GeneralSettingsDialog::*field)() const;
        const char* text;
        const char* named; // how the message begins
    };
    using D = GeneralSettingsDialog;
    const Case cases[] = {
        {&D::fixLostSecondsEdit, "5x", "Fix lost after (seconds): Please enter an integer."},
        {&D::fixLostSecondsEdit, "-1", "Fix lost after (seconds): Please enter an integer between 1"},
        {&D::minSatellitesEdit, "-1", "Fewer satellites than: Please enter an integer between 0"},
        {&D::maxHdopEdit, "5x", "HDOP above: Please enter a number"},
        {&D::anchorRadiusEdit, "abc", "Anchor watch radius (ft): Please enter a number"},
        {&D::anchorLatitudeEdit, "N 91", "Anchor latitude: Please enter a latitude"},
        {&D::anchorLatitudeEdit, "E 10", "Anchor latitude: Please enter a latitude"},
        {&D::anchorLongitudeEdit, "abc", "Anchor longitude: Please enter a longitude"},
        // A latitude alone: the longitude is asked for.
        {&D::anchorLatitudeEdit, "48.5", "Anchor longitude: Please enter both"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.named) + " / " + c.text);
        RecordingStore store;
        test::ScriptedPrompter prompter;
        GeneralSettingsDialog dialog(store, nullptr, &prompter);
        dialog.show();
        QApplication::processEvents();
        (dialog.*c.field)()->setText(QString::fromUtf8(c.text));
        QTest::mouseClick(buttonWithText(dialog, "OK"), Qt::LeftButton);
        ASSERT_EQ(prompter.messages.size(), 1);
        EXPECT_TRUE(prompter.messages[0].startsWith(QString::fromUtf8(c.named)))
            << prompter.messages[0].toStdString();
        EXPECT_TRUE(store.writes.empty());
        EXPECT_TRUE(dialog.isVisible()) << "still open";
        EXPECT_EQ(dialog.pages()->currentWidget(), dialog.alarmsPage());
    }
}

} // namespace
} // namespace orbilunex
