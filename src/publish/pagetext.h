#pragma once

#include <cassert>
#include <cstddef>
#include <cstring>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace sw {

// Whether every CR of text is followed by an LF and every LF follows a CR.
constexpr bool HasOnlyCrLfBreaks(std::string_view text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n')
            return false;
        if (text[i] == '\r') {
            if (i + 1 == text.size() || text[i + 1] != '\n')
                return false;
            ++i;
        }
    }
    return true;
}

// A fixed piece of a page whose line breaks are CR LF already, checked when
// the program is compiled: a page copies it as it is, without looking for
// breaks. It reads as a std::string_view wherever one is taken.
class CrLfText {
public:
    consteval explicit CrLfText(std::string_view text)
        : text_(text)
    {
        if (!HasOnlyCrLfBreaks(text))
            throw "a fixed page piece has a line break other than CR LF";
    }
    constexpr operator std::string_view() const { return text_; }

private:
    std::string_view text_;
};

// "<TR>\r\n"_crlf is the CrLfText of the literal.
consteval CrLfText operator""_crlf(const char* text, std::size_t size)
{
    return CrLfText(std::string_view(text, size));
}

// The bytes of one published page as they reach the disk, built as the page
// is written: every line break appended, CR LF, lone CR or lone LF (also a CR
// and an LF that arrive in two appends), goes in as CR LF. One object serves
// page after page and keeps its memory.
class PageText {
public:
    // Empties the page, keeping the memory for the next one.
    void Clear();

    // Appends text, its line breaks written CR LF. Named as std::string's
    // member so that the fragment writers fill a page and a plain text alike.
    void append(std::string_view text);

    // Appends a piece known to be in its final bytes already: copied whole.
    void append(CrLfText text)
    {
        const std::string_view bytes = text;
        reserve(size_ + bytes.size());
        std::memcpy(bytes_.get() + size_, bytes.data(), bytes.size());
        size_ += bytes.size();
        // An empty piece leaves a CR at the end waiting for its LF.
        afterCr_ = afterCr_ && bytes.empty();
    }

    // Appends what write puts at the char* it is given: at most maxSize
    // bytes, none of them a CR or an LF; write returns the end of what it
    // wrote. The escaping and number writers fill the page directly, with
    // no call per piece and no scan for breaks.
    template <typename Writer>
    void AppendBreakFree(std::size_t maxSize, Writer write)
    {
        reserve(size_ + maxSize);
        char* const start = bytes_.get() + size_;
        char* const end = write(start);
        size_ = static_cast<std::size_t>(end - bytes_.get());
        // Nothing written leaves a CR at the end waiting for its LF.
        afterCr_ = afterCr_ && end == start;
    }

    // The page's bytes, its last line ended by CR LF as every page ends.
    // Nothing may be appended afterwards but after a Clear.
    std::string_view FinishedBytes();
    // FinishedBytes, which the caller may rewrite in place (never longer)
    // until the next Clear.
    std::span<char> FinishedBytesToRewrite()
    {
        const std::size_t size = FinishedBytes().size();
        return {bytes_.get(), size};
    }

    std::size_t size() const { return size_; }
    // Makes room for size bytes in all.
    void reserve(std::size_t size)
    {
        if (size > capacity_)
            Grow(size);
    }

private:
    void Grow(std::size_t size);

    // The bytes are kept in a buffer of their own rather than a std::string:
    // the page is filled through many short appends, each of which makes room
    // once for the worst case and then copies without further checks.
    std::unique_ptr<char[]> bytes_;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
    // The last text appended ended with a CR, so an LF that starts the next
    // one belongs to the same line break.
    bool afterCr_ = false;
};

// The same for a plain text, for the string forms of the fragments.
template <typename Writer>
void AppendBreakFree(std::string& out, std::size_t maxSize, Writer write)
{
    const std::size_t start = out.size();
    out.resize(start + maxSize);
    char* const end = write(out.data() + start);
    out.resize(static_cast<std::size_t>(end - out.data()));
}

template <typename Writer>
void AppendBreakFree(PageText& out, std::size_t maxSize, Writer write)
{
    out.AppendBreakFree(maxSize, write);
}

// Appends a text made without line breaks (digits, the fixed words of the
// camera), copied whole; checked in debug builds.
template <typename Out>
void AppendWithoutBreaks(Out& out, std::string_view text)
{
    assert(text.find_first_of("\r\n") == std::string_view::npos);
    AppendBreakFree(out, text.size(), [text](char* to) {
        std::memcpy(to, text.data(), text.size());
        return to + text.size();
    });
}

} // namespace sw
