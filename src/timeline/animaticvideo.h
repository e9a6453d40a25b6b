#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>

#include "timeline/animaticsettings.h"

namespace sw {

struct ProjectDocument;

// What the animatic's video is made with, beyond the project's own settings
// (the default duration, the motion).
struct VideoOptions {
    int fps = AnimaticSettings::kDefaultFps;
    int width = 1920;
    int height = 1080;
    // The soundtrack, cut or padded with silence to the film's length;
    // empty for a silent video.
    std::filesystem::path audio;
    // The number, the name and the dialogue written over the pictures.
    bool captions = false;
};

// A video's size "WxH": even numbers from 64 to 4096, as H.264 in 4:2:0
// takes them.
struct VideoSize {
    int width = 0;
    int height = 0;
};
std::optional<VideoSize> ParseVideoSize(std::string_view text);

// Encodes the animatic into a video file, atomically: a failed write leaves
// no file. The drawing and the encoding need Qt and libav, which the core
// does not know: the program passes them in. Throws sw::Error on failure.
using AnimaticWriter = std::function<void(const std::filesystem::path& videoFile, const ProjectDocument& project,
                                          const std::filesystem::path& imgDir, const VideoOptions& options)>;

} // namespace sw
