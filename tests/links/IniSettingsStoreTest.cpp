#include "links/IniSettingsStore.h"

#include "tests/common/HangGuard.h"

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
#include <vector>

#include <sys/stat.h>

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

    // A store on a copy of the writer's file, once the writer has written
    // it, under a new name: QSettings shares what it has loaded between
    // instances on the same path, so only a copy proves the value is on disk.
    std::unique_ptr<IniSettingsStore> reopenFromDisk(IniSettingsStore& writer)
    {
        EXPECT_TRUE(writer.sync());
        const std::string copy = path("copy") + std::to_string(++copies) + ".ini";
        EXPECT_TRUE(QFile::copy(QString::fromStdString(writer.fileName()),
                                QString::fromStdString(copy)));
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
    std::unique_ptr<IniSettingsStore> reader = reopenFromDisk(writer);
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

    std::unique_ptr<IniSettingsStore> reader = reopenFromDisk(writer);
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

    std::unique_ptr<IniSettingsStore> reader = reopenFromDisk(writer);
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
    std::unique_ptr<IniSettingsStore> reader = reopenFromDisk(writer);
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
    EXPECT_EQ(reopenFromDisk(writer)->getInt("Compass", "Mode", 0), 3);
}

TEST_F(IniSettingsStoreTest, FileAndFoldersAppearOnFirstWrite)
{
    const std::string file = path("new/deeper/settings.ini");
    IniSettingsStore store(file);
    EXPECT_EQ(store.getString("Application", "WorkingDir", "none"), "none");
    EXPECT_FALSE(QFile::exists(QString::fromStdString(file)));
    store.setString("Application", "WorkingDir", "/tmp");
    EXPECT_TRUE(store.sync());
    EXPECT_TRUE(QFile::exists(QString::fromStdString(file)));
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

// A pipe as the settings file held the start until someone wrote to it; a
// file of hundreds of megabytes took minutes to read and to rewrite at
// close. Such files are refused with a message naming them: the run goes on
// defaults kept in memory and the file is left exactly as it was.
TEST_F(IniSettingsStoreTest, FilesThatAreNoSettingsFilesAreRefusedAndLeftAlone)
{
    const std::string pipe = path("pipe.ini"), folder = path("folder.ini"), big = path("big.ini");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(folder)));
    std::string bigText = "[Application]\nValue=1\n";
    while (bigText.size() <= static_cast<std::size_t>(IniSettingsStore::kMostFileBytes))
        bigText += "; a comment line to make the file larger than any settings file\n";
    writeFile(big, bigText.c_str());

    const struct {
        std::string file;
        const char* reason;
        const char* legend;
    } rows[] = {
        {pipe, "is not a regular file", "a pipe"},
        {folder, "is not a regular file", "a folder"},
        {big, "is too large", "a file larger than settings ever are"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.legend);
        {
            std::unique_ptr<IniSettingsStore> store;
            {
                test::HangGuard guard(std::string("opening ") + row.legend, std::chrono::seconds(20));
                store = std::make_unique<IniSettingsStore>(row.file);
            }
            EXPECT_NE(store->refusal().find(row.file), std::string::npos) << store->refusal();
            EXPECT_NE(store->refusal().find(row.reason), std::string::npos) << store->refusal();
            EXPECT_EQ(store->getInt("Application", "Value", -1), -1) << "defaults";
            store->setInt("Application", "Value", 7);
            EXPECT_EQ(store->getInt("Application", "Value", -1), 7) << "kept for the run";
            EXPECT_FALSE(store->sync());
        }
        struct stat info {};
        ASSERT_EQ(lstat(row.file.c_str(), &info), 0);
        if (row.file == pipe) {
            EXPECT_TRUE(S_ISFIFO(info.st_mode));
        } else if (row.file == folder) {
            EXPECT_TRUE(S_ISDIR(info.st_mode));
        }
    }
    QFile kept(QString::fromStdString(big));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_TRUE(kept.readAll().toStdString() == bigText) << "the large file was rewritten";
}

// Every set rewrote the whole file: closing the window rewrote it once per
// key of the layout. Changes made together are now one write.
TEST_F(IniSettingsStoreTest, ChangesMadeTogetherAreOneWrite)
{
    const std::string file = path("batched.ini");
    IniSettingsStore writer(file);
    for (int i = 0; i < 20; ++i) writer.setInt("WindowPosition", "WINDOW " + std::to_string(i), i);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(file))) << "written per set";
    std::unique_ptr<IniSettingsStore> reader = reopenFromDisk(writer);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(reader->getInt("WindowPosition", "WINDOW " + std::to_string(i), -1), i);
}

// A file that cannot be written lost the layout without a word. The user is
// told once, however often the write fails.
TEST_F(IniSettingsStoreTest, AFileThatCannotBeWrittenIsToldOnce)
{
    writeFile(path("blocker"), "x");
    const std::string file = path("blocker/settings.ini");
    IniSettingsStore store(file);
    EXPECT_TRUE(store.refusal().empty()) << "a missing file is a new file";
    std::vector<std::string> told;
    store.setWriteFailureHandler([&told](const std::string& text) { told.push_back(text); });
    store.setInt("Application", "Value", 1);
    EXPECT_FALSE(store.sync());
    store.setInt("Application", "Value", 2);
    EXPECT_FALSE(store.sync());
    ASSERT_EQ(told.size(), 1u);
    EXPECT_NE(told[0].find(file), std::string::npos) << told[0];
    EXPECT_NE(told[0].find("will not be kept"), std::string::npos) << told[0];
}

TEST_F(IniSettingsStoreTest, DefaultStoreIsThePerUserFile)
{
    const std::string expected = IsolatedHome::configHome() + "/ORBX/orbilunex.conf";
    IniSettingsStore store;
    // Checked before writing, so a wrong path never gets a file.
    ASSERT_EQ(store.fileName(), expected);
    ASSERT_EQ(IniSettingsStore("").fileName(), expected);
    store.setString("Application", "WorkingDir", "/work");
    EXPECT_TRUE(store.sync());
    EXPECT_TRUE(QFile::exists(QString::fromStdString(expected)));
    EXPECT_EQ(reopenFromDisk(store)->getString("Application", "WorkingDir", ""), "/work");
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
