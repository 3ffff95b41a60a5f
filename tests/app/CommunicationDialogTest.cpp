#include "tests/common/DialogTestUtil.h"

#include "app/CommunicationDialog.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <climits>
#include <functional>
#include <vector>

namespace orbilunex {
namespace {

using orbilunex::test::buttonWithText;
using orbilunex::test::entries;
using orbilunex::test::labelOf;

// A device table that is easy to recognise and records what was asked.
struct FakeDevices {
    std::vector<int> asked;
    CommunicationDialog::DeviceLookup lookup()
    {
        return [this](int port) {
            asked.push_back(port);
            return QStringLiteral("/dev/fake%1").arg(port);
        };
    }
};

// Replaces the whole port text the way a user does: select all, type.
void typeInto(QComboBox* box, const QString& text)
{
    box->lineEdit()->selectAll();
    if (text.isEmpty())
        QTest::keyClick(box->lineEdit(), Qt::Key_Delete);
    else
        QTest::keyClicks(box->lineEdit(), text);
}

TEST(CommunicationDialogTest, ShowsTheTitleLabelsListsAndButtons)
{
    FakeDevices devices;
    CommunicationDialog dialog(1, 4800, devices.lookup());
    EXPECT_EQ(dialog.windowTitle(), "Communication");
    EXPECT_EQ(labelOf(dialog, dialog.portBox()), "Port:");
    EXPECT_EQ(labelOf(dialog, dialog.baudBox()), "Baud");
    EXPECT_EQ(labelOf(dialog, dialog.deviceBox()), "Device:");
    EXPECT_TRUE(dialog.portBox()->isEditable());
    EXPECT_TRUE(dialog.baudBox()->isEditable());
    EXPECT_EQ(entries(dialog.portBox()),
              QStringList({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13",
                           "14", "15", "16"}));
    EXPECT_EQ(entries(dialog.baudBox()),
              QStringList({"4800", "9600", "19200", "38400", "57600", "115200"}));
    EXPECT_NE(buttonWithText(dialog, "OK"), nullptr);
    EXPECT_NE(buttonWithText(dialog, "Cancel"), nullptr);
}

struct InitialCase {
    int port;
    int baud;
    int portIndex; // -1: shown as typed text, no entry selected
    int baudIndex;
    const char* portText;
    const char* baudText;
    const char* legend;
};

const InitialCase initialCases[] = {
    {1, 4800, 0, 0, "1", "4800", "the defaults select the first entries"},
    {3, 115200, 2, 5, "3", "115200", "values in the lists select their entries"},
    {16, 57600, 15, 4, "16", "57600", "last port"},
    {0, 1200, -1, -1, "0", "1200", "values not in the lists stay as typed text"},
    {-7, 250000, -1, -1, "-7", "250000", "a negative port as stored"},
};

TEST(CommunicationDialogTest, OpensWithTheStoredValues)
{
    for (const InitialCase& c : initialCases) {
        SCOPED_TRACE(c.legend);
        FakeDevices devices;
        CommunicationDialog dialog(c.port, c.baud, devices.lookup());
        EXPECT_EQ(dialog.portBox()->currentText(), c.portText);
        EXPECT_EQ(dialog.baudBox()->currentText(), c.baudText);
        if (c.portIndex >= 0) {
            EXPECT_EQ(dialog.portBox()->currentIndex(), c.portIndex);
        }
        if (c.baudIndex >= 0) {
            EXPECT_EQ(dialog.baudBox()->currentIndex(), c.baudIndex);
        }
        EXPECT_EQ(dialog.port(), c.port);
        EXPECT_EQ(dialog.baud(), c.baud);
        EXPECT_EQ(dialog.devicePath(), QStringLiteral("/dev/fake%1").arg(c.port));
    }
}

struct TypedCase {
    const char* text;
    int value;
    const char* legend;
};

const TypedCase typedCases[] = {
    {"9600", 9600, "plain number"},
    {"  12", 12, "leading blanks skipped"},
    {"-3", -3, "negative kept, no range check"},
    {"+7", 7, "plus sign"},
    {"abc", 0, "letters give 0"},
    {"", 0, "empty gives 0"},
    {"12abc", 12, "reading stops at the first letter"},
    {"3.9", 3, "no rounding of a fraction"},
    {"99999999999", INT_MAX, "saturates at the int range"},
    {"-99999999999", INT_MIN, "saturates below"},
};

TEST(CommunicationDialogTest, TypedTextConvertsAsADecimalInteger)
{
    for (const TypedCase& c : typedCases) {
        SCOPED_TRACE(c.legend);
        FakeDevices devices;
        CommunicationDialog dialog(5, 19200, devices.lookup());
        typeInto(dialog.portBox(), QString::fromLatin1(c.text));
        typeInto(dialog.baudBox(), QString::fromLatin1(c.text));
        EXPECT_EQ(dialog.portBox()->currentText(), c.text);
        EXPECT_EQ(dialog.port(), c.value);
        EXPECT_EQ(dialog.baud(), c.value);
    }
}

TEST(CommunicationDialogTest, ReturnInAListDoesNotAddTheTypedText)
{
    FakeDevices devices;
    CommunicationDialog dialog(1, 4800, devices.lookup());
    typeInto(dialog.portBox(), QStringLiteral("20"));
    QTest::keyClick(dialog.portBox()->lineEdit(), Qt::Key_Return);
    typeInto(dialog.baudBox(), QStringLiteral("250000"));
    QTest::keyClick(dialog.baudBox()->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(dialog.portBox()->count(), 16);
    EXPECT_EQ(dialog.baudBox()->count(), 6);
    EXPECT_EQ(dialog.port(), 20);
    EXPECT_EQ(dialog.baud(), 250000);
}

TEST(CommunicationDialogTest, DeviceFieldFollowsThePort)
{
    FakeDevices devices;
    CommunicationDialog dialog(2, 4800, devices.lookup());
    EXPECT_EQ(dialog.devicePath(), "/dev/fake2");

    dialog.portBox()->setCurrentIndex(8); // picked from the list: "9"
    EXPECT_EQ(dialog.devicePath(), "/dev/fake9");

    typeInto(dialog.portBox(), QStringLiteral("14"));
    EXPECT_EQ(devices.asked.back(), 14);
    EXPECT_EQ(dialog.devicePath(), "/dev/fake14");

    typeInto(dialog.portBox(), QStringLiteral("com"));
    EXPECT_EQ(devices.asked.back(), 0) << "letters stand for port 0";
    EXPECT_EQ(dialog.devicePath(), "/dev/fake0");
}

TEST(CommunicationDialogTest, AnEditedDeviceSurvivesSwitchingPortsAway)
{
    FakeDevices devices;
    CommunicationDialog dialog(3, 4800, devices.lookup());
    dialog.deviceEdit()->selectAll();
    QTest::keyClicks(dialog.deviceEdit(), QStringLiteral("/dev/gps"));
    EXPECT_EQ(dialog.devicePath(), "/dev/gps");

    typeInto(dialog.portBox(), QStringLiteral("4"));
    EXPECT_EQ(dialog.devicePath(), "/dev/fake4") << "an edit belongs to its port only";

    typeInto(dialog.portBox(), QStringLiteral("3"));
    EXPECT_EQ(dialog.devicePath(), "/dev/gps");
    EXPECT_EQ(dialog.port(), 3);
}

TEST(CommunicationDialogTest, ListsThePortsPresentAndStillTakesNumbersAndPaths)
{
    FakeDevices devices;
    const std::vector<PresentSerialPort> present = {
        {"/dev/ttyACM0", "u-blox GNSS receiver", "u-blox AG", "0042"},
        {"/dev/ttyUSB0", "", "", ""},
    };
    CommunicationDialog dialog(3, 4800, devices.lookup(), nullptr, present);
    EXPECT_EQ(entries(dialog.deviceBox()), QStringList({"/dev/ttyACM0", "/dev/ttyUSB0"}));
    EXPECT_EQ(dialog.devicePath(), "/dev/fake3") << "the port's own path, though not present";
    EXPECT_EQ(dialog.deviceDetails()->text(),
              "Not present now; the list holds the ports there are.");

    struct Step {
        const char* legend;
        std::function<void()> act;
        int port;
        const char* device;
        const char* details;
    };
    const Step steps[] = {
        {"picked from the list",
         [&] {
             // What the list does when an entry is clicked.
             dialog.deviceBox()->setCurrentIndex(0);
             emit dialog.deviceBox()->activated(0);
         },
         3, "/dev/ttyACM0",
         "u-blox GNSS receiver, u-blox AG, serial 0042"},
        {"another number", [&] { typeInto(dialog.portBox(), QStringLiteral("5")); }, 5,
         "/dev/fake5", "Not present now; the list holds the ports there are."},
        {"a typed path", [&] {
             dialog.deviceEdit()->selectAll();
             QTest::keyClicks(dialog.deviceEdit(), QStringLiteral("/dev/ttyUSB0"));
         }, 5, "/dev/ttyUSB0", "Present."},
        {"back to the picked one", [&] { typeInto(dialog.portBox(), QStringLiteral("3")); }, 3,
         "/dev/ttyACM0", "u-blox GNSS receiver, u-blox AG, serial 0042"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.legend);
        step.act();
        EXPECT_EQ(dialog.port(), step.port);
        EXPECT_EQ(dialog.devicePath(), step.device);
        EXPECT_EQ(dialog.deviceDetails()->text(), step.details);
    }

    CommunicationDialog none(1, 4800, devices.lookup(), nullptr, {});
    EXPECT_EQ(none.deviceDetails()->text(), "No serial ports are present.");
}

TEST(CommunicationDialogTest, WithoutADeviceTableTheFieldIsEmpty)
{
    CommunicationDialog dialog(1, 4800, nullptr);
    EXPECT_EQ(dialog.devicePath(), "");
    typeInto(dialog.portBox(), QStringLiteral("5"));
    EXPECT_EQ(dialog.devicePath(), "");
}

TEST(CommunicationDialogTest, OkAcceptsAndCancelRejects)
{
    struct ButtonCase {
        const char* button;
        QDialog::DialogCode result;
    };
    for (const ButtonCase& c : {ButtonCase{"OK", QDialog::Accepted},
                                ButtonCase{"Cancel", QDialog::Rejected}}) {
        SCOPED_TRACE(c.button);
        FakeDevices devices;
        CommunicationDialog dialog(1, 4800, devices.lookup());
        dialog.setResult(-1);
        dialog.show();
        typeInto(dialog.portBox(), QStringLiteral("x7"));
        QTest::mouseClick(buttonWithText(dialog, c.button), Qt::LeftButton);
        EXPECT_EQ(dialog.result(), c.result);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.port(), 0) << "no check: OK takes letters as 0";
    }
}

} // namespace
} // namespace orbilunex
