#include "model/stablehash.h"

namespace sw {

std::uint64_t StableHash(std::string_view bytes)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

std::string Hex16(std::uint64_t value)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string hex(16, '0');
    for (int i = 15; i >= 0; --i, value >>= 4)
        hex[static_cast<std::size_t>(i)] = kHex[value & 0x0F];
    return hex;
}

} // namespace sw
