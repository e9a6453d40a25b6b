// Any byte sequence read as a recovery copy's side record gives a record or
// sw::Error; a record that reads writes, and what it writes reads back equal.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "model/error.h"
#include "recovery/recoveryrecord.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    sw::RecoveryRecord record;
    try {
        record = sw::RecoveryRecord::FromBytes(bytes);
    } catch (const sw::Error&) {
        return 0;
    }
    // A record this system wrote always reads.
    try {
        if (!(sw::RecoveryRecord::FromBytes(record.Bytes()) == record))
            std::abort();
    } catch (const sw::Error&) {
        std::abort();
    }
    return 0;
}
