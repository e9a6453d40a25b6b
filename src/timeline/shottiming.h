#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sw {

class TEventList;

// When one shot plays in the animatic, the video and the timelines.
struct ShotTime {
    std::size_t shot = 0;
    // Seconds from the start of the film to the shot, and how long it plays.
    std::int64_t startSeconds = 0;
    std::int64_t seconds = 0;
    // Its duration is no whole number of seconds above 0: it plays for the
    // default, and its card says so.
    bool defaulted = false;
    // Its frames: round(end × fps) − round(start × fps), so that the
    // frames of all the shots add up to the film's exact length.
    std::int64_t firstFrame = 0;
    std::int64_t frameCount = 0;

    std::int64_t EndFrame() const { return firstFrame + frameCount; }
    bool operator==(const ShotTime&) const = default;
};

// The seconds a shot with this duration plays: the whole number of seconds
// it holds, or defaultSeconds when it holds no whole number above 0 (a new
// shot's "00" included). The cumulated times elsewhere still count it as
// RunningTime does.
std::int64_t PlayedSeconds(std::string_view duration, int defaultSeconds, bool* defaulted = nullptr);

// Every shot in order, at fps frames a second.
std::vector<ShotTime> TimeShots(const TEventList& shots, int fps, int defaultSeconds);

// The film's length in frames.
std::int64_t FilmFrames(const std::vector<ShotTime>& times);

// The shot that plays at frame (the last one past the end); times must not
// be empty.
std::size_t ShotAtFrame(const std::vector<ShotTime>& times, std::int64_t frame);

// A frame as the non-drop timecode "HH:MM:SS:FF".
std::string Timecode(std::int64_t frame, int fps);

} // namespace sw
