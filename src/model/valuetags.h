#pragma once

#include <cstdint>

namespace sw {

// The tag byte in front of every value of the project file.
inline constexpr std::uint8_t kTagListEnd = 0;
inline constexpr std::uint8_t kTagListBegin = 1;
inline constexpr std::uint8_t kTagInt8 = 2;
inline constexpr std::uint8_t kTagInt16 = 3;
inline constexpr std::uint8_t kTagInt32 = 4;
inline constexpr std::uint8_t kTagShortString = 6;
inline constexpr std::uint8_t kTagLongString = 12;
inline constexpr std::uint8_t kTagUtf16String = 18;
inline constexpr std::uint8_t kTagUtf8String = 20;

} // namespace sw
