#include "model/filebytes.h"

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include <gtest/gtest.h>

#include "model/error.h"

namespace sw {
namespace {

namespace fs = std::filesystem;

// A fresh folder under the system's temporary folder, removed afterwards.
class TemporaryFolder {
public:
    TemporaryFolder()
    {
        path_ = fs::temp_directory_path() / ("shotweave-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter_++));
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~TemporaryFolder()
    {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    const fs::path& Path() const { return path_; }

private:
    static inline int counter_ = 0;
    fs::path path_;
};

void WriteRaw(const fs::path& file, const std::string& bytes)
{
    std::ofstream out(file, std::ios::binary);
    out << bytes;
}

std::size_t EntryCount(const fs::path& folder)
{
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder))
        ++count;
    return count;
}

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

TEST(FileBytes, WritesAndReplacesAtomically)
{
    TemporaryFolder folder;
    const fs::path file = folder.Path() / "a.vid";
    const std::string bytes("\x02\x03\x00\xFF", 4);
    WriteFileAtomically(file, bytes);
    EXPECT_EQ(ReadFileBytes(file), bytes);
    WriteFileAtomically(file, "second");
    EXPECT_EQ(ReadFileBytes(file), "second");
    WriteFileAtomically(file, "");
    EXPECT_EQ(ReadFileBytes(file), "");
    EXPECT_EQ(EntryCount(folder.Path()), 1u); // no temporary file left behind
}

TEST(FileBytes, ReadingAMissingFileNamesItAndTheReason)
{
    TemporaryFolder folder;
    const fs::path file = folder.Path() / "missing.vid";
    EXPECT_EQ(ErrorOf([&] { ReadFileBytes(file); }),
              "Cannot open file \"" + file.string() + "\". No such file or directory");
    EXPECT_EQ(ErrorOf([&] { ReadFileBytes(folder.Path()); }),
              "Cannot open file \"" + folder.Path().string() + "\". Is a directory");
}

TEST(FileBytes, AFailedWriteLeavesTheOldFileAndNoTemporary)
{
    TemporaryFolder folder;
    // A target whose parent is a regular file cannot be created, even by root.
    const fs::path blocker = folder.Path() / "plain";
    WriteRaw(blocker, "keep");
    const fs::path impossible = blocker / "a.vid";
    EXPECT_EQ(ErrorOf([&] { WriteFileAtomically(impossible, "x"); }),
              "Cannot create file \"" + impossible.string() + "\". Not a directory");

    // A target that is a folder cannot be replaced either.
    const fs::path sub = folder.Path() / "sub.vid";
    fs::create_directory(sub);
    WriteRaw(sub / "inside", "kept");
    EXPECT_EQ(ErrorOf([&] { WriteFileAtomically(sub, "x"); }),
              "Cannot create file \"" + sub.string() + "\". Is a directory");
    EXPECT_EQ(ReadFileBytes(sub / "inside"), "kept");
    EXPECT_EQ(ReadFileBytes(blocker), "keep");
    EXPECT_EQ(EntryCount(folder.Path()), 2u);
}

} // namespace
} // namespace sw
