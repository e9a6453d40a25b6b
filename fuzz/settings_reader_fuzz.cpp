// Any byte sequence read as the settings file gives settings, and as a
// recovery copy's side record gives a record or sw::Error. Whatever reads
// back writes, and what it writes reads back equal: the settings written into
// the same profile (as the editor rewrites its file, keeping the other lines)
// and the record written on its own.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "model/appsettings.h"
#include "model/error.h"
#include "model/inifile.h"
#include "recovery/recoveryrecord.h"

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
}

void CheckRecord(std::string_view bytes)
{
    sw::RecoveryRecord record;
    try {
        record = sw::RecoveryRecord::FromBytes(bytes);
    } catch (const sw::Error&) {
        return;
    }
    // A record this system wrote always reads.
    try {
        if (!(sw::RecoveryRecord::FromBytes(record.Bytes()) == record))
            std::abort();
    } catch (const sw::Error&) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CheckSettings(bytes);
    CheckRecord(bytes);
    return 0;
}
