#include "model/picturename.h"

#include "model/cp1252.h"

namespace sw {

bool IsPlainPictureName(std::string_view cp1252Name)
{
    if (cp1252Name.empty() || cp1252Name == "." || cp1252Name == "..")
        return false;
    return cp1252Name.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos;
}

std::optional<std::filesystem::path> PictureFile(const std::filesystem::path& imgDir, std::string_view cp1252Name)
{
    if (imgDir.empty() || !IsPlainPictureName(cp1252Name))
        return std::nullopt;
    return imgDir / std::filesystem::path(Cp1252ToUtf8(cp1252Name));
}

} // namespace sw
