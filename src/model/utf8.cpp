#include "model/utf8.h"

namespace sw {

char32_t DecodeUtf8(std::string_view text, std::size_t& pos)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    std::size_t extra = 0;
    char32_t cp = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        cp = lead & 0x07;
    } else {
        ++pos;
        return kReplacementCharacter;
    }
    if (pos + extra >= text.size()) {
        ++pos;
        return kReplacementCharacter;
    }
    for (std::size_t i = 1; i <= extra; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + i]);
        if ((next & 0xC0) != 0x80) {
            ++pos;
            return kReplacementCharacter;
        }
        cp = (cp << 6) | (next & 0x3F);
    }
    static constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
    if (cp < kSmallest[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++pos;
        return kReplacementCharacter;
    }
    pos += extra + 1;
    return cp;
}

void AppendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

bool IsValidUtf8(std::string_view bytes)
{
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        if (static_cast<unsigned char>(bytes[pos]) < 0x80) {
            ++pos;
            continue;
        }
        const std::size_t start = pos;
        // A well-formed U+FFFD is as valid as any other character.
        if (DecodeUtf8(bytes, pos) == kReplacementCharacter && pos == start + 1)
            return false;
    }
    return true;
}

std::string ValidUtf8(std::string_view bytes)
{
    if (IsValidUtf8(bytes))
        return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() + 8);
    std::size_t pos = 0;
    while (pos < bytes.size())
        AppendUtf8(out, DecodeUtf8(bytes, pos));
    return out;
}

std::string Utf16ToUtf8(std::u16string_view utf16)
{
    std::string out;
    out.reserve(utf16.size());
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        char32_t cp = utf16[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 && utf16[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (utf16[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = kReplacementCharacter;
        }
        AppendUtf8(out, cp);
    }
    return out;
}

std::string CutToCharacters(std::string_view utf8, std::size_t maxCharacters)
{
    std::size_t characters = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const bool startsCharacter = (static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80;
        if (startsCharacter && characters++ == maxCharacters)
            return std::string(utf8.substr(0, i));
    }
    return std::string(utf8);
}

std::string_view CutToBytes(std::string_view utf8, std::size_t maxBytes)
{
    if (utf8.size() <= maxBytes)
        return utf8;
    std::size_t cut = maxBytes;
    while (cut > 0 && (static_cast<unsigned char>(utf8[cut]) & 0xC0) == 0x80)
        --cut;
    return utf8.substr(0, cut);
}

namespace {

char32_t LowerCase(char32_t cp)
{
    if (cp >= 'A' && cp <= 'Z')
        return cp + 32;
    if (cp < 0xC0)
        return cp;
    // Latin-1 capitals, but the multiplication sign.
    if (cp <= 0xDE)
        return cp == 0xD7 ? cp : cp + 32;
    // Latin Extended-A pairs its capitals and small letters, the capital
    // first; from U+0139 to U+0148 and U+0179 to U+017E the capital is odd.
    if (cp >= 0x100 && cp <= 0x17F) {
        if (cp == 0x130)
            return 'i';
        if (cp == 0x178)
            return 0xFF;
        const bool oddCapitals = (cp >= 0x139 && cp <= 0x148) || (cp >= 0x179 && cp <= 0x17E);
        if (cp == 0x138 || cp == 0x149 || cp == 0x17F)
            return cp;
        return oddCapitals ? ((cp & 1) ? cp + 1 : cp) : ((cp & 1) ? cp : cp + 1);
    }
    // Greek: the accented capitals, then the plain ones.
    if (cp == 0x386)
        return 0x3AC;
    if (cp >= 0x388 && cp <= 0x38A)
        return cp + 37;
    if (cp == 0x38C)
        return 0x3CC;
    if (cp == 0x38E || cp == 0x38F)
        return cp + 63;
    if (cp >= 0x391 && cp <= 0x3AB && cp != 0x3A2)
        return cp + 32;
    if (cp == 0x3C2)
        return 0x3C3;  // the final sigma compares as any sigma
    // Cyrillic.
    if (cp >= 0x400 && cp <= 0x40F)
        return cp + 80;
    if (cp >= 0x410 && cp <= 0x42F)
        return cp + 32;
    return cp;
}

} // namespace

std::string FoldLetterCase(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const auto byte = static_cast<unsigned char>(utf8[pos]);
        if (byte < 0x80) {
            out += static_cast<char>(byte >= 'A' && byte <= 'Z' ? byte + 32 : byte);
            ++pos;
            continue;
        }
        AppendUtf8(out, LowerCase(DecodeUtf8(utf8, pos)));
    }
    return out;
}

} // namespace sw
