#include "timeline/animaticsettings.h"

#include <string_view>

#include "document/projectdocument.h"
#include "model/textconv.h"

namespace sw {

namespace {

constexpr std::string_view kFpsKey = "animatic-fps";
constexpr std::string_view kDefaultSecondsKey = "animatic-default-seconds";
constexpr std::string_view kMotionKey = "animatic-motion";
constexpr std::string_view kSoundtrackKey = "animatic-soundtrack";

int IntegerEntry(const ProjectDocument& project, std::string_view key, int fallback)
{
    const auto entry = project.Extensions.find(std::string(key));
    int value = 0;
    return entry != project.Extensions.end() && TryStrToInt(entry->second, value) ? value : fallback;
}

void PutEntry(ProjectDocument& project, std::string_view key, std::string value, bool isDefault)
{
    if (isDefault)
        project.Extensions.erase(std::string(key));
    else
        project.Extensions[std::string(key)] = std::move(value);
}

} // namespace

bool IsAnimaticFps(int fps)
{
    return fps == 24 || fps == 25 || fps == 30;
}

AnimaticSettings ReadAnimaticSettings(const ProjectDocument& project)
{
    AnimaticSettings settings;
    if (const int fps = IntegerEntry(project, kFpsKey, settings.fps); IsAnimaticFps(fps))
        settings.fps = fps;
    if (const int seconds = IntegerEntry(project, kDefaultSecondsKey, settings.defaultShotSeconds);
        seconds >= 1 && seconds <= AnimaticSettings::kMaxShotSeconds)
        settings.defaultShotSeconds = seconds;
    if (const int motion = IntegerEntry(project, kMotionKey, settings.motionPercent);
        motion >= 0 && motion <= AnimaticSettings::kMaxMotionPercent)
        settings.motionPercent = motion;
    if (const auto soundtrack = project.Extensions.find(std::string(kSoundtrackKey));
        soundtrack != project.Extensions.end())
        settings.soundtrack = soundtrack->second;
    return settings;
}

void StoreAnimaticSettings(ProjectDocument& project, const AnimaticSettings& settings)
{
    const AnimaticSettings defaults;
    PutEntry(project, kFpsKey, std::to_string(settings.fps), settings.fps == defaults.fps);
    PutEntry(project, kDefaultSecondsKey, std::to_string(settings.defaultShotSeconds),
             settings.defaultShotSeconds == defaults.defaultShotSeconds);
    PutEntry(project, kMotionKey, std::to_string(settings.motionPercent),
             settings.motionPercent == defaults.motionPercent);
    PutEntry(project, kSoundtrackKey, settings.soundtrack, settings.soundtrack.empty());
}

} // namespace sw
