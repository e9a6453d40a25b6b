#pragma once

// What several fuzz targets share: a scratch folder of the run's own and
// reading a file whole.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <unistd.h>

namespace fuzzsupport {

// A new folder under /tmp named after prefix, made once per run.
inline std::filesystem::path MakeScratchFolder(const char* prefix)
{
    std::string pattern = std::string("/tmp/") + prefix + "-XXXXXX";
    const char* made = ::mkdtemp(pattern.data());
    if (made == nullptr)
        std::abort();
    return std::filesystem::path(made);
}

inline std::string ReadAll(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace fuzzsupport
