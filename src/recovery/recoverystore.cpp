#include "recovery/recoverystore.h"

#include <cstdint>
#include <set>
#include <system_error>
#include <utility>

#include "document/projectfile.h"
#include "model/error.h"
#include "model/filebytes.h"
#include "model/stablehash.h"
#include "recovery/recoveryrecord.h"
#include "model/systemtext.h"

namespace sw {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kCopyExtension = ".vid";
constexpr std::string_view kRecordExtension = ".rec";
constexpr std::string_view kNeverSavedName = "nouveau-projet";
// Bytes of the original's stem kept in a copy's name: enough to recognise it.
constexpr std::size_t kMaxStemBytes = 40;

std::string Quoted(const fs::path& file)
{
    return "« " + file.string() + " »";
}

[[noreturn]] void ThrowCopyNotWritten(const fs::path& copy, const std::string& reason)
{
    throw Error("La copie de secours " + Quoted(copy) + " ne peut pas être écrite : " + reason);
}

[[noreturn]] void ThrowRecordNotWritten(const fs::path& record, const std::string& reason)
{
    throw Error("La fiche de la copie de secours " + Quoted(record) + " ne peut pas être écrite : " + reason);
}

std::string CopyNotRead(const fs::path& copy, const std::string& reason)
{
    return "La copie de secours " + Quoted(copy) + " ne peut pas être lue : " + reason;
}

std::string RecordNotRead(const fs::path& record, const std::string& reason)
{
    return "La fiche de la copie de secours " + Quoted(record) + " ne peut pas être lue : " + reason;
}

fs::path AbsolutePath(const fs::path& file)
{
    std::error_code error;
    const fs::path absolute = fs::absolute(file, error);
    return (error ? file : absolute).lexically_normal();
}

// The stem as a readable part of a name: control characters replaced, no
// leading dot (the temporary files of atomic writes start with one), cut at a
// character's start.
std::string ReadableStem(const fs::path& original)
{
    std::string stem = original.stem().string();
    if (stem.size() > kMaxStemBytes) {
        std::size_t cut = kMaxStemBytes;
        while (cut > 0 && (static_cast<unsigned char>(stem[cut]) & 0xC0) == 0x80)
            --cut;
        stem.resize(cut);
    }
    for (char& c : stem)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = '_';
    if (!stem.empty() && stem.front() == '.')
        stem.front() = '_';
    return stem.empty() ? "projet" : stem;
}

bool EndsWith(const std::string& text, std::string_view end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The editor of this machine whose token ends a copy's name; nothing for a
// name without one.
std::optional<EditorIdentity> EditorOfName(const fs::path& recoveryFile)
{
    const std::string stem = recoveryFile.stem().string();
    std::size_t start = stem.size();
    for (int dashes = 0; dashes < 3; ++dashes) {
        start = start == 0 ? std::string::npos : stem.rfind('-', start - 1);
        if (start == std::string::npos)
            return std::nullopt;
    }
    return EditorIdentity::FromToken(std::string_view(stem).substr(start + 1), ThisHostName());
}

// The names, without extension, of the copies and records in the folder.
std::set<std::string> RecoveryNames(const fs::path& folder)
{
    std::set<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.front() == '.')
            continue;  // a temporary file of an atomic write
        for (const std::string_view extension : {kCopyExtension, kRecordExtension})
            if (EndsWith(name, extension))
                names.insert(name.substr(0, name.size() - extension.size()));
    }
    return names;
}

// The copy's problem when its bytes cannot be read or opened as a project;
// empty otherwise.
std::string CopyProblem(const fs::path& copy)
{
    std::string bytes;
    if (const std::error_code error = TryReadFileBytes(copy, bytes))
        return CopyNotRead(copy, FrenchReason(error));
    try {
        ProjectDocument scratch;
        LoadProjectBytes(scratch, bytes);
    } catch (const Error& error) {
        return CopyNotRead(copy, FrenchSystemText(error.what()));
    }
    return {};
}

void RemoveFile(const fs::path& copy, const fs::path& file)
{
    std::error_code error;
    fs::remove(file, error);
    if (error)
        throw Error("La copie de secours " + Quoted(copy) + " ne peut pas être supprimée : " + FrenchReason(error));
}

} // namespace

fs::path RecoveryFolderPath(const EnvironmentLookup& environment)
{
    return XdgBaseDirectory(environment, "XDG_STATE_HOME", ".local/state") / "shotweave" / "recovery";
}

RecoveryStore::RecoveryStore(fs::path folder, FileWriter writeFile, EditorIdentity owner)
    : folder_(std::move(folder)),
      writeFile_(writeFile ? std::move(writeFile) : FileWriter([](const fs::path& file, std::string_view bytes) {
          return TryWriteFileAtomically(file, bytes, LinkPolicy::ReplaceLink);
      })),
      owner_(std::move(owner))
{
}

fs::path RecoveryStore::RecoveryFileFor(const fs::path& originalFile) const
{
    const std::string owner = "-" + owner_.Token() + std::string(kCopyExtension);
    if (originalFile.empty())
        return folder_ / (std::string(kNeverSavedName) + owner);
    const fs::path original = AbsolutePath(originalFile);
    return folder_ / (ReadableStem(original) + "-" + Hex16(StableHash(original.string())) + owner);
}

fs::path RecoveryStore::RecordFileOf(const fs::path& recoveryFile)
{
    fs::path record = recoveryFile;
    record.replace_extension(kRecordExtension);
    return record;
}

RecoveryEntry RecoveryStore::Write(const ProjectDocument& document, const fs::path& originalFile,
                                   std::chrono::system_clock::time_point savedAt,
                                   std::optional<std::uint64_t> originalHash) const
{
    return WriteBytes(ProjectFileBytes(document), originalFile, savedAt, originalHash);
}

RecoveryEntry RecoveryStore::WriteBytes(std::string_view projectBytes, const fs::path& originalFile,
                                        std::chrono::system_clock::time_point savedAt,
                                        std::optional<std::uint64_t> originalHash) const
{
    return WriteRecorded(projectBytes, originalFile, IsoLocalTime(savedAt), originalHash);
}

RecoveryEntry RecoveryStore::Claim(const RecoveryEntry& entry) const
{
    std::string bytes;
    if (const std::error_code error = TryReadFileBytes(entry.recoveryFile, bytes))
        throw Error(CopyNotRead(entry.recoveryFile, FrenchReason(error)));
    RecoveryEntry claimed = WriteRecorded(bytes, entry.originalFile, entry.savedAt, entry.originalHash);
    if (claimed.recoveryFile != entry.recoveryFile)
        Remove(entry);
    return claimed;
}

RecoveryEntry RecoveryStore::WriteRecorded(std::string_view projectBytes, const fs::path& originalFile,
                                           std::string savedAt, std::optional<std::uint64_t> originalHash) const
{
    RecoveryEntry entry;
    entry.originalFile = originalFile.empty() ? fs::path() : AbsolutePath(originalFile);
    entry.recoveryFile = RecoveryFileFor(entry.originalFile);
    entry.recordFile = RecordFileOf(entry.recoveryFile);
    entry.savedAt = std::move(savedAt);
    entry.editor = owner_;
    entry.originalHash = originalHash;
    entry.editorRunning = true;
    const std::string recordBytes
        = RecoveryRecord{entry.originalFile, entry.savedAt, entry.editor, entry.originalHash}.Bytes();

    std::error_code error;
    fs::create_directories(folder_, error);
    if (error)
        ThrowCopyNotWritten(entry.recoveryFile, FrenchReason(error));
    // The copies are the user's work: the folder is theirs alone. A folder
    // that cannot be narrowed (not the user's own) still takes the copies,
    // each with its project's permissions below.
    std::error_code ignored;
    fs::permissions(folder_, fs::perms::owner_all, ignored);
    const bool hadRecord = fs::is_regular_file(entry.recordFile, ignored);
    if ((error = writeFile_(entry.recoveryFile, projectBytes)))
        ThrowCopyNotWritten(entry.recoveryFile, FrenchReason(error));
    if ((error = writeFile_(entry.recordFile, recordBytes))) {
        // A previous record still names the same file; without one, the new
        // copy would be an orphan.
        if (!hadRecord)
            fs::remove(entry.recoveryFile, ignored);
        ThrowRecordNotWritten(entry.recordFile, FrenchReason(error));
    }
    // A copy has the permissions of the project it was made of: a private
    // project's copy stays private wherever it is moved.
    if (!entry.originalFile.empty()) {
        const fs::file_status original = fs::status(entry.originalFile, ignored);
        if (fs::is_regular_file(original)) {
            const fs::perms kept = original.permissions() & (fs::perms::owner_read | fs::perms::owner_write
                                                             | fs::perms::group_read | fs::perms::group_write
                                                             | fs::perms::others_read | fs::perms::others_write);
            fs::permissions(entry.recoveryFile, kept, ignored);
            fs::permissions(entry.recordFile, kept, ignored);
        }
    }
    return entry;
}

RecoveryEntry RecoveryStore::Inspect(const fs::path& recoveryFile) const
{
    RecoveryEntry entry;
    entry.recoveryFile = recoveryFile;
    entry.recordFile = RecordFileOf(recoveryFile);
    // A record that cannot be read is a problem, unless the copy's name says
    // a running editor made it: that editor may be between writing its copy
    // and its record.
    const auto recordProblem = [&](const std::string& reason) {
        if (std::optional<EditorIdentity> named = EditorOfName(recoveryFile);
            named && !(*named == owner_) && IsRunning(*named)) {
            entry.editor = std::move(named);
            entry.editorRunning = true;
        } else {
            entry.problem = RecordNotRead(entry.recordFile, reason);
        }
        return entry;
    };
    std::string recordBytes;
    if (const std::error_code error = TryReadFileBytes(entry.recordFile, recordBytes))
        return recordProblem(FrenchReason(error));
    try {
        RecoveryRecord record = RecoveryRecord::FromBytes(recordBytes);
        entry.originalFile = std::move(record.originalFile);
        entry.savedAt = std::move(record.savedAt);
        entry.editor = std::move(record.editor);
        entry.originalHash = record.originalHash;
    } catch (const Error& error) {
        return recordProblem(FrenchSystemText(error.what()));
    }
    // Another running editor's copy is its own business: not read here.
    entry.editorRunning = entry.editor && IsRunning(*entry.editor);
    if (!entry.editorRunning || entry.editor == owner_)
        entry.problem = CopyProblem(recoveryFile);
    return entry;
}

std::vector<RecoveryEntry> RecoveryStore::List() const
{
    std::vector<RecoveryEntry> entries;
    for (const std::string& name : RecoveryNames(folder_))
        entries.push_back(Inspect(folder_ / (name + std::string(kCopyExtension))));
    return entries;
}

void RecoveryStore::Read(const RecoveryEntry& entry, ProjectDocument& document) const
{
    std::string bytes;
    if (const std::error_code error = TryReadFileBytes(entry.recoveryFile, bytes))
        throw Error(CopyNotRead(entry.recoveryFile, FrenchReason(error)));
    try {
        LoadProjectBytes(document, bytes);
    } catch (const Error& error) {
        throw Error(CopyNotRead(entry.recoveryFile, FrenchSystemText(error.what())));
    }
}

void RecoveryStore::Remove(const RecoveryEntry& entry) const
{
    // The record goes first, as it was written last.
    RemoveFile(entry.recoveryFile, entry.recordFile);
    RemoveFile(entry.recoveryFile, entry.recoveryFile);
}

void RecoveryStore::RemoveFor(const fs::path& originalFile) const
{
    RecoveryEntry entry;
    entry.recoveryFile = RecoveryFileFor(originalFile);
    entry.recordFile = RecordFileOf(entry.recoveryFile);
    Remove(entry);
}

} // namespace sw
