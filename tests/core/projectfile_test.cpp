#include "document/projectfile.h"

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "worldwords.h"

#include "model/error.h"
#include "model/filebytes.h"
#include "model/valuewriter.h"
#include "testsupport.h"

namespace sw {
namespace {

namespace fs = std::filesystem;
using test::ErrorOf;
using test::TemporaryFolder;
using test::WriteAll;

std::size_t EntryCount(const fs::path& folder)
{
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder))
        ++count;
    return count;
}

TEST(FileBytes, WritesAndReplacesAtomically)
{
    TemporaryFolder folder;
    const fs::path file = folder.Path() / "a.vid";
    const std::string bytes("\x02\x03\x00\xFF", 4);
    WriteFileAtomically(file, bytes, LinkPolicy::WriteThroughLink);
    EXPECT_EQ(ReadFileBytes(file), bytes);
    WriteFileAtomically(file, "second", LinkPolicy::WriteThroughLink);
    EXPECT_EQ(ReadFileBytes(file), "second");
    WriteFileAtomically(file, "", LinkPolicy::WriteThroughLink);
    EXPECT_EQ(ReadFileBytes(file), "");
    EXPECT_EQ(EntryCount(folder.Path()), 1u); // no temporary file left behind
}

TEST(FileBytes, AReplacedFileKeepsItsPermissions)
{
    TemporaryFolder folder;
    const fs::path file = folder.Path() / "a.vid";
    WriteFileAtomically(file, "one", LinkPolicy::WriteThroughLink);
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    WriteFileAtomically(file, "two", LinkPolicy::WriteThroughLink);
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(ReadFileBytes(file), "two");
}

TEST(FileBytes, ReadingAMissingFileNamesItAndTheReason)
{
    TemporaryFolder folder;
    const fs::path file = folder.Path() / "missing.vid";
    EXPECT_EQ(ErrorOf([&] { ReadFileBytes(file); }),
              "Cannot open file \"" + file.string() + "\". No such file or directory");
    EXPECT_EQ(ErrorOf([&] { ReadFileBytes(folder.Path()); }),
              "Cannot open file \"" + folder.Path().string() + "\". Is a directory");
}

TEST(FileBytes, AFailedWriteLeavesTheOldFileAndNoTemporary)
{
    TemporaryFolder folder;
    // A target whose parent is a regular file cannot be created, even by root.
    const fs::path blocker = folder.Path() / "plain";
    WriteAll(blocker, "keep");
    const fs::path impossible = blocker / "a.vid";
    EXPECT_EQ(ErrorOf([&] { WriteFileAtomically(impossible, "x", LinkPolicy::WriteThroughLink); }),
              "Cannot create file \"" + impossible.string() + "\". Not a directory");

    // A target that is a folder cannot be replaced either.
    const fs::path sub = folder.Path() / "sub.vid";
    fs::create_directory(sub);
    WriteAll(sub / "inside", "kept");
    EXPECT_EQ(ErrorOf([&] { WriteFileAtomically(sub, "x", LinkPolicy::WriteThroughLink); }),
              "Cannot create file \"" + sub.string() + "\". Is a directory");
    EXPECT_EQ(ReadFileBytes(sub / "inside"), "kept");
    EXPECT_EQ(ReadFileBytes(blocker), "keep");
    EXPECT_EQ(EntryCount(folder.Path()), 2u);
}

const std::string kSep = "||||";

// Appends one tagged value at a time, spelled out byte by byte.
class FileBuilder {
public:
    FileBuilder& Byte(int value)
    {
        bytes_ += static_cast<char>(value);
        return *this;
    }
    FileBuilder& ShortString(const std::string& ascii)
    {
        Byte(0x06).Byte(static_cast<int>(ascii.size()));
        bytes_ += ascii;
        return *this;
    }
    FileBuilder& Utf8String(const std::string& utf8)
    {
        Byte(0x14).Byte(static_cast<int>(utf8.size() & 0xFF)).Byte(static_cast<int>(utf8.size() >> 8)).Byte(0).Byte(0);
        bytes_ += utf8;
        return *this;
    }
    FileBuilder& SmallInteger(int value) { return Byte(0x02).Byte(value & 0xFF); }
    FileBuilder& Int32(std::uint32_t value)
    {
        Byte(0x04);
        for (int i = 0; i < 4; ++i)
            Byte(static_cast<int>((value >> (8 * i)) & 0xFF));
        return *this;
    }
    const std::string& Bytes() const { return bytes_; }

private:
    std::string bytes_;
};

const std::string kGenInfo = "Mon film" + kSep + "Moi" + kSep + "note" + kSep + "une id" + kSep + "court" + kSep;
const std::string kShotA = "Ouverture" + kSep + "Vue" + kSep + "Vent" + kSep + kSep + "12" + kSep + "61352" + kSep + "flou" + kSep + "a.jpg" + kSep + "b.jpg" + kSep;
const std::string kShotB = "Fin" + kSep + kSep + kSep + kSep + " 50 " + kSep + "00000" + kSep + kSep + kSep + kSep;
const std::string kReport = "-1" + kSep + "rapport.htm" + kSep + "Bilan" + kSep + "ok" + kSep;

FileBuilder& AppendHead(FileBuilder& file, int version)
{
    return file.SmallInteger(version).ShortString(kGenInfo).Byte(0x01).ShortString(kShotA).ShortString(kShotB).Byte(0x00);
}

FileBuilder& AppendLayoutBlock(FileBuilder& file)
{
    return file.ShortString("30;1;2;0;;").ShortString("0;1;0;1;http://x/;").ShortString("1;couv.htm;0;300;").ShortString("80%;5;1;");
}

// Element texts left empty keep the elements as they were; element 1 gets a new form.
FileBuilder& AppendStyleBlock(FileBuilder& file)
{
    file.ShortString("SILVER").ShortString("black").ShortString("blue").ShortString("red").ShortString("purple");
    file.Int32(0x00C0C0C0).SmallInteger(0).Int32(0x00FF0000).Byte(0x03).Byte(0xFF).Byte(0x00).Int32(0x00800080);
    file.ShortString("Verdana").ShortString("3%").ShortString("film.css");
    for (int element = 0; element < 16; ++element)
        file.ShortString(element == 1 ? "H1;white;Georgia;24;1;navy;8388608;1;;;;" : "");
    return file.ShortString("blue;16711680;1;red;255;0;purple;8388736;1;");
}

// Everything the document holds, as saving would write it, with the version read.
std::string Fingerprint(const ProjectDocument& document)
{
    return ProjectFileBytes(document) + "#" + std::to_string(document.FileVersion);
}

// A document that differs from a new one in every part a load may touch.
ProjectDocument EditedDocument()
{
    ProjectDocument document;
    document.GenInfo.title = "Ancien";
    document.EventList.AddEvent().action = "avant";
    document.EventList.AddEvent();
    document.Report.caption = "Avant";
    document.Report.fileName = "sRp.htm";
    document.Report.text = "ancien rapport";
    document.HTMPrefs.frameSpecs.menuHeight = "44";
    document.HTMPrefs.pageSpecs.tableWidth = "50%";
    document.StylePrefs.DefFontFace = "Courier";
    document.StylePrefs.PMargin = "9%";
    document.FileVersion = 3;
    return document;
}

// The edited document once the bytes were loaded over it.
ProjectDocument LoadedOverEditedDocument(const std::string& bytes)
{
    ProjectDocument document = EditedDocument();
    LoadProjectBytes(document, bytes);
    return document;
}

void ExpectHeadLoaded(const ProjectDocument& document)
{
    EXPECT_EQ(document.GenInfo.title, "Mon film");
    EXPECT_EQ(document.GenInfo.synopsis, "court");
    ASSERT_EQ(document.EventList.Count(), 2u);
    const TEvent& first = document.EventList.Event(0);
    EXPECT_EQ(first.name, "Ouverture");
    EXPECT_EQ(first.sound, "Vent");
    EXPECT_EQ(first.cam.framing, 6);
    EXPECT_EQ(first.cam.angle, 1);
    EXPECT_EQ(first.cam.pan, 3);
    EXPECT_EQ(first.cam.travel, 5);
    EXPECT_EQ(first.cam.zoom, 2);
    EXPECT_EQ(first.cam.endImage, "b.jpg");
    EXPECT_EQ(document.EventList.EventName(1), "Fin");
    EXPECT_EQ(document.EventList.CumulText(1), "1m. 2s.");
}

void ExpectLayoutLoaded(const ProjectDocument& document)
{
    EXPECT_EQ(document.HTMPrefs.frameSpecs.menuHeight, "30");
    EXPECT_TRUE(document.HTMPrefs.frameSpecs.borderVisible);
    EXPECT_FALSE(document.HTMPrefs.menuSpecs.showShots);
    EXPECT_EQ(document.HTMPrefs.menuSpecs.returnUrl, "http://x/");
    EXPECT_EQ(document.HTMPrefs.coverSpecs.coverFile, "couv.htm");
    EXPECT_EQ(document.HTMPrefs.pageSpecs.tableWidth, "80%");
    EXPECT_TRUE(document.HTMPrefs.pageSpecs.noJSPlan);
}

void ExpectStyleLoaded(const ProjectDocument& document, const ProjectDocument& before)
{
    const TStylePrefs& style = document.StylePrefs;
    EXPECT_EQ(style.BGColor, "SILVER");
    EXPECT_EQ(style.VLinkColor, "purple");
    EXPECT_EQ(style.BGSysCol, 0x00C0C0C0);
    EXPECT_EQ(style.ALinkSysColor, 0xFF);
    EXPECT_EQ(style.DefFontFace, "Verdana");
    EXPECT_EQ(style.PMargin, "3%");
    EXPECT_EQ(style.sFileName, "film.css");
    EXPECT_EQ(style.elements[1].fontFace, "Georgia");
    EXPECT_EQ(style.elements[1].fontSize, 24);
    EXPECT_EQ(style.elements[0].ToText(), before.StylePrefs.elements[0].ToText());
    EXPECT_EQ(style.links[0].colorName, "blue");
    EXPECT_EQ(style.links[2].colorValue, 8388736);
}

TEST(ProjectFile, LoadsAVersionThreeFileBuiltByHand)
{
    FileBuilder file;
    AppendStyleBlock(AppendLayoutBlock(AppendHead(file, 3).ShortString(kReport)));
    const ProjectDocument document = LoadedOverEditedDocument(file.Bytes());

    EXPECT_EQ(document.FileVersion, 3);
    ExpectHeadLoaded(document);
    EXPECT_TRUE(document.Report.isExternal);
    EXPECT_EQ(document.Report.fileName, "rapport.htm");
    EXPECT_EQ(document.Report.caption, "Bilan");
    EXPECT_EQ(document.Report.text, "ok");
    ExpectLayoutLoaded(document);
    ExpectStyleLoaded(document, EditedDocument());

    // Written again, the head and layout come out as they went in.
    FileBuilder expectedStart;
    AppendLayoutBlock(AppendHead(expectedStart, 3).ShortString(kReport));
    EXPECT_EQ(ProjectFileBytes(document).substr(0, expectedStart.Bytes().size()), expectedStart.Bytes());
}

TEST(ProjectFile, AVersionTwoFileHasNoReport)
{
    FileBuilder file;
    AppendStyleBlock(AppendLayoutBlock(AppendHead(file, 2)));
    const ProjectDocument document = LoadedOverEditedDocument(file.Bytes());

    EXPECT_EQ(document.FileVersion, 2);
    ExpectHeadLoaded(document);
    EXPECT_EQ(document.Report.text, "");
    EXPECT_EQ(document.Report.caption, "Avant"); // as the reset left it
    ExpectLayoutLoaded(document);
    ExpectStyleLoaded(document, EditedDocument());
}

TEST(ProjectFile, AVersionOneFileKeepsTheLayout)
{
    FileBuilder file;
    AppendStyleBlock(AppendHead(file, 1));
    const ProjectDocument document = LoadedOverEditedDocument(file.Bytes());

    EXPECT_EQ(document.FileVersion, 1);
    ExpectHeadLoaded(document);
    EXPECT_EQ(document.Report.text, "");
    EXPECT_EQ(document.HTMPrefs.frameSpecs.menuHeight, "44");
    EXPECT_EQ(document.HTMPrefs.pageSpecs.tableWidth, "50%");
    ExpectStyleLoaded(document, EditedDocument());
}

TEST(ProjectFile, AVersionZeroFileKeepsLayoutAndStyle)
{
    FileBuilder file;
    AppendHead(file, 0);
    const ProjectDocument document = LoadedOverEditedDocument(file.Bytes());

    EXPECT_EQ(document.FileVersion, 0);
    ExpectHeadLoaded(document);
    EXPECT_EQ(document.Report.text, "");
    EXPECT_EQ(document.HTMPrefs.frameSpecs.menuHeight, "44");
    EXPECT_EQ(document.StylePrefs.DefFontFace, "Courier");
    EXPECT_EQ(document.StylePrefs.PMargin, "9%");

    // A negative version is as old as it gets.
    FileBuilder negative;
    AppendHead(negative, -5);
    const ProjectDocument oldest = LoadedOverEditedDocument(negative.Bytes());
    EXPECT_EQ(oldest.FileVersion, -5);
    EXPECT_EQ(oldest.StylePrefs.DefFontFace, "Courier");
}

TEST(ProjectFile, AVersionAboveThreeReadsLikeThree)
{
    FileBuilder file;
    file.Int32(1000).ShortString(kGenInfo).Byte(0x01).Byte(0x00).ShortString(kReport);
    AppendStyleBlock(AppendLayoutBlock(file));
    const ProjectDocument document = LoadedOverEditedDocument(file.Bytes());
    EXPECT_EQ(document.FileVersion, 1000);
    EXPECT_EQ(document.EventList.Count(), 0u);
    EXPECT_EQ(document.Report.text, "ok");
    ExpectLayoutLoaded(document);
    EXPECT_EQ(document.StylePrefs.DefFontFace, "Verdana");
}

TEST(ProjectFile, ANewProjectStartsWithTheDocumentedBytes)
{
    ProjectDocument document;
    document.EventList.AddEvent();
    const std::string bytes = ProjectFileBytes(document);
    const std::string shot = "plan 1" + kSep + kSep + kSep + kSep + "00" + kSep + "00000" + kSep + kSep + kSep + kSep;
    FileBuilder expected;
    expected.Byte(0x02).Byte(0x03).Byte(0x06).Byte(0x14);
    for (int i = 0; i < 20; ++i)
        expected.Byte(0x7C);
    expected.Byte(0x01).Byte(0x06).Byte(0x31);
    ASSERT_EQ(shot.size(), 0x31u);
    FileBuilder tail;
    tail.Byte(0x00).ShortString("0" + kSep + kSep + kSep + kSep);
    EXPECT_EQ(bytes.substr(0, expected.Bytes().size() + shot.size() + tail.Bytes().size()),
              expected.Bytes() + shot + tail.Bytes());
}

TEST(ProjectFile, SavingAndLoadingGiveTheSameBytes)
{
    TemporaryFolder folder;
    const fs::path file = folder.Path() / "film.vid";
    ProjectDocument document = EditedDocument();
    document.GenInfo.synopsis = "Il était une fois\r\n€ et œ";
    document.EventList.Event(1).name = "plan été";
    document.EventList.Event(1).dialogue = std::string(300, 'd');
    document.Report.isExternal = true;
    document.FileVersion = 1;
    SaveProject(document, file);
    EXPECT_EQ(document.FileVersion, 3);
    const std::string first = ReadFileBytes(file);

    ProjectDocument loaded;
    LoadProject(loaded, file);
    EXPECT_EQ(loaded.EventList.EventName(1), "plan été");
    EXPECT_EQ(loaded.GenInfo.synopsis, document.GenInfo.synopsis);
    const fs::path again = folder.Path() / "again.vid";
    SaveProject(loaded, again);
    EXPECT_EQ(ReadFileBytes(again), first);

    // Accented texts are stored as UTF-8 (tag 20).
    EXPECT_NE(first.find("\x14"), std::string::npos);
    EXPECT_NE(first.find("plan \xC3\xA9t\xC3\xA9"), std::string::npos);
}

TEST(ProjectFile, WordsOfEveryScriptComeBackWholeFromEveryTextOfTheFile)
{
    TemporaryFolder folder;
    const fs::path file = folder.Path() / "monde.vid";
    ProjectDocument document = EditedDocument();
    const std::string words = swtest::kWorldWords;
    document.GenInfo.title = words;
    document.GenInfo.creator = words + "\r\n" + words;
    document.GenInfo.synopsis = words;
    TEvent& shot = document.EventList.Event(1);
    shot.name = words;
    shot.action = words;
    shot.cam.effect = words;
    shot.cam.startImage = "Őrség 日本.jpg";
    document.Report.caption = words;
    document.Report.text = words;
    document.StylePrefs.elements[3].fontFace = "Łato";
    document.HTMPrefs.menuSpecs.returnUrl = "../Дом.html";
    SaveProject(document, file);

    ProjectDocument loaded;
    LoadProject(loaded, file);
    EXPECT_EQ(loaded.GenInfo.ToText(), document.GenInfo.ToText());
    EXPECT_EQ(loaded.EventList.Event(1).ToText(), shot.ToText());
    EXPECT_EQ(loaded.Report.ToText(), document.Report.ToText());
    EXPECT_EQ(loaded.StylePrefs.elements[3].fontFace, "Łato");
    EXPECT_EQ(loaded.HTMPrefs.menuSpecs.returnUrl, "../Дом.html");
    EXPECT_EQ(ProjectFileBytes(loaded), ReadFileBytes(file));
    EXPECT_EQ(ReadFileBytes(file).find('?'), std::string::npos);
}

// A file written before the model held UTF-8 keeps its bytes: Windows-1252
// short strings read as their characters and accented texts are still tag 20.
TEST(ProjectFile, AFileOfWesternTextsIsResavedByteForByte)
{
    for (const char* seed : {"v3.vid", "v3-unicode.vid"}) {
        const std::string bytes = ReadFileBytes(fs::path(SHOTWEAVE_TEST_DATA_DIR) / "seeds" / "project_loader" / seed);
        ProjectDocument loaded;
        LoadProjectBytes(loaded, bytes);
        EXPECT_EQ(ProjectFileBytes(loaded), bytes) << seed;
    }
    // A short string with a Windows-1252 byte, as another program may write it.
    ProjectDocument plain;
    plain.GenInfo.title = "Cafe";
    std::string bytes = ProjectFileBytes(plain);
    bytes[bytes.find("Cafe") + 3] = '\xE9';
    ProjectDocument loaded;
    LoadProjectBytes(loaded, bytes);
    EXPECT_EQ(loaded.GenInfo.title, "Café");
}

TEST(ProjectFile, NoShotsIsAnEmptyListBlock)
{
    ProjectDocument document;
    const std::string bytes = ProjectFileBytes(document);
    EXPECT_EQ(bytes.substr(0, 25), std::string("\x02\x03\x06\x14", 4) + std::string(20, '|') + std::string("\x01", 1));
    EXPECT_EQ(bytes[25], '\x00');
    ProjectDocument loaded = EditedDocument();
    LoadProjectBytes(loaded, bytes);
    EXPECT_EQ(loaded.EventList.Count(), 0u);
}

TEST(ProjectFile, AFailedSaveLeavesTheOldFileAlone)
{
    TemporaryFolder folder;
    const fs::path file = folder.Path() / "film.vid";
    ProjectDocument document = EditedDocument();
    SaveProject(document, file);
    const std::string saved = ReadFileBytes(file);

    // A text that the form cannot hold is refused before the file is touched.
    document.EventList.Event(0).action = "a||||b";
    document.FileVersion = 2;
    EXPECT_EQ(ErrorOf([&] { SaveProject(document, file); }),
              "Le champ « Action » du plan « plan 1 » ne peut pas être enregistré : il contient « |||| » ou se "
              "termine par « | ».");
    EXPECT_EQ(ReadFileBytes(file), saved);
    EXPECT_EQ(document.FileVersion, 2);

    // A file that cannot be created.
    document.EventList.Event(0).action = "fine";
    const fs::path notAFolder = file / "inside.vid";
    EXPECT_EQ(ErrorOf([&] { SaveProject(document, notAFolder); }),
              "Cannot create file \"" + notAFolder.string() + "\". Not a directory");
    EXPECT_EQ(ReadFileBytes(file), saved);
    EXPECT_EQ(EntryCount(folder.Path()), 1u);
}

TEST(ProjectFile, AFailedLoadLeavesTheDocumentAsItWas)
{
    FileBuilder good;
    AppendStyleBlock(AppendLayoutBlock(AppendHead(good, 3).ShortString(kReport)));
    const ProjectDocument before = EditedDocument();
    const std::string expected = Fingerprint(before);

    // Cut short anywhere: nothing of it stays.
    for (std::size_t length = 0; length < good.Bytes().size(); ++length) {
        ProjectDocument document = before;
        EXPECT_THROW(LoadProjectBytes(document, good.Bytes().substr(0, length)), Error) << length;
        ASSERT_EQ(Fingerprint(document), expected) << length;
    }

    const auto failure = [&](const std::string& bytes) {
        ProjectDocument document = before;
        const std::string message = ErrorOf([&] { LoadProjectBytes(document, bytes); });
        EXPECT_EQ(Fingerprint(document), expected) << message;
        return message;
    };
    EXPECT_EQ(failure(std::string("\x06\x01" "A", 3)), "Invalid property value");
    EXPECT_EQ(failure(""), "Stream read error");

    FileBuilder badShot;
    badShot.SmallInteger(3).ShortString(kGenInfo).Byte(0x01).ShortString(kShotA).ShortString("x" + kSep + kSep + kSep + kSep + "1" + kSep + "0z000" + kSep);
    EXPECT_EQ(failure(badShot.Bytes()), "'z' is not a valid integer value");

    FileBuilder badReport;
    AppendHead(badReport, 3).ShortString("peut-\xEAtre" + kSep);
    EXPECT_EQ(failure(badReport.Bytes()), "'peut-\xC3\xAAtre' is not a valid boolean value");

    FileBuilder badStyle;
    AppendLayoutBlock(AppendHead(badStyle, 3).ShortString(kReport));
    badStyle.ShortString("a").ShortString("b").ShortString("c").ShortString("d").ShortString("e").ShortString("f");
    EXPECT_EQ(failure(badStyle.Bytes()), "Invalid property value");

    // A forged length far beyond the file.
    FileBuilder forged;
    forged.SmallInteger(3).Byte(0x0C).Byte(0xFF).Byte(0xFF).Byte(0xFF).Byte(0x7F).Byte(0x41);
    EXPECT_EQ(failure(forged.Bytes()), "Stream read error");
}

TEST(ProjectFile, AFileWithMoreThan65535ShotsIsRefused)
{
    FileBuilder file;
    file.SmallInteger(3).ShortString("").Byte(0x01);
    std::string bytes = file.Bytes();
    for (int i = 0; i < 65536; ++i)
        bytes += std::string("\x06\x00", 2);
    bytes += std::string("\x00", 1);
    const ProjectDocument before = EditedDocument();
    ProjectDocument document = before;
    EXPECT_EQ(ErrorOf([&] { LoadProjectBytes(document, bytes); }), "Un projet ne peut pas compter plus de 65535 plans.");
    EXPECT_EQ(Fingerprint(document), Fingerprint(before));
}

TEST(ProjectFile, AMissingFileIsNamedAndChangesNothing)
{
    TemporaryFolder folder;
    const fs::path file = folder.Path() / "absent.vid";
    const ProjectDocument before = EditedDocument();
    ProjectDocument document = before;
    EXPECT_EQ(ErrorOf([&] { LoadProject(document, file); }),
              "Cannot open file \"" + file.string() + "\". No such file or directory");
    EXPECT_EQ(Fingerprint(document), Fingerprint(before));
}

TEST(ProjectFile, TheSeedFilesOfEveryVersionLoad)
{
    const fs::path seeds = fs::path(SHOTWEAVE_TEST_DATA_DIR) / "seeds";
    std::vector<std::int32_t> versions;
    for (const char* name : {"v0.vid", "v1.vid", "v2.vid", "v3.vid", "v3-empty.vid"}) {
        ProjectDocument document;
        LoadProject(document, seeds / "project_loader" / name);
        versions.push_back(document.FileVersion);
        if (document.FileVersion != 3 || document.EventList.Count() > 0) {
            EXPECT_EQ(document.EventList.Count(), 3u) << name;
            EXPECT_EQ(document.EventList.EventName(1), "plan été") << name;
        }
    }
    EXPECT_EQ(versions, (std::vector<std::int32_t>{0, 1, 2, 3, 3}));

    for (const char* name : {"defaults.sprf", "edited.sprf", "header-only.sprf"}) {
        TStylePrefs style;
        EXPECT_NO_THROW(style.LoadFromIni(seeds / "style_import" / name)) << name;
    }
}

TEST(SaveWithBackup, TheBackupHoldsExactlyThePreviousBytes)
{
    TemporaryFolder folder;
    const fs::path file = folder.Path() / "film.vid";
    ProjectDocument document = EditedDocument();

    // A first save has no previous version to keep.
    SaveProjectWithBackup(document, file, true);
    EXPECT_FALSE(fs::exists(BackupFileOf(file)));
    const std::string first = ReadFileBytes(file);
    EXPECT_EQ(first, ProjectFileBytes(document));

    document.GenInfo.title = "Second";
    SaveProjectWithBackup(document, file, true);
    EXPECT_EQ(BackupFileOf(file), folder.Path() / "film.vid~");
    EXPECT_EQ(ReadFileBytes(BackupFileOf(file)), first);
    const std::string second = ReadFileBytes(file);
    EXPECT_EQ(second, ProjectFileBytes(document));
    EXPECT_NE(second, first);

    // The next save replaces the backup with the version it replaces.
    document.GenInfo.title = "Third";
    SaveProjectWithBackup(document, file, true);
    EXPECT_EQ(ReadFileBytes(BackupFileOf(file)), second);
    EXPECT_EQ(EntryCount(folder.Path()), 2u); // no temporary file left behind
}

TEST(SaveWithBackup, WithoutTheSettingTheBackupIsLeftAlone)
{
    TemporaryFolder folder;
    const fs::path file = folder.Path() / "film.vid";
    ProjectDocument document = EditedDocument();
    SaveProjectWithBackup(document, file, false);
    document.GenInfo.title = "Second";
    SaveProjectWithBackup(document, file, false);
    EXPECT_FALSE(fs::exists(BackupFileOf(file)));
    EXPECT_EQ(ReadFileBytes(file), ProjectFileBytes(document));
}

TEST(SaveWithBackup, TheBackupOfAPrivateProjectStaysPrivate)
{
    TemporaryFolder folder;
    const fs::path file = folder.Path() / "film.vid";
    ProjectDocument document = EditedDocument();
    SaveProject(document, file);
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    SaveProjectWithBackup(document, file, true);
    EXPECT_EQ(fs::status(BackupFileOf(file)).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
}

TEST(SaveWithBackup, ABackupThatCannotBeWrittenLeavesTheFileUnchanged)
{
    TemporaryFolder folder;
    const fs::path file = folder.Path() / "film.vid";
    ProjectDocument document = EditedDocument();
    SaveProject(document, file);
    const std::string saved = ReadFileBytes(file);

    // A folder where the backup goes cannot be replaced, even by root.
    fs::create_directory(BackupFileOf(file));
    document.GenInfo.title = "Nouveau";
    document.FileVersion = 2;
    EXPECT_EQ(ErrorOf([&] { SaveProjectWithBackup(document, file, true); }),
              "La version précédente de « " + file.string() + " » ne peut pas être gardée dans « " + file.string()
                  + "~ » : c'est un dossier");
    EXPECT_EQ(ReadFileBytes(file), saved);
    EXPECT_EQ(document.FileVersion, 2);
    EXPECT_TRUE(fs::is_empty(BackupFileOf(file)));
    EXPECT_EQ(EntryCount(folder.Path()), 2u);

    // Without the backup, the same save goes through.
    SaveProjectWithBackup(document, file, false);
    EXPECT_EQ(ReadFileBytes(file), ProjectFileBytes(document));
}

TEST(SaveWithBackup, AFieldThatCannotBeStoredTouchesNeitherFile)
{
    TemporaryFolder folder;
    const fs::path file = folder.Path() / "film.vid";
    ProjectDocument document = EditedDocument();
    SaveProjectWithBackup(document, file, true);
    SaveProjectWithBackup(document, file, true);
    const std::string saved = ReadFileBytes(file);
    WriteAll(BackupFileOf(file), "older");

    document.EventList.Event(0).action = "a||||b";
    EXPECT_NE(ErrorOf([&] { SaveProjectWithBackup(document, file, true); }), "no error");
    EXPECT_EQ(ReadFileBytes(file), saved);
    EXPECT_EQ(ReadFileBytes(BackupFileOf(file)), "older");
}

} // namespace
} // namespace sw
