#include "animatic/timelinecards.h"

#include "animatic/titlecard.h"
#include "document/projectdocument.h"
#include "timeline/animaticsettings.h"
#include "timeline/shottiming.h"
#include "timeline/timeline.h"

namespace sw::animatic {

TitleCardWriter TimelineCardWriter()
{
    return [](const std::filesystem::path& png, const ProjectDocument& project, const TimelineClip& clip, int width,
              int height) {
        const int defaultSeconds = ReadAnimaticSettings(project).defaultShotSeconds;
        const TEvent& shot = project.EventList.Event(clip.shot);
        ShotTime time;
        time.shot = clip.shot;
        time.seconds = PlayedSeconds(shot.cam.duration, defaultSeconds, &time.defaulted);
        time.firstFrame = clip.firstFrame;
        time.frameCount = clip.frameCount;
        WriteTitleCardPng(png, shot, clip.shot + 1, time, defaultSeconds, QSize(width, height));
    };
}

} // namespace sw::animatic
