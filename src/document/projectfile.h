#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "document/projectdocument.h"

namespace sw {

// The version this system writes.
inline constexpr std::int32_t kProjectFileVersion = 3;

// The bytes of a project file: version, general information, shot list,
// report, layout block and style block. Throws sw::Error when a text field
// cannot be stored.
std::string ProjectFileBytes(const ProjectDocument& document);

// Writes the project file, replacing the old one only once every byte is on
// disk; FileVersion becomes 3. On failure the old file is untouched and
// sw::Error "Cannot create file \"<path>\". <reason>" (or the error of a field
// that cannot be stored) is thrown.
void SaveProject(ProjectDocument& document, const std::filesystem::path& file);

// The copy of the previous version a save keeps beside the file: NAME.vid~.
std::filesystem::path BackupFileOf(const std::filesystem::path& file);

// SaveProject that first keeps the bytes of the file it replaces as
// BackupFileOf(file), itself replaced atomically, when keepBackup is set and
// the file exists (a first save keeps none). When the backup cannot be
// written, nothing is saved, the file is untouched and sw::Error
// « La version précédente de « FILE » ne peut pas être gardée dans
// « FILE~ » : <reason> » is thrown. The backup has the file's permissions.
// Returns StableHash of the bytes written, which the editor keeps to tell
// later whether another program replaced the file (FileChangedSince).
std::uint64_t SaveProjectWithBackup(ProjectDocument& document, const std::filesystem::path& file, bool keepBackup);
// The same, leaving the document as it is: its owner marks it written (the
// editor's document does so once it is saved).
std::uint64_t SaveProjectWithBackup(const ProjectDocument& document, const std::filesystem::path& file,
                                    bool keepBackup);

// Reads a project file of any version (above 3 reads like 3) into the
// document. The file is read into a copy of the document reset as for a new
// project (shots, general information and report text emptied; report
// settings, layout and style kept, since older versions lack them), and the
// copy replaces the document only when the whole file was read. On any error
// the document is exactly as before. Returns StableHash of the bytes read.
std::uint64_t LoadProject(ProjectDocument& document, const std::filesystem::path& file);

// The warning for a file whose last bytes this version does not know
// (ProjectDocument::UnknownTrailingBytes).
std::string UnknownDataMessage(const std::filesystem::path& file, std::size_t bytes);

// LoadProject from bytes already in memory.
void LoadProjectBytes(ProjectDocument& document, std::string_view bytes);

// Whether the file's bytes are no longer those whose StableHash is known: it
// was replaced, changed or removed since it was last read or written. A file
// that cannot be read counts as changed. The file time is not looked at: a
// copy or a sync tool may keep it, and a touch changes nothing.
bool FileChangedSince(const std::filesystem::path& file, std::uint64_t knownHash);

} // namespace sw
