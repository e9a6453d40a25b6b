#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/utf8.h"

namespace sw {

// Windows-1252 is the code page of the formats that demand it: the published
// pages, the style files and the short strings of older project files. The
// model's texts are UTF-8 and meet it only at those edges. A byte the code
// page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) maps to the C1 control
// of the same value and back, so that every byte survives a round trip.

// The text of Windows-1252 bytes as UTF-8; every byte has a character.
std::string Cp1252ToUtf8(std::string_view text);

// The Unicode code point of one Windows-1252 byte.
char32_t Cp1252ToCodePoint(unsigned char byte);
// The Windows-1252 byte of a code point, or nothing when the code page has no
// such character.
std::optional<char> CodePointToCp1252(char32_t codePoint);

// The first character of a UTF-8 text that Windows-1252 cannot hold, if any.
std::optional<char32_t> FirstCharacterOutsideCp1252(std::string_view utf8);

// The UTF-8 text in Windows-1252; each character the code page cannot hold is
// handed to outside(out, codePoint), which writes what stands for it.
template <typename Outside>
void AppendAsCp1252(std::string& out, std::string_view utf8, Outside outside)
{
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const auto byte = static_cast<unsigned char>(utf8[pos]);
        if (byte < 0x80) {
            // Runs of ASCII are copied whole.
            std::size_t end = pos + 1;
            while (end < utf8.size() && static_cast<unsigned char>(utf8[end]) < 0x80)
                ++end;
            out.append(utf8.substr(pos, end - pos));
            pos = end;
            continue;
        }
        const char32_t cp = DecodeUtf8(utf8, pos);
        if (const std::optional<char> cp1252 = CodePointToCp1252(cp))
            out += *cp1252;
        else
            outside(out, cp);
    }
}

// The UTF-8 text in Windows-1252; throws sw::Error with the French message of
// CharacterOutsideCp1252Message when a character cannot be held.
std::string Utf8ToCp1252Exactly(std::string_view utf8, std::string_view where);

// "Le caractère « Ł » (U+0141) ne peut pas être enregistré dans <where>, qui
// n'accepte que les caractères d'Europe occidentale."
std::string CharacterOutsideCp1252Message(char32_t codePoint, std::string_view where);

} // namespace sw
