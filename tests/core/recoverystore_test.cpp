#include "recovery/recoverystore.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "document/projectfile.h"
#include "model/error.h"
#include "model/filebytes.h"
#include "recovery/recoveryrecord.h"
#include "testsupport.h"

namespace sw {
namespace {

namespace fs = std::filesystem;
using test::Environment;
using test::ErrorOf;
using test::GoneEditor;
using test::ReadAll;
using test::TemporaryFolder;
using test::WriteAll;

ProjectDocument Project(const std::string& title, int shots)
{
    ProjectDocument document;
    document.GenInfo.title = title;
    for (int i = 0; i < shots; ++i)
        document.EventList.AddEvent().action = "plan " + std::to_string(i) + "\r\nlà";
    document.StylePrefs.DefFontFace = "Courier";
    return document;
}

std::vector<std::string> FileNames(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(RecoveryFolderPath, LiesInTheShotweaveFolderOfTheStateHome)
{
    EXPECT_EQ(RecoveryFolderPath(Environment({{"XDG_STATE_HOME", "/tmp/state"}, {"HOME", "/home/anne"}})),
              fs::path("/tmp/state/shotweave/recovery"));
    EXPECT_EQ(RecoveryFolderPath(Environment({{"HOME", "/home/anne"}})),
              fs::path("/home/anne/.local/state/shotweave/recovery"));
    // A relative state home is invalid and ignored.
    EXPECT_EQ(RecoveryFolderPath(Environment({{"XDG_STATE_HOME", "state"}, {"HOME", "/home/anne"}})),
              fs::path("/home/anne/.local/state/shotweave/recovery"));
}

TEST(IsoLocalTime, IsTheLocalTimeWithItsOffsetFromUtc)
{
    const auto time = std::chrono::system_clock::from_time_t(1796796192);  // a December morning of 2026
    const std::string iso = IsoLocalTime(time);
    // "2026-12-09T06:03:12+01:00"
    ASSERT_TRUE(IsIsoDateTime(iso)) << iso;
    ASSERT_EQ(iso.size(), 25u) << iso;
    ASSERT_TRUE(iso[19] == '+' || iso[19] == '-') << iso;
    const auto number = [&](std::size_t at, std::size_t digits) { return std::stoi(iso.substr(at, digits)); };
    // The local fields less the offset are the same instant, whatever the zone.
    std::tm fields{};
    fields.tm_year = number(0, 4) - 1900;
    fields.tm_mon = number(5, 2) - 1;
    fields.tm_mday = number(8, 2);
    fields.tm_hour = number(11, 2);
    fields.tm_min = number(14, 2);
    fields.tm_sec = number(17, 2);
    const long offset = (iso[19] == '-' ? -1 : 1) * (number(20, 2) * 3600L + number(23, 2) * 60L);
    EXPECT_EQ(::timegm(&fields) - offset, 1796796192);
}

TEST(RecoveryStore, WritesListsReadsAndRemovesARecovery)
{
    TemporaryFolder folder;
    const fs::path original = folder.Path() / "films" / "court.vid";
    RecoveryStore store(folder.Path() / "state" / "recovery");  // made on the first write
    EXPECT_TRUE(store.List().empty());

    ProjectDocument document = Project("Le \"grand\" été", 3);
    document.FileVersion = 2;  // as read from an older file: a recovery copy leaves it
    const auto savedAt = std::chrono::system_clock::now();
    const RecoveryEntry written = store.Write(document, original, savedAt);
    EXPECT_EQ(document.FileVersion, 2);
    EXPECT_FALSE(fs::exists(original));
    EXPECT_EQ(written.originalFile, original);
    EXPECT_EQ(written.savedAt, IsoLocalTime(savedAt));
    EXPECT_TRUE(written.IsReadable());

    // The copy holds exactly the bytes a save writes.
    const fs::path saved = folder.Path() / "saved.vid";
    ProjectDocument savedDocument = document;
    SaveProject(savedDocument, saved);
    EXPECT_EQ(ReadAll(written.recoveryFile), ReadAll(saved));
    EXPECT_EQ(ReadAll(written.recordFile), "[RECOVERY]\r\nOriginal=\"" + original.string() + "\"\r\nSavedAt="
                                               + written.savedAt + "\r\nEditor=" + store.Owner().Token()
                                               + "\r\nHost=\"" + ThisHostName() + "\"\r\n");

    const std::vector<RecoveryEntry> entries = store.List();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_TRUE(entries[0].IsReadable()) << entries[0].problem;
    EXPECT_EQ(entries[0].originalFile, original);
    EXPECT_EQ(entries[0].savedAt, written.savedAt);
    EXPECT_EQ(entries[0].recoveryFile, written.recoveryFile);
    EXPECT_EQ(entries[0].recordFile, written.recordFile);

    // It reads back as the saved file opens.
    ProjectDocument recovered;
    store.Read(entries[0], recovered);
    ProjectDocument opened;
    LoadProject(opened, saved);
    EXPECT_EQ(ProjectFileBytes(recovered), ProjectFileBytes(opened));
    EXPECT_EQ(recovered.GenInfo.title, "Le \"grand\" été");
    EXPECT_EQ(recovered.EventList.Count(), 3u);

    store.Remove(entries[0]);
    EXPECT_TRUE(store.List().empty());
    EXPECT_TRUE(fs::is_empty(store.Folder()));
    // Removing what is gone already is no error.
    EXPECT_NO_THROW(store.Remove(entries[0]));
}

TEST(RecoveryStore, KeepsOneCopyPerProjectFileAndOneForTheProjectNeverSaved)
{
    TemporaryFolder folder;
    RecoveryStore store(folder.Path() / "recovery");
    const fs::path court = folder.Path() / "films" / "court.vid";
    const fs::path otherCourt = folder.Path() / "autres" / "court.vid";

    store.Write(Project("un", 1), court);
    store.Write(Project("deux", 2), otherCourt);
    store.Write(Project("nouveau", 1), {});
    // The same file, however spelled, has the same copy, replaced.
    const RecoveryEntry again = store.Write(Project("un, encore", 4), folder.Path() / "films" / "." / "court.vid");
    EXPECT_EQ(again.originalFile, court);
    EXPECT_EQ(again.recoveryFile, store.RecoveryFileFor(court));

    const std::vector<std::string> names = FileNames(store.Folder());
    ASSERT_EQ(names.size(), 6u);
    for (const fs::path& original : {court, otherCourt}) {
        const std::string name = store.RecoveryFileFor(original).filename().string();
        // "court-", 16 hexadecimal digits, then the editor's token.
        const std::string owner = "-" + store.Owner().Token() + ".vid";
        ASSERT_EQ(name.size(), 22u + owner.size()) << name;
        EXPECT_EQ(name.substr(0, 6), "court-");
        EXPECT_EQ(name.substr(6, 16).find_first_not_of("0123456789abcdef"), std::string::npos) << name;
        EXPECT_EQ(name.substr(22), owner);
        // The name is the same for the same editor, in any store on the
        // folder; another editor has its own.
        EXPECT_EQ(RecoveryStore(store.Folder(), {}, store.Owner()).RecoveryFileFor(original),
                  store.RecoveryFileFor(original));
        EXPECT_NE(RecoveryStore(store.Folder()).RecoveryFileFor(original), store.RecoveryFileFor(original));
    }
    EXPECT_NE(store.RecoveryFileFor(court), store.RecoveryFileFor(otherCourt));
    const std::string neverSaved = "nouveau-projet-" + store.Owner().Token();
    EXPECT_EQ(store.RecoveryFileFor({}), store.Folder() / (neverSaved + ".vid"));
    EXPECT_EQ(RecoveryStore::RecordFileOf(store.Folder() / "nouveau-projet.vid"), store.Folder() / "nouveau-projet.rec");

    const std::vector<RecoveryEntry> entries = store.List();
    ASSERT_EQ(entries.size(), 3u);
    for (const RecoveryEntry& entry : entries) {
        ASSERT_TRUE(entry.IsReadable()) << entry.problem;
        ProjectDocument recovered;
        store.Read(entry, recovered);
        if (entry.originalFile.empty()) {
            EXPECT_EQ(entry.recoveryFile, store.RecoveryFileFor({}));
            EXPECT_EQ(recovered.GenInfo.title, "nouveau");
        } else if (entry.originalFile == court) {
            EXPECT_EQ(recovered.GenInfo.title, "un, encore");
            EXPECT_EQ(recovered.EventList.Count(), 4u);
        } else {
            EXPECT_EQ(entry.originalFile, otherCourt);
            EXPECT_EQ(recovered.GenInfo.title, "deux");
        }
    }

    store.RemoveFor(court);
    store.RemoveFor({});
    ASSERT_EQ(store.List().size(), 1u);
    EXPECT_EQ(store.List()[0].originalFile, otherCourt);
}

TEST(RecoveryStore, AStemIsKeptReadableAndSafe)
{
    TemporaryFolder folder;
    RecoveryStore store(folder.Path());
    const std::string longStem = std::string(39, 'a') + "\xC3\xA9" + "zzz";  // a character across the cut
    EXPECT_EQ(store.RecoveryFileFor("/f/" + longStem + ".vid").filename().string().substr(0, 40),
              std::string(39, 'a') + "-");
    EXPECT_EQ(store.RecoveryFileFor("/f/.cach\xC3\xA9\n.vid").filename().string().substr(0, 9), "_cach\xC3\xA9_-");
    EXPECT_EQ(store.RecoveryFileFor("/f/.vid").filename().string().substr(0, 5), "_vid-");
}

TEST(RecoveryStore, AnUnreadableRecoveryIsListedWithItsReasonAndKept)
{
    TemporaryFolder folder;
    RecoveryStore store(folder.Path());
    const RecoveryEntry good = store.Write(Project("bon", 1), "/films/bon.vid");
    // A copy cut short, with a good record.
    const RecoveryEntry cut = store.Write(Project("coupé", 2), "/films/coupe.vid");
    const std::string cutBytes = ReadAll(cut.recoveryFile).substr(0, 20);
    WriteAll(cut.recoveryFile, cutBytes);
    // A record that is not one.
    const RecoveryEntry badRecord = store.Write(Project("fiche", 1), "/films/fiche.vid");
    WriteAll(badRecord.recordFile, "n'importe quoi");
    // A copy without a record, and a record without a copy.
    WriteAll(folder.Path() / "seule.vid", ReadAll(good.recoveryFile));
    WriteAll(folder.Path() / "orpheline.rec", ReadAll(good.recordFile));
    // Temporary files of atomic writes and other files are no recoveries.
    WriteAll(folder.Path() / ".bon.vid.12-34-0.tmp", "x");
    WriteAll(folder.Path() / "notes.txt", "x");
    const std::vector<std::string> before = FileNames(folder.Path());

    const std::vector<RecoveryEntry> entries = store.List();
    ASSERT_EQ(entries.size(), 5u);
    const auto find = [&](const fs::path& copy) {
        for (const RecoveryEntry& entry : entries)
            if (entry.recoveryFile == copy)
                return entry;
        ADD_FAILURE() << "not listed: " << copy;
        return RecoveryEntry{};
    };
    EXPECT_TRUE(find(good.recoveryFile).IsReadable());
    EXPECT_EQ(find(cut.recoveryFile).problem,
              "La copie de secours « " + cut.recoveryFile.string() + " » ne peut pas être lue : le fichier se termine avant la fin de ses données");
    EXPECT_EQ(find(cut.recoveryFile).originalFile, fs::path("/films/coupe.vid"));  // the record still says whose
    EXPECT_EQ(find(badRecord.recoveryFile).problem,
              "La fiche de la copie de secours « " + badRecord.recordFile.string()
                  + " » ne peut pas être lue : ce n'est pas une fiche de copie de secours (la section [RECOVERY] manque)");
    EXPECT_EQ(find(folder.Path() / "seule.vid").problem,
              "La fiche de la copie de secours « " + (folder.Path() / "seule.rec").string()
                  + " » ne peut pas être lue : fichier ou dossier introuvable");
    EXPECT_EQ(find(folder.Path() / "orpheline.vid").problem,
              "La copie de secours « " + (folder.Path() / "orpheline.vid").string()
                  + " » ne peut pas être lue : fichier ou dossier introuvable");

    // Listing deleted nothing, and reading an unreadable copy changes nothing.
    EXPECT_EQ(FileNames(folder.Path()), before);
    EXPECT_EQ(ReadAll(cut.recoveryFile), cutBytes);
    ProjectDocument document = Project("ouvert", 2);
    const std::string opened = ProjectFileBytes(document);
    EXPECT_EQ(ErrorOf([&] { store.Read(find(cut.recoveryFile), document); }), find(cut.recoveryFile).problem);
    EXPECT_EQ(ErrorOf([&] { store.Read(find(folder.Path() / "orpheline.vid"), document); }),
              find(folder.Path() / "orpheline.vid").problem);
    EXPECT_EQ(ProjectFileBytes(document), opened);
}

TEST(RecoveryStore, AFailedWriteSaysWhichCopyAndLeavesNothingHalfWritten)
{
    TemporaryFolder folder;
    // The recovery folder replaced by a regular file: even root cannot write in it.
    const fs::path blocker = folder.Path() / "recovery";
    WriteAll(blocker, "pas un dossier");
    RecoveryStore store(blocker);
    const fs::path copy = store.RecoveryFileFor("/films/court.vid");
    EXPECT_EQ(ErrorOf([&] { store.Write(Project("x", 1), "/films/court.vid"); }),
              "La copie de secours « " + copy.string() + " » ne peut pas être écrite : un élément du chemin n'est pas un dossier");
    EXPECT_EQ(ReadAll(blocker), "pas un dossier");
    EXPECT_EQ(FileNames(folder.Path()), std::vector<std::string>{"recovery"});
    EXPECT_TRUE(store.List().empty());
}

TEST(RecoveryStore, TwoEditorsNeverShareACopyAndARunningOnesIsNotOffered)
{
    TemporaryFolder folder;
    const fs::path recovery = folder.Path() / "recovery";
    const RecoveryStore anne(recovery);
    const RecoveryStore bruno(recovery);
    const fs::path court = folder.Path() / "court.vid";
    const RecoveryEntry anneCopy = anne.Write(Project("Anne", 1), court, std::chrono::system_clock::now(), 42u);
    const RecoveryEntry brunoCopy = bruno.Write(Project("Bruno", 2), court);
    const RecoveryEntry anneNew = anne.Write(Project("nouveau d'Anne", 1), {});
    const RecoveryEntry brunoNew = bruno.Write(Project("nouveau de Bruno", 1), {});
    EXPECT_NE(anneCopy.recoveryFile, brunoCopy.recoveryFile);
    EXPECT_NE(anneNew.recoveryFile, brunoNew.recoveryFile);

    // A copy left by an editor that is gone; one of a record from before
    // records named their editor.
    const RecoveryStore gone(recovery, {}, GoneEditor());
    const RecoveryEntry goneCopy = gone.Write(Project("parti", 3), court);
    WriteAll(recovery / "ancien.vid", ReadAll(goneCopy.recoveryFile));
    WriteAll(recovery / "ancien.rec", "[RECOVERY]\r\nOriginal=\"/films/ancien.vid\"\r\nSavedAt=2026-12-09T06:03:12Z\r\n");

    // A third editor starting now sees the running editors' copies as theirs.
    const RecoveryStore starting(recovery);
    std::vector<fs::path> offered;
    for (const RecoveryEntry& entry : starting.List())
        if (!entry.editorRunning)
            offered.push_back(entry.recoveryFile);
    std::sort(offered.begin(), offered.end());
    EXPECT_EQ(offered, (std::vector<fs::path>{recovery / "ancien.vid", goneCopy.recoveryFile}));

    // Each removes its own copy only.
    anne.RemoveFor(court);
    EXPECT_FALSE(fs::exists(anneCopy.recoveryFile));
    EXPECT_TRUE(fs::exists(brunoCopy.recoveryFile));
    EXPECT_EQ(ReadAll(anneNew.recoveryFile), ProjectFileBytes(Project("nouveau d'Anne", 1)));
    EXPECT_EQ(ReadAll(brunoNew.recoveryFile), ProjectFileBytes(Project("nouveau de Bruno", 1)));
}

TEST(RecoveryStore, ARecoveredCopyBecomesTheRecoveringEditors)
{
    TemporaryFolder folder;
    const fs::path court = folder.Path() / "court.vid";
    const RecoveryStore gone(folder.Path(), {}, GoneEditor());
    const RecoveryEntry left = gone.Write(Project("parti", 3), court, std::chrono::system_clock::now(), 7u);
    const RecoveryStore store(folder.Path());
    std::vector<RecoveryEntry> entries = store.List();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_FALSE(entries[0].editorRunning);
    EXPECT_EQ(entries[0].originalHash, 7u);

    const RecoveryEntry claimed = store.Claim(entries[0]);
    EXPECT_EQ(claimed.recoveryFile, store.RecoveryFileFor(court));
    EXPECT_EQ(claimed.savedAt, left.savedAt);
    EXPECT_EQ(claimed.originalHash, 7u);
    EXPECT_EQ(ReadAll(claimed.recoveryFile), ProjectFileBytes(Project("parti", 3)));
    EXPECT_FALSE(fs::exists(left.recoveryFile));
    EXPECT_FALSE(fs::exists(left.recordFile));
    entries = store.List();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_TRUE(entries[0].editorRunning);
    EXPECT_EQ(entries[0].editor, store.Owner());
}

TEST(RecoveryStore, ACopyWhoseRecordCannotBeWrittenIsNotLeftBehind)
{
    TemporaryFolder folder;
    RecoveryStore store(folder.Path() / "recovery");
    const fs::path record = RecoveryStore::RecordFileOf(store.RecoveryFileFor({}));
    fs::create_directories(record);  // a folder where the record goes cannot be replaced
    EXPECT_EQ(ErrorOf([&] { store.Write(Project("x", 1), {}); }),
              "La fiche de la copie de secours « " + record.string() + " » ne peut pas être écrite : c'est un dossier");
    EXPECT_EQ(FileNames(store.Folder()), std::vector<std::string>{record.filename().string()});
}

TEST(RecoveryStore, AFieldThatCannotBeStoredWritesNoCopy)
{
    TemporaryFolder folder;
    RecoveryStore store(folder.Path());
    ProjectDocument document = Project("x", 1);
    store.Write(document, "/films/court.vid");
    const std::string before = ReadAll(store.RecoveryFileFor("/films/court.vid"));
    document.EventList.Event(0).action = "a||||b";
    EXPECT_NE(ErrorOf([&] { store.Write(document, "/films/court.vid"); }), "no error");
    EXPECT_EQ(ReadAll(store.RecoveryFileFor("/films/court.vid")), before);
}

TEST(RecoveryStore, WritesTheBytesAlreadyMadeAsItWritesTheDocument)
{
    TemporaryFolder folder;
    RecoveryStore store(folder.Path());
    const ProjectDocument document = Project("déjà fait", 2);
    const RecoveryEntry fromDocument = store.Write(document, "/films/a.vid");
    const RecoveryEntry fromBytes = store.WriteBytes(ProjectFileBytes(document), "/films/b.vid");
    EXPECT_EQ(ReadAll(fromBytes.recoveryFile), ReadAll(fromDocument.recoveryFile));
    EXPECT_EQ(fromBytes.originalFile, fs::path("/films/b.vid"));
    const std::vector<RecoveryEntry> entries = store.List();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_TRUE(entries[0].IsReadable()) << entries[0].problem;
    EXPECT_TRUE(entries[1].IsReadable()) << entries[1].problem;
}

TEST(RecoveryStore, AFullDiskStopsTheWriteWithTheCopysNameUntilThereIsRoomAgain)
{
    TemporaryFolder folder;
    bool full = true;
    int writes = 0;
    const RecoveryStore store(folder.Path() / "recovery", [&](const fs::path& file, std::string_view bytes) {
        ++writes;
        return full ? std::make_error_code(std::errc::no_space_on_device) : TryWriteFileAtomically(file, bytes, LinkPolicy::ReplaceLink);
    });
    const fs::path copy = store.RecoveryFileFor("/films/court.vid");
    EXPECT_EQ(ErrorOf([&] { store.Write(Project("x", 1), "/films/court.vid"); }),
              "La copie de secours « " + copy.string() + " » ne peut pas être écrite : "
                  + "le disque est plein");
    EXPECT_EQ(writes, 1);  // the record is not tried after the copy failed
    EXPECT_TRUE(store.List().empty());

    full = false;
    store.Write(Project("x", 1), "/films/court.vid");
    EXPECT_EQ(writes, 3);
    ASSERT_EQ(store.List().size(), 1u);
    EXPECT_TRUE(store.List()[0].IsReadable());
}

} // namespace
} // namespace sw
