#include "model/picturename.h"

#include <array>

#include "model/cp1252.h"

namespace sw {

namespace {

constexpr std::array<std::string_view, 6> kChooserExtensions = {".jpg", ".jpeg", ".png", ".bmp", ".gif", ".webp"};

bool EndsWithNoCase(std::string_view text, std::string_view ending)
{
    if (text.size() < ending.size())
        return false;
    const std::string_view tail = text.substr(text.size() - ending.size());
    for (std::size_t i = 0; i < tail.size(); ++i) {
        char c = tail[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != ending[i])
            return false;
    }
    return true;
}

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
    return imgDir / std::filesystem::path(name);
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
