#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "model/editoridentity.h"
#include "model/isotime.h"

namespace sw {

// The side record of a recovery copy: which project file the copy was made
// of, and when. Its file is UTF-8 INI text, written after the copy:
//
//   [RECOVERY]
//   Original="/home/anne/films/court.vid"
//   SavedAt=2026-12-09T06:03:12+01:00
//
// Original is empty for a project never saved; it is quoted so that blanks
// at its ends stay, and CR, LF and backslashes are stored as "\r", "\n" and
// "\\" (EscapeLineBreaks) so that any path the system allows fits one line.
// SavedAt is ISO 8601 local time, to the second, with the offset from UTC.
//
// Two more keys follow when known:
//
//   Editor=12345-987654-1
//   Host=atelier
//   OriginalHash=0123456789abcdef
//
// Editor and Host name the editor that writes the copy (EditorIdentity): a
// copy is offered at start-up only once that editor is gone. OriginalHash is
// StableHash of the original's bytes as that editor last read or wrote them,
// so that the file can be seen to have changed since. A record without them
// (written before they existed) is of an editor long gone.
struct RecoveryRecord {
    std::filesystem::path originalFile;  // empty for a project never saved
    std::string savedAt;
    std::optional<EditorIdentity> editor;
    std::optional<std::uint64_t> originalHash;

    // The bytes of the record's file, lines ended by CR LF.
    std::string Bytes() const;

    // The record the bytes hold. Throws sw::Error with the reason, in
    // French and without a capital ("la fiche ne dit pas …"), when they hold
    // no record: no [RECOVERY] section, no Original key, no SavedAt in the
    // form above.
    static RecoveryRecord FromBytes(std::string_view bytes);

    bool operator==(const RecoveryRecord&) const = default;
};

} // namespace sw
