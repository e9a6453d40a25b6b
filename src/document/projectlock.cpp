#include "document/projectlock.h"

#include <cerrno>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

#include "model/error.h"
#include "model/filebytes.h"
#include "model/inifile.h"
#include "model/isotime.h"
#include "model/systemtext.h"

namespace sw {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kSection = "LOCK";

// A value on one line: control characters become blanks.
std::string OneLine(std::string text)
{
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = ' ';
    return text;
}

std::string LockBytes(const LockHolder& holder)
{
    IniFile ini;
    ini.WriteString(kSection, "User", OneLine(holder.user));
    ini.WriteString(kSection, "Host", OneLine(holder.editor.host));
    ini.WriteString(kSection, "Editor", holder.editor.Token());
    ini.WriteString(kSection, "Since", holder.since);
    return ini.Bytes();
}

std::optional<LockHolder> LockOfBytes(std::string_view bytes)
{
    try {
        const IniFile ini = IniFile::FromBytes(bytes);
        std::optional<EditorIdentity> editor
            = EditorIdentity::FromToken(ini.ReadString(kSection, "Editor", ""), ini.ReadString(kSection, "Host", ""));
        if (!editor)
            return std::nullopt;
        LockHolder holder{ini.ReadString(kSection, "User", ""), std::move(*editor), ini.ReadString(kSection, "Since", "")};
        if (!IsIsoDateTime(holder.since))
            holder.since.clear();
        return holder;
    } catch (const Error&) {
        return std::nullopt;
    }
}

// Creates the lock file with the bytes where none exists; EEXIST when one does.
std::error_code CreateNewLock(const fs::path& lock, const std::string& bytes)
{
    const int fd = ::open(lock.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0)
        return {errno, std::generic_category()};
    std::error_code error;
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            error.assign(errno, std::generic_category());
            break;
        }
        written += static_cast<std::size_t>(n);
    }
    if (::close(fd) != 0 && !error)
        error.assign(errno, std::generic_category());
    if (error)
        ::unlink(lock.c_str());
    return error;
}

} // namespace

fs::path LockFileOf(const fs::path& project)
{
    const fs::path target = FinalTarget(project);
    return target.parent_path() / (".~lock." + target.filename().string() + "#");
}

std::optional<LockHolder> ReadProjectLock(const fs::path& project)
{
    std::string bytes;
    if (TryReadFileBytes(LockFileOf(project), bytes))
        return std::nullopt;
    return LockOfBytes(bytes);
}

std::optional<LockHolder> OtherRunningHolder(const fs::path& project, const EditorIdentity& self)
{
    std::optional<LockHolder> holder = ReadProjectLock(project);
    if (!holder || holder->editor == self || !IsRunning(holder->editor))
        return std::nullopt;
    return holder;
}

LockAttempt TakeProjectLock(const fs::path& project, const LockHolder& holder)
{
    const fs::path lock = LockFileOf(project);
    const std::string bytes = LockBytes(holder);
    LockAttempt attempt;
    std::error_code error = CreateNewLock(lock, bytes);
    if (!error)
        return attempt;
    if (error != std::errc::file_exists) {
        attempt.result = LockResult::NotWritable;
        attempt.problem = FrenchReason(error);
        return attempt;
    }
    if (std::optional<LockHolder> other = OtherRunningHolder(project, holder.editor)) {
        attempt.result = LockResult::HeldByOther;
        attempt.holder = std::move(other);
        return attempt;
    }
    // A stale lock, an unreadable one or our own: replaced whole.
    if ((error = TryWriteFileAtomically(lock, bytes, LinkPolicy::ReplaceLink))) {
        attempt.result = LockResult::NotWritable;
        attempt.problem = FrenchReason(error);
    }
    return attempt;
}

void ReleaseProjectLock(const fs::path& project, const EditorIdentity& self)
{
    const std::optional<LockHolder> holder = ReadProjectLock(project);
    if (!holder || !(holder->editor == self))
        return;
    std::error_code ignored;
    fs::remove(LockFileOf(project), ignored);
}

} // namespace sw
