#include "timeline/shottiming.h"

#include <algorithm>
#include <cstdio>

#include "model/eventlist.h"
#include "model/textconv.h"

namespace sw {

namespace {

// round(seconds × fps) for whole seconds and a whole rate is exact; the
// rounding of the rule only matters for rates this version does not offer.
std::int64_t FrameAt(std::int64_t seconds, int fps)
{
    return seconds * fps;
}

} // namespace

std::int64_t PlayedSeconds(std::string_view duration, int defaultSeconds, bool* defaulted)
{
    int seconds = 0;
    const bool own = TryStrToInt(Trim(duration), seconds) && seconds > 0;
    if (defaulted != nullptr)
        *defaulted = !own;
    return own ? seconds : defaultSeconds;
}

std::vector<ShotTime> TimeShots(const TEventList& shots, int fps, int defaultSeconds)
{
    std::vector<ShotTime> times;
    times.reserve(shots.Count());
    std::int64_t start = 0;
    for (std::size_t index = 0; index < shots.Count(); ++index) {
        ShotTime time;
        time.shot = index;
        time.startSeconds = start;
        time.seconds = PlayedSeconds(shots.Event(index).cam.duration, defaultSeconds, &time.defaulted);
        time.firstFrame = FrameAt(start, fps);
        time.frameCount = FrameAt(start + time.seconds, fps) - time.firstFrame;
        start += time.seconds;
        times.push_back(time);
    }
    return times;
}

std::int64_t FilmFrames(const std::vector<ShotTime>& times)
{
    return times.empty() ? 0 : times.back().EndFrame();
}

std::size_t ShotAtFrame(const std::vector<ShotTime>& times, std::int64_t frame)
{
    const auto after = std::upper_bound(times.begin(), times.end(), frame,
                                        [](std::int64_t f, const ShotTime& time) { return f < time.firstFrame; });
    return after == times.begin() ? 0 : static_cast<std::size_t>(after - times.begin() - 1);
}

std::string Timecode(std::int64_t frame, int fps)
{
    frame = std::max<std::int64_t>(frame, 0);
    const std::int64_t seconds = frame / fps;
    char text[96];
    std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld:%02lld", static_cast<long long>(seconds / 3600),
                  static_cast<long long>(seconds / 60 % 60), static_cast<long long>(seconds % 60),
                  static_cast<long long>(frame % fps));
    return text;
}

} // namespace sw
