// When each shot plays in the animatic, the video and the timelines: the
// default for a shot without a usable duration, frames that add up to the
// film's exact length at every rate, the shot under a frame, the timecode;
// and the project's animatic settings, stored only when they differ from
// the defaults.

#include "timeline/shottiming.h"

#include <gtest/gtest.h>

#include "document/projectdocument.h"
#include "document/projectfile.h"
#include "model/eventlist.h"
#include "timeline/animaticsettings.h"
#include "timeline/animaticvideo.h"

namespace sw {
namespace {

TEventList ShotsLasting(std::initializer_list<const char*> durations)
{
    TEventList shots;
    for (const char* duration : durations)
        shots.AddEvent().cam.duration = duration;
    return shots;
}

TEST(ShotTiming, AShotWithoutAWholePositiveDurationPlaysForTheDefault)
{
    bool defaulted = false;
    EXPECT_EQ(PlayedSeconds(" 7 ", 2, &defaulted), 7);
    EXPECT_FALSE(defaulted);
    for (const char* unusable : {"", "00", "0", "-4", "3s", "deux", "2.5"}) {
        EXPECT_EQ(PlayedSeconds(unusable, 3, &defaulted), 3) << unusable;
        EXPECT_TRUE(defaulted) << unusable;
    }
}

TEST(ShotTiming, FramesFollowOneAnotherAndAddUpToTheFilm)
{
    const TEventList shots = ShotsLasting({"5", "", "1", "12", "abc"});
    for (const int fps : {24, 25, 30}) {
        const std::vector<ShotTime> times = TimeShots(shots, fps, 2);
        ASSERT_EQ(times.size(), 5u);
        std::int64_t next = 0;
        std::int64_t seconds = 0;
        for (const ShotTime& time : times) {
            EXPECT_EQ(time.firstFrame, next);
            EXPECT_EQ(time.startSeconds, seconds);
            EXPECT_EQ(time.frameCount, time.seconds * fps);
            next = time.EndFrame();
            seconds += time.seconds;
        }
        EXPECT_EQ(seconds, 5 + 2 + 1 + 12 + 2);
        EXPECT_EQ(FilmFrames(times), seconds * fps);
        EXPECT_TRUE(times[1].defaulted);
        EXPECT_FALSE(times[3].defaulted);
    }
    EXPECT_EQ(FilmFrames({}), 0);
}

TEST(ShotTiming, TheShotUnderAFrameIsTheOneWhoseFramesHoldIt)
{
    const std::vector<ShotTime> times = TimeShots(ShotsLasting({"1", "2", "1"}), 25, 2);
    EXPECT_EQ(ShotAtFrame(times, 0), 0u);
    EXPECT_EQ(ShotAtFrame(times, 24), 0u);
    EXPECT_EQ(ShotAtFrame(times, 25), 1u);
    EXPECT_EQ(ShotAtFrame(times, 74), 1u);
    EXPECT_EQ(ShotAtFrame(times, 75), 2u);
    EXPECT_EQ(ShotAtFrame(times, 1000), 2u);
    EXPECT_EQ(ShotAtFrame(times, -3), 0u);
}

TEST(ShotTiming, TimecodesAreNonDropHoursMinutesSecondsFrames)
{
    EXPECT_EQ(Timecode(0, 25), "00:00:00:00");
    EXPECT_EQ(Timecode(24, 25), "00:00:00:24");
    EXPECT_EQ(Timecode(25, 25), "00:00:01:00");
    EXPECT_EQ(Timecode((3600 + 61) * 30 + 29, 30), "01:01:01:29");
    EXPECT_EQ(Timecode(-5, 24), "00:00:00:00");
}

TEST(AnimaticSettings, DefaultsAreStoredAsNothingAndTheRestComesBack)
{
    ProjectDocument project;
    project.StylePrefs.ApplyAppStyleTable();
    project.EventList.AddEvent();
    const std::string plain = ProjectFileBytes(project);

    StoreAnimaticSettings(project, AnimaticSettings{});
    EXPECT_TRUE(project.Extensions.empty());
    EXPECT_EQ(ProjectFileBytes(project), plain);

    const AnimaticSettings chosen{24, 4, 0, "/home/léa/musique/temp.ogg"};
    StoreAnimaticSettings(project, chosen);
    ProjectDocument reloaded;
    LoadProjectBytes(reloaded, ProjectFileBytes(project));
    EXPECT_EQ(ReadAnimaticSettings(reloaded), chosen);

    StoreAnimaticSettings(project, AnimaticSettings{});
    EXPECT_EQ(ProjectFileBytes(project), plain);
}

TEST(AnimaticSettings, AVideoSizeIsTwoEvenSidesWithinReach)
{
    const auto size = ParseVideoSize("1280x720");
    ASSERT_TRUE(size.has_value());
    EXPECT_EQ(size->width, 1280);
    EXPECT_EQ(size->height, 720);
    for (const char* wrong : {"1280", "1281x720", "1280x", "x720", "32x32", "8192x4320", "1280 x 720", "-640x480"})
        EXPECT_FALSE(ParseVideoSize(wrong).has_value()) << wrong;
}

TEST(AnimaticSettings, ValuesOutOfTheirRangeReadAsTheDefaults)
{
    ProjectDocument project;
    project.Extensions = {{"animatic-fps", "60"}, {"animatic-default-seconds", "0"}, {"animatic-motion", "-1"}};
    EXPECT_EQ(ReadAnimaticSettings(project), AnimaticSettings{});
    project.Extensions = {{"animatic-fps", "trente"}, {"animatic-default-seconds", "99999"}, {"animatic-motion", "31"}};
    EXPECT_EQ(ReadAnimaticSettings(project), AnimaticSettings{});
}

} // namespace
} // namespace sw
