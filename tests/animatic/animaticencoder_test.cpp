#include <atomic>
#include <map>
#include <sstream>
#include <string>

#include <QImage>

#include <gtest/gtest.h>
#include <unistd.h>

#include "animatic/animaticencoder.h"
#include "animatictestkit.h"
#include "document/projectfile.h"
#include "model/error.h"
#include "publish/varutil.h"
#include "timeline/shottiming.h"

namespace sw::animatic::test {
namespace {

VideoOptions SmallVideo(int fps = 25)
{
    VideoOptions options;
    options.fps = fps;
    options.width = 192;
    options.height = 108;
    return options;
}

// "key=value" lines of ffprobe for one stream ("v:0", "a:0").
std::map<std::string, std::string> Probe(const fs::path& video, const std::string& stream, const std::string& entries,
                                         bool countFrames = false)
{
    const std::string output =
        CommandOutput("ffprobe -v error -select_streams " + stream + (countFrames ? " -count_frames" : "") +
                      " -show_entries stream=" + entries + " -of default=noprint_wrappers=1 " + Quoted(video));
    std::map<std::string, std::string> values;
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        const std::size_t equals = line.find('=');
        if (equals != std::string::npos)
            values[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return values;
}

// One frame of the video, decoded by ffmpeg.
QImage DecodedFrame(const fs::path& video, std::int64_t frame, const fs::path& folder)
{
    const fs::path png = folder / ("frame-" + std::to_string(frame) + ".png");
    CommandOutput("ffmpeg -v error -y -i " + Quoted(video) + " -vf 'select=eq(n\\," + std::to_string(frame) +
                  ")' -frames:v 1 " + Quoted(png));
    return QImage(ToQ(png));
}

bool Near(const MeanColour& mean, const QColor& colour, double tolerance)
{
    return std::abs(mean.red - colour.red()) <= tolerance && std::abs(mean.green - colour.green()) <= tolerance &&
           std::abs(mean.blue - colour.blue()) <= tolerance;
}

std::string Message(const std::function<void()>& operation)
{
    try {
        operation();
    } catch (const Error& error) {
        return error.what();
    }
    return "no error";
}

TEST(AnimaticEncoderTest, TheVideoIsH264InYuv420WithExactlyTheFilmsFramesAtEachRate)
{
    ScratchFolder folder;
    WriteSolidPicture(folder.Path() / "a.png", QColor(200, 60, 30));
    ProjectDocument project;
    AddShot(project, "1", "a.png");
    AddShot(project, "");       // played for the default, 2 s
    AddShot(project, "3");
    AddShot(project, "00");     // a new shot: the default too
    AddShot(project, "1.5");    // no whole number: the default
    for (const int fps : {24, 25, 30}) {
        const fs::path video = folder.Path() / ("film-" + std::to_string(fps) + ".mp4");
        ASSERT_TRUE(EncodeAnimatic(video, project, folder.Path(), SmallVideo(fps)));
        const auto values = Probe(video, "v:0", "codec_name,width,height,pix_fmt,nb_read_frames,r_frame_rate", true);
        EXPECT_EQ(values.at("codec_name"), "h264");
        EXPECT_EQ(values.at("width"), "192");
        EXPECT_EQ(values.at("height"), "108");
        EXPECT_EQ(values.at("pix_fmt"), "yuv420p");
        EXPECT_EQ(values.at("r_frame_rate"), std::to_string(fps) + "/1");
        EXPECT_EQ(values.at("nb_read_frames"), std::to_string((1 + 2 + 3 + 2 + 2) * fps)) << fps;
    }
}

TEST(AnimaticEncoderTest, EachShotShowsItsPictureOrItsCard)
{
    ScratchFolder folder;
    const QColor red(220, 30, 30);
    const QColor green(30, 200, 60);
    const QColor blue(30, 60, 220);
    WriteSolidPicture(folder.Path() / "rouge.png", red);
    WriteSolidPicture(folder.Path() / "vert.png", green);
    WriteSolidPicture(folder.Path() / "bleu.png", blue);
    ProjectDocument project;
    AddShot(project, "1", "rouge.png");
    AddShot(project, "2", "vert.png").cam.zoom = 1;
    AddShot(project, "1");
    AddShot(project, "1", "bleu.png").cam.pan = 1;
    const fs::path video = folder.Path() / "film.mp4";
    ASSERT_TRUE(EncodeAnimatic(video, project, folder.Path(), SmallVideo()));
    const std::vector<ShotTime> times = TimeShots(project.EventList, 25, 2);
    const auto middle = [&times](std::size_t shot) { return times[shot].firstFrame + times[shot].frameCount / 2; };
    EXPECT_TRUE(Near(MeanOf(DecodedFrame(video, middle(0), folder.Path())), red, 16));
    EXPECT_TRUE(Near(MeanOf(DecodedFrame(video, middle(1), folder.Path())), green, 16));
    const MeanColour card = MeanOf(DecodedFrame(video, middle(2), folder.Path()));
    EXPECT_LT(card.Brightness(), 80);
    EXPECT_GT(card.Brightness(), 20);
    EXPECT_TRUE(Near(MeanOf(DecodedFrame(video, middle(3), folder.Path())), blue, 16));
}

TEST(AnimaticEncoderTest, TheSoundIsAacPaddedOrCutToTheFilmsLength)
{
    ScratchFolder folder;
    ProjectDocument project;
    AddShot(project, "2");
    AddShot(project, "1");
    const double film = 3.0;
    for (const double seconds : {1.0, 5.5}) {
        const fs::path wav = folder.Path() / "son.wav";
        WriteWav(wav, seconds);
        VideoOptions options = SmallVideo();
        options.audio = wav;
        const fs::path video = folder.Path() / "film.mp4";
        ASSERT_TRUE(EncodeAnimatic(video, project, folder.Path(), options));
        const auto values = Probe(video, "a:0", "codec_name,duration,sample_rate");
        EXPECT_EQ(values.at("codec_name"), "aac");
        const double aacFrame = 1024.0 / std::stod(values.at("sample_rate"));
        EXPECT_NEAR(std::stod(values.at("duration")), film, aacFrame) << seconds;
        EXPECT_EQ(Probe(video, "v:0", "nb_read_frames", true).at("nb_read_frames"), "75");
    }
}

TEST(AnimaticEncoderTest, AnUnreadableSoundIsAFrenchErrorBeforeAnyOutput)
{
    ScratchFolder folder;
    ProjectDocument project;
    AddShot(project, "1");
    const fs::path bad = folder.Path() / "abîmé.wav";
    {
        std::ofstream out(bad, std::ios::binary);
        out << "RIFF....WAVEnot really a sound at all";
    }
    VideoOptions options = SmallVideo();
    options.audio = bad;
    const fs::path video = folder.Path() / "film.mp4";
    EXPECT_EQ(Message([&] { EncodeAnimatic(video, project, folder.Path(), options); }),
              "Le fichier « abîmé.wav » n'est pas un son lisible.");
    options.audio = folder.Path() / "absent.mp3";
    EXPECT_EQ(Message([&] { EncodeAnimatic(video, project, folder.Path(), options); }),
              "Le fichier son « absent.mp3 » est introuvable.");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), fs::directory_iterator()), 1);
}

TEST(AnimaticEncoderTest, ACancelLeavesNoFileAndKeepsAnEarlierVideo)
{
    ScratchFolder folder;
    ProjectDocument project;
    AddShot(project, "4");
    const fs::path video = folder.Path() / "film.mp4";
    {
        std::ofstream earlier(video, std::ios::binary);
        earlier << "la version d'avant";
    }
    std::atomic<bool> cancel{false};
    std::int64_t seen = 0;
    const bool finished = EncodeAnimatic(video, project, folder.Path(), SmallVideo(), [&](std::int64_t done, std::int64_t total) {
        EXPECT_EQ(total, 100);
        EXPECT_EQ(done, seen + 1);
        seen = done;
        if (done == 10)
            cancel = true;
    }, &cancel);
    EXPECT_FALSE(finished);
    EXPECT_EQ(seen, 10);
    EXPECT_EQ(ReadBytes(video), "la version d'avant");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), fs::directory_iterator()), 1);
}

TEST(AnimaticEncoderTest, AFolderThatTakesNoFileIsAFrenchErrorNamingTheVideo)
{
    ScratchFolder folder;
    ProjectDocument project;
    AddShot(project, "1");
    EXPECT_EQ(Message([&] { EncodeAnimatic(folder.Path() / "absent" / "film.mp4", project, {}, SmallVideo()); }),
              "Le fichier « film.mp4 » ne peut pas être écrit : fichier ou dossier introuvable");
    const fs::path locked = folder.Path() / "verrouillé";
    fs::create_directory(locked);
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
    if (geteuid() != 0) {
        EXPECT_EQ(Message([&] { EncodeAnimatic(locked / "film.mp4", project, {}, SmallVideo()); }),
                  "Le fichier « film.mp4 » ne peut pas être écrit : permission non accordée");
        EXPECT_TRUE(fs::is_empty(locked));
    }
    fs::create_directory(folder.Path() / "dossier.mp4");
    EXPECT_EQ(Message([&] { EncodeAnimatic(folder.Path() / "dossier.mp4", project, {}, SmallVideo()); }),
              "Le fichier « dossier.mp4 » ne peut pas être écrit : c'est un dossier");
}

TEST(AnimaticEncoderTest, AnUnreadablePictureShowsTheShotsCard)
{
    ScratchFolder folder;
    {
        std::ofstream broken(folder.Path() / "abime.jpg", std::ios::binary);
        broken << "\xff\xd8\xff\xe0 pas vraiment un JPEG";
    }
    ProjectDocument project;
    AddShot(project, "1", "abime.jpg");
    const fs::path video = folder.Path() / "film.mp4";
    ASSERT_TRUE(EncodeAnimatic(video, project, folder.Path(), SmallVideo()));
    const MeanColour card = MeanOf(DecodedFrame(video, 12, folder.Path()));
    EXPECT_LT(card.Brightness(), 80);
}

TEST(AnimaticEncoderTest, AProjectWithoutShotsHasNoAnimatic)
{
    ScratchFolder folder;
    const ProjectDocument empty;
    EXPECT_EQ(Message([&] { EncodeAnimatic(folder.Path() / "film.mp4", empty, {}, SmallVideo()); }),
              "Le projet n'a aucun plan : il n'y a pas d'animatique à écrire.");
    EXPECT_TRUE(fs::is_empty(folder.Path()));
}

std::string RunProgram(const std::string& arguments, int& exitCode)
{
    const std::string output = CommandOutput("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " SHOTWEAVE_PROGRAM
                                             " " + arguments + " 2>&1; echo \"exit=$?\"");
    const std::size_t at = output.rfind("exit=");
    exitCode = at == std::string::npos ? -1 : std::stoi(output.substr(at + 5));
    return output.substr(0, at);
}

TEST(AnimaticEncoderTest, TheCommandLineWritesTheVideoWithoutADisplay)
{
    ScratchFolder folder;
    ProjectDocument project;
    AddShot(project, "2", "photo.png");
    AddShot(project, "1");
    const fs::path projectFile = folder.Path() / "film.vid";
    SaveProject(project, projectFile);
    const fs::path imgDir = ImageFolderOf(SiteFolderOf(projectFile));
    fs::create_directories(imgDir);
    WriteSolidPicture(imgDir / "photo.png", QColor(40, 180, 220));
    const fs::path video = folder.Path() / "film.mp4";
    int exitCode = -1;
    const std::string output = RunProgram("--animatic " + Quoted(projectFile) + " " + Quoted(video) +
                                              " --fps 30 --size 320x180 --captions",
                                          exitCode);
    EXPECT_EQ(exitCode, 0) << output;
    EXPECT_EQ(output, video.string() + "\n");
    const auto values = Probe(video, "v:0", "codec_name,width,nb_read_frames", true);
    EXPECT_EQ(values.at("codec_name"), "h264");
    EXPECT_EQ(values.at("width"), "320");
    EXPECT_EQ(values.at("nb_read_frames"), "90");
    EXPECT_TRUE(Near(MeanOf(DecodedFrame(video, 30, folder.Path()), QRect(100, 60, 120, 40)), QColor(40, 180, 220), 16));

    const std::string refused = RunProgram("--animatic " + Quoted(projectFile) + " " + Quoted(folder.Path() / "b.mp4") +
                                               " --audio " + Quoted(projectFile),
                                           exitCode);
    EXPECT_EQ(exitCode, 1);
    EXPECT_EQ(refused, "shotweave: Le fichier « film.vid » n'est pas un son lisible.\n");
    EXPECT_FALSE(fs::exists(folder.Path() / "b.mp4"));
}

} // namespace
} // namespace sw::animatic::test
