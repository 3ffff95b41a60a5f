#include "tests/common/DialogTestUtil.h"

#include "app/NetworkConnectDialog.h"
#include "app/NetworkServerDialog.h"
#include "app/UdpConnectDialog.h"
#include "tests/common/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <climits>

namespace orbilunex {
namespace {

using orbilunex::test::buttonWithText;
using orbilunex::test::ScriptedPrompter;
using orbilunex::test::entries;
using orbilunex::test::labelOf;

const QString kInteger = QStringLiteral("Please enter an integer.");
const QString kRange = QStringLiteral("Please enter an integer between 1 and 65535.");

// Replaces the field's text, as a paste over a selection would.
void retype(QLineEdit* field, const char* text)
{
    field->selectAll();
    field->insert(QString::fromUtf8(text));
}

// ---- the integer rule both dialogs share ----

struct IntegerCase {
    const char* text;
    bool valid;
    int value;
    const char* legend;
};

const IntegerCase integerCases[] = {
    {"10000", true, 10000, "plain number"},
    {"0", true, 0, "zero"},
    {" 12 ", true, 12, "blanks around"},
    {"+7", true, 7, "plus sign"},
    {"-5", true, -5, "minus sign"},
    {"2147483647", true, INT_MAX, "largest int"},
    {"-2147483648", true, INT_MIN, "smallest int"},
    {"", false, 0, "empty"},
    {"   ", false, 0, "blanks only"},
    {"-", false, 0, "sign only"},
    {"abc", false, 0, "letters"},
    {"12a", false, 0, "trailing letter"},
    {"1 2", false, 0, "blank inside"},
    {"+-5", false, 0, "two signs"},
    {"0x10", false, 0, "hexadecimal"},
    {"1e3", false, 0, "exponent"},
    {"1,000", false, 0, "group separator"},
    {"3.0", false, 0, "fraction"},
    {"2147483648", false, 0, "one past the largest int"},
    {"-2147483649", false, 0, "one below the smallest int"},
    {"99999999999999999999", false, 0, "far beyond the range"},
    {"\xd9\xa1\xd9\xa2", false, 0, "digits of another script"},
};

TEST(DialogIntegerTest, ReadsWholeDecimalIntegersOnly)
{
    for (const IntegerCase& c : integerCases) {
        SCOPED_TRACE(c.legend);
        int value = 4242;
        EXPECT_EQ(parseDialogInteger(QString::fromUtf8(c.text), value), c.valid);
        EXPECT_EQ(value, c.valid ? c.value : 4242) << "a failed read leaves the value alone";
    }
}

// ---- Network Connect ----

TEST(NetworkConnectDialogTest, ShowsTheTitleLabelsAndStoredValues)
{
    ScriptedPrompter prompter;
    NetworkConnectDialog dialog(QStringLiteral("127.0.0.1"), 10000, prompter);
    EXPECT_EQ(dialog.windowTitle(), "Network Connect");
    EXPECT_EQ(labelOf(dialog, dialog.addressEdit()), "Connect to:");
    EXPECT_EQ(labelOf(dialog, dialog.portEdit()), "Port:");
    EXPECT_NE(buttonWithText(dialog, "OK"), nullptr);
    EXPECT_NE(buttonWithText(dialog, "Cancel"), nullptr);
    EXPECT_EQ(dialog.addressEdit()->text(), "127.0.0.1");
    EXPECT_EQ(dialog.portEdit()->text(), "10000");
    EXPECT_EQ(dialog.address(), "127.0.0.1");
    EXPECT_EQ(dialog.port(), 10000);
    EXPECT_EQ(dialog.validate(), "");
}

TEST(NetworkConnectDialogTest, OkRefusesAPortThatIsNotAnInteger)
{
    for (const IntegerCase& c : integerCases) {
        SCOPED_TRACE(c.legend);
        ScriptedPrompter prompter;
        NetworkConnectDialog dialog(QStringLiteral("localhost"), 10000, prompter);
        dialog.setResult(-1);
        dialog.show();
        retype(dialog.portEdit(), c.text);
        buttonWithText(dialog, "OK")->setFocus();

        QTest::mouseClick(buttonWithText(dialog, "OK"), Qt::LeftButton);

        if (c.valid) {
            EXPECT_TRUE(prompter.messages.isEmpty());
            EXPECT_EQ(dialog.result(), QDialog::Accepted);
            EXPECT_EQ(dialog.port(), c.value);
            EXPECT_EQ(dialog.address(), "localhost");
        } else {
            EXPECT_EQ(prompter.messages, QStringList{kInteger});
            EXPECT_EQ(prompter.lastMessageParent, &dialog);
            EXPECT_EQ(dialog.validate(), kInteger);
            EXPECT_TRUE(dialog.isVisible()) << "the dialog stays open";
            EXPECT_EQ(dialog.result(), -1);
            EXPECT_EQ(dialog.focusWidget(), dialog.portEdit());
            EXPECT_EQ(dialog.portEdit()->selectedText(), dialog.portEdit()->text());
            EXPECT_EQ(dialog.port(), 0);
        }
    }
}

TEST(NetworkConnectDialogTest, CancelRejectsWithoutChecking)
{
    ScriptedPrompter prompter;
    NetworkConnectDialog dialog(QStringLiteral("gps.local"), 10000, prompter);
    dialog.show();
    retype(dialog.portEdit(), "not a port");
    QTest::mouseClick(buttonWithText(dialog, "Cancel"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(prompter.messages.isEmpty());
}

// ---- Enable Network Server ----

TEST(NetworkServerDialogTest, ShowsTheTitleTextsAndStoredValues)
{
    ScriptedPrompter prompter;
    NetworkServerDialog dialog(10000, 25, prompter);
    EXPECT_EQ(dialog.windowTitle(), "Enable Network Server");
    EXPECT_EQ(labelOf(dialog, dialog.portEdit()), "Port:");
    EXPECT_EQ(labelOf(dialog, dialog.allowEdit()), "Allow:");
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) texts << label->text();
    EXPECT_TRUE(texts.contains("Set the maximum number of connections\nallowed for this server:"));
    EXPECT_TRUE(texts.contains("connections"));
    EXPECT_NE(buttonWithText(dialog, "OK"), nullptr);
    EXPECT_NE(buttonWithText(dialog, "Cancel"), nullptr);
    EXPECT_EQ(dialog.portEdit()->text(), "10000");
    EXPECT_EQ(dialog.allowEdit()->text(), "25");
    EXPECT_EQ(dialog.validate(), "");
}

enum class Field { None, Port, Allow };

struct ServerCase {
    const char* port;
    const char* allow;
    const QString* message; // nullptr: accepted
    Field focus;
    int portValue; // read back after an accepted OK
    int allowValue;
    const char* legend;
};

const ServerCase serverCases[] = {
    {"10000", "25", nullptr, Field::None, 10000, 25, "the defaults"},
    {"10000", "1", nullptr, Field::None, 10000, 1, "lowest count"},
    {"10000", "65535", nullptr, Field::None, 10000, 65535, "highest count"},
    {"-1", "25", nullptr, Field::None, -1, 25, "any integer port passes"},
    {" 8080 ", " 3 ", nullptr, Field::None, 8080, 3, "blanks around both"},
    {"abc", "25", &kInteger, Field::Port, 0, 0, "port letters"},
    {"", "25", &kInteger, Field::Port, 0, 0, "port empty"},
    {"99999999999", "25", &kInteger, Field::Port, 0, 0, "port beyond the int range"},
    {"80x", "0", &kInteger, Field::Port, 0, 0, "port is checked first"},
    {"10000", "0", &kRange, Field::Allow, 0, 0, "count one below the range"},
    {"10000", "65536", &kRange, Field::Allow, 0, 0, "count one above the range"},
    {"10000", "-25", &kRange, Field::Allow, 0, 0, "negative count"},
    {"10000", "many", &kInteger, Field::Allow, 0, 0, "count letters"},
    {"10000", "", &kInteger, Field::Allow, 0, 0, "count empty"},
    {"10000", "12a", &kInteger, Field::Allow, 0, 0, "count with a trailing letter"},
};

TEST(NetworkServerDialogTest, OkChecksPortThenConnectionCount)
{
    for (const ServerCase& c : serverCases) {
        SCOPED_TRACE(c.legend);
        ScriptedPrompter prompter;
        NetworkServerDialog dialog(10000, 25, prompter);
        dialog.setResult(-1);
        dialog.show();
        retype(dialog.portEdit(), c.port);
        retype(dialog.allowEdit(), c.allow);
        buttonWithText(dialog, "OK")->setFocus();

        QTest::mouseClick(buttonWithText(dialog, "OK"), Qt::LeftButton);

        if (!c.message) {
            EXPECT_TRUE(prompter.messages.isEmpty());
            EXPECT_EQ(dialog.validate(), "");
            EXPECT_EQ(dialog.result(), QDialog::Accepted);
            EXPECT_EQ(dialog.port(), c.portValue);
            EXPECT_EQ(dialog.maxConnections(), c.allowValue);
            continue;
        }
        QLineEdit* const expected = c.focus == Field::Port ? dialog.portEdit() : dialog.allowEdit();
        EXPECT_EQ(prompter.messages, QStringList{*c.message});
        EXPECT_EQ(prompter.lastMessageParent, &dialog);
        EXPECT_EQ(dialog.validate(), *c.message);
        EXPECT_TRUE(dialog.isVisible()) << "the dialog stays open";
        EXPECT_EQ(dialog.result(), -1);
        EXPECT_EQ(dialog.focusWidget(), expected);
        EXPECT_EQ(expected->selectedText(), expected->text());
    }
}

TEST(NetworkServerDialogTest, CorrectedValuesAreAcceptedOnTheNextOk)
{
    ScriptedPrompter prompter;
    NetworkServerDialog dialog(10000, 0, prompter);
    dialog.show();
    QPushButton* ok = buttonWithText(dialog, "OK");
    QTest::mouseClick(ok, Qt::LeftButton);
    ASSERT_EQ(prompter.messages, QStringList{kRange});
    // The count is selected: typing replaces it.
    QTest::keyClicks(dialog.allowEdit(), QStringLiteral("5"));
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(prompter.messages.size(), 1);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.maxConnections(), 5);
    EXPECT_EQ(dialog.port(), 10000);
}

TEST(NetworkServerDialogTest, CancelRejectsWithoutChecking)
{
    ScriptedPrompter prompter;
    NetworkServerDialog dialog(10000, 0, prompter);
    dialog.show();
    QTest::mouseClick(buttonWithText(dialog, "Cancel"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST(NetworkServerDialogTest, UdpDestinationsAndLoopbackAreReadBack)
{
    ScriptedPrompter prompter;
    NetworkServerDialog dialog(10000, 25, prompter);
    EXPECT_FALSE(dialog.loopbackOnly());
    EXPECT_EQ(dialog.loopbackBox()->text(), "&This computer only");
    dialog.setLoopbackOnly(true);
    dialog.setUdpDestinations(QStringLiteral("10.0.0.255:2000, 10110"));
    dialog.show();
    QTest::mouseClick(buttonWithText(dialog, "OK"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(dialog.loopbackOnly());
    EXPECT_EQ(dialog.udpDestinations(),
              (std::vector<UdpDestination>{{"10.0.0.255", 2000}, {"127.0.0.1", 10110}}));

    // A bad entry keeps the dialog open on the list.
    NetworkServerDialog refusing(10000, 25, prompter);
    refusing.setUdpDestinations(QStringLiteral("10110, gps.local:2000"));
    refusing.setResult(-1);
    refusing.show();
    QTest::mouseClick(buttonWithText(refusing, "OK"), Qt::LeftButton);
    EXPECT_EQ(refusing.result(), -1);
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages[0].startsWith("Bad UDP destination \"gps.local:2000\""))
        << prompter.messages[0].toStdString();
    EXPECT_EQ(refusing.focusWidget(), refusing.udpEdit());
}

// ---- Connect to UDP ----

TEST(UdpConnectDialogTest, OkChecksThePortAndTheSender)
{
    const QString kPortRange = QStringLiteral("Please enter an integer between 1 and 65535.");
    const QString kAddress = QString::fromUtf8(UdpConnectDialog::kEnterAddress);
    const struct {
        const char* port;
        const char* sender;
        const QString* message; // nullptr: accepted
        const char* legend;
    } cases[] = {
        {"10110", "", nullptr, "any sender"},
        {"2000", " 192.168.1.20 ", nullptr, "an address, blanks around"},
        {"2000", "fe80::1", nullptr, "an IPv6 address"},
        {"0", "", &kPortRange, "port zero"},
        {"65536", "", &kPortRange, "port too large"},
        {"udp", "", &kInteger, "port letters"},
        {"2000", "gps.local", &kAddress, "a name is no address"},
        {"2000", "192.168.1", &kAddress, "three numbers"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend);
        ScriptedPrompter prompter;
        UdpConnectDialog dialog(10110, QString(), prompter);
        EXPECT_EQ(labelOf(dialog, dialog.portEdit()), "&Port:");
        dialog.setResult(-1);
        dialog.show();
        retype(dialog.portEdit(), c.port);
        retype(dialog.senderEdit(), c.sender);
        QTest::mouseClick(buttonWithText(dialog, "OK"), Qt::LeftButton);
        if (c.message == nullptr) {
            EXPECT_TRUE(prompter.messages.isEmpty());
            EXPECT_EQ(dialog.result(), QDialog::Accepted);
            EXPECT_EQ(dialog.sender(), QString::fromUtf8(c.sender).trimmed());
            continue;
        }
        EXPECT_EQ(prompter.messages, QStringList{*c.message});
        EXPECT_EQ(dialog.result(), -1);
        EXPECT_EQ(dialog.focusWidget(),
                  c.message == &kAddress ? dialog.senderEdit() : dialog.portEdit());
    }
}

} // namespace
} // namespace orbilunex
