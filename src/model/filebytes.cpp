#include "model/filebytes.h"

#include <cerrno>
#include <chrono>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "model/error.h"

namespace sw {

namespace {

std::string FullPath(const std::filesystem::path& file)
{
    std::error_code ignored;
    const std::filesystem::path full = std::filesystem::absolute(file, ignored);
    return (full.empty() ? file : full).string();
}

[[noreturn]] void ThrowCannotOpen(const std::filesystem::path& file, int error)
{
    throw Error("Cannot open file \"" + FullPath(file) + "\". " + std::strerror(error));
}

[[noreturn]] void ThrowCannotCreate(const std::filesystem::path& file, int error)
{
    throw Error("Cannot create file \"" + FullPath(file) + "\". " + std::strerror(error));
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
    FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.Get() < 0)
        return errno;
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0)
        return errno;
    if (S_ISDIR(info.st_mode))
        return EISDIR;
    bytes.clear();
    if (S_ISREG(info.st_mode) && info.st_size > 0)
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
int ReplaceFile(const std::filesystem::path& file, std::string_view bytes, Durability durability)
{
    const std::filesystem::path folder = file.parent_path();
    const std::string name = file.filename().string();
    if (name.empty())
        return EISDIR;

    // A target that exists keeps its permissions; a new one gets the usual
    // 0666 less the umask, as the open below gives it.
    struct stat existing {};
    const bool exists = ::stat(file.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode))
        return EISDIR;

    std::filesystem::path temporaryPath;
    int fdValue = -1;
    for (int attempt = 0; attempt < 100 && fdValue < 0; ++attempt) {
        temporaryPath = folder / TemporaryName(name, attempt);
        fdValue = ::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fdValue < 0 && errno != EEXIST)
            return errno;
    }
    if (fdValue < 0)
        return EEXIST;
    FileDescriptor fd(fdValue);
    TemporaryFile temporary(temporaryPath);

    if (exists && ::fchmod(fd.Get(), existing.st_mode & 07777) != 0)
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

std::string ReadFileBytes(const std::filesystem::path& file)
{
    std::string bytes;
    if (const int error = ReadAllBytes(file, bytes))
        ThrowCannotOpen(file, error);
    return bytes;
}

void WriteFileAtomically(const std::filesystem::path& file, std::string_view bytes, Durability durability)
{
    if (const int error = ReplaceFile(file, bytes, durability))
        ThrowCannotCreate(file, error);
}

std::error_code TryReadFileBytes(const std::filesystem::path& file, std::string& bytes)
{
    return {ReadAllBytes(file, bytes), std::generic_category()};
}

std::error_code TryWriteFileAtomically(const std::filesystem::path& file, std::string_view bytes)
{
    return {ReplaceFile(file, bytes, Durability::Synced), std::generic_category()};
}

} // namespace sw
