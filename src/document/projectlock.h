#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "model/editoridentity.h"

namespace sw {

// Who holds a project open: the lock file beside the project,
// ".~lock.NAME#", as office suites name theirs, in UTF-8 INI text:
//
//   [LOCK]
//   User=Anne Martin
//   Host=atelier
//   Editor=12345-987654-1
//   Since=2026-12-09T10:03:12+01:00
//
// A lock is advice between editors, not a barrier: a file is never refused
// because of one, the user is told and decides.
struct LockHolder {
    std::string user;  // the author's name from the settings, or the login name
    EditorIdentity editor;
    std::string since;  // ISO 8601 local time

    bool operator==(const LockHolder&) const = default;
};

// The lock file of the project, beside the file that links lead to, so that
// two editors reaching one project through different links see one lock.
std::filesystem::path LockFileOf(const std::filesystem::path& project);

// The holder the project's lock names; nothing when there is no lock or it
// cannot be read as one.
std::optional<LockHolder> ReadProjectLock(const std::filesystem::path& project);

// The holder of the project's lock while that editor still runs (see
// IsRunning); nothing when the project is free, its lock is stale, or the
// lock is self's own.
std::optional<LockHolder> OtherRunningHolder(const std::filesystem::path& project, const EditorIdentity& self);

enum class LockResult {
    Taken,         // the lock is self's (new, taken over from a stale one, or already self's)
    HeldByOther,   // another running editor holds it: nothing was written
    NotWritable,   // no lock could be written there (a read-only folder): problem says why
};

struct LockAttempt {
    LockResult result = LockResult::Taken;
    std::optional<LockHolder> holder;  // the other editor, when HeldByOther
    std::string problem;               // the system's reason, when NotWritable
};

// Takes the project's lock for the holder: a new lock file is created only
// where none exists, so that two editors opening at once do not both take it;
// a stale lock (its editor gone) or the holder's own is replaced.
LockAttempt TakeProjectLock(const std::filesystem::path& project, const LockHolder& holder);

// Removes the project's lock when it is self's; another editor's lock stays.
void ReleaseProjectLock(const std::filesystem::path& project, const EditorIdentity& self);

} // namespace sw
