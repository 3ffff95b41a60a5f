#include "links/IniSettingsStore.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <climits>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

namespace orbilunex {
namespace {

// Points HOME and XDG_CONFIG_HOME at a scratch folder before any test runs,
// so that nothing here can reach the real user's settings, even by mistake.
class IsolatedHome : public ::testing::Environment {
public:
    void SetUp() override
    {
        home = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(home->isValid());
        const QByteArray path = QFile::encodeName(home->path());
        setenv("HOME", path.constData(), 1);
        setenv("XDG_CONFIG_HOME", (path + "/config").constData(), 1);
        unsetenv("ORBILUNEX_SETTINGS");
    }

    static std::string configHome() { return QFile::encodeName(home->path()).toStdString() + "/config"; }

private:
    static inline std::unique_ptr<QTemporaryDir> home;
};

[[maybe_unused]] ::testing::Environment* const isolatedHome =
    ::testing::AddGlobalTestEnvironment(new IsolatedHome);

class IniSettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    std::string path(const char* name) const
    {
        return QFile::encodeName(dir.filePath(QString::fromUtf8(name))).toStdString();
    }

    // A store on a copy of the file under a new name: QSettings shares what
    // it has loaded between instances on the same path, so only a copy
    // proves the value is on disk.
    std::unique_ptr<IniSettingsStore> reopenFromDisk(const std::string& file)
    {
        const std::string copy = path("copy") + std::to_string(++copies) + ".ini";
        EXPECT_TRUE(QFile::copy(QString::fromStdString(file), QString::fromStdString(copy)));
        return std::make_unique<IniSettingsStore>(copy);
    }

    void writeFile(const std::string& file, const char* content)
    {
        QFile out(QString::fromStdString(file));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(content);
    }

    QTemporaryDir dir;
    int copies = 0;
};

struct StringCase {
    const char* section;
    const char* key;
    const char* value;
    const char* legend;
};

const StringCase stringCases[] = {
    {"Survey Configuration", "Plot Title", "My survey", "blanks in section, key and value"},
    {"WindowPosition", "WINDOW 0", "207, 44, 0, 1, -1, -1, -1, -1, 0, 400, 0, 300",
     "placement with commas stays one text"},
    {"WindowPosition", "Main", "44, 0, 1, -1, -1, -1, -1, 10, 810, 20, 620", "main placement"},
    {"Client/Server", "Address", "127.0.0.1", "slash in the section"},
    {"Settings", "Label", "N 48° 07.0380", "degree sign"},
    {"Größe Ä", "Schlüssel", "Grüße, 東京", "non-ASCII section, key and value"},
    {"Application", "WorkingDir", "/home/user/My Data/logs", "path with blanks"},
    {"Application", "Padded", "  padded  ", "leading and trailing blanks kept"},
    {"Application", "Empty", "", "empty text is not missing"},
    {"Application", "Punctuation", "a=b; c \"quoted\" \\ back", "INI special characters"},
    {"Application", "AtSign", "@Variant(not really)", "text that looks like a Qt value"},
    {"Application", "Percent", "100% %20", "percent signs"},
    {"Application", "Lines", "one\ntwo\tthree", "newline and tab"},
    {"General", "Key", "value", "the section QSettings uses for itself"},
    {"", "RootKey", "root", "empty section"},
};

TEST_F(IniSettingsStoreTest, StringsRoundTripThroughTheFile)
{
    const std::string file = path("strings.ini");
    IniSettingsStore writer(file);
    for (const StringCase& row : stringCases) writer.setString(row.section, row.key, row.value);

    // Still alive, the writer has already put everything on disk.
    std::unique_ptr<IniSettingsStore> reader = reopenFromDisk(file);
    for (const StringCase& row : stringCases) {
        SCOPED_TRACE(row.legend);
        EXPECT_EQ(writer.getString(row.section, row.key, "missing"), row.value);
        EXPECT_EQ(reader->getString(row.section, row.key, "missing"), row.value);
    }
}

TEST_F(IniSettingsStoreTest, IntsRoundTripAndTextReadsAsInt)
{
    const std::string file = path("ints.ini");
    IniSettingsStore writer(file);
    const int values[] = {0, -1, 810, INT_MAX, INT_MIN};
    for (int value : values) writer.setInt("Vertical Speed", "V" + std::to_string(value), value);
    writer.setString("Client/Server", "Port", "10000");

    std::unique_ptr<IniSettingsStore> reader = reopenFromDisk(file);
    for (int value : values) {
        EXPECT_EQ(reader->getInt("Vertical Speed", "V" + std::to_string(value), 42), value);
        EXPECT_EQ(reader->getString("Vertical Speed", "V" + std::to_string(value), ""),
                  std::to_string(value));
    }
    EXPECT_EQ(reader->getInt("Client/Server", "Port", 0), 10000);
}

TEST_F(IniSettingsStoreTest, GetIntFallsBackToDefault)
{
    const struct {
        std::optional<const char*> stored; // nullopt: never written
        int expected;
        const char* legend;
    } rows[] = {
        {std::nullopt, 42, "missing key"},
        {"abc", 42, "not a number"},
        {"12abc", 42, "trailing garbage"},
        {"1.5", 42, "decimal fraction"},
        {"", 42, "empty text"},
        {"99999999999", 42, "out of the int range"},
        {"44, 0, 1", 42, "a list of numbers"},
        {" 17 ", 17, "blanks around a number are accepted"},
        {"+7", 7, "explicit plus sign"},
    };
    const std::string file = path("defaults.ini");
    IniSettingsStore writer(file);
    for (const auto& row : rows)
        if (row.stored) writer.setString("Speedometer", row.legend, *row.stored);

    std::unique_ptr<IniSettingsStore> reader = reopenFromDisk(file);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.legend);
        EXPECT_EQ(reader->getInt("Speedometer", row.legend, 42), row.expected);
    }
    EXPECT_EQ(reader->getString("Missing Section", "Key", "fallback"), "fallback");
}

TEST_F(IniSettingsStoreTest, SlashSectionIsDistinctFromItsParent)
{
    const std::string file = path("slash.ini");
    IniSettingsStore writer(file);
    writer.setString("Client/Server", "Port", "10000");
    writer.setString("Client", "Port", "1");
    std::unique_ptr<IniSettingsStore> reader = reopenFromDisk(file);
    EXPECT_EQ(reader->getString("Client/Server", "Port", ""), "10000");
    EXPECT_EQ(reader->getString("Client", "Port", ""), "1");
    EXPECT_EQ(reader->getString("Server", "Port", "none"), "none");
}

TEST_F(IniSettingsStoreTest, ReadsHandWrittenFile)
{
    const std::string file = path("hand.ini");
    writeFile(file,
              "[WindowPosition]\n"
              "Main=44, 0, 1, -1, -1, -1, -1, 10, 810, 20, 620\n"
              "NumOfWindows = 2\n"
              "WINDOW%200=207,44,0,1,-1,-1,-1,-1,0,400,0,300\n"
              "Quoted=\"1, 2\"\n"
              "\n"
              "[Client/Server]\n"
              "Address=192.168.1.5\n"
              "\n"
              "[Survey%20Configuration]\n"
              "Label=S 33° 51.4080\n");
    const IniSettingsStore store(file);
    const struct {
        const char* section;
        const char* key;
        const char* expected;
        const char* legend;
    } rows[] = {
        {"WindowPosition", "Main", "44, 0, 1, -1, -1, -1, -1, 10, 810, 20, 620",
         "unquoted list reads back as the same text"},
        {"WindowPosition", "WINDOW 0", "207, 44, 0, 1, -1, -1, -1, -1, 0, 400, 0, 300",
         "list without blanks reads with \", \""},
        {"WindowPosition", "Quoted", "1, 2", "quoted commas"},
        {"WindowPosition", "NumOfWindows", "2", "blanks around ="},
        {"Client/Server", "Address", "192.168.1.5", "slash written in the section header"},
        {"Survey Configuration", "Label", "S 33° 51.4080", "UTF-8 text in the file"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.legend);
        EXPECT_EQ(store.getString(row.section, row.key, "missing"), row.expected);
    }
    EXPECT_EQ(store.getInt("WindowPosition", "NumOfWindows", 0), 2);
    EXPECT_EQ(store.getInt("WindowPosition", "Main", -5), -5);
}

TEST_F(IniSettingsStoreTest, LaterWriteWinsOnDisk)
{
    const std::string file = path("overwrite.ini");
    IniSettingsStore writer(file);
    writer.setString("Compass", "Mode", "first");
    writer.setInt("Compass", "Mode", 3);
    EXPECT_EQ(reopenFromDisk(file)->getInt("Compass", "Mode", 0), 3);
}

TEST_F(IniSettingsStoreTest, FileAndFoldersAppearOnFirstWrite)
{
    const std::string file = path("new/deeper/settings.ini");
    IniSettingsStore store(file);
    EXPECT_EQ(store.getString("Application", "WorkingDir", "none"), "none");
    EXPECT_FALSE(QFile::exists(QString::fromStdString(file)));
    store.setString("Application", "WorkingDir", "/tmp");
    EXPECT_TRUE(QFile::exists(QString::fromStdString(file)));
    EXPECT_TRUE(store.sync());
    EXPECT_EQ(store.fileName(), file);
}

TEST_F(IniSettingsStoreTest, SyncReportsAnUnwritableFile)
{
    // A regular file where a folder should be: fails even for root.
    writeFile(path("blocker"), "x");
    IniSettingsStore store(path("blocker/settings.ini"));
    store.setInt("Application", "Value", 1);
    EXPECT_FALSE(store.sync());
}

TEST_F(IniSettingsStoreTest, DefaultStoreIsThePerUserFile)
{
    const std::string expected = IsolatedHome::configHome() + "/ORBX/orbilunex.conf";
    IniSettingsStore store;
    // Checked before writing, so a wrong path never gets a file.
    ASSERT_EQ(store.fileName(), expected);
    ASSERT_EQ(IniSettingsStore("").fileName(), expected);
    store.setString("Application", "WorkingDir", "/work");
    EXPECT_TRUE(QFile::exists(QString::fromStdString(expected)));
    EXPECT_EQ(reopenFromDisk(expected)->getString("Application", "WorkingDir", ""), "/work");
}

// Sets or removes an environment variable for one scope.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const char* value) : name(name)
    {
        if (const char* old = std::getenv(name)) previous = old;
        if (value) setenv(name, value, 1);
        else unsetenv(name);
    }
    ~ScopedEnvironment()
    {
        if (previous) setenv(name, previous->c_str(), 1);
        else unsetenv(name);
    }

private:
    const char* name;
    std::optional<std::string> previous;
};

TEST(ResolveSettingsPath, CommandLineThenEnvironmentThenDefault)
{
    const struct {
        const char* commandLine;
        const char* environment; // nullptr: unset
        const char* expected;
        const char* legend;
    } rows[] = {
        {"/a/cli.ini", "/b/env.ini", "/a/cli.ini", "command line wins over the environment"},
        {"/a/cli.ini", nullptr, "/a/cli.ini", "command line alone"},
        {"", "/b/env.ini", "/b/env.ini", "environment when no command line"},
        {"", "", "", "empty variable counts as unset"},
        {"", nullptr, "", "neither: per-user default"},
        {"rel/with space.ini", nullptr, "rel/with space.ini", "relative path as given"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.legend);
        const ScopedEnvironment environment("ORBILUNEX_SETTINGS", row.environment);
        EXPECT_EQ(resolveSettingsPath(row.commandLine), row.expected);
    }
}

} // namespace
} // namespace orbilunex
