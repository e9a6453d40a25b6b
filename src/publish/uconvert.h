#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// StripAccents, which the link targets use, belongs to the model's text conversions.
#include "model/textconv.h"
#include "publish/pagetext.h"

namespace sw {

// Character conversions of the published site. Texts are Windows-1252.

// Replaces every letter from 0xC0 to 0xFF (not the multiplication and division
// signs) by its HTML 4 named entity ("é" gives "&eacute;"); touches nothing else.
std::string EncodeEntities(std::string_view text);

// The HTML 4 entity name of a character from 0xC0 up ("eacute" for "é"), or
// the empty text for the multiplication and division signs and below 0xC0.
std::string_view LetterEntityName(unsigned char code);

// Appends EncodeEntities(text) to out (a std::string or a PageText).
template <typename Out>
void AppendEncodedEntities(Out& out, std::string_view text)
{
    std::size_t runStart = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        // Most characters are plain ASCII: tested here before any call.
        const auto code = static_cast<unsigned char>(text[i]);
        if (code < 0xC0)
            continue;
        const std::string_view name = LetterEntityName(code);
        if (name.empty())
            continue;
        out.append(text.substr(runStart, i - runStart));
        out.append("&"_crlf);
        out.append(name);
        out.append(";"_crlf);
        runStart = i + 1;
    }
    out.append(text.substr(runStart));
}

// The text with one backslash before every ch.
std::string EscapeChar(char ch, std::string_view text);

// The text without any ch.
std::string RemoveChar(char ch, std::string_view text);

// The text fit for a double-quoted JavaScript string: line breaks and
// backslashes removed, then a backslash before every '"', '(' and ')'.
std::string JsEscape(std::string_view text);

// The text with every double quote written as "&quot;", for attribute values.
std::string QuoteAttribute(std::string_view text);

// A file name for a double-quoted JavaScript string: a backslash before every
// backslash and double quote, so that the script reads back the same name.
std::string ScriptFileName(std::string_view name);

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

// What JsEscape does with each character: keeps it, drops it, or writes a
// backslash before it.
enum class JsCharRule : unsigned char { Kept, Dropped, Escaped };

inline constexpr auto kJsCharRules = [] {
    struct Table {
        JsCharRule rule[256] = {};
    } table;
    for (const unsigned char dropped : {'\r', '\n', '\\'})
        table.rule[dropped] = JsCharRule::Dropped;
    for (const unsigned char escaped : {'"', '(', ')'})
        table.rule[escaped] = JsCharRule::Escaped;
    return table;
}();

// Appends JsEscape(text) to out (a std::string or a PageText), in one pass.
template <typename Out>
void AppendJsEscaped(Out& out, std::string_view text)
{
    // The breaks are dropped, so the result holds none: written in place,
    // at most two bytes for one.
    AppendBreakFree(out, 2 * text.size(), [text](char* to) {
        for (const char ch : text) {
            const JsCharRule rule = kJsCharRules.rule[static_cast<unsigned char>(ch)];
            if (rule == JsCharRule::Dropped)
                continue;
            if (rule == JsCharRule::Escaped)
                *to++ = '\\';
            *to++ = ch;
        }
        return to;
    });
}

// Appends ScriptFileName(name) to out, in one pass.
template <typename Out>
void AppendScriptFileName(Out& out, std::string_view name)
{
    std::size_t runStart = 0;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name[i] != '\\' && name[i] != '"')
            continue;
        out.append(name.substr(runStart, i - runStart));
        out.append("\\"_crlf);
        runStart = i;
    }
    out.append(name.substr(runStart));
}

} // namespace sw
