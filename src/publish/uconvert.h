#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <type_traits>

// StripAccents, which the link targets use, belongs to the model's text conversions.
#include "model/textconv.h"
#include "publish/pagetext.h"

namespace sw {

// Character conversions of the published site. Texts are UTF-8, as in the
// model; the pages become Windows-1252 as they are filled (PageText's site
// mode, or SiteBytes for a text on its own), where each character the code
// page cannot hold becomes a reference. Inside
// a script string or a style sheet such a reference would be read as it is,
// so the escapers for those places write their own escapes for it.

// Replaces every letter from U+00C0 to U+00FF (not the multiplication and
// division signs) by its HTML 4 named entity ("é" gives "&eacute;"); touches
// nothing else.
std::string EncodeEntities(std::string_view text);

// The HTML 4 entity name of a character from 0xC0 up ("eacute" for "é"), or
// the empty text for the multiplication and division signs and below 0xC0.
std::string_view LetterEntityName(unsigned char code);

// Appends EncodeEntities(text) to out (a std::string or a PageText).
template <typename Out>
void AppendEncodedEntities(Out& out, std::string_view text)
{
    // The letters U+00C0 to U+00FF are the two bytes C3 80 to C3 BF.
    std::size_t runStart = 0;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        // Most characters are plain ASCII: tested here before any call.
        if (static_cast<unsigned char>(text[i]) != 0xC3)
            continue;
        const auto next = static_cast<unsigned char>(text[i + 1]);
        if ((next & 0xC0) != 0x80)
            continue;
        const std::string_view name = LetterEntityName(static_cast<unsigned char>(0xC0 | (next & 0x3F)));
        if (name.empty())
            continue;
        out.append(text.substr(runStart, i - runStart));
        out.append("&"_crlf);
        out.append(name);
        out.append(";"_crlf);
        runStart = i + 2;
        ++i;
    }
    out.append(text.substr(runStart));
}

// The text with one backslash before every ch.
std::string EscapeChar(char ch, std::string_view text);

// The text without any ch.
std::string RemoveChar(char ch, std::string_view text);

// The text fit for a double-quoted JavaScript string: line breaks and
// backslashes removed, then a backslash before every '"', '(' and ')', and
// each character Windows-1252 cannot hold written "\uXXXX" (two of them for a
// character beyond U+FFFF).
std::string JsEscape(std::string_view text);

// The text with every double quote written as "&quot;", for attribute values.
std::string QuoteAttribute(std::string_view text);

// The place of the first "&", "<" or ">" from from; npos when none. A plain
// loop: find_first_of would search the three characters for each byte.
inline std::size_t FindHtmlSpecial(std::string_view text, std::size_t from = 0)
{
    for (; from < text.size(); ++from) {
        const char c = text[from];
        if (c == '&' || c == '<' || c == '>')
            return from;
    }
    return std::string_view::npos;
}

// Whether the text holds "&", "<" or ">", which a plain text (a name, a
// title, a duration) cannot be pasted into a page with.
inline bool NeedsHtmlEscape(std::string_view text)
{
    return FindHtmlSpecial(text) != std::string_view::npos;
}

// Whether the text holds "&", "<", ">" or '"', which a plain text cannot be
// pasted into a double-quoted attribute with.
inline bool NeedsAttributeEscape(std::string_view text)
{
    return NeedsHtmlEscape(text) || text.find('"') != std::string_view::npos;
}

// A plain text for a page's text: "&", "<" and ">" written "&amp;", "&lt;"
// and "&gt;"; a quote stays, as in the headings.
std::string EscapeHtmlText(std::string_view text);
// A plain text for a double-quoted attribute: EscapeHtmlText, and '"' written
// "&quot;".
std::string EscapeHtmlAttribute(std::string_view text);

// Appends EscapeHtmlText(text) to out (a std::string or a PageText).
template <typename Out>
void AppendEscapedHtmlText(Out& out, std::string_view text)
{
    std::size_t runStart = 0;
    for (std::size_t at = FindHtmlSpecial(text); at != std::string_view::npos; at = FindHtmlSpecial(text, runStart)) {
        out.append(text.substr(runStart, at - runStart));
        out.append(text[at] == '&' ? "&amp;"_crlf : text[at] == '<' ? "&lt;"_crlf : "&gt;"_crlf);
        runStart = at + 1;
    }
    out.append(text.substr(runStart));
}

// A file name for a double-quoted JavaScript string: a backslash before every
// backslash and double quote, and "\uXXXX" for each character Windows-1252
// cannot hold, so that the script reads back the same name.
std::string ScriptFileName(std::string_view name);

// The text for a style sheet or a STYLE element: each character Windows-1252
// cannot hold written as a CSS escape, "\141 " for "Ł".
std::string CssEscaped(std::string_view text);

// The kind of a site file, from its name's extension: ".css" and ".js" files,
// pages otherwise.
SiteTextKind SiteTextKindOf(std::string_view fileName);

// The UTF-8 text as the site's Windows-1252 bytes, each character the code
// page cannot hold written as kind says. A text of plain ASCII is returned as
// it is; any other is converted into buffer, whose memory serves again.
std::string_view SiteBytes(std::string_view utf8, SiteTextKind kind, std::string& buffer);

// Writes the script escape of one character ("\u0141", or a surrogate pair)
// at to; returns the end of what it wrote, at most 12 bytes.
char* WriteScriptEscape(char* to, char32_t codePoint);

// WriteScriptCharacter for a character other than a Latin-1 one.
char* WriteOtherScriptCharacter(char* to, std::string_view text, std::size_t& pos);

// Writes the character that starts at text[pos], a byte of 0x80 or more, as
// it is when Windows-1252 holds it and as its script escape otherwise; moves
// pos past it.
inline char* WriteScriptCharacter(char* to, std::string_view text, std::size_t& pos)
{
    // Latin-1's letters and signs, U+00A0 to U+00FF, the accents of most
    // texts, are kept without decoding.
    const auto lead = static_cast<unsigned char>(text[pos]);
    if ((lead == 0xC2 || lead == 0xC3) && pos + 1 < text.size()) {
        const auto next = static_cast<unsigned char>(text[pos + 1]);
        if ((next & 0xC0) == 0x80 && (lead == 0xC3 || next >= 0xA0)) {
            to[0] = static_cast<char>(lead);
            to[1] = static_cast<char>(next);
            pos += 2;
            return to + 2;
        }
    }
    return WriteOtherScriptCharacter(to, text, pos);
}

// Appends QuoteAttribute(text) to out (a std::string or a PageText).
template <typename Out>
void AppendQuotedAttribute(Out& out, std::string_view text)
{
    std::size_t runStart = 0;
    for (std::size_t quote = text.find('"'); quote != std::string_view::npos; quote = text.find('"', runStart)) {
        out.append(text.substr(runStart, quote - runStart));
        out.append("&quot;"_crlf);
        runStart = quote + 1;
    }
    out.append(text.substr(runStart));
}

// What JsEscape does with each byte: keeps it, drops it, writes a backslash
// before it, or reads the character it starts.
enum class JsCharRule : unsigned char { Kept, Dropped, Escaped, NonAscii };

inline constexpr auto kJsCharRules = [] {
    struct Table {
        JsCharRule rule[256] = {};
    } table;
    for (const unsigned char dropped : {'\r', '\n', '\\'})
        table.rule[dropped] = JsCharRule::Dropped;
    for (const unsigned char escaped : {'"', '(', ')'})
        table.rule[escaped] = JsCharRule::Escaped;
    // The bytes of Latin-1's characters (leads C2 and C3, and every
    // continuation byte) are copied as they are, as before the model held
    // UTF-8: the script file's conversion writes what its code page lacks.
    // A lead of any other character is read here, for its escape.
    for (int byte = 0xC4; byte < 0x100; ++byte)
        table.rule[byte] = JsCharRule::NonAscii;
    return table;
}();

// The most bytes JsEscape writes for one: "\\uFFFD" for a malformed byte.
inline constexpr std::size_t kMaxJsEscapedGrowth = 6;

// Writes JsEscape(text) at to; returns the end of what it wrote, at most
// kMaxJsEscapedGrowth bytes for one. SiteBytes writes the site's Windows-1252 bytes for a
// script file, UTF-8 otherwise.
template <bool SiteBytes>
char* WriteJsEscaped(char* to, std::string_view text)
{
    // Every byte of 0x80 or more is read as a character on a site page;
    // otherwise Latin-1's bytes are kept as they are.
    static constexpr auto kRules = [] {
        auto table = kJsCharRules;
        if (SiteBytes)
            for (int byte = 0x80; byte < 0xC4; ++byte)
                table.rule[byte] = JsCharRule::NonAscii;
        return table;
    }();
    const char* at = text.data();
    const char* const end = at + text.size();
    while (at != end) {
        const char ch = *at;
        const JsCharRule rule = kRules.rule[static_cast<unsigned char>(ch)];
        // Most bytes are kept: they go first.
        if (rule == JsCharRule::Kept) {
            *to++ = ch;
            ++at;
            continue;
        }
        if (rule == JsCharRule::NonAscii) {
            if constexpr (SiteBytes) {
                to = WriteSiteCharacter(to, at, end, SiteTextKind::Script);
            } else {
                std::size_t pos = static_cast<std::size_t>(at - text.data());
                to = WriteScriptCharacter(to, text, pos);
                at = text.data() + pos;
            }
            continue;
        }
        ++at;
        if (rule == JsCharRule::Escaped) {
            *to++ = '\\';
            *to++ = ch;
        }
    }
    return to;
}

// Appends JsEscape(text) to out (a std::string or a PageText), in one pass.
template <typename Out>
void AppendJsEscaped(Out& out, std::string_view text)
{
    // The breaks are dropped, so the result holds none: written in place.
    const std::size_t maxSize = kMaxJsEscapedGrowth * text.size();
    if constexpr (std::is_same_v<Out, PageText>) {
        if (out.IsSite()) {
            out.AppendFinalBreakFree(maxSize, [text](char* to) { return WriteJsEscaped<true>(to, text); });
            return;
        }
    }
    AppendBreakFree(out, maxSize, [text](char* to) { return WriteJsEscaped<false>(to, text); });
}

// Appends ScriptFileName(name) to out, in one pass.
template <typename Out>
void AppendScriptFileName(Out& out, std::string_view name)
{
    std::size_t runStart = 0;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto byte = static_cast<unsigned char>(name[i]);
        if (byte >= 0xC4) {
            out.append(name.substr(runStart, i - runStart));
            std::size_t pos = i;
            AppendBreakFree(out, 12, [&](char* to) { return WriteScriptCharacter(to, name, pos); });
            runStart = pos;
            i = pos - 1;
            continue;
        }
        if (byte != '\\' && byte != '"')
            continue;
        out.append(name.substr(runStart, i - runStart));
        out.append("\\"_crlf);
        runStart = i;
    }
    out.append(name.substr(runStart));
}

} // namespace sw
