#pragma once

// What the tests that run programs share: a scratch folder, a shell
// command's output and a path quoted for the shell.

#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <string>

namespace swtest {

class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& prefix = "shotweave-test-")
    {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() / (prefix + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder()
    {
        // A test may have taken the write permission away.
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                     ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

// The standard output of a shell command.
inline std::string CommandOutput(const std::string& command)
{
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string output;
    if (!pipe)
        return output;
    std::array<char, 4096> buffer{};
    while (const std::size_t read = std::fread(buffer.data(), 1, buffer.size(), pipe.get()))
        output.append(buffer.data(), read);
    return output;
}

// A path for the shell, in single quotes (the tests' paths hold none).
inline std::string Quoted(const std::filesystem::path& path)
{
    return "'" + path.string() + "'";
}

} // namespace swtest
