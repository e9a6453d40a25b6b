#pragma once

#include <cassert>
#include <cstddef>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "model/utf8.h"

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

// Clang before 16 leaves the immediate calls inside function templates
// unevaluated and then finds no definition to link: with it (the fuzzing
// build), the pieces are checked where they are made instead.
#if defined(__clang__) && __clang_major__ < 16
#define SHOTWEAVE_PIECE_CHECK constexpr
#else
#define SHOTWEAVE_PIECE_CHECK consteval
#endif

// A fixed piece of a page whose line breaks are CR LF already, checked when
// the program is compiled: a page copies it as it is, without looking for
// breaks. It reads as a std::string_view wherever one is taken.
class CrLfText {
public:
    SHOTWEAVE_PIECE_CHECK explicit CrLfText(std::string_view text)
        : text_(text)
    {
        if (!HasOnlyCrLfBreaks(text))
            throw "a fixed page piece has a line break other than CR LF";
        // The same bytes in UTF-8 and in Windows-1252.
        for (const char c : text)
            if (static_cast<unsigned char>(c) >= 0x80)
                throw "a fixed page piece is not plain ASCII";
    }
    constexpr operator std::string_view() const { return text_; }

private:
    std::string_view text_;
};

// "<TR>\r\n"_crlf is the CrLfText of the literal.
SHOTWEAVE_PIECE_CHECK CrLfText operator""_crlf(const char* text, std::size_t size)
{
    return CrLfText(std::string_view(text, size));
}

// What kind of file of the site a text is written to, which decides how a
// character Windows-1252 cannot hold is written.
enum class SiteTextKind {
    Page,        // "&#321;", a numeric character reference
    StyleSheet,  // "\\141 ", a CSS escape
    Script,      // "\\u0141", a script escape
};

// The bytes of one published page as they reach the disk, built as the page
// is written: every line break appended, CR LF, lone CR or lone LF (also a CR
// and an LF that arrive in two appends), goes in as CR LF. One object serves
// page after page and keeps its memory.
//
// A page of the site is Windows-1252: after ClearForSite, every UTF-8 text
// appended is converted as it is copied, so that the page's bytes are read
// once, each character the code page lacks written as the file's kind says.
class PageText {
public:
    // Empties the page, keeping the memory for the next one; the texts
    // appended are kept as they are (UTF-8).
    void Clear();
    // Empties the page for a file of the site of that kind.
    void ClearForSite(SiteTextKind kind);

    // Appends text, its line breaks written CR LF. Named as std::string's
    // member so that the fragment writers fill a page and a plain text alike.
    // On a site page the text holds whole characters: a character cut
    // between two appends would be read as two malformed ones.
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
    // The writer writes UTF-8; on a page of the site, what it wrote is
    // converted where it stands.
    template <typename Writer>
    void AppendBreakFree(std::size_t maxSize, Writer write)
    {
        reserve(size_ + maxSize);
        char* const start = bytes_.get() + size_;
        char* const end = write(start);
        size_ = static_cast<std::size_t>(end - bytes_.get());
        // Nothing written leaves a CR at the end waiting for its LF.
        afterCr_ = afterCr_ && end == start;
        // Most writers write ASCII only (digits, escapes): tested here
        // before any call.
        const std::string_view written(start, static_cast<std::size_t>(end - start));
        if (site_ && FirstNonAscii(written, 0) != written.size())
            ConvertWritten(static_cast<std::size_t>(start - bytes_.get()));
    }

    // Whether texts become the site's Windows-1252 bytes (after ClearForSite).
    bool IsSite() const { return site_; }

    // AppendBreakFree for a writer that writes the page's final bytes
    // (Windows-1252 on a site page): nothing is converted after it.
    template <typename Writer>
    void AppendFinalBreakFree(std::size_t maxSize, Writer write)
    {
        reserve(size_ + maxSize);
        char* const start = bytes_.get() + size_;
        char* const end = write(start);
        size_ = static_cast<std::size_t>(end - bytes_.get());
        afterCr_ = afterCr_ && end == start;
    }

    // The page's bytes, its last line ended by CR LF as every page ends.
    // Nothing may be appended afterwards but after a Clear.
    std::string_view FinishedBytes();

    std::size_t size() const { return size_; }
    // The kind of site file the page is for, after ClearForSite.
    SiteTextKind Kind() const { return kind_; }
    // Makes room for size bytes in all.
    void reserve(std::size_t size)
    {
        if (size > capacity_)
            Grow(size);
    }

private:
    void Grow(std::size_t size);
    // The bytes from start to the end, written as UTF-8, as the site's.
    void ConvertWritten(std::size_t start);

    // The bytes are kept in a buffer of their own rather than a std::string:
    // the page is filled through many short appends, each of which makes room
    // once for the worst case and then copies without further checks.
    std::unique_ptr<char[]> bytes_;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
    // The last text appended ended with a CR, so an LF that starts the next
    // one belongs to the same line break.
    bool afterCr_ = false;
    // Whether texts become Windows-1252, and how a character it lacks is written.
    bool site_ = false;
    SiteTextKind kind_ = SiteTextKind::Page;
};

// Writes the character that starts at at, a byte of 0x80 or more, as the
// site's Windows-1252 byte, or as kind's escape when the code page lacks it
// ("&#321;", "\\141 ", "\\u0141"); moves at past it. At most eight bytes for
// each byte read ("&#65533;" for a malformed byte).
char* WriteOtherSiteCharacter(char* to, const char*& at, const char* end, SiteTextKind kind);

inline char* WriteSiteCharacter(char* to, const char*& at, const char* end, SiteTextKind kind)
{
    // Latin-1's letters and signs, U+00A0 to U+00FF, the accents of most
    // texts, are the two bytes C2 A0 to C3 BF: no decoding for them.
    const auto lead = static_cast<unsigned char>(*at);
    if ((lead == 0xC2 || lead == 0xC3) && end - at >= 2) {
        const auto next = static_cast<unsigned char>(at[1]);
        const unsigned latin1 = ((lead & 0x1Fu) << 6) | (next & 0x3Fu);
        if ((next & 0xC0) == 0x80 && latin1 >= 0xA0) {
            *to++ = static_cast<char>(latin1);
            at += 2;
            return to;
        }
    }
    return WriteOtherSiteCharacter(to, at, end, kind);
}

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
