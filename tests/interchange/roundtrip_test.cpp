// The round trip with the film editor through the program itself: the
// example film exported as each timeline (its shots given ids, saved with a
// backup), the MLT rendered by melt with the film's exact frame count, and
// cuts edited as an editing program would, applied with --apply-cut.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "commandrun.h"
#include "document/projectdocument.h"
#include "document/projectextensions.h"
#include "document/projectfile.h"
#include "timeline/animaticsettings.h"
#include "timeline/shottiming.h"

namespace sw {
namespace {

namespace fs = std::filesystem;
using swtest::CommandOutput;
using swtest::Quoted;

std::string RunProgram(const std::string& arguments, const fs::path& err)
{
    return CommandOutput("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " SHOTWEAVE_PROGRAM " " + arguments +
                         " 2>" + Quoted(err) + "; echo \"exit $?\"");
}

std::string ReadText(const fs::path& file)
{
    return CommandOutput("cat " + Quoted(file));
}

ProjectDocument Loaded(const fs::path& file)
{
    ProjectDocument project;
    LoadProject(project, file);
    return project;
}

class RoundTrip : public testing::Test {
protected:
    void SetUp() override
    {
        fs::copy(fs::path(SHOTWEAVE_SOURCE_DIR) / "examples" / "court-metrage", scratch.Path(),
                 fs::copy_options::recursive);
    }

    swtest::ScratchFolder scratch{"shotweave-roundtrip-"};
    fs::path film = scratch.Path() / "court.vid";
    fs::path err = scratch.Path() / "err.txt";
};

TEST_F(RoundTrip, MeltRendersTheMltTimelineWithTheFilmsExactFrames)
{
    const ProjectDocument before = Loaded(film);
    const fs::path mlt = scratch.Path() / "montage.mlt";
    ASSERT_EQ(RunProgram("--timeline " + Quoted(film) + " " + Quoted(mlt), err), mlt.string() + "\nexit 0\n")
        << ReadText(err);
    EXPECT_NE(ReadText(err).find("ont reçu leur identifiant"), std::string::npos) << ReadText(err);
    EXPECT_TRUE(fs::exists(scratch.Path() / "court.vid~"));
    const ProjectDocument saved = Loaded(film);
    for (std::size_t i = 0; i < saved.EventList.Count(); ++i)
        EXPECT_TRUE(IsShotId(saved.EventList.Event(i).id)) << i;

    const std::int64_t frames =
        FilmFrames(TimeShots(before.EventList, 25, ReadAnimaticSettings(before).defaultShotSeconds));
    const fs::path video = scratch.Path() / "melt.mp4";
    CommandOutput("xvfb-run -a melt -quiet " + Quoted(mlt) + " -consumer avformat:" + video.string() +
                  " vcodec=libx264 preset=ultrafast an=1 width=320 height=180 > /dev/null 2>&1");
    const std::string counted = CommandOutput("ffprobe -v error -count_frames -select_streams v:0 -show_entries "
                                              "stream=nb_read_frames -of csv=p=0 " + Quoted(video));
    EXPECT_EQ(counted, std::to_string(frames) + "\n") << "melt renders every clip for its length";
}

TEST_F(RoundTrip, ACutEditedElsewhereComesBackIntoTheProject)
{
    const fs::path otio = scratch.Path() / "montage.otio";
    ASSERT_EQ(RunProgram("--timeline " + Quoted(film) + " " + Quoted(otio) + " --fps 24", err), otio.string() + "\nexit 0\n");
    const ProjectDocument exported = Loaded(film);
    ASSERT_GE(exported.EventList.Count(), 3u);

    // The editor plays the last shot first for 3.5 s, then the first one for
    // 10 s, and drops the rest; it renames the first clip.
    QJsonObject timeline = QJsonDocument::fromJson(QByteArray::fromStdString(ReadText(otio))).object();
    QJsonObject stack = timeline[QStringLiteral("tracks")].toObject();
    QJsonArray tracks = stack[QStringLiteral("children")].toArray();
    QJsonObject track = tracks[0].toObject();
    const QJsonArray clips = track[QStringLiteral("children")].toArray();
    const auto edited = [](QJsonObject clip, double frames, const QString& name) {
        QJsonObject range = clip[QStringLiteral("source_range")].toObject();
        QJsonObject duration = range[QStringLiteral("duration")].toObject();
        duration[QStringLiteral("value")] = frames;
        range[QStringLiteral("duration")] = duration;
        clip[QStringLiteral("source_range")] = range;
        if (!name.isEmpty())
            clip[QStringLiteral("name")] = name;
        return clip;
    };
    track[QStringLiteral("children")] =
        QJsonArray{edited(clips.last().toObject(), 84, {}), edited(clips.first().toObject(), 240, "Ouverture v2")};
    tracks[0] = track;
    stack[QStringLiteral("children")] = tracks;
    timeline[QStringLiteral("tracks")] = stack;
    const fs::path cut = scratch.Path() / "retour.otio";
    CommandOutput("printf '%s' " + Quoted(QJsonDocument(timeline).toJson().toStdString()) + " > " + Quoted(cut));

    const std::string out = RunProgram("--apply-cut " + Quoted(film) + " " + Quoted(cut) + " --reorder", err);
    EXPECT_NE(out.find("2 plans reconnus dans le montage"), std::string::npos) << out << ReadText(err);
    EXPECT_NE(out.find("Plans absents du montage (inchangés) :"), std::string::npos);
    EXPECT_EQ(out.substr(out.size() - 7), "exit 0\n");
    const ProjectDocument applied = Loaded(film);
    const std::size_t last = exported.EventList.Count() - 1;
    EXPECT_EQ(applied.EventList.Event(0).id, exported.EventList.Event(last).id);
    EXPECT_EQ(applied.EventList.Event(0).cam.duration, "4");  // 3.5 s, halves up
    EXPECT_EQ(applied.EventList.Event(1).id, exported.EventList.Event(0).id);
    EXPECT_EQ(applied.EventList.Event(1).cam.duration, "10");
    EXPECT_EQ(applied.EventList.Event(1).name, exported.EventList.Event(0).name) << "a clip's new name stays its own";
    EXPECT_EQ(applied.EventList.Count(), exported.EventList.Count());

    // Each other format read back as written changes nothing.
    for (const char* name : {"montage.edl", "montage.fcpxml", "montage.mlt"}) {
        const fs::path timelineFile = scratch.Path() / name;
        ASSERT_EQ(RunProgram("--timeline " + Quoted(film) + " " + Quoted(timelineFile), err),
                  timelineFile.string() + "\nexit 0\n");
        const std::string again = RunProgram("--apply-cut " + Quoted(film) + " " + Quoted(timelineFile), err);
        EXPECT_NE(again.find("déjà à jour"), std::string::npos) << name << again << ReadText(err);
    }
}

TEST_F(RoundTrip, AFinalDraftScreenplayBecomesANewProjectThatItThenLeavesAsItIs)
{
    const fs::path script = fs::path(SHOTWEAVE_SOURCE_DIR) / "tests" / "data" / "screenplays" / "gare.fdx";
    const fs::path film = scratch.Path() / "gare.vid";
    EXPECT_EQ(RunProgram("--import-script " + Quoted(script) + " " + Quoted(film), err), film.string() + "\nexit 0\n")
        << ReadText(err);
    const ProjectDocument project = Loaded(film);
    EXPECT_FALSE(project.Scenes.empty());
    EXPECT_EQ(project.EventList.Count(), project.Scenes.size()) << "one shot per scene without plan notes";
    // Imported again into the project it made, it changes nothing.
    EXPECT_EQ(RunProgram("--import-script " + Quoted(script) + " " + Quoted(film), err),
              "Le scénario ne change rien au projet.\nexit 0\n");
}

} // namespace
} // namespace sw
