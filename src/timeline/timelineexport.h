#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>

namespace sw {

struct ProjectDocument;
struct TimelineClip;

// Draws the title card of a clip as a PNG file of width × height,
// atomically. The drawing needs Qt, which the core does not know: the
// program passes it in. Throws sw::Error on failure.
using TitleCardWriter = std::function<void(const std::filesystem::path& pngFile, const ProjectDocument& project,
                                           const TimelineClip& clip, int width, int height)>;

// Writes the project's timeline at fps in the format of the file's
// extension: the title cards of the shots without a start picture first,
// into TimelineMediaFolder(file) (made when missing), then the timeline
// itself, atomically. The clips carry the ids the project's shots have:
// give them first (AssignMissingShotIds) and keep them in the project.
// Returns how many cards it wrote. Throws sw::Error, with a French sentence
// naming the file, on failure.
std::size_t WriteTimelineFile(const std::filesystem::path& file, const ProjectDocument& project,
                              const std::filesystem::path& imgDir, int fps, const TitleCardWriter& writeCard);

} // namespace sw
