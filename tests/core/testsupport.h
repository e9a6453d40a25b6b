#pragma once

// Helpers shared by the core tests: scratch folders, whole-file reading and
// writing, a made-up environment and the message of a failed operation.

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <system_error>

#include <sys/wait.h>
#include <unistd.h>

#include "model/appsettings.h"
#include "model/editoridentity.h"
#include "model/error.h"

namespace sw::test {

// An editor of this machine whose process has ended: a child that exited.
inline EditorIdentity GoneEditor()
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    int status = 0;
    ::waitpid(child, &status, 0);
    return EditorIdentity{ThisHostName(), child, 12345, 1};
}

// A fresh folder of its own under the system's temporary folder, removed with
// its content afterwards.
class TemporaryFolder {
public:
    TemporaryFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "shotweave-test-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("no temporary folder: " + pattern);
        path_ = pattern;
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    ~TemporaryFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

// The whole content of a file; empty when it cannot be read.
inline std::string ReadAll(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Writes the bytes as the whole file, creating its folder when missing.
inline void WriteAll(const std::filesystem::path& file, const std::string& bytes)
{
    if (file.has_parent_path())
        std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

// An environment that holds exactly the given variables.
inline EnvironmentLookup Environment(std::map<std::string, std::string> values)
{
    return [values = std::move(values)](const std::string& name) -> std::optional<std::string> {
        if (auto found = values.find(name); found != values.end())
            return found->second;
        return std::nullopt;
    };
}

// The message of the sw::Error the operation throws, or "no error".
template <typename Operation>
std::string ErrorOf(Operation operation)
{
    try {
        operation();
    } catch (const Error& error) {
        return error.what();
    }
    return "no error";
}

// Bytes spelled out one by one.
inline std::string Bytes(std::initializer_list<int> values)
{
    std::string bytes;
    for (int value : values)
        bytes += static_cast<char>(value);
    return bytes;
}

// A PNG's signature and header claiming width × height, without pixels: the
// file is a few dozen bytes, its picture would take gigabytes.
inline std::string PngHeaderClaiming(std::uint32_t width, std::uint32_t height)
{
    const auto crc32 = [](const std::string& bytes) {
        std::uint32_t crc = 0xFFFFFFFFu;
        for (const unsigned char c : bytes) {
            crc ^= c;
            for (int bit = 0; bit < 8; ++bit)
                crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
        return ~crc;
    };
    const auto be32 = [](std::uint32_t value) {
        return std::string{static_cast<char>(value >> 24), static_cast<char>(value >> 16), static_cast<char>(value >> 8),
                           static_cast<char>(value)};
    };
    const auto chunk = [&](const std::string& type, const std::string& data) {
        return be32(static_cast<std::uint32_t>(data.size())) + type + data + be32(crc32(type + data));
    };
    const std::string header = be32(width) + be32(height) + std::string("\x08\x02\x00\x00\x00", 5);
    const std::string emptyStream("\x78\x9C\x03\x00\x00\x00\x00\x01", 8);
    return std::string("\x89PNG\r\n\x1A\n", 8) + chunk("IHDR", header) + chunk("IDAT", emptyStream)
           + chunk("IEND", "");
}

// Whether the golden files are being rewritten (SHOTWEAVE_REGENERATE_GOLDEN=1)
// rather than compared: a test that regenerates fails, so that a
// regeneration is never taken for a pass.
inline bool RegeneratingGolden()
{
    const char* value = std::getenv("SHOTWEAVE_REGENERATE_GOLDEN");
    return value != nullptr && std::string(value) == "1";
}

} // namespace sw::test
