// Any style file given to the importer ends in an imported style set or in
// sw::Error, and the set can still build its stylesheet and be written.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const int fd = InputFile();
    if (ftruncate(fd, 0) != 0 || (size > 0 && pwrite(fd, data, size, 0) != static_cast<ssize_t>(size)))
        std::abort();
    const std::string path = "/proc/self/fd/" + std::to_string(fd);

    sw::TStylePrefs style;
    try {
        style.LoadFromIni(path);
    } catch (const sw::Error&) {
    }
    const std::string css = style.BuildStyleSheet();
    sw::ValueWriter writer;
    style.SaveToWriter(writer);
    if (css.empty() || writer.Bytes().empty())
        std::abort();
    return 0;
}
