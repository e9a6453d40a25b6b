#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace sw {

struct ProjectDocument;

// The plan as one HTML file a crew passes around and opens offline on any
// phone ("plan de poche"): UTF-8, its style sheet inline, its pictures
// embedded as data: JPEG, nothing loaded from anywhere, readable without
// script (the script only adds the shot filter).

// A picture as the plan embeds it.
struct PocketPicture {
    std::string jpeg;  // the JPEG file's bytes
    int width = 0;
    int height = 0;
};

// The two sizes of one picture: the shot's, at most kPocketPictureSide on its
// long side, and the storyboard's, at most kPocketThumbnailSide.
struct PocketPictureSizes {
    PocketPicture shot;
    PocketPicture thumbnail;
};

inline constexpr int kPocketPictureSide = 1024;
inline constexpr int kPocketThumbnailSide = 480;

// Reads a picture file and makes its two sizes; throws sw::Error with the
// reason when it cannot. Decoding needs Qt, which the core does not know:
// the program passes it in. Called from several threads at once.
using PocketPictureMaker = std::function<PocketPictureSizes(const std::filesystem::path& file)>;

// Told how many of the pictures are made; returns false to stop.
using PocketProgress = std::function<bool(int done, int total)>;

struct PocketPlanOptions {
    // The project's image folder; empty when it has none.
    std::filesystem::path imgDir;
    // Without one, each picture shows as its name.
    PocketPictureMaker makePicture;
    PocketProgress progress;
};

struct PocketPlan {
    std::string html;
    // One French sentence per picture that could not be embedded.
    std::vector<std::string> warnings;
};

// The plan of the project, or nothing when the progress stopped it. The
// fields that are HTML by design are cleaned so that they can neither run
// nor load anything.
std::optional<PocketPlan> MakePocketPlan(const ProjectDocument& project, const PocketPlanOptions& options);

// Writes the plan atomically; false, leaving no file, when the progress
// stopped it. Throws sw::Error naming the file when it cannot be written.
// Returns the warnings through warnings when given.
bool WritePocketPlan(const std::filesystem::path& file, const ProjectDocument& project,
                     const PocketPlanOptions& options, std::vector<std::string>* warnings = nullptr);

} // namespace sw
