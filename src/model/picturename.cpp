#include "model/picturename.h"

#include <array>

#include "model/textconv.h"

namespace sw {

namespace {

constexpr std::array<std::string_view, 6> kChooserExtensions = {".jpg", ".jpeg", ".png", ".bmp", ".gif", ".webp"};

} // namespace

bool IsPlainPictureName(std::string_view name)
{
    if (name.empty() || name == "." || name == "..")
        return false;
    return name.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos;
}

std::optional<std::filesystem::path> PictureFile(const std::filesystem::path& imgDir, std::string_view name)
{
    if (imgDir.empty() || !IsPlainPictureName(name))
        return std::nullopt;
    std::filesystem::path file = imgDir / std::filesystem::path(name);
    std::error_code error;
    if (std::filesystem::is_symlink(std::filesystem::symlink_status(file, error))) {
        const std::filesystem::path target = std::filesystem::weakly_canonical(file, error);
        const std::filesystem::path folder = std::filesystem::weakly_canonical(imgDir, error);
        const std::filesystem::path inside = target.lexically_relative(folder);
        if (error || inside.empty() || *inside.begin() == "..")
            return std::nullopt;
    }
    return file;
}

bool IsPictureFileName(std::string_view fileName)
{
    // A hidden file is the system's own, never a picture the user put there:
    // a copy from a Mac brings "._photo.jpg" beside every "photo.jpg".
    if (fileName.empty() || fileName.front() == '.')
        return false;
    for (const std::string_view extension : kChooserExtensions)
        if (fileName.size() > extension.size() && EndsWithNoCase(fileName, extension))
            return true;
    return false;
}

} // namespace sw
