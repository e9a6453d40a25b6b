#pragma once

#include <string>
#include <string_view>

namespace sw {

// Windows-1252 is the code page of every text of the model. These conversions
// are exact for each of its characters; a character it cannot hold becomes
// kCp1252Replacement, and a byte the code page leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) maps to the C1 control of the same value and back.
inline constexpr char kCp1252Replacement = '?';

std::string Cp1252ToUtf8(std::string_view text);
std::string Utf8ToCp1252(std::string_view utf8);
std::u16string Cp1252ToUtf16(std::string_view text);
std::string Utf16ToCp1252(std::u16string_view utf16);

// The Unicode code point of one Windows-1252 byte.
char32_t Cp1252ToCodePoint(unsigned char byte);
// The Windows-1252 byte of a code point, or kCp1252Replacement.
char CodePointToCp1252(char32_t codePoint);

} // namespace sw
