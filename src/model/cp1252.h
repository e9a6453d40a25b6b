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
            const std::size_t end = FirstNonAscii(utf8, pos);
            out.append(utf8.data() + pos, end - pos);
            pos = end;
            continue;
        }
        // The Latin-1 letters and signs, U+00A0 to U+00FF, are their own byte.
        if ((byte == 0xC2 || byte == 0xC3) && pos + 1 < utf8.size()) {
            const auto next = static_cast<unsigned char>(utf8[pos + 1]);
            const unsigned latin1 = ((byte & 0x1Fu) << 6) | (next & 0x3Fu);
            if ((next & 0xC0) == 0x80 && latin1 >= 0xA0) {
                out += static_cast<char>(latin1);
                pos += 2;
                continue;
            }
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
