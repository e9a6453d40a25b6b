#pragma once

#include <filesystem>
#include <string>
#include <string_view>

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
struct RecoveryRecord {
    std::filesystem::path originalFile;  // empty for a project never saved
    std::string savedAt;

    // The bytes of the record's file, lines ended by CR LF.
    std::string Bytes() const;

    // The record the bytes hold. Throws sw::Error with the reason, in
    // French and without a capital ("la fiche ne dit pas …"), when they hold
    // no record: no [RECOVERY] section, no Original key, no SavedAt in the
    // form above.
    static RecoveryRecord FromBytes(std::string_view bytes);

    bool operator==(const RecoveryRecord&) const = default;
};

// Whether the text is an ISO 8601 date and time to the second
// ("2026-12-09T06:03:12"), optionally followed by "Z" or an offset "+01:00".
bool IsIsoDateTime(std::string_view text);

} // namespace sw
