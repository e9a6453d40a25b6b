#include "model/cp1252.h"

#include <array>
#include <cstdio>

#include "model/error.h"

namespace sw {

namespace {

// Code points of the bytes 0x80 to 0x9F; the five bytes the code page leaves
// undefined keep their own value so that every byte survives a round trip.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

char32_t Cp1252ToCodePoint(unsigned char byte)
{
    if (byte >= 0x80 && byte < 0xA0)
        return kHighControls[byte - 0x80];
    return byte;
}

std::optional<char> CodePointToCp1252(char32_t codePoint)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<char>(codePoint);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == codePoint)
            return static_cast<char>(0x80 + i);
    }
    return std::nullopt;
}

std::string Cp1252ToUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (char c : text)
        AppendUtf8(out, Cp1252ToCodePoint(static_cast<unsigned char>(c)));
    return out;
}

std::optional<char32_t> FirstCharacterOutsideCp1252(std::string_view utf8)
{
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        if (static_cast<unsigned char>(utf8[pos]) < 0x80) {
            ++pos;
            continue;
        }
        const char32_t cp = DecodeUtf8(utf8, pos);
        if (!CodePointToCp1252(cp))
            return cp;
    }
    return std::nullopt;
}

std::string CharacterOutsideCp1252Message(char32_t codePoint, std::string_view where)
{
    std::string character;
    AppendUtf8(character, codePoint);
    char number[16];
    std::snprintf(number, sizeof number, "U+%04X", static_cast<unsigned>(codePoint));
    return "Le caractère « " + character + " » (" + number + ") ne peut pas être enregistré dans "
           + std::string(where) + ", qui n'accepte que les caractères d'Europe occidentale.";
}

std::string Utf8ToCp1252Exactly(std::string_view utf8, std::string_view where)
{
    std::string out;
    out.reserve(utf8.size());
    AppendAsCp1252(out, utf8, [where](std::string&, char32_t cp) {
        throw Error(CharacterOutsideCp1252Message(cp, where));
    });
    return out;
}

} // namespace sw
