#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace sw {

// The whole content of a file. Throws sw::Error
// "Cannot open file \"<full path>\". <system reason>" when it cannot be read.
std::string ReadFileBytes(const std::filesystem::path& file);

// Replaces the file with the bytes, or leaves it untouched: the bytes go to a
// temporary file in the same folder, which is synced and then renamed over the
// target. Throws sw::Error "Cannot create file \"<full path>\". <system reason>"
// and removes the temporary file on any failure.
void WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes);

} // namespace sw
