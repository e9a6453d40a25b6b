#pragma once

#include <string>

namespace sw {

struct ProjectDocument;

// The project's settings for its animatic, its video and its timelines,
// kept in the project file's extension block. A project that keeps the
// defaults stores none of them, so its file stays as it was.
struct AnimaticSettings {
    static constexpr int kDefaultFps = 25;
    static constexpr int kDefaultShotSeconds = 2;
    static constexpr int kMaxShotSeconds = 3600;
    static constexpr int kDefaultMotionPercent = 8;
    static constexpr int kMaxMotionPercent = 30;

    // Frames per second of the video and the timelines: 24, 25 or 30.
    int fps = kDefaultFps;
    // How long a shot plays whose duration is no whole number of seconds
    // above 0 (1 to kMaxShotSeconds).
    int defaultShotSeconds = kDefaultShotSeconds;
    // How far a shot with one picture moves as its camera does, in percent
    // of the frame over the shot (0 to kMaxMotionPercent): a zoom or a
    // travelling pushes in or pulls out that much, a pan slides that much.
    int motionPercent = kDefaultMotionPercent;
    // The temporary soundtrack (WAV, MP3, OGG) as the user chose it, UTF-8;
    // empty for none.
    std::string soundtrack;

    bool operator==(const AnimaticSettings&) const = default;
};

// Whether the video and the timelines take this rate.
bool IsAnimaticFps(int fps);

// The settings the project holds; a value that is missing or out of its
// range reads as its default.
AnimaticSettings ReadAnimaticSettings(const ProjectDocument& project);
// Stores settings in the project; a default value is stored as no entry.
void StoreAnimaticSettings(ProjectDocument& project, const AnimaticSettings& settings);

} // namespace sw
