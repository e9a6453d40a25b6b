#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace sw {

// The whole content of a file. Throws sw::Error
// "Cannot open file \"<full path>\". <system reason>" when it cannot be read.
std::string ReadFileBytes(const std::filesystem::path& file);

// How far a replaced file must reach before WriteFileAtomically returns.
enum class Durability {
    // On the disk, the rename included: the user's own files.
    Synced,
    // Replaced whole, but left to the system's own flushing: files that are
    // made again from the project at any time, such as the published pages.
    Rebuildable,
};

// Replaces the file with the bytes, or leaves it untouched: the bytes go to a
// temporary file in the same folder, which is synced (unless the file is
// Rebuildable) and then renamed over the target. Throws sw::Error
// "Cannot create file \"<full path>\". <system reason>" and removes the
// temporary file on any failure.
void WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes,
                         Durability durability = Durability::Synced);

// ReadFileBytes and WriteFileAtomically for callers that word their own
// message: the system's error instead of the exception, with the same
// guarantees (the target of a failed write is untouched).
std::error_code TryReadFileBytes(const std::filesystem::path& file, std::string& bytes);
std::error_code TryWriteFileAtomically(const std::filesystem::path& file, std::string_view bytes);

} // namespace sw
