// Whatever bytes a recovery copy and its record hold, listing the folder
// neither crashes nor deletes: the entry is readable, and reads, or it says
// why it is not, and both files are still there.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string_view>

#include <unistd.h>

#include "document/projectdocument.h"
#include "model/error.h"
#include "recovery/recoverystore.h"

namespace {

namespace fs = std::filesystem;

const fs::path& Folder()
{
    static const fs::path folder = [] {
        char pattern[] = "/tmp/shotweave-recovery-fuzz-XXXXXX";
        const char* made = ::mkdtemp(pattern);
        if (made == nullptr)
            std::abort();
        return fs::path(made);
    }();
    return folder;
}

void Write(const fs::path& file, std::string_view bytes)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The input is the record, a NUL, then the copy; without a NUL, the
    // record alone.
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t split = bytes.find('\0');
    const std::string_view record = bytes.substr(0, split);
    const std::string_view copy = split == std::string_view::npos ? std::string_view() : bytes.substr(split + 1);
    // A name of an editor that is gone: process id 1 never has this start time.
    const fs::path copyFile = Folder() / "fuzz-0123456789abcdef-1-99999999999-1.vid";
    const fs::path recordFile = sw::RecoveryStore::RecordFileOf(copyFile);
    Write(recordFile, record);
    if (split != std::string_view::npos)
        Write(copyFile, copy);
    else
        fs::remove(copyFile);

    const sw::RecoveryStore store(Folder());
    const std::vector<sw::RecoveryEntry> entries = store.List();
    if (entries.size() != 1)
        std::abort();
    const sw::RecoveryEntry& entry = entries.front();
    if (entry.editorRunning)
        return 0;  // a running editor's copy is not read
    if (entry.IsReadable()) {
        sw::ProjectDocument document;
        try {
            store.Read(entry, document);
        } catch (const sw::Error&) {
            std::abort();  // listed as readable, it must read
        }
    } else if (!fs::exists(recordFile) || (split != std::string_view::npos && !fs::exists(copyFile))) {
        std::abort();  // nothing is deleted by listing
    }
    return 0;
}
