// The cut taken back: clips matched to shots by id, else by "N. name", never
// guessed; lengths rounded to whole seconds, halves up; split shots added
// up; the cut's order with the unmatched shots kept after their neighbour;
// the summary the user reads before anything changes; --apply-cut saving
// with a backup, or changing nothing.

#include "timeline/applycut.h"

#include <gtest/gtest.h>

#include <sstream>

#include "document/projectdocument.h"
#include "document/projectfile.h"
#include "document/projectlock.h"
#include "model/editoridentity.h"
#include "publish/commandline.h"
#include "testsupport.h"

namespace sw {
namespace {

namespace fs = std::filesystem;

TEventList FiveShots()
{
    TEventList shots;
    const char* names[] = {"Réveil", "Rue", "Café", "Métro", "Fin"};
    for (int i = 0; i < 5; ++i) {
        TEvent& shot = shots.AddEvent();
        shot.name = names[i];
        shot.cam.duration = std::to_string(i + 2);
        shot.id = i == 4 ? "" : "id-" + std::to_string(i + 1);
    }
    return shots;
}

CutClip Clip(std::string name, std::string id, std::int64_t frames, std::int64_t fps = 25)
{
    return CutClip{std::move(name), std::move(id), frames, fps};
}

std::vector<std::string> NamesOf(const TEventList& shots)
{
    std::vector<std::string> names;
    for (std::size_t i = 0; i < shots.Count(); ++i)
        names.push_back(shots.Event(i).name + "=" + shots.Event(i).cam.duration);
    return names;
}

TEST(ApplyCut, LengthsAreRoundedToTheNearestSecondHalvesUpAndNeverToNothing)
{
    EXPECT_EQ(CutSeconds(Clip("", "", 62, 25)), 2);   // 2.48 s
    EXPECT_EQ(CutSeconds(Clip("", "", 63, 25)), 3);   // 2.52 s
    EXPECT_EQ(CutSeconds(Clip("", "", 5, 2)), 3);     // 2.5 s
    EXPECT_EQ(CutSeconds(Clip("", "", 36, 24)), 2);   // 1.5 s
    EXPECT_EQ(CutSeconds(Clip("", "", 7, 25)), 1);    // 0.28 s: still there
    EXPECT_EQ(CutSeconds(Clip("", "", 120120, 24000)), 5);  // 5.005 s at 23.976
}

TEST(ApplyCut, ClipsMeetTheirShotsByIdThenByNameButNeverAgainstAnId)
{
    const TEventList shots = FiveShots();
    const std::vector<CutClip> clips = {
        Clip("3. Café", "id-1", 100),        // renamed in the cut: its id wins
        Clip("2. Rue", "", 50),              // id dropped by the editing program
        Clip("4. Métro", "id-999", 75),      // an id no shot has: not matched by its name
        Clip("5. Fin", "", 250),             // a shot that never had an id
        Clip("Plan de coupe", "", 30),       // footage of the editor's own
    };
    const CutPlan plan = PlanCut(shots, clips);
    ASSERT_EQ(plan.matches.size(), 3u);
    EXPECT_EQ(plan.matches[0].shot, 0u);
    EXPECT_TRUE(plan.matches[0].byId);
    EXPECT_EQ(plan.matches[0].newDuration, "4");
    EXPECT_EQ(plan.matches[1].shot, 1u);
    EXPECT_FALSE(plan.matches[1].byId);
    EXPECT_EQ(plan.matches[2].shot, 4u);
    EXPECT_EQ(plan.matches[2].newDuration, "10");
    EXPECT_EQ(plan.unmatchedClips, (std::vector<std::size_t>{2, 4}));
    EXPECT_EQ(plan.unmatchedShots, (std::vector<std::size_t>{2, 3}));
}

TEST(ApplyCut, TheCutsOrderKeepsEachUnmatchedShotAfterItsNeighbour)
{
    const TEventList shots = FiveShots();
    // The cut plays Fin, Réveil, Rue; Café followed Rue and Métro followed Café.
    const std::vector<CutClip> clips = {Clip("5. Fin", "", 25), Clip("", "id-1", 75), Clip("", "id-2", 125)};
    const CutPlan plan = PlanCut(shots, clips);
    EXPECT_EQ(plan.cutOrder, (std::vector<std::size_t>{4, 0, 1, 2, 3}));
    EXPECT_EQ(NamesOf(ApplyCut(shots, plan, true)),
              (std::vector<std::string>{"Fin=1", "Réveil=3", "Rue=5", "Café=4", "Métro=5"}));
    EXPECT_EQ(NamesOf(ApplyCut(shots, plan, false)),
              (std::vector<std::string>{"Réveil=3", "Rue=5", "Café=4", "Métro=5", "Fin=1"}));
    EXPECT_EQ(ApplyCut(shots, plan, true).Event(0).id, "") << "ids travel with their shots";
    EXPECT_EQ(ApplyCut(shots, plan, true).Event(1).id, "id-1");
}

TEST(ApplyCut, AShotSplitInTheCutTakesThePiecesTogether)
{
    const TEventList shots = FiveShots();
    const std::vector<CutClip> clips = {Clip("", "id-2", 50), Clip("", "id-1", 25), Clip("2. Rue", "id-2", 62)};
    const CutPlan plan = PlanCut(shots, clips);
    ASSERT_EQ(plan.matches.size(), 2u);
    EXPECT_EQ(plan.matches[0].clips, (std::vector<std::size_t>{0, 2}));
    EXPECT_EQ(plan.matches[0].newDuration, "4");  // 2 s + 2.48 s rounded each
    const std::string summary = CutSummary(shots, clips, plan, true);
    EXPECT_NE(summary.find("2 morceaux dans le montage, additionnés"), std::string::npos) << summary;
}

TEST(ApplyCut, TheSummarySaysEachChangeAndEveryClipAndShotLeftOut)
{
    const TEventList shots = FiveShots();
    const std::vector<CutClip> clips = {Clip("", "id-2", 100), Clip("1. Réveil", "", 50), Clip("Générique", "", 100)};
    const CutPlan plan = PlanCut(shots, clips);
    const std::string summary = CutSummary(shots, clips, plan, true);
    EXPECT_EQ(summary.rfind("2 plans reconnus dans le montage, 1 changement de durée, les plans prennent l'ordre du "
                            "montage.\n",
                            0),
              0u)
        << summary;
    EXPECT_NE(summary.find("• 2. Rue : 3 s → 4 s\n"), std::string::npos);
    EXPECT_NE(summary.find("• 1. Réveil : garde 2 s (reconnu par son nom)\n"), std::string::npos);
    EXPECT_NE(summary.find("Clips du montage sans plan (ignorés) :\n• Générique\n"), std::string::npos);
    EXPECT_NE(summary.find("Plans absents du montage (inchangés) :\n• 3. Café\n• 4. Métro\n• 5. Fin\n"),
              std::string::npos);
}

TEST(ApplyCut, ADurationTypedDifferentlyButEqualIsNoChange)
{
    TEventList shots = FiveShots();
    shots.Event(0).cam.duration = "02";
    const std::vector<CutClip> clips = {Clip("", "id-1", 50), Clip("", "id-2", 75)};
    const CutPlan plan = PlanCut(shots, clips);
    EXPECT_TRUE(plan.ChangesNothing(shots, false));
    EXPECT_EQ(ApplyCut(shots, plan, false).Event(0).cam.duration, "02");
    EXPECT_TRUE(plan.ChangesNothing(shots, true)) << "the cut plays the shots in their order";
    const CutPlan swapped = PlanCut(shots, {Clip("", "id-2", 75), Clip("", "id-1", 50)});
    EXPECT_TRUE(swapped.ChangesNothing(shots, false));
    EXPECT_FALSE(swapped.ChangesNothing(shots, true));
}

struct CutRun {
    std::optional<int> exitCode;
    std::string out;
    std::string err;
};

CutRun RunApplyCut(const std::vector<std::string>& args, const std::vector<CutClip>& clips, int* edlFps = nullptr)
{
    CommandLineTools tools;
    tools.readCut = [&clips, edlFps](const fs::path&, int fps) {
        if (edlFps != nullptr)
            *edlFps = fps;
        return clips;
    };
    std::ostringstream out;
    std::ostringstream err;
    CutRun run;
    run.exitCode = RunCommandLine(args, out, err, tools);
    run.out = out.str();
    run.err = err.str();
    return run;
}

TEST(ApplyCutCommand, SavesTheCutWithABackupAndSaysWhatMatchedNothing)
{
    test::TemporaryFolder temp;
    const fs::path file = temp.Path() / "court.vid";
    ProjectDocument project;
    project.StylePrefs.ApplyAppStyleTable();
    project.EventList = FiveShots();
    SaveProject(project, file);
    const std::string before = test::ReadAll(file);
    const std::string cut = (temp.Path() / "montage.edl").string();

    int fps = 0;
    const CutRun run = RunApplyCut({"--apply-cut", file.string(), cut, "--reorder", "--fps", "24"},
                                   {Clip("", "id-3", 24 * 7, 24), Clip("", "id-1", 24, 24), Clip("Noir", "", 12, 24)},
                                   &fps);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(fps, 24);
    EXPECT_NE(run.out.find("• 3. Café : 4 s → 7 s"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("• Noir"), std::string::npos);
    EXPECT_NE(run.out.find("gardée dans « court.vid~ »"), std::string::npos);
    EXPECT_EQ(test::ReadAll(fs::path(file.string() + "~")), before);
    ProjectDocument saved;
    LoadProject(saved, file);
    EXPECT_EQ(NamesOf(saved.EventList),
              (std::vector<std::string>{"Café=7", "Métro=5", "Fin=6", "Réveil=1", "Rue=3"}));

    int projectFps = 0;
    const std::string applied = test::ReadAll(file);
    const CutRun again = RunApplyCut({"--apply-cut", file.string(), cut}, {Clip("", "id-3", 7 * 25)}, &projectFps);
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_EQ(projectFps, 25) << "an EDL is read at the project's rate";
    EXPECT_NE(again.out.find("déjà à jour"), std::string::npos);
    EXPECT_EQ(test::ReadAll(file), applied);
}

TEST(ApplyCutCommand, NothingIsSavedWhenNothingMatchesOrAnEditorHoldsTheProject)
{
    test::TemporaryFolder temp;
    const fs::path file = temp.Path() / "court.vid";
    ProjectDocument project;
    project.StylePrefs.ApplyAppStyleTable();
    project.EventList = FiveShots();
    SaveProject(project, file);
    const std::string before = test::ReadAll(file);
    const std::string cut = (temp.Path() / "montage.otio").string();

    const CutRun none = RunApplyCut({"--apply-cut", file.string(), cut}, {Clip("Autre film", "x", 50)});
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_NE(none.err.find("Aucun clip de « montage.otio » ne correspond"), std::string::npos) << none.err;

    const LockHolder holder{"léa", NewEditorIdentity(), "2026-12-10T17:00:00"};
    ASSERT_EQ(TakeProjectLock(file, holder).result, LockResult::Taken);
    const CutRun locked = RunApplyCut({"--apply-cut", file.string(), cut}, {Clip("", "id-1", 500)});
    EXPECT_EQ(locked.exitCode, 1);
    EXPECT_NE(locked.err.find("est ouvert dans un éditeur"), std::string::npos) << locked.err;
    ReleaseProjectLock(file, holder.editor);

    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--apply-cut", file.string()}, {"--apply-cut", file.string(), "montage.xml"},
          {"--apply-cut", file.string(), cut, "--captions"}}) {
        EXPECT_EQ(RunApplyCut(args, {}).exitCode, 2) << args.back();
    }
    std::ostringstream out, err;
    EXPECT_EQ(RunCommandLine({"--apply-cut", file.string(), cut}, out, err), 2) << "no timeline reader";
    EXPECT_EQ(test::ReadAll(file), before);
    EXPECT_FALSE(fs::exists(fs::path(file.string() + "~")));
}

} // namespace
} // namespace sw
