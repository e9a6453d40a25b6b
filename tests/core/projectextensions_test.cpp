// The extension block after the style block: absent when there is nothing to
// keep, so that a project's bytes stay as they were; read back with the shot
// ids on their shots through moves and duplicates; entries of a later
// version kept; a broken block read as unknown data, never a refused file.

#include "document/projectextensions.h"

#include <gtest/gtest.h>

#include <string>

#include "document/projectdocument.h"
#include "document/projectfile.h"
#include "model/valuewriter.h"

namespace sw {
namespace {

ProjectDocument ThreeShots()
{
    ProjectDocument project;
    project.StylePrefs.ApplyAppStyleTable();
    for (const char* name : {"un", "deux", "trois"})
        project.EventList.AddEvent().name = name;
    return project;
}

// The block the project's file ends with: its bytes past those of the same
// project without any extension.
std::string BlockOf(const ProjectDocument& project)
{
    ProjectDocument bare = project;
    bare.Extensions.clear();
    for (std::size_t index = 0; index < bare.EventList.Count(); ++index)
        bare.EventList.Event(index).id.clear();
    return ProjectFileBytes(project).substr(ProjectFileBytes(bare).size());
}

ProjectDocument Reloaded(const std::string& bytes)
{
    ProjectDocument project;
    project.StylePrefs.ApplyAppStyleTable();
    LoadProjectBytes(project, bytes);
    return project;
}

TEST(ProjectExtensions, AProjectWithoutAnyWritesNoBlock)
{
    ProjectDocument project = ThreeShots();
    const std::string bytes = ProjectFileBytes(project);
    ValueWriter writer;
    WriteExtensionBlock(writer, project);
    EXPECT_TRUE(writer.Bytes().empty());
    EXPECT_EQ(bytes.find(kExtensionMarker), std::string::npos);
    EXPECT_EQ(Reloaded(bytes).UnknownTrailingBytes, 0u);
}

TEST(ProjectExtensions, ShotIdsComeBackOnTheirShots)
{
    ProjectDocument project = ThreeShots();
    project.EventList.Event(0).id = "a1";
    project.EventList.Event(2).id = "c-3";
    const std::string plain = ProjectFileBytes(ThreeShots());
    const std::string bytes = ProjectFileBytes(project);
    // The file starts as before; the block follows the style block.
    ASSERT_GT(bytes.size(), plain.size());
    EXPECT_EQ(bytes.substr(0, plain.size()), plain);
    const ProjectDocument read = Reloaded(bytes);
    EXPECT_EQ(read.EventList.Event(0).id, "a1");
    EXPECT_EQ(read.EventList.Event(1).id, "");
    EXPECT_EQ(read.EventList.Event(2).id, "c-3");
    EXPECT_EQ(read.UnknownTrailingBytes, 0u);
    EXPECT_TRUE(read.Extensions.empty());
    EXPECT_EQ(BlockOf(read), BlockOf(project));
}

TEST(ProjectExtensions, EntriesOfALaterVersionAreKept)
{
    ProjectDocument project = ThreeShots();
    project.Extensions["fps"] = "25";
    project.Extensions["futur"] = "une valeur accentuée\nsur deux lignes";
    const std::string bytes = ProjectFileBytes(project);
    const ProjectDocument read = Reloaded(bytes);
    EXPECT_EQ(read.Extensions, project.Extensions);
    EXPECT_EQ(BlockOf(read), BlockOf(project));
}

TEST(ProjectExtensions, MalformedOrRepeatedIdsAreDropped)
{
    ValueWriter block;
    block.PutString(kExtensionMarker);
    block.PutInteger(1);
    block.PutListBegin();
    block.PutString(kShotIdsKey);
    block.PutString("x\nx\nnot an id!\nextra");
    block.PutListEnd();
    const ProjectDocument read = Reloaded(ProjectFileBytes(ThreeShots()) + block.Bytes());
    EXPECT_EQ(read.EventList.Event(0).id, "x");
    EXPECT_EQ(read.EventList.Event(1).id, "");
    EXPECT_EQ(read.EventList.Event(2).id, "");
    EXPECT_TRUE(read.Extensions.empty());
    EXPECT_TRUE(IsShotId("A-9"));
    EXPECT_FALSE(IsShotId(""));
    EXPECT_FALSE(IsShotId(std::string(65, 'a')));
    EXPECT_FALSE(IsShotId("é"));
}

TEST(ProjectExtensions, ABrokenBlockIsUnknownDataAndTheProjectStillOpens)
{
    ProjectDocument project = ThreeShots();
    project.EventList.Event(1).id = "b";
    const std::string whole = ProjectFileBytes(project);
    const std::string plain = ProjectFileBytes(ThreeShots());
    // Cut inside the block: what precedes it reads, the rest is told.
    const std::string cut = whole.substr(0, whole.size() - 3);
    const ProjectDocument read = Reloaded(cut);
    EXPECT_EQ(read.EventList.Count(), 3u);
    EXPECT_EQ(read.EventList.Event(1).id, "");
    EXPECT_EQ(read.UnknownTrailingBytes, cut.size() - plain.size());
    // Bytes after a whole block are unknown too, and only they.
    const ProjectDocument longer = Reloaded(whole + "xyz");
    EXPECT_EQ(longer.EventList.Event(1).id, "b");
    EXPECT_EQ(longer.UnknownTrailingBytes, 3u);
    // Another string than the marker is not a block.
    ValueWriter other;
    other.PutString("autre chose");
    EXPECT_EQ(ReadExtensionBlock(other.Bytes(), project), 0u);
}

TEST(ProjectExtensions, LoadingAFileWithoutABlockDropsThePreviousProjectsEntries)
{
    ProjectDocument project = ThreeShots();
    project.Extensions["fps"] = "30";
    LoadProjectBytes(project, ProjectFileBytes(ThreeShots()));
    EXPECT_TRUE(project.Extensions.empty());
}

} // namespace
} // namespace sw
