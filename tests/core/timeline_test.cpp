// The film editor's timelines: one clip per shot with its frame-exact
// length, named "N. name", showing its start picture or its title card, with
// its id and its notes; each format pinned by a golden file; the shots' ids
// given at the first export and kept through rename and move; --timeline
// saving them into the project, or not when that would lose anything.

#include "timeline/timelineexport.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "document/projectdocument.h"
#include "document/projectextensions.h"
#include "document/projectfile.h"
#include "document/projectlock.h"
#include "model/editoridentity.h"
#include "publish/commandline.h"
#include "sanitize/htmltext.h"
#include "testsupport.h"
#include "timeline/animaticsettings.h"
#include "model/shotids.h"
#include "timeline/timeline.h"
#include "timeline/timelineformats.h"

namespace sw {
namespace {

namespace fs = std::filesystem;

const fs::path kGoldenDir = fs::path(SHOTWEAVE_TEST_DATA_DIR) / "golden" / "timeline";

// Four shots: a picture, none, a missing picture, a picture and a
// duration that is no number; texts with markup, quotes, accents and line
// breaks; the last one without an id.
ProjectDocument SmallProject()
{
    ProjectDocument project;
    project.StylePrefs.ApplyAppStyleTable();
    project.GenInfo.title = "Le café \"noir\" & <la> pluie";
    const char* names[] = {"Réveil", "Rue", "Café", "Fin"};
    const char* durations[] = {"5", "12", "3", "plus tard"};
    const char* pictures[] = {"reveil.jpg", "", "absente.jpg", "fin dernière.png"};
    for (int i = 0; i < 4; ++i) {
        TEvent& shot = project.EventList.AddEvent();
        shot.name = names[i];
        shot.cam.duration = durations[i];
        shot.cam.startImage = pictures[i];
        shot.action = i == 0 ? "Chambre.\r\nLe réveil sonne : <b>6 h 30</b>." : i == 2 ? "<ul><li>un</li><li>deux</li></ul>" : "";
        shot.dialogue = i == 0 ? "CLAIRE : « Enfin. »" : "";
        shot.id = i < 3 ? "id-" + std::to_string(i + 1) : "";
    }
    return project;
}

struct Folder {
    test::TemporaryFolder temp;
    fs::path img = temp.Path() / "court" / "img";
    Folder()
    {
        test::WriteAll(img / "reveil.jpg", "jpeg");
        test::WriteAll(img / "fin dernière.png", "png");
    }
};

std::string WithoutFolder(std::string text, const fs::path& folder)
{
    const std::string path = folder.string();
    for (std::size_t at = text.find(path); at != std::string::npos; at = text.find(path, at))
        text.replace(at, path.size(), "/FILMS");
    return text;
}

TEST(Timeline, ClipsFollowTheShotsWithTheirFramesStillsIdsAndNotes)
{
    Folder folder;
    ProjectDocument project = SmallProject();
    StoreAnimaticSettings(project, {25, 3, 8, ""});
    const Timeline timeline = MakeTimeline(project, 24, folder.img, folder.temp.Path() / "cut_media");
    ASSERT_EQ(timeline.clips.size(), 4u);
    EXPECT_EQ(timeline.fps, 24);
    const std::int64_t frames[] = {5 * 24, 12 * 24, 3 * 24, 3 * 24};
    std::int64_t next = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(timeline.clips[i].firstFrame, next) << i;
        EXPECT_EQ(timeline.clips[i].frameCount, frames[i]) << i;
        next += frames[i];
    }
    EXPECT_EQ(timeline.Frames(), next);
    EXPECT_EQ(timeline.clips[0].name, "1. Réveil");
    EXPECT_EQ(timeline.clips[3].name, "4. Fin");
    EXPECT_EQ(timeline.clips[0].media, folder.img / "reveil.jpg");
    EXPECT_FALSE(timeline.clips[0].card);
    EXPECT_EQ(timeline.clips[1].media, folder.temp.Path() / "cut_media" / "carton-002.png");
    EXPECT_TRUE(timeline.clips[1].card);
    EXPECT_TRUE(timeline.clips[2].card) << "a missing picture gets a card";
    EXPECT_EQ(timeline.clips[3].media, folder.img / "fin dernière.png");
    EXPECT_EQ(timeline.clips[0].id, "id-1");
    EXPECT_EQ(timeline.clips[0].action, "Chambre.\nLe réveil sonne : 6 h 30.");
    EXPECT_EQ(timeline.clips[2].action, "• un\n• deux");
    EXPECT_EQ(ClipNotes(timeline.clips[0]), "Chambre.\nLe réveil sonne : 6 h 30.\nCLAIRE : « Enfin. »");
}

TEST(Timeline, APictureLinkedOutOfTheImageFolderIsNotHandedOn)
{
    Folder folder;
    test::WriteAll(folder.temp.Path() / "secret.jpg", "private");
    fs::create_symlink(folder.temp.Path() / "secret.jpg", folder.img / "lien.jpg");
    ProjectDocument project = SmallProject();
    project.EventList.Event(0).cam.startImage = "lien.jpg";
    project.EventList.Event(1).cam.startImage = "../secret.jpg";
    const Timeline timeline = MakeTimeline(project, 25, folder.img, folder.temp.Path() / "m");
    EXPECT_TRUE(timeline.clips[0].card);
    EXPECT_TRUE(timeline.clips[1].card);
}

TEST(Timeline, EachFormatIsTheGoldenOne)
{
    Folder folder;
    const ProjectDocument project = SmallProject();
    const fs::path films = folder.temp.Path();
    const Timeline timeline = MakeTimeline(project, 25, folder.img, films / "montage_media");
    for (const char* name : {"montage.otio", "montage.edl", "montage.fcpxml", "montage.mlt"}) {
        const std::string text = WithoutFolder(TimelineText(timeline, *TimelineFormatOf(name)), films);
        if (test::RegeneratingGolden())
            test::WriteAll(kGoldenDir / name, text);
        else
            EXPECT_EQ(text, test::ReadAll(kGoldenDir / name)) << name;
    }
    if (test::RegeneratingGolden())
        FAIL() << "regenerated " << kGoldenDir << ": review the diff before committing";
}

TEST(Timeline, TextsAreEscapedForTheirFormat)
{
    Folder folder;
    ProjectDocument project = SmallProject();
    project.EventList.Event(1).name = "A\"b\\c</name>\x01";
    const Timeline timeline = MakeTimeline(project, 25, folder.img, folder.temp.Path() / "m");
    const std::string otio = TimelineText(timeline, TimelineFormat::Otio);
    EXPECT_NE(otio.find(R"("name": "2. A\"b\\c</name>\u0001")"), std::string::npos);
    for (const TimelineFormat xml : {TimelineFormat::Fcpxml, TimelineFormat::Mlt}) {
        const std::string text = TimelineText(timeline, xml);
        EXPECT_NE(text.find("2. A&quot;b\\c&lt;/name&gt;"), std::string::npos);
        EXPECT_EQ(text.find('\x01'), std::string::npos) << "XML takes no control character";
        EXPECT_EQ(text.find("</name>"), std::string::npos);
    }
    const std::string edl = TimelineText(timeline, TimelineFormat::Edl);
    EXPECT_NE(edl.find("* COMMENT: Chambre. Le réveil sonne : 6 h 30.\n"), std::string::npos)
        << "one comment line per note";
    EXPECT_EQ(FileUrl("/films/été 1/a#b.jpg"), "file:///films/%C3%A9t%C3%A9%201/a%23b.jpg");
}

TEST(Timeline, TheFormatComesFromTheExtension)
{
    EXPECT_EQ(TimelineFormatOf("a/montage.OTIO"), TimelineFormat::Otio);
    EXPECT_EQ(TimelineFormatOf("montage.edl"), TimelineFormat::Edl);
    EXPECT_EQ(TimelineFormatOf("montage.FcpXml"), TimelineFormat::Fcpxml);
    EXPECT_EQ(TimelineFormatOf("montage.mlt"), TimelineFormat::Mlt);
    EXPECT_FALSE(TimelineFormatOf("montage.xml").has_value());
    EXPECT_FALSE(TimelineFormatOf("otio").has_value());
    EXPECT_EQ(TimelineMediaFolder("/films/montage.otio"), fs::path("/films/montage_media"));
}

TEST(ShotIds, NewIdsAreUuidsGivenOnlyToShotsWithoutOne)
{
    const std::string id = NewShotId();
    EXPECT_EQ(id.size(), 36u);
    EXPECT_EQ(id[14], '4');
    EXPECT_NE(std::string("89ab").find(id[19]), std::string::npos);
    EXPECT_NE(NewShotId(), id);

    TEventList shots = SmallProject().EventList;
    EXPECT_EQ(AssignMissingShotIds(shots), 1u);
    EXPECT_EQ(shots.Event(0).id, "id-1");
    EXPECT_EQ(shots.Event(3).id.size(), 36u);
    EXPECT_EQ(AssignMissingShotIds(shots), 0u);
}

TEST(HtmlPlainText, ReadsAFieldAsItsReaderSeesIt)
{
    EXPECT_EQ(HtmlPlainText("Il <b>pleut</b> &amp; il   vente."), "Il pleut & il vente.");
    EXPECT_EQ(HtmlPlainText("un\r\ndeux\rtrois"), "un\ndeux\ntrois");
    EXPECT_EQ(HtmlPlainText("<p>un</p><p>deux<br>trois</p>"), "un\ndeux\ntrois");
    EXPECT_EQ(HtmlPlainText("<ol><li>a<li>b</ol>fin"), "• a\n• b\nfin");
    EXPECT_EQ(HtmlPlainText("<table><tr><td>a</td><td>b</td></tr></table>"), "a b");
    EXPECT_EQ(HtmlPlainText("<script>alert(1)</script><style>p{}</style>reste"), "reste");
    EXPECT_EQ(HtmlPlainText(""), "");
}

struct CommandRun {
    std::optional<int> exitCode;
    std::string out;
    std::string err;
};

struct CardCalls {
    std::vector<fs::path> pngs;
};

CommandRun RunTimeline(const std::vector<std::string>& args, CardCalls& cards)
{
    CommandLineTools tools;
    tools.writeTitleCard = [&cards](const fs::path& png, const ProjectDocument&, const TimelineClip& clip, int width,
                                    int height) {
        EXPECT_TRUE(clip.card);
        EXPECT_EQ(width, 1920);
        EXPECT_EQ(height, 1080);
        test::WriteAll(png, "png");
        cards.pngs.push_back(png);
    };
    std::ostringstream out;
    std::ostringstream err;
    CommandRun run;
    run.exitCode = RunCommandLine(args, out, err, tools);
    run.out = out.str();
    run.err = err.str();
    return run;
}

TEST(TimelineCommand, TheFirstExportGivesIdsAndSavesThemWithABackupThenKeepsThem)
{
    Folder folder;
    const fs::path file = folder.temp.Path() / "court.vid";
    ProjectDocument project = SmallProject();
    for (std::size_t i = 0; i < project.EventList.Count(); ++i)
        project.EventList.Event(i).id.clear();
    SaveProject(project, file);
    const std::string before = test::ReadAll(file);
    const fs::path otio = folder.temp.Path() / "montage.otio";

    CardCalls cards;
    const CommandRun first = RunTimeline({"--timeline", file.string(), otio.string(), "--fps", "30"}, cards);
    ASSERT_EQ(first.exitCode, 0) << first.err;
    EXPECT_EQ(first.out, otio.string() + "\n");
    EXPECT_NE(first.err.find("4 plans ont reçu leur identifiant"), std::string::npos) << first.err;
    EXPECT_EQ(test::ReadAll(fs::path(file.string() + "~")), before) << "the previous bytes are the backup";
    ProjectDocument saved;
    LoadProject(saved, file);
    std::vector<std::string> ids;
    for (std::size_t i = 0; i < 4; ++i) {
        ids.push_back(saved.EventList.Event(i).id);
        EXPECT_TRUE(IsShotId(ids.back()));
    }
    const std::string text = test::ReadAll(otio);
    for (const std::string& id : ids)
        EXPECT_NE(text.find("\"shot_id\": \"" + id + "\""), std::string::npos);
    EXPECT_NE(text.find("\"rate\": 30.0, \"value\": 150.0"), std::string::npos) << "5 s at 30 fps";
    ASSERT_EQ(cards.pngs.size(), 2u);
    EXPECT_EQ(cards.pngs[0], folder.temp.Path() / "montage_media" / "carton-002.png");
    EXPECT_TRUE(fs::is_regular_file(cards.pngs[1]));

    // Renamed and moved, each shot keeps its id; the file is not saved again.
    saved.EventList.Event(0).name = "Le réveil";
    saved.EventList.MoveEvent(0, 3);
    SaveProject(saved, file);
    const std::string renamed = test::ReadAll(file);
    const fs::path edl = folder.temp.Path() / "montage.edl";
    const CommandRun second = RunTimeline({"--timeline", file.string(), edl.string()}, cards);
    ASSERT_EQ(second.exitCode, 0) << second.err;
    EXPECT_EQ(second.err, "");
    EXPECT_EQ(test::ReadAll(file), renamed);
    EXPECT_NE(test::ReadAll(edl).find("* FROM CLIP NAME: 4. Le réveil\n* SOURCE FILE: " + (folder.img / "reveil.jpg").string() +
                                      "\n* SHOT ID: " + ids[0] + "\n"),
              std::string::npos);
}

TEST(TimelineCommand, AProjectOpenElsewhereOrFromALaterVersionIsLeftAsItIs)
{
    Folder folder;
    const fs::path file = folder.temp.Path() / "court.vid";
    ProjectDocument project = SmallProject();
    SaveProject(project, file);
    const std::string plain = test::ReadAll(file);

    const LockHolder holder{"léa", NewEditorIdentity(), "2026-12-10T17:00:00"};
    ASSERT_EQ(TakeProjectLock(file, holder).result, LockResult::Taken);
    CardCalls cards;
    const fs::path mlt = folder.temp.Path() / "montage.mlt";
    const CommandRun locked = RunTimeline({"--timeline", file.string(), mlt.string()}, cards);
    EXPECT_EQ(locked.exitCode, 0) << locked.err;
    EXPECT_NE(locked.err.find("ouvert dans un éditeur"), std::string::npos);
    EXPECT_EQ(test::ReadAll(file), plain);
    EXPECT_NE(test::ReadAll(mlt).find("shotweave:shot-id\">id-1<"), std::string::npos);
    ReleaseProjectLock(file, holder.editor);

    test::WriteAll(file, plain + "later version data");
    const CommandRun later = RunTimeline({"--timeline", file.string(), mlt.string()}, cards);
    EXPECT_EQ(later.exitCode, 0) << later.err;
    EXPECT_NE(later.err.find("version plus récente"), std::string::npos);
    EXPECT_EQ(test::ReadAll(file), plain + "later version data");
}

TEST(TimelineCommand, WrongArgumentsAndUnwritablePlacesChangeNothing)
{
    Folder folder;
    const fs::path file = folder.temp.Path() / "court.vid";
    ProjectDocument project = SmallProject();
    project.EventList.Event(3).id = "id-4";
    SaveProject(project, file);
    const std::string before = test::ReadAll(file);
    CardCalls cards;
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--timeline", file.string(), "montage.xml"},
          {"--timeline", file.string(), "m.otio", "--fps", "50"}, {"--timeline", file.string()},
          {"--timeline", file.string(), "m.otio", "--captions"}}) {
        const CommandRun run = RunTimeline(args, cards);
        EXPECT_EQ(run.exitCode, 2) << args.back();
        EXPECT_NE(run.err.find("Utilisation"), std::string::npos);
    }
    std::ostringstream out, err;
    EXPECT_EQ(RunCommandLine({"--timeline", file.string(), "m.otio"}, out, err), 2) << "no card drawing";

    const fs::path nowhere = folder.temp.Path() / "absent" / "montage.fcpxml";
    test::WriteAll(folder.temp.Path() / "absent", "a file, not a folder");
    const CommandRun failed = RunTimeline({"--timeline", file.string(), nowhere.string()}, cards);
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_NE(failed.err.find("montage_media"), std::string::npos) << failed.err;
    EXPECT_FALSE(fs::exists(nowhere));
    EXPECT_TRUE(cards.pngs.empty());
    EXPECT_EQ(test::ReadAll(file), before);
}

} // namespace
} // namespace sw
