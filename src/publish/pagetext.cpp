#include "publish/pagetext.h"

#include <cstdint>
#include <cstring>

namespace sw {

namespace {

constexpr std::string_view kCrLfBreak = "\r\n";

// Whether one of the eight bytes of word is a CR or an LF: a byte equal to the
// one looked for becomes zero under the exclusive or, and the borrow trick
// finds a zero byte.
bool HoldsLineBreakByte(std::uint64_t word)
{
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    constexpr std::uint64_t kHighs = 0x8080808080808080ULL;
    const auto hasZeroByte = [](std::uint64_t value) { return (value - kOnes) & ~value & kHighs; };
    return (hasZeroByte(word ^ (kOnes * '\r')) | hasZeroByte(word ^ (kOnes * '\n'))) != 0;
}

// The first CR or LF from at, or end. Pages are long runs of text between
// short line ends, so eight bytes are tested at a time.
const char* NextLineBreak(const char* at, const char* end)
{
    while (end - at >= 8) {
        std::uint64_t word;
        std::memcpy(&word, at, sizeof word);
        if (HoldsLineBreakByte(word))
            break;
        at += 8;
    }
    while (at != end && *at != '\r' && *at != '\n')
        ++at;
    return at;
}

} // namespace

void PageText::Clear()
{
    bytes_.clear();
    afterCr_ = false;
}

void PageText::append(std::string_view text)
{
    if (text.empty())
        return;
    const char* at = text.data();
    const char* const end = at + text.size();
    if (afterCr_ && *at == '\n')
        ++at;
    afterCr_ = false;
    while (at != end) {
        const char* lineBreak = NextLineBreak(at, end);
        bytes_.append(at, static_cast<std::size_t>(lineBreak - at));
        if (lineBreak == end)
            break;
        bytes_.append(kCrLfBreak);
        if (*lineBreak == '\r') {
            if (lineBreak + 1 == end)
                afterCr_ = true;
            else if (lineBreak[1] == '\n')
                ++lineBreak;
        }
        at = lineBreak + 1;
    }
}

std::string_view PageText::FinishedBytes()
{
    // Every line break went in as CR LF, so a page that does not end with an
    // LF ends with a line of its own.
    if (!bytes_.empty() && bytes_.back() != '\n')
        bytes_.append(kCrLfBreak);
    afterCr_ = false;
    return bytes_;
}

} // namespace sw
