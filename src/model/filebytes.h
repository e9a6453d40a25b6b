#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace sw {

// The whole content of a file. Throws sw::Error
// "Cannot open file \"<full path>\". <system reason>" when it cannot be read.
std::string ReadFileBytes(const std::filesystem::path& file);

// Replaces the file with the bytes, or leaves it untouched: the bytes go to a
// temporary file in the same folder, which is synced and then renamed over the
// target. Throws sw::Error "Cannot create file \"<full path>\". <system reason>"
// and removes the temporary file on any failure.
void WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes);

// ReadFileBytes and WriteFileAtomically for callers that word their own
// message: the system's error instead of the exception, with the same
// guarantees (the target of a failed write is untouched).
std::error_code TryReadFileBytes(const std::filesystem::path& file, std::string& bytes);
std::error_code TryWriteFileAtomically(const std::filesystem::path& file, std::string_view bytes);

} // namespace sw
