#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "document/projectdocument.h"
#include "document/projectfile.h"
#include "export/printlimits.h"
#include "export/shotlistcsv.h"
#include "model/valuewriter.h"
#include "publish/commandline.h"
#include "timeline/animaticsettings.h"
#include "testsupport.h"

namespace {

namespace fs = std::filesystem;

using sw::test::ReadAll;
using sw::test::TemporaryFolder;
using sw::test::WriteAll;

struct Outcome {
    std::optional<int> exitCode;
    std::string out;
    std::string err;
};

Outcome RunWithTools(const std::vector<std::string>& args, const sw::CommandLineTools& tools)
{
    std::ostringstream out;
    std::ostringstream err;
    Outcome run;
    run.exitCode = sw::RunCommandLine(args, out, err, tools);
    run.out = out.str();
    run.err = err.str();
    return run;
}

Outcome RunWith(const std::vector<std::string>& args, const sw::PlanPdfWriter& writePdf = {})
{
    std::ostringstream out;
    std::ostringstream err;
    Outcome run;
    run.exitCode = sw::RunCommandLine(args, out, err, {writePdf, {}, {}, {}, {}, {}});
    run.out = out.str();
    run.err = err.str();
    return run;
}

sw::ProjectDocument SampleProject()
{
    sw::ProjectDocument project;
    project.StylePrefs.ApplyAppStyleTable();
    project.GenInfo.title = "Été";  // "Été" in Windows-1252
    project.GenInfo.creator = "Marie\r\nPaul";
    project.GenInfo.idea = "Une idée.";
    for (const char* name : {"Ouverture", "Rue", "Fin"}) {
        sw::TEvent& shot = project.EventList.AddEvent();
        shot.name = name;
        shot.action = "Elle marche.";
        shot.cam.duration = "5";
    }
    project.EventList.Event(1).cam.startImage = "rue.jpg";
    return project;
}

const std::vector<std::string> kScriptModeFiles = {
    "index.html", "menu.htm",    "main.htm",   "pIndex.htm",   "pMenu.htm",  "pMain.htm",
    "synops.htm", "action.htm",  "ActDec.htm", "storyBrd.htm", "sRp.htm",    "vStyle.css",
    "vScript.js"};

TEST(CommandLineTest, HelpVersionAndEditorArguments)
{
    const Outcome help = RunWith({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    // In French, with the options' names as they are.
    EXPECT_EQ(help.out.rfind("Utilisation : shotweave [PROJET.vid]\n", 0), 0u);
    for (const char* option : {"--publish PROJET.vid", "--pdf PROJET.vid SORTIE.pdf", "--grid", "--paper",
                               "--csv PROJET.vid SORTIE.csv", "--help", "--version"})
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
    for (const char* english : {"Usage", " show ", " write ", " and quit", " the "})
        EXPECT_EQ(help.out.find(english), std::string::npos) << english;
    const Outcome version = RunWith({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, std::string("shotweave ") + SHOTWEAVE_VERSION + "\n");
    const Outcome unknown = RunWith({"--frobnicate"});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_EQ(unknown.err.rfind("shotweave: option inconnue : --frobnicate\nUtilisation : ", 0), 0u);
    EXPECT_FALSE(RunWith({}).exitCode.has_value());
    EXPECT_FALSE(RunWith({"court.vid"}).exitCode.has_value()) << "a project file alone starts the editor";
    const Outcome missing = RunWith({"--publish"});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_TRUE(missing.out.empty());
    EXPECT_EQ(RunWith({"--publish", "a.vid", "b.vid"}).exitCode, 2);
}

TEST(CommandLineTest, PublishWritesTheSiteBesideTheFileAndLeavesTheFileAlone)
{
    TemporaryFolder temp;
    const fs::path folder = temp.Path() / "my.films";
    fs::create_directories(folder);
    const fs::path file = folder / "court.vid";
    sw::ProjectDocument project = SampleProject();
    sw::SaveProject(project, file);
    const std::string before = ReadAll(file);

    const Outcome first = RunWith({"--publish", file.string()});
    ASSERT_EQ(first.exitCode, 0) << first.err;
    const fs::path site = folder / "court";
    EXPECT_EQ(first.out, "Le film court.vid est maintenant publié dans le dossier " + site.string() + "/.\n");
    EXPECT_EQ(first.err, "Le répertoire " + site.string() + " vient d'être créé.\n");
    EXPECT_TRUE(fs::is_directory(site / "img"));
    for (const std::string& name : kScriptModeFiles)
        EXPECT_TRUE(fs::is_regular_file(site / name)) << name;
    EXPECT_FALSE(fs::exists(site / "plans.htm"));
    EXPECT_EQ(ReadAll(file), before);

    // Texts reach the pages in Windows-1252.
    const std::string synopsis = ReadAll(site / "synops.htm");
    EXPECT_NE(synopsis.find("<TITLE>\xC9t\xE9</TITLE>"), std::string::npos);
    EXPECT_NE(synopsis.find("<H3>&Eacute;t&eacute;</H3>"), std::string::npos);
    EXPECT_NE(ReadAll(site / "vScript.js").find("p[1].pict= \"rue.jpg\""), std::string::npos);

    const Outcome second = RunWith({"--publish", file.string()});
    EXPECT_EQ(second.exitCode, 0);
    EXPECT_TRUE(second.err.empty()) << "existing folders are not announced again";
    EXPECT_EQ(ReadAll(file), before);
}

TEST(CommandLineTest, RelativePathAndDotsInTheName)
{
    TemporaryFolder temp;
    sw::ProjectDocument project = SampleProject();
    project.HTMPrefs.pageSpecs.noJSPlan = true;
    sw::SaveProject(project, temp.Path() / "mon.film.vid");
    const fs::path previous = fs::current_path();
    fs::current_path(temp.Path());
    const Outcome run = RunWith({"--publish", "mon.film.vid"});
    fs::current_path(previous);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const fs::path site = fs::absolute(temp.Path() / "mon");
    EXPECT_EQ(run.out, "Le film mon.film.vid est maintenant publié dans le dossier " + site.string() + "/.\n");
    EXPECT_TRUE(fs::is_regular_file(site / "plans.htm"));
    EXPECT_FALSE(fs::exists(site / "pMain.htm"));
}

TEST(CommandLineTest, FileWithoutLayoutBlockTakesTheDefaults)
{
    TemporaryFolder temp;
    sw::ProjectDocument project = SampleProject();
    // A version-1 file: general information, shots and the style block only.
    sw::ValueWriter writer;
    writer.PutInteger(1);
    writer.PutString(project.GenInfo.ToText());
    project.EventList.SaveToWriter(writer);
    project.StylePrefs.SaveToWriter(writer);
    const fs::path file = temp.Path() / "ancien.vid";
    WriteAll(file, writer.Bytes());

    const Outcome run = RunWith({"--publish", file.string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const fs::path site = temp.Path() / "ancien";
    for (const std::string& name : kScriptModeFiles)
        EXPECT_TRUE(fs::is_regular_file(site / name)) << name;
    const std::string frameset = ReadAll(site / "index.html");
    EXPECT_NE(frameset.find("ROWS=\"*,20\""), std::string::npos);
    EXPECT_EQ(ReadAll(file), writer.Bytes());
}

TEST(CommandLineTest, FailuresExitNonZeroAndChangeNothing)
{
    TemporaryFolder temp;
    const Outcome absent = RunWith({"--publish", (temp.Path() / "absent.vid").string()});
    EXPECT_EQ(absent.exitCode, 1);
    EXPECT_TRUE(absent.out.empty());
    EXPECT_NE(absent.err.find("absent.vid"), std::string::npos);
    EXPECT_FALSE(fs::exists(temp.Path() / "absent"));

    const fs::path broken = temp.Path() / "casse.vid";
    const std::string garbage = "\x02\x07not a project";
    WriteAll(broken, garbage);
    const Outcome unreadable = RunWith({"--publish", broken.string()});
    EXPECT_EQ(unreadable.exitCode, 1);
    EXPECT_TRUE(unreadable.out.empty());
    EXPECT_FALSE(unreadable.err.empty());
    EXPECT_EQ(ReadAll(broken), garbage);
    EXPECT_FALSE(fs::exists(temp.Path() / "casse")) << "no site folder for a file that cannot be read";

    // A file where the site folder should be.
    sw::ProjectDocument project = SampleProject();
    const fs::path file = temp.Path() / "court.vid";
    sw::SaveProject(project, file);
    const std::string before = ReadAll(file);
    WriteAll(temp.Path() / "court", "x");
    const Outcome blocked = RunWith({"--publish", file.string()});
    EXPECT_EQ(blocked.exitCode, 1);
    EXPECT_TRUE(blocked.out.empty());
    EXPECT_NE(blocked.err.find((temp.Path() / "court").string()), std::string::npos) << blocked.err;
    EXPECT_EQ(ReadAll(file), before);

    const Outcome folder = RunWith({"--publish", temp.Path().string()});
    EXPECT_EQ(folder.exitCode, 1);

    // Without a dot the site folder would be the project file itself.
    const fs::path bare = temp.Path() / "sansextension";
    sw::SaveProject(project, bare);
    const std::string bareBytes = ReadAll(bare);
    const Outcome noExtension = RunWith({"--publish", bare.string()});
    EXPECT_EQ(noExtension.exitCode, 1);
    EXPECT_TRUE(noExtension.out.empty());
    EXPECT_EQ(ReadAll(bare), bareBytes);
}

// ---------------------------------------------------------------- exports

// What the PDF drawing was handed, in place of the drawing the program passes in.
struct PdfCall {
    int calls = 0;
    fs::path pdfFile;
    fs::path imgDir;
    std::string title;
    sw::PlanOptions options;
};

sw::PlanPdfWriter RecordingWriter(PdfCall& call)
{
    return [&call](const fs::path& pdfFile, const sw::ProjectDocument& project, const fs::path& imgDir,
                   const sw::PlanOptions& options) {
        ++call.calls;
        call.pdfFile = pdfFile;
        call.imgDir = imgDir;
        call.title = project.GenInfo.title;
        call.options = options;
    };
}

TEST(CommandLineExportTest, CsvWritesTheShotListOfTheFileAndLeavesTheFileAlone)
{
    TemporaryFolder temp;
    const fs::path file = temp.Path() / "court.vid";
    sw::ProjectDocument project = SampleProject();
    sw::SaveProject(project, file);
    const std::string before = ReadAll(file);

    const fs::path csv = temp.Path() / "plan.csv";
    const Outcome run = RunWith({"--csv", file.string(), csv.string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, csv.string() + "\n");
    sw::ProjectDocument loaded;
    sw::LoadProject(loaded, file);
    EXPECT_EQ(ReadAll(csv), sw::ShotListCsv(loaded));
    EXPECT_NE(ReadAll(csv).find("Ouverture"), std::string::npos);
    EXPECT_EQ(ReadAll(file), before);
    EXPECT_FALSE(fs::exists(temp.Path() / "court")) << "an export creates no site folder";
}

TEST(CommandLineExportTest, PdfHandsTheProjectItsPicturesAndTheChosenGridAndPaperToTheDrawing)
{
    TemporaryFolder temp;
    const fs::path file = temp.Path() / "court.vid";
    sw::ProjectDocument project = SampleProject();
    sw::SaveProject(project, file);
    const std::string before = ReadAll(file);

    PdfCall every;
    const fs::path pdf = temp.Path() / "plan.pdf";
    ASSERT_EQ(RunWith({"--pdf", file.string(), pdf.string()}, RecordingWriter(every)).exitCode, 0);
    EXPECT_EQ(every.calls, 1);
    EXPECT_EQ(every.pdfFile, pdf);
    EXPECT_EQ(every.imgDir, temp.Path() / "court" / "img");
    EXPECT_EQ(every.title, project.GenInfo.title);
    EXPECT_EQ(every.options, sw::PlanOptions()) << "every part, 2 x 3, A4";

    PdfCall chosen;
    const Outcome run = RunWith({"--pdf", "--paper", "letter", file.string(), pdf.string(), "--grid", "3x4"},
                                RecordingWriter(chosen));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(chosen.options.grid, (sw::PanelGrid{3, 4}));
    EXPECT_EQ(chosen.options.paper, sw::PlanPaper::Letter);
    EXPECT_TRUE(chosen.options.firstPage && chosen.options.continuity && chosen.options.breakdown
                && chosen.options.storyboard);
    EXPECT_EQ(ReadAll(file), before);
}

TEST(CommandLineExportTest, ATextTooLongForThePlanIsCutAndSaid)
{
    TemporaryFolder temp;
    const fs::path file = temp.Path() / "long.vid";
    sw::ProjectDocument project = SampleProject();
    project.EventList.Event(1).action = std::string(3'000'000, 'a');
    sw::SaveProject(project, file);

    std::string printedAction;
    const sw::PlanPdfWriter writer = [&printedAction](const fs::path&, const sw::ProjectDocument& printed,
                                                      const fs::path&, const sw::PlanOptions&) {
        printedAction = printed.EventList.Event(1).action;
    };
    const Outcome run = RunWith({"--pdf", file.string(), (temp.Path() / "plan.pdf").string()}, writer);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "shotweave: attention : L'action du plan 2 est trop long pour le plan imprimé : il est coupé "
                       "après 999\u00A0900 de ses 3\u00A0000\u00A0000 caractères.\n");
    EXPECT_LT(printedAction.size(), sw::kMaxPrintedCharacters);
    EXPECT_TRUE(printedAction.ends_with("\n[… texte coupé : 2\u00A0000\u00A0100 caractères]")) << printedAction.substr(999'000);
    // The CSV holds the data whole.
    const fs::path csv = temp.Path() / "plan.csv";
    ASSERT_EQ(RunWith({"--csv", file.string(), csv.string()}).exitCode, 0);
    EXPECT_NE(ReadAll(csv).find(std::string(3'000'000, 'a')), std::string::npos);
}

TEST(CommandLineExportTest, DataOfALaterVersionIsToldAndIgnored)
{
    TemporaryFolder temp;
    const fs::path file = temp.Path() / "futur.vid";
    sw::ProjectDocument project = SampleProject();
    sw::SaveProject(project, file);
    WriteAll(file, ReadAll(file) + std::string("\x14\x05\x00\x00\x00" "futur", 10));
    const Outcome run = RunWith({"--csv", file.string(), (temp.Path() / "plan.csv").string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "Le fichier « futur.vid » se termine par 10 octets que cette version de Shotweave ne connaît "
                       "pas : ils sont ignorés, et un enregistrement les supprimera.\n");
    sw::ProjectDocument loaded;
    sw::LoadProject(loaded, file);
    EXPECT_EQ(loaded.UnknownTrailingBytes, 10u);
    EXPECT_EQ(loaded.EventList.Count(), 3u);
    sw::SaveProject(loaded, file);
    EXPECT_EQ(loaded.UnknownTrailingBytes, 0u);
    sw::ProjectDocument again;
    sw::LoadProject(again, file);
    EXPECT_EQ(again.UnknownTrailingBytes, 0u);
}

TEST(CommandLineExportTest, BadUsageExitsTwoAndErrorsExitOneWritingNothing)
{
    TemporaryFolder temp;
    const fs::path file = temp.Path() / "court.vid";
    sw::ProjectDocument project = SampleProject();
    sw::SaveProject(project, file);
    const std::string before = ReadAll(file);
    const std::string out = (temp.Path() / "out").string();

    PdfCall call;
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--csv", file.string()}, {"--pdf", file.string()},
          {"--csv", file.string(), out, "extra"}, {"--pdf", file.string(), out, "--grid", "5x5"},
          {"--pdf", file.string(), out, "--paper", "a3"}, {"--pdf", file.string(), out, "--grid"},
          {"--csv", file.string(), out, "--grid", "2x2"}, {"--csv", "", out}}) {
        const Outcome run = RunWith(args, RecordingWriter(call));
        EXPECT_EQ(run.exitCode, 2) << args.size() << " " << args.back();
        EXPECT_TRUE(run.out.empty());
        EXPECT_NE(run.err.find("Utilisation : "), std::string::npos);
    }
    EXPECT_EQ(call.calls, 0);
    EXPECT_EQ(RunWith({"--pdf", file.string(), out}).exitCode, 2) << "no drawing, no PDF";

    const Outcome absent = RunWith({"--csv", (temp.Path() / "absent.vid").string(), out});
    EXPECT_EQ(absent.exitCode, 1);
    EXPECT_NE(absent.err.find("absent.vid"), std::string::npos);

    const Outcome unwritable = RunWith({"--csv", file.string(), (temp.Path() / "nul" / "part.csv").string()});
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_NE(unwritable.err.find("Le fichier « part.csv » ne peut pas être écrit : "), std::string::npos)
        << unwritable.err;

    for (const char* mode : {"--csv", "--pdf"}) {
        const Outcome overProject = RunWith({mode, file.string(), file.string()}, RecordingWriter(call));
        EXPECT_EQ(overProject.exitCode, 1) << mode;
        EXPECT_NE(overProject.err.find("court.vid"), std::string::npos);
    }
    EXPECT_EQ(call.calls, 0);

    const sw::PlanPdfWriter failing = [](const fs::path&, const sw::ProjectDocument&, const fs::path&,
                                         const sw::PlanOptions&) { throw sw::Error("plus de place"); };
    const Outcome failed = RunWith({"--pdf", file.string(), out}, failing);
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_EQ(failed.err, "shotweave: plus de place\n");
    EXPECT_TRUE(failed.out.empty());

    EXPECT_FALSE(fs::exists(out));
    EXPECT_EQ(ReadAll(file), before);
}

struct VideoCall {
    int calls = 0;
    fs::path videoFile;
    fs::path imgDir;
    std::size_t shots = 0;
    sw::VideoOptions options;
};

sw::CommandLineTools VideoTools(VideoCall& call)
{
    sw::CommandLineTools tools;
    tools.writeAnimatic = [&call](const fs::path& videoFile, const sw::ProjectDocument& project, const fs::path& imgDir,
                                  const sw::VideoOptions& options) {
        ++call.calls;
        call.videoFile = videoFile;
        call.imgDir = imgDir;
        call.shots = project.EventList.Count();
        call.options = options;
    };
    return tools;
}

TEST(CommandLineExportTest, AnimaticTakesTheProjectsRateAndSoundtrackUnlessTheOptionsGiveOthers)
{
    TemporaryFolder temp;
    const fs::path file = temp.Path() / "court.vid";
    const fs::path soundtrack = temp.Path() / "musique temporaire.ogg";
    WriteAll(soundtrack, "OggS");
    sw::ProjectDocument project = SampleProject();
    sw::StoreAnimaticSettings(project, {30, 2, 8, soundtrack.string()});
    sw::SaveProject(project, file);
    const std::string before = ReadAll(file);
    const fs::path video = temp.Path() / "animatique.mp4";

    VideoCall plain;
    const Outcome run = RunWithTools({"--animatic", file.string(), video.string()}, VideoTools(plain));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, video.string() + "\n");
    EXPECT_EQ(plain.calls, 1);
    EXPECT_EQ(plain.videoFile, video);
    EXPECT_EQ(plain.imgDir, temp.Path() / "court" / "img");
    EXPECT_EQ(plain.shots, 3u);
    EXPECT_EQ(plain.options.fps, 30);
    EXPECT_EQ(plain.options.width, 1920);
    EXPECT_EQ(plain.options.height, 1080);
    EXPECT_EQ(plain.options.audio, soundtrack);
    EXPECT_FALSE(plain.options.captions);

    VideoCall chosen;
    const fs::path other = temp.Path() / "autre.wav";
    ASSERT_EQ(RunWithTools({"--animatic", "--fps", "24", file.string(), video.string(), "--size", "1280x720",
                            "--audio", other.string(), "--captions"},
                           VideoTools(chosen))
                  .exitCode,
              0);
    EXPECT_EQ(chosen.options.fps, 24);
    EXPECT_EQ(chosen.options.width, 1280);
    EXPECT_EQ(chosen.options.height, 720);
    EXPECT_EQ(chosen.options.audio, other);
    EXPECT_TRUE(chosen.options.captions);

    // A soundtrack of another machine: the video is silent, and that is said.
    fs::remove(soundtrack);
    VideoCall silent;
    const Outcome mute = RunWithTools({"--animatic", file.string(), video.string()}, VideoTools(silent));
    EXPECT_EQ(mute.exitCode, 0);
    EXPECT_TRUE(silent.options.audio.empty());
    EXPECT_NE(mute.err.find("musique temporaire.ogg, est introuvable"), std::string::npos) << mute.err;
    EXPECT_EQ(ReadAll(file), before);
}

TEST(CommandLineExportTest, AnimaticRefusesWrongOptionsAndAProgramWithoutAnEncoder)
{
    TemporaryFolder temp;
    const fs::path file = temp.Path() / "court.vid";
    sw::ProjectDocument project = SampleProject();
    sw::SaveProject(project, file);
    const std::string out = (temp.Path() / "a.mp4").string();
    VideoCall call;
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--animatic", file.string(), out, "--fps", "60"},
          {"--animatic", file.string(), out, "--size", "1279x720"}, {"--animatic", file.string(), out, "--audio"},
          {"--animatic", file.string(), out, "--grid", "2x2"}, {"--animatic", file.string()},
          {"--csv", file.string(), out, "--captions"}}) {
        const Outcome run = RunWithTools(args, VideoTools(call));
        EXPECT_EQ(run.exitCode, 2) << args.back();
        EXPECT_NE(run.err.find("Utilisation : "), std::string::npos);
    }
    EXPECT_EQ(call.calls, 0);
    const Outcome noEncoder = RunWith({"--animatic", file.string(), out});
    EXPECT_EQ(noEncoder.exitCode, 2);
    EXPECT_NE(noEncoder.err.find("ne peut pas écrire de vidéo"), std::string::npos);
    EXPECT_EQ(RunWithTools({"--animatic", file.string(), file.string()}, VideoTools(call)).exitCode, 1);
    EXPECT_EQ(call.calls, 0);
}

} // namespace
