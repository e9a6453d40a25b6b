#include "model/appsettings.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include <gtest/gtest.h>

#include "model/error.h"

namespace {

class TempFolder {
public:
    TempFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "appsettings-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~TempFolder() { std::filesystem::remove_all(path_); }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

sw::EnvironmentLookup Environment(std::map<std::string, std::string> values)
{
    return [values](const std::string& name) -> std::optional<std::string> {
        if (auto found = values.find(name); found != values.end())
            return found->second;
        return std::nullopt;
    };
}

std::string ReadAll(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteAll(const std::filesystem::path& file, const std::string& bytes)
{
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

sw::TAppSettings ReadFrom(const std::filesystem::path& file)
{
    sw::TAppSettings settings;
    settings.ReadSettings(file);
    return settings;
}

TEST(SettingsFilePath, LiesInTheShotweaveFolderOfTheConfigurationHome)
{
    EXPECT_EQ(sw::SettingsFilePath(Environment({{"XDG_CONFIG_HOME", "/tmp/cfg"}, {"HOME", "/home/anne"}})),
              std::filesystem::path("/tmp/cfg/shotweave/shotweave.ini"));
    EXPECT_EQ(sw::SettingsFilePath(Environment({{"HOME", "/home/anne"}})),
              std::filesystem::path("/home/anne/.config/shotweave/shotweave.ini"));
    // A relative configuration home is invalid and ignored.
    EXPECT_EQ(sw::SettingsFilePath(Environment({{"XDG_CONFIG_HOME", "cfg"}, {"HOME", "/home/anne"}})),
              std::filesystem::path("/home/anne/.config/shotweave/shotweave.ini"));
}

TEST(ReadSettings, AMissingFileOrSectionGivesTheDefaults)
{
    TempFolder folder;
    sw::TAppSettings settings;
    settings.SaveID = false;
    settings.AutoLoad = true;
    settings.AuthorName = "old";
    settings.registerFType = true;
    settings.noJSPlan = true;
    settings.LastFileName = "/old.vid";
    settings.ReadSettings(folder.path() / "missing.ini");
    EXPECT_TRUE(settings.SaveID);
    EXPECT_FALSE(settings.AutoLoad);
    EXPECT_EQ(settings.AuthorName, "");
    EXPECT_FALSE(settings.registerFType);
    EXPECT_FALSE(settings.noJSPlan);
    EXPECT_EQ(settings.LastFileName, std::filesystem::path());
    EXPECT_EQ(settings.HelpAddress, "");

    WriteAll(folder.path() / "other.ini", "[OTHER]\r\nSaveID=0\r\n");
    EXPECT_TRUE(ReadFrom(folder.path() / "other.ini").SaveID);
}

TEST(ReadSettings, FlagsAreIntegersAndAnythingElseGivesTheDefault)
{
    TempFolder folder;
    const auto file = folder.path() / "s.ini";
    WriteAll(file, "[GENERAL]\r\nSaveID=yes\r\nAutoLoad=yes\r\n[PREFS]\r\nregisterFType=0x1\r\nnoJSPlan=0X10\r\n");
    sw::TAppSettings settings = ReadFrom(file);
    EXPECT_TRUE(settings.SaveID);
    EXPECT_FALSE(settings.AutoLoad);
    EXPECT_TRUE(settings.registerFType);
    EXPECT_TRUE(settings.noJSPlan);

    WriteAll(file, "[general]\r\nsaveid = 0\r\nAutoLoad=0x1\r\n[PREFS]\r\nregisterFType=-3\r\nnoJSPlan=\r\n");
    settings = ReadFrom(file);
    EXPECT_FALSE(settings.SaveID);
    EXPECT_TRUE(settings.AutoLoad);
    EXPECT_TRUE(settings.registerFType);
    EXPECT_FALSE(settings.noJSPlan);
}

TEST(ReadSettings, StringsAreCutAfter2047Characters)
{
    TempFolder folder;
    const auto file = folder.path() / "s.ini";
    // Two-byte characters count once.
    std::string longName;
    for (int i = 0; i < 2100; ++i)
        longName += "\xC3\xA9";
    WriteAll(file, "[GENERAL]\r\nAuthorName=" + longName + "\r\nLastFileName=/x/" + std::string(2100, 'a') + "\r\n");
    const sw::TAppSettings settings = ReadFrom(file);
    EXPECT_EQ(settings.AuthorName, std::string(2047, '\xE9'));
    EXPECT_EQ(settings.LastFileName.string(), "/x/" + std::string(2044, 'a'));
}

TEST(WriteSettings, WritesTheKeysInOrderAndReadsThemBack)
{
    TempFolder folder;
    const auto file = folder.path() / "shotweave" / "shotweave.ini";
    sw::TAppSettings settings;
    settings.SaveID = false;
    settings.AutoLoad = true;
    settings.AuthorName = "Ren\xE9";  // Windows-1252
    settings.registerFType = true;
    settings.noJSPlan = true;
    settings.LastFileName = "/films/\xD0\x9F\xD0\xBB\xD0\xB0\xD0\xBD/court.vid";  // a name outside Windows-1252
    settings.WriteSettings(file);

    EXPECT_EQ(ReadAll(file),
              "[GENERAL]\r\nSaveID=0\r\nAutoLoad=1\r\n"
              "LastFileName=/films/\xD0\x9F\xD0\xBB\xD0\xB0\xD0\xBD/court.vid\r\n"
              "AuthorName=Ren\xC3\xA9\r\nHelpAddress=\r\n"
              "\r\n[PREFS]\r\nregisterFType=1\r\nnoJSPlan=1\r\n");

    const sw::TAppSettings read = ReadFrom(file);
    EXPECT_FALSE(read.SaveID);
    EXPECT_TRUE(read.AutoLoad);
    EXPECT_EQ(read.AuthorName, "Ren\xE9");
    EXPECT_TRUE(read.registerFType);
    EXPECT_TRUE(read.noJSPlan);
    EXPECT_EQ(read.LastFileName, settings.LastFileName);
}

TEST(WriteSettings, KeepsTheOtherLinesOfTheFile)
{
    TempFolder folder;
    const auto file = folder.path() / "s.ini";
    WriteAll(file, "; mine\r\n[GENERAL]\r\nAutoLoad=1\r\nColour=blue\r\n[WINDOW]\r\nLeft=10\r\n");
    sw::TAppSettings settings;
    settings.WriteSettings(file);
    EXPECT_EQ(ReadAll(file),
              "; mine\r\n[GENERAL]\r\nAutoLoad=0\r\nColour=blue\r\nSaveID=1\r\nLastFileName=\r\nAuthorName=\r\n"
              "HelpAddress=\r\n[WINDOW]\r\nLeft=10\r\n\r\n[PREFS]\r\nregisterFType=0\r\nnoJSPlan=0\r\n");
}

TEST(WriteSettings, AMultiLineAuthorComesBackWhole)
{
    TempFolder folder;
    const auto file = folder.path() / "s.ini";
    sw::TAppSettings settings;
    settings.AuthorName = "Anne \\n Morin\r\nL\xE9o\\Gagnon\r\n";
    settings.WriteSettings(file);
    EXPECT_NE(ReadAll(file).find("AuthorName=Anne \\\\n Morin\\r\\nL\xC3\xA9o\\\\Gagnon\\r\\n\r\nAuthorNameEscaped=1\r\n"),
              std::string::npos);
    EXPECT_EQ(ReadFrom(file).AuthorName, settings.AuthorName);

    // Back to one line: stored as it stands, a backslash included.
    settings.AuthorName = "C:\\new";
    settings.WriteSettings(file);
    const std::string bytes = ReadAll(file);
    EXPECT_NE(bytes.find("AuthorName=C:\\new\r\n"), std::string::npos);
    EXPECT_EQ(bytes.find("AuthorNameEscaped"), std::string::npos);
    EXPECT_EQ(ReadFrom(file).AuthorName, "C:\\new");
}

TEST(LineBreakEscapes, AreReversibleAndLeaveOtherBackslashesAlone)
{
    for (const std::string text : {"", "a\rb\nc\r\n", "\\", "\\\\r", "x\\", "\\n\n"})
        EXPECT_EQ(sw::UnescapeLineBreaks(sw::EscapeLineBreaks(text)), text) << text;
    EXPECT_EQ(sw::EscapeLineBreaks("a\\b\r\n"), "a\\\\b\\r\\n");
    EXPECT_EQ(sw::UnescapeLineBreaks("a\\tb\\"), "a\\tb\\");
}

TEST(WriteSettings, AFileThatCannotBeWrittenFailsAndIsLeftAlone)
{
    TempFolder folder;
    WriteAll(folder.path() / "blocker", "x");
    sw::TAppSettings settings;
    const auto file = folder.path() / "blocker" / "s.ini";
    try {
        settings.WriteSettings(file);
        FAIL() << "no error";
    } catch (const sw::Error& error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + file.string());
    }
    EXPECT_EQ(ReadAll(folder.path() / "blocker"), "x");
}

TEST(HelpAddress, DefaultsToTheGuideInstalledWithTheProgram)
{
    TempFolder folder;
    const auto prefix = folder.path() / "my prefix";
    WriteAll(prefix / "share" / "shotweave" / "guide.html", "<html></html>");
    sw::TAppSettings settings;
    EXPECT_EQ(settings.HelpAddressFor(prefix / "bin" / "shotweave"),
              "file://" + folder.path().string() + "/my%20prefix/share/shotweave/guide.html");

    // Without an installed guide, the program uses its source tree's copy.
    EXPECT_EQ(settings.HelpAddressFor(folder.path() / "build" / "shotweave"),
              "file://" + (std::filesystem::path(SHOTWEAVE_SOURCE_DIR) / "resources/help/guide.html")
                              .lexically_normal().string());

    settings.HelpAddress = "https://example.org/aide";
    EXPECT_EQ(settings.HelpAddressFor(prefix / "bin" / "shotweave"), "https://example.org/aide");
}

} // namespace
