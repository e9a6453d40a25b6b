#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace sw {

// Whether a shot's picture name names a file directly inside
// the image folder: not empty, not "." or "..", and free of folder
// separators ("/" or "\") and of NUL, which would cut the name short.
bool IsPlainPictureName(std::string_view name);

// The picture's file inside the image folder, or nothing when the folder is
// not known, the name is not plain, or the name is a symbolic link whose
// target lies outside the folder: a project from elsewhere cannot show,
// print or copy a private file through a link. The file need not exist.
std::optional<std::filesystem::path> PictureFile(const std::filesystem::path& imgDir, std::string_view name);

// Whether the picture chooser lists a file of the image folder: a name ending
// in .jpg, .jpeg, .png, .bmp, .gif or .webp in any letter case, not hidden.
bool IsPictureFileName(std::string_view fileName);

} // namespace sw
