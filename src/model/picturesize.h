#pragma once

#include <filesystem>
#include <optional>

namespace sw {

struct PictureSize {
    int width = 0;
    int height = 0;
};

// The size a picture file's header gives, as stored (before any EXIF turn),
// for JPEG, PNG, GIF (its screen), BMP and WebP; nothing for a file that is
// not a regular file, not one of those, or cut short before its size. Only
// the header is read: the markers of a JPEG are walked segment by segment.
std::optional<PictureSize> ReadPictureSize(const std::filesystem::path& file);

} // namespace sw
