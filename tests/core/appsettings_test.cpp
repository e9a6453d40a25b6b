#include "model/appsettings.h"

#include <algorithm>
#include <string>

#include <gtest/gtest.h>

#include "model/error.h"
#include "model/inifile.h"
#include "testsupport.h"

namespace {

using sw::test::Environment;
using sw::test::ReadAll;
using sw::test::TemporaryFolder;
using sw::test::WriteAll;

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
    TemporaryFolder folder;
    sw::TAppSettings settings;
    settings.SaveID = false;
    settings.AutoLoad = true;
    settings.AuthorName = "old";
    settings.registerFType = true;
    settings.noJSPlan = true;
    settings.LastFileName = "/old.vid";
    settings.ReadSettings(folder.Path() / "missing.ini");
    EXPECT_TRUE(settings.SaveID);
    EXPECT_FALSE(settings.AutoLoad);
    EXPECT_EQ(settings.AuthorName, "");
    EXPECT_FALSE(settings.registerFType);
    EXPECT_FALSE(settings.noJSPlan);
    EXPECT_EQ(settings.LastFileName, std::filesystem::path());
    EXPECT_EQ(settings.HelpAddress, "");

    WriteAll(folder.Path() / "other.ini", "[OTHER]\r\nSaveID=0\r\n");
    EXPECT_TRUE(ReadFrom(folder.Path() / "other.ini").SaveID);
}

TEST(ReadSettings, FlagsAreIntegersAndAnythingElseGivesTheDefault)
{
    TemporaryFolder folder;
    const auto file = folder.Path() / "s.ini";
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
    TemporaryFolder folder;
    const auto file = folder.Path() / "s.ini";
    // Two-byte characters count once.
    std::string longName;
    for (int i = 0; i < 2100; ++i)
        longName += "\xC3\xA9";
    WriteAll(file, "[GENERAL]\r\nAuthorName=" + longName + "\r\nLastFileName=/x/" + std::string(2100, 'a') + "\r\n");
    const sw::TAppSettings settings = ReadFrom(file);
    EXPECT_EQ(settings.AuthorName, longName.substr(0, 2 * 2047));
    EXPECT_EQ(settings.LastFileName.string(), "/x/" + std::string(2044, 'a'));
}

TEST(WriteSettings, WritesTheKeysInOrderAndReadsThemBack)
{
    TemporaryFolder folder;
    const auto file = folder.Path() / "shotweave" / "shotweave.ini";
    sw::TAppSettings settings;
    settings.SaveID = false;
    settings.AutoLoad = true;
    settings.AuthorName = "René";  // Windows-1252
    settings.registerFType = true;
    settings.noJSPlan = true;
    settings.LastFileName = "/films/\xD0\x9F\xD0\xBB\xD0\xB0\xD0\xBD/court.vid";  // a name outside Windows-1252
    settings.WriteSettings(file);

    EXPECT_EQ(ReadAll(file),
              "[GENERAL]\r\nSaveID=0\r\nAutoLoad=1\r\n"
              "LastFileName=/films/\xD0\x9F\xD0\xBB\xD0\xB0\xD0\xBD/court.vid\r\n"
              "AuthorName=Ren\xC3\xA9\r\n"
              "\r\n[PREFS]\r\nregisterFType=1\r\nnoJSPlan=1\r\n");

    const sw::TAppSettings read = ReadFrom(file);
    EXPECT_FALSE(read.SaveID);
    EXPECT_TRUE(read.AutoLoad);
    EXPECT_EQ(read.AuthorName, "René");
    EXPECT_TRUE(read.registerFType);
    EXPECT_TRUE(read.noJSPlan);
    EXPECT_EQ(read.LastFileName, settings.LastFileName);
}

TEST(WriteSettings, KeepsTheOtherLinesOfTheFile)
{
    TemporaryFolder folder;
    const auto file = folder.Path() / "s.ini";
    WriteAll(file, "; mine\r\n[GENERAL]\r\nAutoLoad=1\r\nColour=blue\r\n[WINDOW]\r\nLeft=10\r\n");
    sw::TAppSettings settings;
    settings.WriteSettings(file);
    EXPECT_EQ(ReadAll(file),
              "; mine\r\n[GENERAL]\r\nAutoLoad=0\r\nColour=blue\r\nSaveID=1\r\nLastFileName=\r\nAuthorName=\r\n"
              "[WINDOW]\r\nLeft=10\r\n\r\n[PREFS]\r\nregisterFType=0\r\nnoJSPlan=0\r\n");
}

TEST(WriteSettings, AMultiLineAuthorComesBackWhole)
{
    TemporaryFolder folder;
    const auto file = folder.Path() / "s.ini";
    sw::TAppSettings settings;
    settings.AuthorName = "Anne \\n Morin\r\nLéo\\Gagnon\r\n";
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
    TemporaryFolder folder;
    WriteAll(folder.Path() / "blocker", "x");
    sw::TAppSettings settings;
    const auto file = folder.Path() / "blocker" / "s.ini";
    try {
        settings.WriteSettings(file);
        FAIL() << "no error";
    } catch (const sw::Error& error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + file.string());
    }
    EXPECT_EQ(ReadAll(folder.Path() / "blocker"), "x");

    // A settings path that cannot be read back fails the same way.
    const auto unreadable = folder.Path() / "folder.ini";
    WriteAll(unreadable / "inside", "kept");
    EXPECT_EQ(sw::test::ErrorOf([&] { settings.WriteSettings(unreadable); }), "Unable to write to " + unreadable.string());
    EXPECT_EQ(ReadAll(unreadable / "inside"), "kept");
}

TEST(HelpAddress, DefaultsToTheGuideInstalledWithTheProgram)
{
    TemporaryFolder folder;
    const auto prefix = folder.Path() / "my prefix";
    WriteAll(prefix / "share" / "shotweave" / "guide.html", "<html></html>");
    sw::TAppSettings settings;
    EXPECT_EQ(settings.HelpAddressFor(prefix / "bin" / "shotweave"),
              "file://" + folder.Path().string() + "/my%20prefix/share/shotweave/guide.html");

    // Without an installed guide, the program uses its source tree's copy.
    EXPECT_EQ(settings.HelpAddressFor(folder.Path() / "build" / "shotweave"),
              "file://" + (std::filesystem::path(SHOTWEAVE_SOURCE_DIR) / "resources/help/guide.html")
                              .lexically_normal().string());

    // The guide installed with the documentation comes first.
    WriteAll(prefix / "share" / "doc" / "shotweave" / "guide.html", "<html></html>");
    EXPECT_EQ(settings.HelpAddressFor(prefix / "bin" / "shotweave"),
              "file://" + folder.Path().string() + "/my%20prefix/share/doc/shotweave/guide.html");

    settings.HelpAddress = "https://example.org/aide";
    EXPECT_EQ(settings.HelpAddressFor(prefix / "bin" / "shotweave"), "https://example.org/aide");

    // A given address is kept in the file; an empty one leaves no line there.
    const auto file = folder.Path() / "s.ini";
    settings.WriteSettings(file);
    EXPECT_EQ(ReadFrom(file).HelpAddress, "https://example.org/aide");
    settings.HelpAddress.clear();
    settings.WriteSettings(file);
    EXPECT_EQ(ReadAll(file).find("HelpAddress"), std::string::npos);
}

} // namespace

TEST(ExportChoices, HaveLinesOnlyOnceAnExportSetThemAndComeBack)
{
    TemporaryFolder folder;
    const auto file = folder.Path() / "s.ini";
    sw::TAppSettings settings;
    settings.WriteSettings(file);
    EXPECT_EQ(ReadAll(file).find("[EXPORT]"), std::string::npos);

    settings.ExportParts = "1011";
    settings.ExportGrid = "3x4";
    settings.ExportPaper = "letter";
    settings.WriteSettings(file);
    const sw::TAppSettings read = ReadFrom(file);
    EXPECT_EQ(read.ExportParts, "1011");
    EXPECT_EQ(read.ExportGrid, "3x4");
    EXPECT_EQ(read.ExportPaper, "letter");
    EXPECT_NE(ReadAll(file).find("\r\n[EXPORT]\r\nParts=1011\r\nGrid=3x4\r\nPaper=letter\r\n"), std::string::npos);
}

TEST(WindowPlace, HasLinesOnlyOnceAWindowWasShownAndComesBack)
{
    TemporaryFolder folder;
    const auto file = folder.Path() / "s.ini";
    sw::TAppSettings settings;
    settings.WriteSettings(file);
    EXPECT_EQ(ReadAll(file).find("[WINDOW]"), std::string::npos);
    EXPECT_FALSE(ReadFrom(file).Window.has_value());

    settings.Window = sw::TWindowPlace{-40, 25, 1280, 900, true, 2};
    settings.WriteSettings(file);
    EXPECT_NE(ReadAll(file).find("\r\n[WINDOW]\r\nLeft=-40\r\nTop=25\r\nWidth=1280\r\nHeight=900\r\nMaximized=1\r\nTab=2\r\n"),
              std::string::npos);
    const sw::TAppSettings read = ReadFrom(file);
    ASSERT_TRUE(read.Window.has_value());
    EXPECT_EQ(*read.Window, *settings.Window);
    EXPECT_EQ(ReadAll(file).find("ShotList"), std::string::npos);

    // The shot list's width once the user set it, and gone again with it.
    settings.Window->ShotListWidth = 260;
    settings.WriteSettings(file);
    EXPECT_NE(ReadAll(file).find("Tab=2\r\nShotList=260\r\n"), std::string::npos);
    EXPECT_EQ(ReadFrom(file).Window->ShotListWidth, 260);
    settings.Window->ShotListWidth = 0;
    settings.WriteSettings(file);
    EXPECT_EQ(ReadAll(file).find("ShotList"), std::string::npos);
}

TEST(WindowPlace, ABrokenValueGivesTheDefault)
{
    TemporaryFolder folder;
    const auto file = folder.Path() / "s.ini";
    const std::string frame = "[WINDOW]\r\nLeft=10\r\nTop=20\r\nWidth=800\r\nHeight=600\r\n";

    // The frame is whole or unknown.
    for (const std::string broken : {"Left=x\r\n", "Top=\r\n", "Width=0\r\n", "Height=-5\r\n", "Width=8OO\r\n"}) {
        const std::string key = broken.substr(0, broken.find('=') + 1);
        std::string text = frame;
        const auto at = text.find(key);
        text.replace(at, text.find("\r\n", at) + 2 - at, broken);
        WriteAll(file, text);
        EXPECT_FALSE(ReadFrom(file).Window.has_value()) << broken;
    }

    WriteAll(file, frame + "Maximized=oui\r\nTab=deux\r\nShotList=-90\r\n");
    sw::TAppSettings settings = ReadFrom(file);
    ASSERT_TRUE(settings.Window.has_value());
    EXPECT_EQ(*settings.Window, (sw::TWindowPlace{10, 20, 800, 600, false, 0}));

    WriteAll(file, frame + "Tab=-3\r\n");
    settings = ReadFrom(file);
    ASSERT_TRUE(settings.Window.has_value());
    EXPECT_EQ(settings.Window->Tab, 0);
}

TEST(RecentFiles, NewestFirstOnceEachEightAtMostAndKeptInTheFile)
{
    TemporaryFolder folder;
    const auto file = folder.Path() / "s.ini";
    sw::TAppSettings settings;
    settings.WriteSettings(file);
    EXPECT_EQ(ReadAll(file).find("RECENT"), std::string::npos);
    for (int n = 1; n <= 10; ++n)
        settings.NoteRecentFile("/films/p" + std::to_string(n) + ".vid");
    settings.NoteRecentFile("/films/p5.vid");
    settings.NoteRecentFile("/films/é t\u00e9.vid");
    ASSERT_EQ(settings.RecentFiles.size(), 8u);
    EXPECT_EQ(settings.RecentFiles[0], std::filesystem::path("/films/é t\u00e9.vid"));
    EXPECT_EQ(settings.RecentFiles[1], std::filesystem::path("/films/p5.vid"));
    EXPECT_EQ(settings.RecentFiles[2], std::filesystem::path("/films/p10.vid"));
    // p5 moved to the front once; p3, the oldest, went.
    EXPECT_EQ(settings.RecentFiles[7], std::filesystem::path("/films/p4.vid"));
    EXPECT_EQ(std::count(settings.RecentFiles.begin(), settings.RecentFiles.end(), std::filesystem::path("/films/p5.vid")), 1);
    settings.WriteSettings(file);
    EXPECT_EQ(ReadFrom(file).RecentFiles, settings.RecentFiles);
    settings.RecentFiles.resize(2);
    settings.WriteSettings(file);
    EXPECT_EQ(ReadFrom(file).RecentFiles, settings.RecentFiles);
    EXPECT_EQ(ReadAll(file).find("File3"), std::string::npos);
}

TEST(ShowAbout, AnEarlierVersionsSwitchForTheAboutBoxGoesAtTheNextWrite)
{
    TemporaryFolder folder;
    const auto file = folder.Path() / "s.ini";
    WriteAll(file, "[PREFS]\r\nShowAbout=0\r\n");
    ReadFrom(file).WriteSettings(file);
    EXPECT_EQ(ReadAll(file).find("ShowAbout"), std::string::npos);
    EXPECT_NE(ReadAll(file).find("[PREFS]"), std::string::npos);
}

TEST(AutoSaveAndBackup, DefaultToEveryMinuteAndKeepingTheBackup)
{
    TemporaryFolder folder;
    const sw::TAppSettings missing = ReadFrom(folder.Path() / "missing.ini");
    EXPECT_EQ(missing.AutoSaveSeconds, 60);
    EXPECT_TRUE(missing.KeepBackup);

    // Written only when they differ from the default: an ordinary file keeps its six keys.
    const auto file = folder.Path() / "s.ini";
    sw::TAppSettings settings;
    settings.WriteSettings(file);
    EXPECT_EQ(ReadAll(file), "[GENERAL]\r\nSaveID=1\r\nAutoLoad=0\r\nLastFileName=\r\nAuthorName=\r\n"
                             "\r\n[PREFS]\r\nregisterFType=0\r\nnoJSPlan=0\r\n");
}

TEST(AutoSaveAndBackup, ComeBackFromTheFileAndLeaveItWhenSetBack)
{
    TemporaryFolder folder;
    const auto file = folder.Path() / "s.ini";
    sw::TAppSettings settings;
    settings.AutoSaveSeconds = 0;  // autosave off
    settings.KeepBackup = false;
    settings.WriteSettings(file);
    EXPECT_NE(ReadAll(file).find("[PREFS]\r\nregisterFType=0\r\nnoJSPlan=0\r\nAutoSaveSeconds=0\r\nKeepBackup=0\r\n"),
              std::string::npos);
    sw::TAppSettings read = ReadFrom(file);
    EXPECT_EQ(read.AutoSaveSeconds, 0);
    EXPECT_FALSE(read.KeepBackup);

    settings.AutoSaveSeconds = 300;
    settings.WriteSettings(file);
    EXPECT_EQ(ReadFrom(file).AutoSaveSeconds, 300);

    settings.AutoSaveSeconds = sw::TAppSettings::kDefaultAutoSaveSeconds;
    settings.KeepBackup = true;
    settings.WriteSettings(file);
    const std::string bytes = ReadAll(file);
    EXPECT_EQ(bytes.find("AutoSaveSeconds"), std::string::npos);
    EXPECT_EQ(bytes.find("KeepBackup"), std::string::npos);
    read = ReadFrom(file);
    EXPECT_EQ(read.AutoSaveSeconds, 60);
    EXPECT_TRUE(read.KeepBackup);
}

TEST(AutoSaveAndBackup, ANegativeBrokenOrTooLongValueGivesTheDefault)
{
    TemporaryFolder folder;
    const auto file = folder.Path() / "s.ini";
    // 2147484 and 4294968 seconds overflow the timer's milliseconds.
    for (const std::string value : {"-1", "soixante", "", "12abc", "99999999999", "3601", "2147484", "4294968"}) {
        WriteAll(file, "[PREFS]\r\nAutoSaveSeconds=" + value + "\r\nKeepBackup=" + value + "\r\n");
        const sw::TAppSettings read = ReadFrom(file);
        EXPECT_EQ(read.AutoSaveSeconds, 60) << value;
        // A flag is any integer but 0: -1 keeps the backup as the default does.
        EXPECT_TRUE(read.KeepBackup) << value;
    }
    WriteAll(file, "[prefs]\r\nautosaveseconds = 0x1E\r\nkeepbackup = 0\r\n");
    const sw::TAppSettings read = ReadFrom(file);
    EXPECT_EQ(read.AutoSaveSeconds, 30);
    EXPECT_FALSE(read.KeepBackup);
    for (const int kept : {0, 1, 3600}) {
        WriteAll(file, "[PREFS]\r\nAutoSaveSeconds=" + std::to_string(kept) + "\r\n");
        EXPECT_EQ(ReadFrom(file).AutoSaveSeconds, kept);
    }
}

TEST(SettingsProfile, WhatReadsBackWritesAndReadsBackEqual)
{
    // A file written by hand: repeated keys, a value out of range, and an
    // escaped author longer than the text kept, which a write makes longer
    // still ("\\t" is no escape and stays two characters, written as three).
    std::string author = "\\n";
    for (int i = 0; i < 1100; ++i)
        author += "\\t";
    const std::string bytes = "[GENERAL]\r\nAuthorName=" + author + "\r\nAuthorNameEscaped=1\r\nAutoLoad=1\r\n"
                              "[PREFS]\r\nMaxPictureSide=-4\r\nMaxPictureSide=900\r\nKeepBackup=0\r\n"
                              "KeepBackup=1\r\nAutoSaveSeconds=15\r\n";
    sw::IniFile ini = sw::IniFile::FromBytes(bytes);
    sw::TAppSettings first;
    first.ReadFromProfile(ini);
    EXPECT_EQ(first.AuthorName.size(), 2047u);
    EXPECT_EQ(first.MaxPictureSide, sw::TAppSettings::kDefaultMaxPictureSide);
    EXPECT_FALSE(first.KeepBackup);
    EXPECT_EQ(first.AutoSaveSeconds, 15);

    first.WriteToProfile(ini);
    sw::TAppSettings second;
    second.ReadFromProfile(sw::IniFile::FromBytes(ini.Bytes()));
    EXPECT_EQ(second, first);
}
