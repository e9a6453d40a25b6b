#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace sw {

// FNV-1a over the bytes: the same value from one run to the next and on every
// machine, which std::hash does not promise. It tells whether bytes changed
// (a file against the bytes last read or written) and names files after a
// path; it is no defence against someone who makes two files collide.
std::uint64_t StableHash(std::string_view bytes);

// The value as sixteen lowercase hexadecimal digits.
std::string Hex16(std::uint64_t value);

} // namespace sw
