#pragma once

#include <filesystem>

#include "app/userprompts.h"
#include "timeline/animaticvideo.h"

namespace sw {

struct ProjectDocument;

// The video options the editor's export takes from the project: its rate,
// full HD, its soundtrack when the file is there (otherwise *missingSound
// names it and the video is silent).
VideoOptions EditorVideoOptions(const ProjectDocument& project, std::string* missingSound);

// Encodes the animatic on a worker thread while the calling (GUI) thread
// reports the frames done to step, which keeps the progress box live; a step
// that answers false stops the encoder, which then leaves no file. Returns
// false when stopped; rethrows the encoder's sw::Error.
bool EncodeAnimaticWithProgress(const std::filesystem::path& videoFile, const ProjectDocument& project,
                                const std::filesystem::path& imgDir, const VideoOptions& options,
                                const ProgressStep& step);

} // namespace sw
