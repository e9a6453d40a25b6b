#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>

#include "timeline/animaticvideo.h"

namespace sw {
struct ProjectDocument;
}

namespace sw::animatic {

// Told after each frame written: frames done of total, on the thread that
// called EncodeAnimatic.
using EncodeProgress = std::function<void(std::int64_t done, std::int64_t total)>;

// Encodes the project's animatic (AnimaticFrames, the captions as the
// options say) as an MP4 file: H.264 in yuv420p at options.fps, constant
// rate, exactly FilmFrames frames, the index at the front so that it plays
// while it downloads; with options.audio, the sound in AAC, cut or padded
// with silence to the film's length. The frames are drawn on one thread
// while the calling thread encodes. The file is written beside the target
// under a temporary name and renamed over it only once whole: a failure or a
// cancel (cancel set true, read between frames; returns false) leaves no
// file and any earlier target untouched. Throws sw::Error, in French and
// naming the file: an unreadable sound file (before anything is written), a
// project without shots, a folder that takes no file, a full disk.
bool EncodeAnimatic(const std::filesystem::path& videoFile, const ProjectDocument& project,
                    const std::filesystem::path& imgDir, const VideoOptions& options,
                    const EncodeProgress& progress = {}, const std::atomic<bool>* cancel = nullptr);

} // namespace sw::animatic
