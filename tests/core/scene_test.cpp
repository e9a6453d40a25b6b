// The film's scenes: the runs of shots in the shot order, a scene's shots
// kept together, the scenes and the shots' scenes as texts and back, and
// their place in the project file, absent for a project without scenes.

#include "model/scene.h"

#include <gtest/gtest.h>

#include "document/projectdocument.h"
#include "document/projectfile.h"
#include "model/eventlist.h"
#include "model/sceneplan.h"
#include "model/shotentry.h"

namespace sw {
namespace {

TEventList ShotsIn(std::initializer_list<const char*> scenes)
{
    TEventList shots;
    for (const char* scene : scenes)
        shots.AddEvent().scene = scene;
    return shots;
}

std::vector<TScene> TwoScenes()
{
    return {{"scene-1", "1", "INT. CUISINE - JOUR", "Claire se lève.\r\nElle a froid.", false},
            {"scene-2", "12A", "EXT. ARRÊT\tDE BUS \\ NUIT", "", true}};
}

std::vector<std::string> ScenesOf(const TEventList& shots)
{
    std::vector<std::string> scenes;
    for (std::size_t i = 0; i < shots.Count(); ++i)
        scenes.push_back(shots.Event(i).scene);
    return scenes;
}

TEST(Scenes, RunsFollowTheShotOrder)
{
    const TEventList shots = ShotsIn({"", "scene-1", "scene-1", "scene-2", ""});
    EXPECT_EQ(SceneRuns(shots), (std::vector<SceneRun>{{"", 0, 1}, {"scene-1", 1, 2}, {"scene-2", 3, 1}, {"", 4, 1}}));
    EXPECT_TRUE(ScenesStayTogether(shots));
    EXPECT_FALSE(ScenesStayTogether(ShotsIn({"scene-1", "scene-2", "scene-1"})));
    EXPECT_TRUE(SceneRuns(TEventList()).empty());
}

TEST(Scenes, GroupsFollowTheRunsWithTheirScenesAndRunningTimes)
{
    const std::vector<TScene> scenes = TwoScenes();
    TEventList shots = ShotsIn({"scene-1", "scene-1", "", "scene-2", "scene-9"});
    const char* durations[] = {"65", "10", "7", "x", "3"};
    for (std::size_t i = 0; i < shots.Count(); ++i)
        shots.Event(i).cam.duration = durations[i];
    const std::vector<SceneGroup> groups = SceneGroups(shots, scenes);
    ASSERT_EQ(groups.size(), 4u);
    EXPECT_EQ(groups[0].scene, &scenes[0]);
    EXPECT_EQ(groups[0].count, 2u);
    EXPECT_EQ(groups[0].seconds, 75u);
    EXPECT_EQ(groups[1].scene, nullptr);
    EXPECT_EQ(groups[2].scene, &scenes[1]);
    EXPECT_EQ(groups[2].seconds, 0u) << "a duration that is no number counts nothing";
    EXPECT_EQ(groups[3].scene, nullptr) << "a scene the project does not hold is none";
    EXPECT_EQ(groups[3].first, 4u);

    EXPECT_EQ(SceneTitle(&scenes[0]), "1. INT. CUISINE - JOUR");
    EXPECT_EQ(SceneTitle(&scenes[1]), "12A. EXT. ARRÊT\tDE BUS \\ NUIT (omise)");
    const TScene bare{"scene-3", "4", "", "", false};
    EXPECT_EQ(SceneTitle(&bare), "Scène 4");
    EXPECT_EQ(SceneTitle(nullptr), "Sans scène");
}

TEST(Scenes, StrayShotsLeaveTheirSceneAndNoneMoves)
{
    TEventList shots = ShotsIn({"scene-1", "scene-2", "scene-1", "scene-9", "scene-2"});
    EXPECT_EQ(DetachStrayShots(shots, TwoScenes()), 3u);
    EXPECT_EQ(ScenesOf(shots), (std::vector<std::string>{"scene-1", "scene-2", "", "", ""}));
    EXPECT_TRUE(ScenesStayTogether(shots));
}

TEST(Scenes, TextsComeBackWithTheirTabsLineBreaksAndBackslashes)
{
    const std::vector<TScene> scenes = TwoScenes();
    EXPECT_EQ(ScenesFromText(ScenesText(scenes)), scenes);
    EXPECT_EQ(ScenesText(scenes).find('\t', 0), 7u) << "one line per scene, fields by tabs";
    // A line that is no scene, and an id given twice, are dropped.
    EXPECT_EQ(ScenesFromText(ScenesText(scenes) + "\nbroken line\nscene-1\t9\tX\t\t\n\t1\tY\t\t"), scenes);
    EXPECT_TRUE(ScenesFromText("").empty());
    EXPECT_EQ(NewSceneId(scenes), "scene-3");
    EXPECT_EQ(NewSceneId({{"scene-3", "", "", "", false}}), "scene-2");
    EXPECT_EQ(SceneIndex(scenes, "scene-2"), 1u);
    EXPECT_EQ(SceneIndex(scenes, "x"), 2u);

    TEventList shots = ShotsIn({"scene-1", "scene-1", "", "scene-2"});
    TEventList read = ShotsIn({"x", "x", "x", "x", "x"});
    TakeShotScenes(ShotScenesText(shots), read, scenes);
    EXPECT_EQ(ScenesOf(read), (std::vector<std::string>{"scene-1", "scene-1", "", "scene-2", ""}));
    TakeShotScenes("scene-1\nscene-7\nscene-1", read, scenes);
    EXPECT_EQ(ScenesOf(read), (std::vector<std::string>{"scene-1", "", "", "", ""})) << "unknown, then stray";
}

TEST(Scenes, TheProjectFileKeepsThemAndAProjectWithoutAnyKeepsItsBytes)
{
    ProjectDocument project;
    project.StylePrefs.ApplyAppStyleTable();
    for (const char* scene : {"scene-1", "scene-1", "", "scene-2"})
        project.EventList.AddEvent().scene = scene;
    ProjectDocument plain = project;
    for (std::size_t i = 0; i < plain.EventList.Count(); ++i)
        plain.EventList.Event(i).scene.clear();
    const std::string plainBytes = ProjectFileBytes(plain);

    project.Scenes = TwoScenes();
    const std::string bytes = ProjectFileBytes(project);
    EXPECT_EQ(bytes.compare(0, plainBytes.size(), plainBytes), 0) << "the scenes come after what was there";
    ProjectDocument read;
    read.Scenes = {{"scene-9", "9", "old", "", false}};
    LoadProjectBytes(read, bytes);
    EXPECT_EQ(read.Scenes, project.Scenes);
    EXPECT_EQ(ScenesOf(read.EventList), ScenesOf(project.EventList));
    EXPECT_TRUE(ProjectFileBytes(read).ends_with(bytes.substr(plainBytes.size()))) << "saved again, the same block";

    LoadProjectBytes(read, plainBytes);
    EXPECT_TRUE(read.Scenes.empty()) << "the scenes of the project read before are gone";
    EXPECT_EQ(ProjectFileBytes(read).find("Shotweave extensions"), std::string::npos);
}

TEST(ScenePlan, AShotPutOrMovedNeverSplitsAScene)
{
    const TEventList shots = ShotsIn({"scene-1", "scene-1", "", "scene-2"});
    EXPECT_EQ(SceneForPlace(shots, 1, "scene-2"), "scene-1") << "between two shots of one scene";
    EXPECT_EQ(SceneForPlace(shots, 1, ""), "scene-1");
    EXPECT_EQ(SceneForPlace(shots, 2, "scene-1"), "scene-1") << "at the end of its run";
    EXPECT_EQ(SceneForPlace(shots, 2, "scene-2"), "") << "away from its run";
    EXPECT_EQ(SceneForPlace(shots, 3, "scene-2"), "scene-2") << "before its run";
    EXPECT_EQ(SceneForPlace(shots, 4, "scene-2"), "scene-2") << "at the end of the list";
    EXPECT_EQ(SceneForPlace(shots, 0, "scene-3"), "scene-3") << "a scene without shots starts its run anywhere";
    EXPECT_EQ(SceneForPlace(shots, 2, ""), "");

    // Moving: the shot's own place does not count.
    const TEventList lone = ShotsIn({"scene-1", "scene-2", "scene-1"});
    EXPECT_EQ(SceneForPlace(lone, 0, "scene-2", 1), "scene-2") << "its only shot goes anywhere with it";
    EXPECT_EQ(SceneForPlace(lone, 1, "scene-1", 0), "scene-1");
    const TEventList run = ShotsIn({"scene-1", "scene-1", "scene-2", "scene-2"});
    EXPECT_EQ(SceneForPlace(run, 2, "scene-1", 0), "scene-2") << "dropped between two shots of scene 2";
    EXPECT_EQ(SceneForPlace(run, 3, "scene-1", 0), "") << "after scene 2, away from its own";
    EXPECT_EQ(SceneForPlace(run, 2, "scene-2", 3), "scene-2");
    EXPECT_EQ(SceneForPlace(run, 0, "scene-2", 3), "") << "moved away from its scene's other shot";
}

TEST(ScenePlan, ScenesFollowTheirShotsAndEmptyOnesStayWithTheirNeighbour)
{
    std::vector<TScene> scenes = {{"a", "1", "A", "", false}, {"b", "2", "B", "", false},
                                  {"e", "3", "E", "", false}, {"c", "4", "C", "", false}};
    OrderScenesByShots(scenes, ShotsIn({"c", "a", "", "b"}));
    std::vector<std::string> order;
    for (const TScene& scene : scenes)
        order.push_back(scene.id);
    EXPECT_EQ(order, (std::vector<std::string>{"c", "a", "b", "e"}));
}

TEST(ScenePlan, TheListShowsEachRunUnderItsHeaderAndEmptyScenesInPlace)
{
    using Kind = ShotListRow::Kind;
    const std::vector<TScene> scenes = {{"a", "1", "A", "", false}, {"e", "2", "E", "", false}, {"b", "3", "B", "", false},
                                        {"z", "4", "Z", "", false}};
    TEventList shots = ShotsIn({"a", "a", "", "b"});
    shots.Event(0).cam.duration = "70";
    shots.Event(1).cam.duration = "5";
    const std::vector<ShotListRow> rows = ShotListRows(shots, scenes);
    const std::vector<ShotListRow> expected = {
        {Kind::Header, 0, 0, 2, 75}, {Kind::Shot, 0, 0, 0, 0}, {Kind::Shot, 0, 1, 0, 0},
        {Kind::Header, 4, 2, 1, 0},  {Kind::Shot, 4, 2, 0, 0},                            // the shots of none
        {Kind::Header, 1, 3, 0, 0},                                                      // empty, before b
        {Kind::Header, 2, 3, 1, 0},  {Kind::Shot, 2, 3, 0, 0}, {Kind::Header, 3, 4, 0, 0}, // empty, at the end
    };
    EXPECT_EQ(rows, expected);
    EXPECT_EQ(ShotListRows(ShotsIn({"", ""}), {}).size(), 2u) << "no headers without scenes";
    EXPECT_EQ(SceneHeaderText(&scenes[0], 2, 75), "1. A — 1m. 15s.");
    EXPECT_EQ(SceneHeaderText(&scenes[1], 0, 0), "2. E — aucun plan");
}

TEST(ScenePlan, TheFilterFindsAHeadingWhateverItsAccentsAndCase)
{
    const TScene scene{"a", "12A", "EXT. ARRÊT DE BUS - NUIT", "", false};
    EXPECT_TRUE(SceneMatchesFilter(scene, "arret"));
    EXPECT_TRUE(SceneMatchesFilter(scene, "12a"));
    EXPECT_TRUE(SceneMatchesFilter(scene, "  "));
    EXPECT_FALSE(SceneMatchesFilter(scene, "cuisine"));
}

} // namespace
} // namespace sw
