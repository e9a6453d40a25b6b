// Files that are links, special files and leftovers of interrupted writes.
#include "model/filebytes.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "document/projectfile.h"
#include "model/filefailure.h"
#include "testsupport.h"

namespace sw {
namespace {

namespace fs = std::filesystem;
using test::ErrorOf;
using test::ReadAll;
using test::TemporaryFolder;
using test::WriteAll;

constexpr fs::perms kPrivate = fs::perms::owner_read | fs::perms::owner_write;
constexpr fs::perms kShared = kPrivate | fs::perms::group_read;

fs::perms PermissionsOf(const fs::path& file)
{
    return fs::status(file).permissions() & fs::perms::all;
}

int EntriesOf(const fs::path& folder)
{
    return static_cast<int>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

// The number of a process that ran and is gone.
pid_t FinishedProcess()
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

TEST(FileLinks, AWriteThroughALinkReplacesItsTargetBesideItAndKeepsTheLink)
{
    TemporaryFolder folder;
    const fs::path synced = folder.Path() / "synced";
    const fs::path desk = folder.Path() / "desk";
    fs::create_directories(synced);
    fs::create_directories(desk);
    const fs::path target = synced / "film.vid";
    WriteAll(target, "old");
    fs::permissions(target, kShared);
    // A relative link, reached through a second one.
    const fs::path link = desk / "film.vid";
    fs::create_symlink("../synced/film.vid", link);
    const fs::path second = desk / "raccourci.vid";
    fs::create_symlink(link, second);

    WriteFileAtomically(second, "new", LinkPolicy::WriteThroughLink);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_TRUE(fs::is_symlink(second));
    EXPECT_EQ(ReadAll(target), "new");
    EXPECT_EQ(PermissionsOf(target), kShared);
    EXPECT_TRUE(fs::equivalent(FinalTarget(second), target));
    // Nothing left beside the target or the links.
    EXPECT_EQ(EntriesOf(synced), 1);
    EXPECT_EQ(EntriesOf(desk), 2);

    // A link whose target is not there yet makes it.
    const fs::path dangling = desk / "nouveau.vid";
    fs::create_symlink(synced / "nouveau.vid", dangling);
    WriteFileAtomically(dangling, "first", LinkPolicy::WriteThroughLink);
    EXPECT_TRUE(fs::is_symlink(dangling));
    EXPECT_EQ(ReadAll(synced / "nouveau.vid"), "first");
}

TEST(FileLinks, AProjectSavedThroughALinkKeepsTheLinkAndItsBackup)
{
    TemporaryFolder folder;
    fs::create_directories(folder.Path() / "elsewhere");
    const fs::path target = folder.Path() / "elsewhere" / "film.vid";
    ProjectDocument document;
    document.GenInfo.title = "Un";
    SaveProject(document, target);
    const std::string first = ReadAll(target);
    const fs::path link = folder.Path() / "film.vid";
    fs::create_symlink(target, link);

    document.GenInfo.title = "Deux";
    SaveProjectWithBackup(document, link, true);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadAll(target), ProjectFileBytes(document));
    EXPECT_EQ(ReadAll(BackupFileOf(link)), first);
}

TEST(FileLinks, AReplacedLinkBecomesTheFileAndItsTargetIsLeftAlone)
{
    TemporaryFolder folder;
    const fs::path outside = folder.Path() / "outside.txt";
    WriteAll(outside, "not yours");
    fs::create_directories(folder.Path() / "site");
    const fs::path page = folder.Path() / "site" / "index.html";
    fs::create_symlink(outside, page);
    WriteFileAtomically(page, "<HTML>", LinkPolicy::ReplaceLink);
    EXPECT_FALSE(fs::is_symlink(page));
    EXPECT_EQ(ReadAll(page), "<HTML>");
    EXPECT_EQ(ReadAll(outside), "not yours");
    // Even a link to a folder.
    const fs::path folderLink = folder.Path() / "site" / "menu.htm";
    fs::create_symlink(folder.Path(), folderLink);
    WriteFileAtomically(folderLink, "<MENU>", LinkPolicy::ReplaceLink);
    EXPECT_EQ(ReadAll(folderLink), "<MENU>");
}

TEST(SpecialFiles, APipeADeviceOrAFolderIsRefusedAtOnceWithItsName)
{
    TemporaryFolder folder;
    const fs::path pipe = folder.Path() / "tube.vid";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    // Opening the pipe would wait for a writer that never comes.
    EXPECT_EQ(ErrorOf([&] { ReadFileBytes(pipe); }),
              "Cannot open file \"" + pipe.string() + "\". " + kNotRegularFileReason);
    EXPECT_EQ(ErrorOf([] { ReadFileBytes("/dev/zero"); }),
              std::string("Cannot open file \"/dev/zero\". ") + kNotRegularFileReason);
    std::string bytes;
    EXPECT_EQ(TryReadFileBytes(pipe, bytes).message(), kNotRegularFileReason);
    EXPECT_FALSE(IsRegularFile(pipe));
    EXPECT_FALSE(IsRegularFile("/dev/null"));
    EXPECT_FALSE(IsRegularFile(folder.Path()));

    // A save does not put a file in the pipe's place.
    EXPECT_EQ(ErrorOf([&] { WriteFileAtomically(pipe, "x", LinkPolicy::WriteThroughLink); }),
              "Cannot create file \"" + pipe.string() + "\". " + kNotRegularFileReason);
    EXPECT_TRUE(fs::is_fifo(pipe));

    // The user reads a French sentence that says what the file is.
    ProjectDocument document;
    try {
        RunFileAction(FileAction::OpenProject, pipe, [&] { LoadProject(document, pipe); });
        FAIL() << "no error";
    } catch (const Error& error) {
        EXPECT_TRUE(std::string(error.what()).starts_with(
            "Le fichier « tube.vid » ne peut pas être ouvert : ce n'est pas un fichier ordinaire, "
            "mais un tube, un périphérique ou une prise."))
            << error.what();
    }
    try {
        RunFileAction(FileAction::OpenProject, folder.Path(), [&] { LoadProject(document, folder.Path()); });
        FAIL() << "no error";
    } catch (const Error& error) {
        EXPECT_NE(std::string(error.what()).find("ne peut pas être ouvert : c'est un dossier."), std::string::npos)
            << error.what();
    }
}

TEST(FilePermissions, APrivateFileStaysPrivateAndSoDoesItsBackup)
{
    TemporaryFolder folder;
    const fs::path file = folder.Path() / "secret.vid";
    ProjectDocument document;
    SaveProject(document, file);
    fs::permissions(file, kPrivate);
    document.GenInfo.title = "Encore";
    SaveProjectWithBackup(document, file, true);
    EXPECT_EQ(PermissionsOf(file), kPrivate);
    EXPECT_EQ(PermissionsOf(BackupFileOf(file)), kPrivate);
}

TEST(FileLeftovers, TheTemporaryFilesOfAnInterruptedWriteGoWithTheNextOne)
{
    TemporaryFolder folder;
    const fs::path file = folder.Path() / "film.vid";
    WriteAll(file, "old");
    const pid_t gone = FinishedProcess();
    const fs::path leftover = folder.Path() / (".film.vid." + std::to_string(gone) + "-12345-0.tmp");
    const fs::path running = folder.Path() / (".film.vid." + std::to_string(::getppid()) + "-12345-0.tmp");
    const fs::path other = folder.Path() / (".autre.vid." + std::to_string(gone) + "-12345-0.tmp");
    for (const fs::path& temporary : {leftover, running, other})
        WriteAll(temporary, "half");

    WriteFileAtomically(file, "new", LinkPolicy::WriteThroughLink);
    EXPECT_EQ(ReadAll(file), "new");
    EXPECT_FALSE(fs::exists(leftover));
    // A process still at work keeps its file; another file's leftovers wait for its own write.
    EXPECT_TRUE(fs::exists(running));
    EXPECT_TRUE(fs::exists(other));
    EXPECT_EQ(RemoveLeftoverTemporaryFiles(folder.Path() / "autre.vid"), 1);
    EXPECT_FALSE(fs::exists(other));
}

} // namespace
} // namespace sw
