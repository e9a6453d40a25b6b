#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "document/projectdocument.h"
#include "model/appsettings.h"

namespace sw {

// $XDG_STATE_HOME/shotweave/recovery ($XDG_STATE_HOME defaults to
// ~/.local/state, and a relative value is ignored, as for the settings).
std::filesystem::path RecoveryFolderPath(const EnvironmentLookup& environment = ProcessEnvironment);

// The time as ISO 8601 local time to the second, with its offset from UTC:
// "2026-12-09T06:03:12+01:00".
std::string IsoLocalTime(std::chrono::system_clock::time_point time);

// One recovery found in the store's folder: a project copy and its record.
struct RecoveryEntry {
    std::filesystem::path recoveryFile;  // the copy, in the project file's format
    std::filesystem::path recordFile;    // its side record
    // The project file the copy was made of; empty for a project never saved
    // (and for an entry whose record cannot be read).
    std::filesystem::path originalFile;
    std::string savedAt;  // ISO 8601 local time, as the record gives it
    // Empty when the copy and its record both read; otherwise the French
    // message that says which file cannot be read and why.
    std::string problem;

    bool IsReadable() const { return problem.empty(); }
};

// The autosaved copies of projects, in one folder: one copy per project file,
// and one for the project never saved, each with a side record (see
// RecoveryRecord) saying which file it was made of and when. A copy holds
// exactly the bytes SaveProject would write; the project's own file and the
// document are never touched. Both files are replaced atomically and synced,
// the copy first, so a crash at any moment leaves the previous recovery or
// the new one, each whole.
//
// Nothing is ever deleted but through Remove: a copy or record that cannot be
// read is listed with the reason and kept for the user to look at.
class RecoveryStore {
public:
    // Replaces a file with the bytes, or leaves it untouched, and says why it
    // could not: TryWriteFileAtomically, or a stand-in that fails as a full
    // disk would, for tests.
    using FileWriter = std::function<std::error_code(const std::filesystem::path&, std::string_view)>;

    explicit RecoveryStore(std::filesystem::path folder, FileWriter writeFile = {});

    const std::filesystem::path& Folder() const { return folder_; }

    // The copy of the project file, a stable name made of the file's stem and
    // a hash of its absolute path ("court-0123456789abcdef.vid"), or of the
    // project never saved when originalFile is empty ("nouveau-projet.vid").
    std::filesystem::path RecoveryFileFor(const std::filesystem::path& originalFile) const;
    // The record beside a copy: the same name ending in ".rec".
    static std::filesystem::path RecordFileOf(const std::filesystem::path& recoveryFile);

    // Writes the document's copy for originalFile (made absolute; empty for a
    // project never saved) and then its record, creating the folder when
    // missing. Throws sw::Error « La copie de secours « FILE » ne peut pas
    // être écrite : <reason> » (or the error of a field that cannot be
    // stored); a copy whose first record cannot be written is removed again.
    RecoveryEntry Write(const ProjectDocument& document, const std::filesystem::path& originalFile,
                        std::chrono::system_clock::time_point savedAt = std::chrono::system_clock::now()) const;
    // Write with the project file's bytes already made (ProjectFileBytes), so
    // that the editor takes them on its own thread and writes them on another.
    RecoveryEntry WriteBytes(std::string_view projectBytes, const std::filesystem::path& originalFile,
                             std::chrono::system_clock::time_point savedAt = std::chrono::system_clock::now()) const;

    // Every recovery of the folder, by file name; none when the folder does
    // not exist. A copy without a record, a record without a copy, or either
    // of them unreadable is listed with its problem.
    std::vector<RecoveryEntry> List() const;

    // Reads the entry's copy into the document, all-or-nothing as LoadProject
    // does. Throws sw::Error « La copie de secours « FILE » ne peut pas être
    // lue : <reason> » and leaves the document as it was.
    void Read(const RecoveryEntry& entry, ProjectDocument& document) const;

    // Removes the entry's copy and record; one already gone is no error.
    // Throws sw::Error « La copie de secours « FILE » ne peut pas être
    // supprimée : <reason> ».
    void Remove(const RecoveryEntry& entry) const;
    // Removes the recovery of originalFile (empty: the project never saved),
    // as after that project was saved; nothing when there is none.
    void RemoveFor(const std::filesystem::path& originalFile) const;

private:
    // The entry of one copy name, with its problem if any.
    RecoveryEntry Inspect(const std::filesystem::path& recoveryFile) const;

    std::filesystem::path folder_;
    FileWriter writeFile_;
};

} // namespace sw
