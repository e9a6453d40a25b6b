#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace sw {

// Every text of the model is UTF-8. These are the few things the core needs
// to do with it character by character.

// What a malformed byte sequence reads as.
inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// Decodes the character that starts at text[pos] and moves pos past it. A
// malformed sequence (cut short, overlong, a surrogate, beyond U+10FFFF) reads
// as kReplacementCharacter and moves pos by one byte.
char32_t DecodeUtf8(std::string_view text, std::size_t& pos);

void AppendUtf8(std::string& out, char32_t codePoint);

// The index of the first byte of 0x80 or more at or after from, or the
// text's size: most text is ASCII, looked at eight bytes at a time.
inline std::size_t FirstNonAscii(std::string_view text, std::size_t from)
{
    const char* at = text.data() + from;
    const char* const end = text.data() + text.size();
    while (end - at >= 8) {
        std::uint64_t word;
        std::memcpy(&word, at, sizeof word);
        if (word & 0x8080808080808080ull)
            break;
        at += 8;
    }
    while (at < end && static_cast<unsigned char>(*at) < 0x80)
        ++at;
    return static_cast<std::size_t>(at - text.data());
}

bool IsValidUtf8(std::string_view bytes);

// The bytes with each malformed sequence replaced by U+FFFD: what every text
// read from outside goes through before it reaches the model.
std::string ValidUtf8(std::string_view bytes);

// UTF-16 units, a lone surrogate read as U+FFFD.
std::string Utf16ToUtf8(std::u16string_view utf16);

// The first maxCharacters characters of a UTF-8 text, never half of one.
std::string CutToCharacters(std::string_view utf8, std::size_t maxCharacters);

// The longest start of a UTF-8 text that holds at most maxBytes bytes and ends
// between two characters.
std::string_view CutToBytes(std::string_view utf8, std::size_t maxBytes);

// The text in lower case for comparisons that ignore the letter case:
// ASCII, Latin-1, Latin Extended-A, Greek and Cyrillic capitals.
std::string FoldLetterCase(std::string_view utf8);

} // namespace sw
