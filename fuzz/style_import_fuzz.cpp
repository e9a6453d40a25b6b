// Any style file given to the importer ends in an imported style set or in
// sw::Error, and the set can still build its stylesheet and be written. A set
// that imports exports to a file that imports back to the same set.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include <sys/mman.h>
#include <unistd.h>

#include "model/error.h"
#include "model/valuewriter.h"
#include "style/styleprefs.h"

namespace {

// The importer reads a path; an in-memory file spares the disk.
int InputFile()
{
    static const int fd = memfd_create("style-input.sprf", 0);
    if (fd < 0)
        std::abort();
    return fd;
}

// The export replaces its file through a temporary one beside it, so it
// needs a real folder; one per run, removed at exit.
class ExportFolder {
public:
    ExportFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "style-export-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            std::abort();
        path_ = pattern;
    }
    ~ExportFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    std::filesystem::path File() const { return path_ / "export.sprf"; }

private:
    std::filesystem::path path_;
};

void CheckExportImportsBack(const sw::TStylePrefs& imported)
{
    static const ExportFolder folder;
    const std::filesystem::path file = folder.File();
    std::error_code ignored;
    std::filesystem::remove(file, ignored);  // an export keeps what a file held before
    imported.SaveToIni(file);
    sw::TStylePrefs again;
    try {
        again.LoadFromIni(file);
    } catch (const sw::Error&) {
        std::abort();  // an exported style file that cannot be imported
    }
    if (!(again == imported))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const int fd = InputFile();
    if (ftruncate(fd, 0) != 0 || (size > 0 && pwrite(fd, data, size, 0) != static_cast<ssize_t>(size)))
        std::abort();
    const std::string path = "/proc/self/fd/" + std::to_string(fd);

    sw::TStylePrefs style;
    bool imported = true;
    try {
        style.LoadFromIni(path);
    } catch (const sw::Error&) {
        imported = false;
    }
    const std::string css = style.BuildStyleSheet();
    sw::ValueWriter writer;
    style.SaveToWriter(writer);
    if (css.empty() || writer.Bytes().empty())
        std::abort();
    if (imported)
        CheckExportImportsBack(style);
    return 0;
}
