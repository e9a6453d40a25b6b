#include "export/exporttarget.h"

#include "model/error.h"

namespace sw {

void CheckExportIsNotTheProject(const std::filesystem::path& projectFile, const std::filesystem::path& output)
{
    std::error_code error;
    if (!projectFile.empty() && std::filesystem::equivalent(projectFile, output, error))
        throw Error("Le fichier " + output.string() + " est le projet lui-même.");
}

} // namespace sw
