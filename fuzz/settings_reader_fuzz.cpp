// Any byte sequence read as the settings file gives settings that write and
// read back equal, written into the same profile (as the editor rewrites its
// file, keeping the other lines).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "model/appsettings.h"
#include "model/inifile.h"

namespace {

void CheckSettings(std::string_view bytes)
{
    sw::IniFile ini = sw::IniFile::FromBytes(bytes);
    sw::TAppSettings read;
    read.ReadFromProfile(ini);
    read.WriteToProfile(ini);
    sw::TAppSettings reread;
    reread.ReadFromProfile(sw::IniFile::FromBytes(ini.Bytes()));
    if (!(reread == read))
        std::abort();
    // Texts stay whole: the author's name reads back as the file spelled it.
    if (reread.AuthorName != read.AuthorName)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CheckSettings(bytes);
    return 0;
}
