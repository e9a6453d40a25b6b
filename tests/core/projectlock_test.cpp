#include "document/projectlock.h"

#include <filesystem>
#include <string>

#include <gtest/gtest.h>
#include <unistd.h>

#include "document/projectfile.h"
#include "model/editoridentity.h"
#include "testsupport.h"

namespace sw {
namespace {

namespace fs = std::filesystem;
using test::GoneEditor;
using test::ReadAll;
using test::TemporaryFolder;
using test::WriteAll;

LockHolder Holder(const std::string& user, EditorIdentity editor)
{
    return LockHolder{user, std::move(editor), "2026-12-09T10:03:12+01:00"};
}

TEST(EditorIdentity, TellsARunningEditorFromAGoneOne)
{
    const EditorIdentity first = NewEditorIdentity();
    const EditorIdentity second = NewEditorIdentity();
    EXPECT_EQ(first.pid, ::getpid());
    EXPECT_NE(first.instance, second.instance);
    EXPECT_FALSE(first == second);
    EXPECT_TRUE(IsRunning(first));
    EXPECT_FALSE(IsRunning(GoneEditor()));
    // A later process given this one's id is another editor.
    EditorIdentity reused = first;
    reused.started += 1;
    EXPECT_FALSE(IsRunning(reused));
    // Another machine's editor cannot be looked at: it counts as running.
    EditorIdentity remote = GoneEditor();
    remote.host = "ailleurs-" + ThisHostName();
    EXPECT_TRUE(IsRunning(remote));
}

TEST(EditorIdentity, ATokenComesBack)
{
    const EditorIdentity editor{"atelier", 4321, 987654321012ull, 7};
    EXPECT_EQ(editor.Token(), "4321-987654321012-7");
    EXPECT_EQ(EditorIdentity::FromToken(editor.Token(), "atelier"), editor);
    for (const char* bad : {"", "4321", "4321-98", "a-1-2", "1-2-3-4", "0-1-2", "1--2", "1-2-"})
        EXPECT_FALSE(EditorIdentity::FromToken(bad, "atelier")) << bad;
}

TEST(ProjectLock, LiesBesideTheProjectAndNamesItsHolder)
{
    TemporaryFolder folder;
    const fs::path project = folder.Path() / "court.vid";
    WriteAll(project, "projet");
    const LockHolder anne = Holder("Anne Martin", NewEditorIdentity());
    EXPECT_EQ(LockFileOf(project), folder.Path() / ".~lock.court.vid#");
    EXPECT_FALSE(ReadProjectLock(project));

    EXPECT_EQ(TakeProjectLock(project, anne).result, LockResult::Taken);
    EXPECT_EQ(ReadProjectLock(project), anne);
    EXPECT_NE(ReadAll(LockFileOf(project)).find("User=Anne Martin\r\n"), std::string::npos);
    // Taking it again is no error: it is already ours.
    EXPECT_EQ(TakeProjectLock(project, anne).result, LockResult::Taken);
    EXPECT_FALSE(OtherRunningHolder(project, anne.editor));

    ReleaseProjectLock(project, anne.editor);
    EXPECT_FALSE(fs::exists(LockFileOf(project)));
    EXPECT_EQ(ReadAll(project), "projet");
}

TEST(ProjectLock, TwoEditorsOnOneFileSeeEachOther)
{
    TemporaryFolder folder;
    const fs::path project = folder.Path() / "court.vid";
    WriteAll(project, "projet");
    const LockHolder anne = Holder("Anne", NewEditorIdentity());
    const LockHolder bruno = Holder("Bruno", NewEditorIdentity());

    ASSERT_EQ(TakeProjectLock(project, anne).result, LockResult::Taken);
    const LockAttempt second = TakeProjectLock(project, bruno);
    EXPECT_EQ(second.result, LockResult::HeldByOther);
    EXPECT_EQ(second.holder, anne);
    EXPECT_EQ(OtherRunningHolder(project, bruno.editor), anne);
    // Bruno closing leaves Anne's lock.
    ReleaseProjectLock(project, bruno.editor);
    EXPECT_EQ(ReadProjectLock(project), anne);
    // Reached through a link, the project has the same lock.
    fs::create_symlink(project, folder.Path() / "lien.vid");
    EXPECT_EQ(OtherRunningHolder(folder.Path() / "lien.vid", bruno.editor), anne);
}

TEST(ProjectLock, AStaleOrBrokenLockIsTakenOverSilently)
{
    TemporaryFolder folder;
    const fs::path project = folder.Path() / "court.vid";
    const LockHolder anne = Holder("Anne", NewEditorIdentity());
    TakeProjectLock(project, Holder("Parti", GoneEditor()));
    EXPECT_TRUE(ReadProjectLock(project));
    EXPECT_FALSE(OtherRunningHolder(project, anne.editor));
    EXPECT_EQ(TakeProjectLock(project, anne).result, LockResult::Taken);
    EXPECT_EQ(ReadProjectLock(project), anne);

    WriteAll(LockFileOf(project), "\x01\x02 pas un verrou");
    EXPECT_FALSE(ReadProjectLock(project));
    EXPECT_EQ(TakeProjectLock(project, anne).result, LockResult::Taken);
    EXPECT_EQ(ReadProjectLock(project), anne);
}

TEST(ProjectLock, ALockThatCannotBeWrittenSaysWhy)
{
    TemporaryFolder folder;
    const fs::path project = folder.Path() / "court.vid";
    fs::create_directory(LockFileOf(project));  // in the way, and no lock
    const LockAttempt attempt = TakeProjectLock(project, Holder("Anne", NewEditorIdentity()));
    EXPECT_EQ(attempt.result, LockResult::NotWritable);
    EXPECT_EQ(attempt.problem, "c'est un dossier");
}

TEST(ProjectLock, AFolderThatTakesNoFileSaysWhy)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes in any folder";
    TemporaryFolder folder;
    const fs::path project = folder.Path() / "court.vid";
    WriteAll(project, "projet");
    fs::permissions(folder.Path(), fs::perms::owner_read | fs::perms::owner_exec);
    const LockAttempt attempt = TakeProjectLock(project, Holder("Anne", NewEditorIdentity()));
    fs::permissions(folder.Path(), fs::perms::owner_all);
    EXPECT_EQ(attempt.result, LockResult::NotWritable);
    EXPECT_FALSE(attempt.problem.empty());
}

TEST(FileChangedSince, ComparesTheBytesNotTheTime)
{
    TemporaryFolder folder;
    const fs::path file = folder.Path() / "court.vid";
    ProjectDocument document;
    document.GenInfo.title = "Court";
    const std::uint64_t saved = SaveProjectWithBackup(document, file, false);
    ProjectDocument read;
    EXPECT_EQ(LoadProject(read, file), saved);
    EXPECT_FALSE(FileChangedSince(file, saved));
    // Rewritten with the same bytes (a copy, a touch): unchanged.
    const std::string bytes = ReadAll(file);
    WriteAll(file, bytes);
    EXPECT_FALSE(FileChangedSince(file, saved));
    // Another editor's save: changed, even with the file time put back.
    const auto time = fs::last_write_time(file);
    document.GenInfo.title = "Court, version de Bruno";
    SaveProject(document, file);
    fs::last_write_time(file, time);
    EXPECT_TRUE(FileChangedSince(file, saved));
    fs::remove(file);
    EXPECT_TRUE(FileChangedSince(file, saved));
}

} // namespace
} // namespace sw
