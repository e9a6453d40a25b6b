#include "publish/pagetext.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>

#include "model/cp1252.h"
#include "model/utf8.h"
#include "publish/uconvert.h"

namespace sw {

namespace {

constexpr std::string_view kCrLfBreak = "\r\n";
constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
// What one character can become on a page of the site, against the bytes it
// takes in UTF-8: "&#65533;" for a malformed byte.
constexpr std::size_t kMaxSiteGrowth = 8;

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

// The first byte from at for which stop holds, or end; wordStops tells
// whether one of eight bytes may be such a byte. Pages are long runs of text
// between short line ends, so eight bytes are tested at a time; the last
// bytes of a text of eight or more are tested as the word that ends it, which
// overlaps bytes already found free of them.
template <typename WordStops, typename Stops>
const char* NextStop(const char* at, const char* end, WordStops wordStops, Stops stops)
{
    const char* const start = at;
    while (end - at >= 8) {
        std::uint64_t word;
        std::memcpy(&word, at, sizeof word);
        if (wordStops(word))
            break;
        at += 8;
    }
    if (at != end && end - at < 8 && end - start >= 8) {
        std::uint64_t word;
        std::memcpy(&word, end - 8, sizeof word);
        if (!wordStops(word))
            return end;
    }
    while (at != end && !stops(*at))
        ++at;
    return at;
}

// The first CR or LF from at, or end.
const char* NextLineBreak(const char* at, const char* end)
{
    return NextStop(at, end, HoldsLineBreakByte, [](char c) { return c == '\r' || c == '\n'; });
}

// The first CR, LF or byte of a character beyond ASCII from at, or end.
const char* NextLineBreakOrNonAscii(const char* at, const char* end)
{
    return NextStop(
        at, end, [](std::uint64_t word) { return (word & kHighBits) != 0 || HoldsLineBreakByte(word); },
        [](char c) { return c == '\r' || c == '\n' || static_cast<unsigned char>(c) >= 0x80; });
}

char* WriteDecimal(char* to, std::uint32_t value)
{
    char digits[10];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    while (count > 0)
        *to++ = digits[--count];
    return to;
}

char* WriteUpperHex(char* to, std::uint32_t value)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    int shift = 28;
    while (shift > 0 && (value >> shift) == 0)
        shift -= 4;
    for (; shift >= 0; shift -= 4)
        *to++ = kHex[(value >> shift) & 0xF];
    return to;
}

} // namespace

char* WriteOtherSiteCharacter(char* to, const char*& at, const char* end, SiteTextKind kind)
{
    const std::string_view rest(at, static_cast<std::size_t>(end - at));
    std::size_t length = 0;
    const char32_t cp = DecodeUtf8(rest, length);
    at += length;
    if (cp != kReplacementCharacter)
        if (const std::optional<char> byte = CodePointToCp1252(cp)) {
            *to++ = *byte;
            return to;
        }
    switch (kind) {
    case SiteTextKind::Page:
        *to++ = '&';
        *to++ = '#';
        to = WriteDecimal(to, cp);
        *to++ = ';';
        break;
    case SiteTextKind::StyleSheet:
        // The blank ends the escape, so that a hexadecimal digit after it is
        // read as a letter of its own.
        *to++ = '\\';
        to = WriteUpperHex(to, cp);
        *to++ = ' ';
        break;
    case SiteTextKind::Script:
        to = WriteScriptEscape(to, cp);
        break;
    }
    return to;
}

void PageText::Clear()
{
    size_ = 0;
    afterCr_ = false;
    site_ = false;
}

void PageText::ClearForSite(SiteTextKind kind)
{
    Clear();
    site_ = true;
    kind_ = kind;
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
    // A text of lone breaks doubles in length; a character of the site
    // grows at most kMaxSiteGrowth times.
    reserve(size_ + (site_ ? kMaxSiteGrowth : 2) * text.size());
    char* out = bytes_.get() + size_;
    const char* at = text.data();
    const char* const end = at + text.size();
    if (afterCr_ && *at == '\n')
        ++at;
    afterCr_ = false;
    while (at != end) {
        // The run up to the next break (or character to convert) is copied
        // whole, then what stopped it.
        const char* const stop = site_ ? NextLineBreakOrNonAscii(at, end) : NextLineBreak(at, end);
        const auto length = static_cast<std::size_t>(stop - at);
        std::memcpy(out, at, length);
        out += length;
        at = stop;
        if (at == end)
            break;
        if (static_cast<unsigned char>(*at) >= 0x80) {
            out = WriteSiteCharacter(out, at, end, kind_);
            continue;
        }
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

void PageText::ConvertWritten(std::size_t start)
{
    const std::string_view written(bytes_.get() + start, size_ - start);
    std::size_t from = FirstNonAscii(written, 0);
    if (from == written.size())
        return;
    // Each character the code page holds becomes one byte, never more: the
    // bytes move down where they stand.
    char* out = bytes_.get() + start + from;
    const char* at = written.data() + from;
    const char* const end = written.data() + written.size();
    while (at != end) {
        if (static_cast<unsigned char>(*at) < 0x80) {
            // Runs of ASCII move down whole.
            const char* const run = written.data() + FirstNonAscii(written, static_cast<std::size_t>(at - written.data()));
            std::memmove(out, at, static_cast<std::size_t>(run - at));
            out += run - at;
            at = run;
            continue;
        }
        const char* const character = at;
        char converted[16];
        if (WriteSiteCharacter(converted, at, end, kind_) == converted + 1) {
            *out++ = converted[0];
            continue;
        }
        // One the code page lacks is written longer: the rest is appended
        // again, from a copy.
        const std::string rest(character, end);
        size_ = static_cast<std::size_t>(out - bytes_.get());
        append(rest);
        return;
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
