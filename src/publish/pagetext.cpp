#include "publish/pagetext.h"

#include <algorithm>
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
// short line ends, so eight bytes are tested at a time; the last bytes of a
// text of eight or more are tested as the word that ends it, which overlaps
// bytes already found free of breaks.
const char* NextLineBreak(const char* at, const char* end)
{
    const char* const start = at;
    while (end - at >= 8) {
        std::uint64_t word;
        std::memcpy(&word, at, sizeof word);
        if (HoldsLineBreakByte(word))
            break;
        at += 8;
    }
    if (at != end && end - at < 8 && end - start >= 8) {
        std::uint64_t word;
        std::memcpy(&word, end - 8, sizeof word);
        if (!HoldsLineBreakByte(word))
            return end;
    }
    while (at != end && *at != '\r' && *at != '\n')
        ++at;
    return at;
}

} // namespace

void PageText::Clear()
{
    size_ = 0;
    afterCr_ = false;
}

void PageText::Grow(std::size_t size)
{
    const std::size_t capacity = std::max(size, capacity_ * 2);
    auto bytes = std::make_unique_for_overwrite<char[]>(capacity);
    if (size_ > 0)
        std::memcpy(bytes.get(), bytes_.get(), size_);
    bytes_ = std::move(bytes);
    capacity_ = capacity;
}

void PageText::append(std::string_view text)
{
    if (text.empty())
        return;
    // A text of lone breaks doubles in length; nothing else grows.
    reserve(size_ + 2 * text.size());
    char* out = bytes_.get() + size_;
    const char* at = text.data();
    const char* const end = at + text.size();
    if (afterCr_ && *at == '\n')
        ++at;
    afterCr_ = false;
    while (at != end) {
        // The run up to the next break is copied whole, then the break.
        const char* const lineBreak = NextLineBreak(at, end);
        const auto length = static_cast<std::size_t>(lineBreak - at);
        std::memcpy(out, at, length);
        out += length;
        at = lineBreak;
        if (at == end)
            break;
        const char ch = *at++;
        *out++ = '\r';
        *out++ = '\n';
        if (ch == '\r') {
            if (at == end)
                afterCr_ = true;
            else if (*at == '\n')
                ++at;
        }
    }
    size_ = static_cast<std::size_t>(out - bytes_.get());
}

std::string_view PageText::FinishedBytes()
{
    // Every line break went in as CR LF, so a page that does not end with an
    // LF ends with a line of its own.
    if (size_ > 0 && bytes_[size_ - 1] != '\n') {
        reserve(size_ + kCrLfBreak.size());
        std::memcpy(bytes_.get() + size_, kCrLfBreak.data(), kCrLfBreak.size());
        size_ += kCrLfBreak.size();
    }
    afterCr_ = false;
    return {bytes_.get(), size_};
}

} // namespace sw
