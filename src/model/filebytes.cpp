#include "model/filebytes.h"

#include <cerrno>
#include <charconv>
#include <chrono>
#include <csignal>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "model/error.h"
#include "model/systemtext.h"

namespace sw {

namespace {

std::string FullPath(const std::filesystem::path& file)
{
    std::error_code ignored;
    const std::filesystem::path full = std::filesystem::absolute(file, ignored);
    return (full.empty() ? file : full).string();
}

// What the reading and writing below return for a file that is neither a
// regular file nor a folder; no errno says it.
constexpr int kNotRegular = -1;

class NotRegularCategory : public std::error_category {
public:
    const char* name() const noexcept override { return "shotweave.file"; }
    std::string message(int) const override { return kNotRegularFileReason; }
};

std::error_code ErrorCode(int error)
{
    static const NotRegularCategory notRegular;
    if (error == kNotRegular)
        return {1, notRegular};
    return {error, std::generic_category()};
}

std::string Reason(int error)
{
    return error == kNotRegular ? std::string(kNotRegularFileReason) : std::string(std::strerror(error));
}

[[noreturn]] void ThrowCannotOpen(const std::filesystem::path& file, int error)
{
    throw Error("Cannot open file \"" + FullPath(file) + "\". " + Reason(error));
}

[[noreturn]] void ThrowCannotCreate(const std::filesystem::path& file, int error)
{
    throw Error("Cannot create file \"" + FullPath(file) + "\". " + Reason(error));
}

// 0 for a regular file, EISDIR for a folder, kNotRegular for anything else.
int RegularFileCheck(const struct stat& info)
{
    if (S_ISREG(info.st_mode))
        return 0;
    return S_ISDIR(info.st_mode) ? EISDIR : kNotRegular;
}

// Closes the descriptor when it leaves scope, unless it was closed already.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd)
        : fd_(fd)
    {
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int Get() const { return fd_; }
    // Returns 0 or the errno of a failed close.
    int Close()
    {
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int fd_;
};

// Removes the temporary file when it leaves scope, unless it was kept.
class TemporaryFile {
public:
    explicit TemporaryFile(std::filesystem::path path)
        : path_(std::move(path))
    {
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile()
    {
        if (!kept_)
            ::unlink(path_.c_str());
    }
    void Keep() { kept_ = true; }

private:
    std::filesystem::path path_;
    bool kept_ = false;
};

// A name for the temporary file beside the target, different for every
// attempt: the process, the clock's ticks and the attempt's number. It need
// not be unpredictable, only unlikely to be taken: the open below is
// exclusive, so a name that exists is never written through, only skipped.
// (A random device opened for every file cost more than the rest of the
// replacement of a small page.)
std::string TemporaryName(const std::string& name, int attempt)
{
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    return "." + name + "." + std::to_string(::getpid()) + "-" + std::to_string(ticks) + "-"
           + std::to_string(attempt) + ".tmp";
}

constexpr std::string_view kTemporaryEnd = ".tmp";

// The process that wrote a temporary file of name, from the file's own name;
// 0 when entry is no such file.
pid_t WriterOfTemporaryFile(std::string_view entry, std::string_view name)
{
    const std::size_t prefix = name.size() + 2;
    if (entry.size() <= prefix + kTemporaryEnd.size() || entry[0] != '.' || entry.substr(1, name.size()) != name
        || entry[prefix - 1] != '.' || !entry.ends_with(kTemporaryEnd))
        return 0;
    pid_t pid = 0;
    const char* const start = entry.data() + prefix;
    const auto [end, error] = std::from_chars(start, entry.data() + entry.size(), pid);
    if (error != std::errc() || end == start || *end != '-' || pid <= 0)
        return 0;
    return pid;
}

int WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (written == 0)
            return EIO;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

// Reads the whole file into bytes; 0 or the errno of the failure.
int ReadAllBytes(const std::filesystem::path& file, std::string& bytes)
{
    // A special file is refused before it is opened: opening a pipe waits for
    // its writer, and a device may never end.
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0)
        return errno;
    if (const int error = RegularFileCheck(info))
        return error;
    // Not blocking either should the name have become a pipe since.
    FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.Get() < 0)
        return errno;
    if (::fstat(fd.Get(), &info) != 0)
        return errno;
    if (const int error = RegularFileCheck(info))
        return error;
    bytes.clear();
    if (info.st_size > 0)
        bytes.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t count = ::read(fd.Get(), buffer, sizeof buffer);
        if (count < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (count == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(count));
    }
    return 0;
}

// Replaces the file atomically; 0 or the errno of the failure, the target
// untouched and the temporary file removed.
int ReplaceFile(const std::filesystem::path& requested, std::string_view bytes, LinkPolicy links,
                Durability durability)
{
    const std::filesystem::path file = links == LinkPolicy::WriteThroughLink ? FinalTarget(requested) : requested;
    const std::filesystem::path folder = file.parent_path();
    const std::string name = file.filename().string();
    if (name.empty())
        return EISDIR;

    // A target that exists keeps its permissions; a new one gets the usual
    // 0666 less the umask, as the open below gives it. A link that is
    // replaced is not looked through.
    struct stat existing {};
    const bool found = (links == LinkPolicy::WriteThroughLink ? ::stat(file.c_str(), &existing)
                                                              : ::lstat(file.c_str(), &existing))
        == 0;
    const bool exists = found && !S_ISLNK(existing.st_mode);
    if (exists)
        if (const int error = RegularFileCheck(existing))
            return error;
    if (links == LinkPolicy::WriteThroughLink)
        RemoveLeftoverTemporaryFiles(file);

    const mode_t mode = exists ? (existing.st_mode & 07777) : 0666;
    std::filesystem::path temporaryPath;
    int fdValue = -1;
    for (int attempt = 0; attempt < 100 && fdValue < 0; ++attempt) {
        temporaryPath = folder / TemporaryName(name, attempt);
        // Created with the file's own permissions (less the umask, which the
        // fchmod below gives back), never more open than the file.
        fdValue = ::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode & 0777);
        if (fdValue < 0 && errno != EEXIST)
            return errno;
    }
    if (fdValue < 0)
        return EEXIST;
    FileDescriptor fd(fdValue);
    TemporaryFile temporary(temporaryPath);

    if (exists && ::fchmod(fd.Get(), mode) != 0)
        return errno;
    if (const int error = WriteAll(fd.Get(), bytes))
        return error;
    const bool synced = durability == Durability::Synced;
    if (synced && ::fsync(fd.Get()) != 0)
        return errno;
    if (const int error = fd.Close())
        return error;
    if (::rename(temporaryPath.c_str(), file.c_str()) != 0)
        return errno;
    temporary.Keep();

    if (!synced)
        return 0;
    // The rename itself reaches the disk with the folder.
    FileDescriptor folderFd(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folderFd.Get() >= 0)
        ::fsync(folderFd.Get());
    return 0;
}

} // namespace

bool IsRegularFile(const std::filesystem::path& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool CanCreateFilesIn(const std::filesystem::path& folder)
{
    struct stat info {};
    const std::filesystem::path place = folder.empty() ? std::filesystem::path(".") : folder;
    return ::stat(place.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && ::access(place.c_str(), W_OK | X_OK) == 0;
}

std::filesystem::path FinalTarget(const std::filesystem::path& file)
{
    std::filesystem::path current = file;
    // As many links as the system follows itself.
    for (int link = 0; link < 40; ++link) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            break;
        std::error_code error;
        const std::filesystem::path target = std::filesystem::read_symlink(current, error);
        if (error)
            break;
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
    return current;
}

int RemoveLeftoverTemporaryFiles(const std::filesystem::path& file)
{
    const std::string name = file.filename().string();
    const std::filesystem::path folder = file.parent_path().empty() ? std::filesystem::path(".") : file.parent_path();
    std::error_code error;
    std::filesystem::directory_iterator entries(folder, error);
    int removed = 0;
    for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error)) {
        const std::string entry = entries->path().filename().string();
        const pid_t writer = WriterOfTemporaryFile(entry, name);
        // A running writer may be in the middle of its write.
        if (writer == 0 || writer == ::getpid() || ::kill(writer, 0) == 0 || errno != ESRCH)
            continue;
        if (::unlink(entries->path().c_str()) == 0)
            ++removed;
    }
    return removed;
}

std::string ReadFileBytes(const std::filesystem::path& file)
{
    std::string bytes;
    if (const int error = ReadAllBytes(file, bytes))
        ThrowCannotOpen(file, error);
    return bytes;
}

void WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes, LinkPolicy links,
                         Durability durability)
{
    if (const int error = ReplaceFile(file, bytes, links, durability))
        ThrowCannotCreate(file, error);
}

std::error_code TryReadFileBytes(const std::filesystem::path& file, std::string& bytes)
{
    return ErrorCode(ReadAllBytes(file, bytes));
}

std::error_code TryWriteFileAtomically(const std::filesystem::path& file, std::string_view bytes, LinkPolicy links)
{
    return ErrorCode(ReplaceFile(file, bytes, links, Durability::Synced));
}

std::string ReadFileNoLargerThan(const std::filesystem::path& file, std::uintmax_t maxBytes, std::string_view kind)
{
    const std::string name = "Le fichier « " + file.filename().string() + " »";
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (!error && size > maxBytes)
        throw Error(name + " ne peut pas être lu : il est bien trop grand pour " + std::string(kind) + " (" +
                    std::to_string(size / (1024 * 1024)) + " Mo).");
    try {
        return ReadFileBytes(file);
    } catch (const std::exception& failure) {
        throw Error(name + " ne peut pas être ouvert : il est introuvable ou illisible. (" +
                    FrenchSystemText(failure.what()) + ")");
    }
}

} // namespace sw
