#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sw {

// One running editor, as its lock files and recovery copies name it: the
// machine, the process (its id and its start time, so that a later process
// given the same id is another) and the editor's number within the process,
// since tests run two editors in one.
struct EditorIdentity {
    std::string host;
    long pid = 0;
    std::uint64_t started = 0;  // clock ticks after boot, as /proc/PID/stat gives it
    unsigned instance = 0;

    // "PID-STARTED-INSTANCE", which fits a file name: "12345-987654-1".
    std::string Token() const;
    // The identity of a token, on the host given; nothing when it is not one.
    static std::optional<EditorIdentity> FromToken(std::string_view token, std::string host);

    bool operator==(const EditorIdentity&) const = default;
};

// A new editor of this process: each call gives the next instance number.
EditorIdentity NewEditorIdentity();

// This machine's name ("localhost" when it has none).
std::string ThisHostName();

// Whether the editor still runs. An editor of another machine cannot be
// looked at and counts as running; one of this machine runs while a process
// with its id and start time exists. An editor of this very process counts
// as running: the one that closed has removed what it owned.
bool IsRunning(const EditorIdentity& editor);

// The user's login name, for a lock file when the settings give no author.
std::string LoginName();

} // namespace sw
