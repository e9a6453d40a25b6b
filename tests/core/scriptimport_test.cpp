// A new project planned from a screenplay: scenes in order with their
// numbers, headings and synopses, their shots in them, the title and the
// author, each shot with an id and what the import gave it kept;
// --import-script writing it without touching the screenplay, and refusing
// a project file that exists, a format it does not know, and files that are
// no screenplay, each named in the message.

#include "document/scriptimport.h"

#include <gtest/gtest.h>

#include <sstream>
#include <sys/stat.h>

#include "document/projectfile.h"
#include "document/scriptupdate.h"
#include "model/scene.h"
#include "publish/commandline.h"
#include "testsupport.h"

namespace sw {
namespace {

namespace fs = std::filesystem;

const fs::path kParapluie = fs::path(SHOTWEAVE_TEST_DATA_DIR) / "screenplays" / "parapluie.fountain";

struct ImportRun {
    std::optional<int> exitCode;
    std::string out;
    std::string err;
};

ImportRun Import(const std::vector<std::string>& args, const CommandLineTools& tools = {})
{
    std::ostringstream out;
    std::ostringstream err;
    ImportRun run;
    run.exitCode = RunCommandLine(args, out, err, tools);
    run.out = out.str();
    run.err = err.str();
    return run;
}

TEST(ScriptImport, TheProjectHoldsTheScenesAndTheirShotsInOrder)
{
    const ProjectDocument project = ProjectFromScreenplay(ReadFountainFile(kParapluie));
    EXPECT_EQ(project.GenInfo.title, "Le Parapluie");
    EXPECT_EQ(project.GenInfo.creator, "Anne Dupré");
    ASSERT_EQ(project.Scenes.size(), 4u);
    EXPECT_EQ(project.Scenes[1].number, "12A");
    EXPECT_EQ(project.Scenes[1].heading, "EXT. ARRÊT DE BUS - JOUR");
    EXPECT_EQ(project.Scenes[1].synopsis, "Elle attend.");
    ASSERT_EQ(project.EventList.Count(), 5u);
    EXPECT_EQ(project.EventList.Event(0).name, "Le réveil");
    EXPECT_EQ(project.EventList.Event(1).name, "La fenêtre");
    EXPECT_EQ(project.EventList.Event(0).scene, project.Scenes[0].id);
    EXPECT_EQ(project.EventList.Event(1).scene, project.Scenes[0].id);
    EXPECT_EQ(project.EventList.Event(2).scene, project.Scenes[1].id);
    EXPECT_EQ(project.EventList.Event(0).dialogue, "CLAIRE : (bas) Pas aujourd'hui…");
    EXPECT_EQ(project.EventList.Event(0).cam.duration, "00") << "a new shot's duration";
    EXPECT_TRUE(ScenesStayTogether(project.EventList));

    // Each shot has an id, and what the import gave each is kept for a
    // revised screenplay.
    const std::optional<ScriptImportBaseline> baseline = ScriptImportOf(project);
    ASSERT_TRUE(baseline.has_value());
    EXPECT_EQ(baseline->author, "Anne Dupré");
    ASSERT_EQ(baseline->shots.size(), 5u);
    EXPECT_NE(project.EventList.Event(0).id, project.EventList.Event(1).id);
    EXPECT_EQ(baseline->shots[1].shot, project.EventList.Event(1).id);
    EXPECT_EQ(baseline->shots[1].scene, project.Scenes[0].id);
    EXPECT_EQ(baseline->shots[1].name, "La fenêtre");
    EXPECT_EQ(baseline->shots[0].dialogue, project.EventList.Event(0).dialogue);

    // Text before any heading stands in no scene.
    const ProjectDocument prologue = ProjectFromScreenplay(ParseFountain("Noir.\n\nINT. A - JOUR\n\nUn.\n"));
    ASSERT_EQ(prologue.EventList.Count(), 2u);
    EXPECT_EQ(prologue.EventList.Event(0).scene, "");
    EXPECT_EQ(prologue.Scenes.size(), 1u);

    Screenplay huge;
    huge.scenes.push_back({"1", "INT. A", "", std::vector<ScriptShot>(MaxShots + 1)});
    EXPECT_THROW(ProjectFromScreenplay(huge), Error);
}

TEST(ScriptImport, BarsTheProjectFileCannotHoldAreWrittenSoThatItSaves)
{
    // "||||" ends a field of the project file, and so would a last bar.
    const Screenplay screenplay = ParseFountain("Title: A||||B\n\nINT. BAR - NUIT\n\n[[plan: Comptoir |]]\n"
                                                "Un | deux |||| trois |\n\nLÉA\nOui ||||\n\n[[plan: Porte]]\nx | y\n");
    ProjectDocument project = ProjectFromScreenplay(screenplay);
    const TEvent& bar = project.EventList.Event(0);
    EXPECT_EQ(project.GenInfo.title, "A¦¦¦¦B");
    EXPECT_EQ(bar.name, "Comptoir ¦");
    EXPECT_EQ(bar.action, "Un &#124; deux &#124;&#124;&#124;&#124; trois &#124;");
    EXPECT_EQ(bar.dialogue, "LÉA : Oui &#124;&#124;&#124;&#124;");
    EXPECT_EQ(project.EventList.Event(1).action, "x | y") << "a bar the file holds stays";
    ProjectDocument read;
    LoadProjectBytes(read, ProjectFileBytes(project));
    EXPECT_EQ(read.EventList, project.EventList);
    // The update reads the screenplay alike: nothing to change.
    EXPECT_TRUE(UpdateFromScreenplay(project, screenplay).summary.changesNothing);
}

TEST(ScriptImport, TheCommandWritesANewProjectAndLeavesTheScreenplayAlone)
{
    test::TemporaryFolder temp;
    const fs::path script = temp.Path() / "parapluie.fountain";
    fs::copy_file(kParapluie, script);
    const std::string before = test::ReadAll(script);
    const fs::path film = temp.Path() / "film.vid";
    const ImportRun run = Import({"--import-script", script.string(), film.string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, film.string() + "\n");
    EXPECT_EQ(run.err, "shotweave: 4 scènes, 5 plans\n");
    ProjectDocument read;
    LoadProject(read, film);
    EXPECT_EQ(read.Scenes.size(), 4u);
    EXPECT_EQ(read.EventList.Count(), 5u);
    EXPECT_EQ(test::ReadAll(script), before);

    // The project is there now: the same screenplay changes nothing, and
    // nothing is written.
    const std::string written = test::ReadAll(film);
    const ImportRun again = Import({"--import-script", script.string(), film.string()});
    EXPECT_EQ(again.exitCode, 0) << again.err;
    EXPECT_EQ(again.out, "Le scénario ne change rien au projet.\n");
    EXPECT_EQ(test::ReadAll(film), written);
    EXPECT_FALSE(fs::exists(temp.Path() / "film.vid~"));

    // A revision updates it, keeping the previous version beside it.
    const fs::path revised = temp.Path() / "parapluie-v2.fountain";
    std::string text = before;
    const std::size_t heading = text.find("INT.");
    ASSERT_NE(heading, std::string::npos);
    text.insert(heading, "EXT. TOIT - NUIT #99#\n\nLe vent souffle.\n\n");
    test::WriteAll(revised, text);
    const ImportRun update = Import({"--import-script", revised.string(), film.string()});
    ASSERT_EQ(update.exitCode, 0) << update.err;
    EXPECT_NE(update.out.find("1 nouvelle scène (1 plan)"), std::string::npos) << update.out;
    EXPECT_NE(update.out.find("« film.vid~ »"), std::string::npos) << update.out;
    EXPECT_EQ(test::ReadAll(temp.Path() / "film.vid~"), written);
    ProjectDocument updated;
    LoadProject(updated, film);
    EXPECT_EQ(updated.Scenes.size(), 5u);
    EXPECT_EQ(updated.EventList.Count(), 6u);
    EXPECT_EQ(test::ReadAll(revised), text);
}

TEST(ScriptImport, FilesThatAreNoScreenplayAreRefusedByName)
{
    test::TemporaryFolder temp;
    const fs::path binary = temp.Path() / "photo.txt";
    test::WriteAll(binary, std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16));
    const fs::path out = temp.Path() / "film.vid";
    const ImportRun refused = Import({"--import-script", binary.string(), out.string()});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find("« photo.txt » n'est pas un scénario"), std::string::npos) << refused.err;

    const fs::path huge = temp.Path() / "énorme.fountain";
    test::WriteAll(huge, "x");
    fs::resize_file(huge, kMaxScriptFileBytes + 1);
    EXPECT_NE(Import({"--import-script", huge.string(), out.string()}).err.find("« énorme.fountain » ne peut pas être lu"),
              std::string::npos);
    const fs::path pipe = temp.Path() / "tube.fountain";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_NE(Import({"--import-script", pipe.string(), out.string()}).err.find("« tube.fountain » ne peut pas être ouvert"),
              std::string::npos);
    EXPECT_EQ(Import({"--import-script", (temp.Path() / "script.pdf").string(), out.string()}).exitCode, 2);
    EXPECT_EQ(Import({"--import-script", (temp.Path() / "script.fdx").string(), out.string()}).exitCode, 2)
        << "no Final Draft reader given";
    EXPECT_EQ(Import({"--import-script", binary.string()}).exitCode, 2);
    EXPECT_FALSE(fs::exists(out));
    EXPECT_EQ(ScriptFormatOf("a/B.FOUNTAIN"), ScriptFormat::Fountain);
    EXPECT_EQ(ScriptFormatOf("b.Fdx"), ScriptFormat::FinalDraft);
}

} // namespace
} // namespace sw
