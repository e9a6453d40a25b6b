#include "timeline/timeline.h"

#include <cstdio>
#include <system_error>

#include "document/projectdocument.h"
#include "model/picturename.h"
#include "sanitize/htmltext.h"
#include "timeline/animaticsettings.h"
#include "timeline/shottiming.h"

namespace sw {

std::string ClipName(std::size_t number, std::string_view shotName)
{
    return std::to_string(number) + ". " + std::string(shotName);
}

std::string TitleCardName(std::size_t number)
{
    char name[32];
    std::snprintf(name, sizeof name, "carton-%03zu.png", number);
    return name;
}

std::filesystem::path TimelineMediaFolder(const std::filesystem::path& timelineFile)
{
    return timelineFile.parent_path() / (timelineFile.stem().string() + "_media");
}

std::string_view FirstLine(std::string_view text)
{
    return text.substr(0, text.find_first_of("\r\n"));
}

Timeline MakeTimeline(const ProjectDocument& project, int fps, const std::filesystem::path& imgDir,
                      const std::filesystem::path& mediaDir)
{
    const AnimaticSettings settings = ReadAnimaticSettings(project);
    Timeline timeline;
    timeline.title = project.GenInfo.title;
    timeline.fps = fps;
    for (const ShotTime& time : TimeShots(project.EventList, fps, settings.defaultShotSeconds)) {
        const TEvent& shot = project.EventList.Event(time.shot);
        TimelineClip clip;
        clip.shot = time.shot;
        clip.name = ClipName(time.shot + 1, shot.name);
        clip.id = shot.id;
        clip.firstFrame = time.firstFrame;
        clip.frameCount = time.frameCount;
        // A link out of the image folder is not followed: a project from
        // elsewhere cannot hand a private file to the film editor.
        std::error_code error;
        const auto picture = shot.cam.startImage.empty() ? std::nullopt : PictureFile(imgDir, shot.cam.startImage);
        if (picture && std::filesystem::is_regular_file(*picture, error)) {
            clip.media = *picture;
        } else {
            clip.media = mediaDir / TitleCardName(time.shot + 1);
            clip.card = true;
        }
        clip.action = HtmlPlainText(shot.action);
        clip.dialogue = HtmlPlainText(shot.dialogue);
        timeline.clips.push_back(std::move(clip));
    }
    return timeline;
}

} // namespace sw
