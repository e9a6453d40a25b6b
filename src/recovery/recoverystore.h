#pragma once

#include <chrono>
#include <filesystem>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "document/projectdocument.h"
#include "model/appsettings.h"
#include "model/editoridentity.h"
#include "model/isotime.h"

namespace sw {

// $XDG_STATE_HOME/shotweave/recovery ($XDG_STATE_HOME defaults to
// ~/.local/state, and a relative value is ignored, as for the settings).
std::filesystem::path RecoveryFolderPath(const EnvironmentLookup& environment = ProcessEnvironment);

// One recovery found in the store's folder: a project copy and its record.
struct RecoveryEntry {
    std::filesystem::path recoveryFile;  // the copy, in the project file's format
    std::filesystem::path recordFile;    // its side record
    // The project file the copy was made of; empty for a project never saved
    // (and for an entry whose record cannot be read).
    std::filesystem::path originalFile;
    std::string savedAt;  // ISO 8601 local time, as the record gives it
    // The editor that wrote it, when the record says; see RecoveryRecord.
    std::optional<EditorIdentity> editor;
    // StableHash of the original as that editor last read or wrote it.
    std::optional<std::uint64_t> originalHash;
    // Whether that editor still runs: its copy is its own, not to be offered.
    bool editorRunning = false;
    // Empty when the copy and its record both read; otherwise the French
    // message that says which file cannot be read and why.
    std::string problem;

    bool IsReadable() const { return problem.empty(); }
};

// The autosaved copies of projects, in one folder: one copy per project file
// and editor, and one for each editor's project never saved, each with a
// side record (see
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

    // The store of one editor, owner: its copies bear its name, so that two
    // editors never write one copy.
    explicit RecoveryStore(std::filesystem::path folder, FileWriter writeFile = {},
                           EditorIdentity owner = NewEditorIdentity());

    const std::filesystem::path& Folder() const { return folder_; }
    const EditorIdentity& Owner() const { return owner_; }

    // The owner's copy of the project file, a name made of the file's stem,
    // a hash of its absolute path and the owner's token
    // ("court-0123456789abcdef-12345-987654-1.vid"), or of the project never
    // saved when originalFile is empty ("nouveau-projet-12345-987654-1.vid").
    std::filesystem::path RecoveryFileFor(const std::filesystem::path& originalFile) const;
    // The record beside a copy: the same name ending in ".rec".
    static std::filesystem::path RecordFileOf(const std::filesystem::path& recoveryFile);

    // Writes the document's copy for originalFile (made absolute; empty for a
    // project never saved) and then its record, creating the folder when
    // missing. Throws sw::Error « La copie de secours « FILE » ne peut pas
    // être écrite : <reason> » (or the error of a field that cannot be
    // stored); a copy whose first record cannot be written is removed again.
    // originalHash is StableHash of the original's bytes as the editor last
    // read or wrote them, kept in the record.
    RecoveryEntry Write(const ProjectDocument& document, const std::filesystem::path& originalFile,
                        std::chrono::system_clock::time_point savedAt = std::chrono::system_clock::now(),
                        std::optional<std::uint64_t> originalHash = {}) const;
    // Write with the project file's bytes already made (ProjectFileBytes), so
    // that the editor takes them on its own thread and writes them on another.
    RecoveryEntry WriteBytes(std::string_view projectBytes, const std::filesystem::path& originalFile,
                             std::chrono::system_clock::time_point savedAt = std::chrono::system_clock::now(),
                             std::optional<std::uint64_t> originalHash = {}) const;

    // The copy of a gone editor, recovered by the owner, becomes the
    // owner's: written under its name, with the same time and original hash,
    // and the old copy removed. Throws sw::Error as Write and Remove do; the
    // old copy is kept when the new one cannot be written.
    RecoveryEntry Claim(const RecoveryEntry& entry) const;

    // Every recovery of the folder, by file name; none when the folder does
    // not exist. A copy without a record, a record without a copy, or either
    // of them unreadable is listed with its problem. The copy of an editor
    // still running is listed as such, without its project being read.
    std::vector<RecoveryEntry> List() const;

    // Reads the entry's copy into the document, all-or-nothing as LoadProject
    // does. Throws sw::Error « La copie de secours « FILE » ne peut pas être
    // lue : <reason> » and leaves the document as it was.
    void Read(const RecoveryEntry& entry, ProjectDocument& document) const;

    // Removes the entry's copy and record; one already gone is no error.
    // Throws sw::Error « La copie de secours « FILE » ne peut pas être
    // supprimée : <reason> ».
    void Remove(const RecoveryEntry& entry) const;
    // Removes the owner's recovery of originalFile (empty: the project never
    // saved), as after that project was saved; nothing when there is none.
    void RemoveFor(const std::filesystem::path& originalFile) const;

private:
    // The entry of one copy name, with its problem if any.
    RecoveryEntry Inspect(const std::filesystem::path& recoveryFile) const;
    RecoveryEntry WriteRecorded(std::string_view projectBytes, const std::filesystem::path& originalFile,
                                std::string savedAt, std::optional<std::uint64_t> originalHash) const;

    std::filesystem::path folder_;
    FileWriter writeFile_;
    EditorIdentity owner_;
};

} // namespace sw
