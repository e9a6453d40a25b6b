#pragma once

#include <filesystem>

namespace sw {

// An export never replaces the project it is made from: throws sw::Error
// "Le fichier <output> est le projet lui-même." when output is that file.
void CheckExportIsNotTheProject(const std::filesystem::path& projectFile, const std::filesystem::path& output);

} // namespace sw
