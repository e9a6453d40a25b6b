#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace sw {

// The whole content of a regular file. Throws sw::Error
// "Cannot open file \"<full path>\". <system reason>" when it cannot be read,
// with kNotRegularFileReason as the reason for a pipe, a device or a socket,
// which is refused at once rather than waited for or read without end.
std::string ReadFileBytes(const std::filesystem::path& file);

inline constexpr const char* kNotRegularFileReason = "Not a regular file (a pipe, a device or a socket)";

// Whether path names a regular file, a symbolic link followed; nothing is
// opened, so a pipe's writer is never waited for.
bool IsRegularFile(const std::filesystem::path& path);

// Reads a file another program wrote, up to maxBytes. Throws sw::Error
// « Le fichier « NAME » ne peut pas être lu : il est bien trop grand pour
// KIND (N Mo). » when it is larger, and « Le fichier « NAME » ne peut pas
// être ouvert : il est introuvable ou illisible. (reason) » when it cannot
// be read (missing, a folder, a pipe or a device).
std::string ReadFileNoLargerThan(const std::filesystem::path& file, std::uintmax_t maxBytes, std::string_view kind);

// Whether the user may create files in folder: false for a folder that is
// missing, not a folder, without write permission or on a read-only disk.
bool CanCreateFilesIn(const std::filesystem::path& folder);

// What a replaced file that is a symbolic link becomes.
enum class LinkPolicy {
    // The link's final target is replaced, from a temporary file beside the
    // target, and the link stays: the user's own files, which a link may keep
    // in another folder.
    WriteThroughLink,
    // The link itself is replaced by the file: files the program makes inside
    // a folder of its own (the site's pages, the pictures, the recovery
    // copies), which must never land outside it.
    ReplaceLink,
};

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
// Rebuildable) and then renamed over the target. The temporary file has the
// replaced file's permissions from the start, so a private file is never
// readable by others, even half written. A file that is a folder or a
// special file is not replaced. Throws sw::Error
// "Cannot create file \"<full path>\". <system reason>" and removes the
// temporary file on any failure. With WriteThroughLink, the temporary files
// that an interrupted write of the same file left behind are removed first.
void WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes, LinkPolicy links,
                         Durability durability = Durability::Synced);

// ReadFileBytes and WriteFileAtomically for callers that word their own
// message: the system's error instead of the exception, with the same
// guarantees (the target of a failed write is untouched).
std::error_code TryReadFileBytes(const std::filesystem::path& file, std::string& bytes);
std::error_code TryWriteFileAtomically(const std::filesystem::path& file, std::string_view bytes, LinkPolicy links);

// The file a write through links replaces: the final target of a chain of
// symbolic links (which need not exist yet), the file itself otherwise.
std::filesystem::path FinalTarget(const std::filesystem::path& file);

// Removes the temporary files that interrupted writes of file left in its
// folder: those of processes that no longer run. Returns how many.
int RemoveLeftoverTemporaryFiles(const std::filesystem::path& file);

} // namespace sw
