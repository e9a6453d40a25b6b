#include "model/shotids.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <mutex>
#include <random>

#include "model/eventlist.h"

namespace sw {

std::string NewShotId()
{
    // random_device alone may be a fixed sequence on some systems: the clock
    // is mixed in so that two programs never draw the same ids.
    static std::mt19937_64 generator = [] {
        std::random_device device;
        std::seed_seq seed{device(), device(), device(), device(),
                           static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count()),
                           static_cast<unsigned>(std::chrono::system_clock::now().time_since_epoch().count())};
        return std::mt19937_64(seed);
    }();
    static std::mutex drawing;
    const std::lock_guard lock(drawing);
    std::uint64_t high = generator();
    std::uint64_t low = generator();
    high = (high & ~std::uint64_t{0xF000}) | 0x4000;                         // version 4
    low = (low & ~(std::uint64_t{0xC} << 60)) | (std::uint64_t{0x8} << 60);  // variant 10
    char text[40];
    std::snprintf(text, sizeof text, "%08x-%04x-%04x-%04x-%012llx", static_cast<unsigned>(high >> 32),
                  static_cast<unsigned>((high >> 16) & 0xFFFF), static_cast<unsigned>(high & 0xFFFF),
                  static_cast<unsigned>(low >> 48), static_cast<unsigned long long>(low & 0xFFFFFFFFFFFFULL));
    return text;
}

std::size_t AssignMissingShotIds(TEventList& shots, const std::function<std::string()>& makeId)
{
    std::size_t given = 0;
    for (std::size_t index = 0; index < shots.Count(); ++index) {
        if (shots.Event(index).id.empty()) {
            shots.Event(index).id = makeId();
            ++given;
        }
    }
    return given;
}

} // namespace sw
