#include "publish/uconvert.h"

#include <array>
#include <cstdio>
#include <cstdint>
#include <cstring>
#include <optional>

#include "model/cp1252.h"

namespace sw {

namespace {

// HTML 4 Latin-1 entity names of the characters 0xC0 to 0xFF.
constexpr std::array<const char*, 64> kEntityNames = {
    "Agrave", "Aacute", "Acirc",  "Atilde", "Auml",   "Aring",  "AElig",  "Ccedil",
    "Egrave", "Eacute", "Ecirc",  "Euml",   "Igrave", "Iacute", "Icirc",  "Iuml",
    "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde", "Ouml",   "times",
    "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "THORN",  "szlig",
    "agrave", "aacute", "acirc",  "atilde", "auml",   "aring",  "aelig",  "ccedil",
    "egrave", "eacute", "ecirc",  "euml",   "igrave", "iacute", "icirc",  "iuml",
    "eth",    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide",
    "oslash", "ugrave", "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml"};

constexpr unsigned char kTimes = 0xD7;
constexpr unsigned char kDivide = 0xF7;

} // namespace

std::string_view LetterEntityName(unsigned char code)
{
    if (code < 0xC0 || code == kTimes || code == kDivide)
        return {};
    return kEntityNames[code - 0xC0];
}

char* WriteScriptEscape(char* to, char32_t codePoint)
{
    const auto writeUnit = [&to](unsigned unit) {
        static constexpr char kHex[] = "0123456789ABCDEF";
        *to++ = '\\';
        *to++ = 'u';
        for (int shift = 12; shift >= 0; shift -= 4)
            *to++ = kHex[(unit >> shift) & 0xF];
    };
    if (codePoint >= 0x10000) {
        const char32_t offset = codePoint - 0x10000;
        writeUnit(0xD800 + (offset >> 10));
        writeUnit(0xDC00 + (offset & 0x3FF));
    } else {
        writeUnit(codePoint);
    }
    return to;
}

char* WriteOtherScriptCharacter(char* to, std::string_view text, std::size_t& pos)
{
    const std::size_t start = pos;
    const char32_t cp = DecodeUtf8(text, pos);
    if (cp != kReplacementCharacter && CodePointToCp1252(cp)) {
        std::memcpy(to, text.data() + start, pos - start);
        return to + (pos - start);
    }
    return WriteScriptEscape(to, cp);
}

namespace {

void AppendReference(std::string& out, char32_t cp)
{
    out += "&#";
    out += std::to_string(static_cast<unsigned long>(cp));
    out += ';';
}

void AppendCssEscape(std::string& out, char32_t cp)
{
    char escape[16];
    // The blank ends the escape, so that a hexadecimal digit after it is read
    // as a letter of its own.
    const int length = std::snprintf(escape, sizeof escape, "\\%X ", static_cast<unsigned>(cp));
    out.append(escape, static_cast<std::size_t>(length));
}

void AppendScriptEscape(std::string& out, char32_t cp)
{
    char escape[12];
    out.append(escape, WriteScriptEscape(escape, cp));
}

bool IsAscii(std::string_view text)
{
    return FirstNonAscii(text, 0) == text.size();
}

} // namespace

std::string CssEscaped(std::string_view text)
{
    if (IsAscii(text))
        return std::string(text);
    std::string result;
    result.reserve(text.size() + 8);
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t start = pos;
        const char32_t cp = DecodeUtf8(text, pos);
        if (cp != kReplacementCharacter && CodePointToCp1252(cp))
            result.append(text.substr(start, pos - start));
        else
            AppendCssEscape(result, cp);
    }
    return result;
}

SiteTextKind SiteTextKindOf(std::string_view fileName)
{
    if (EndsWithNoCase(fileName, ".css"))
        return SiteTextKind::StyleSheet;
    if (EndsWithNoCase(fileName, ".js"))
        return SiteTextKind::Script;
    return SiteTextKind::Page;
}

std::string_view SiteBytes(std::string_view utf8, SiteTextKind kind, std::string& buffer)
{
    const std::size_t firstNonAscii = FirstNonAscii(utf8, 0);
    if (firstNonAscii == utf8.size())
        return utf8;
    buffer.assign(utf8.data(), firstNonAscii);
    buffer.reserve(utf8.size());
    const std::string_view rest = utf8.substr(firstNonAscii);
    switch (kind) {
    case SiteTextKind::Page:
        AppendAsCp1252(buffer, rest, AppendReference);
        break;
    case SiteTextKind::StyleSheet:
        AppendAsCp1252(buffer, rest, AppendCssEscape);
        break;
    case SiteTextKind::Script:
        AppendAsCp1252(buffer, rest, AppendScriptEscape);
        break;
    }
    return buffer;
}

std::string EncodeEntities(std::string_view text)
{
    std::string result;
    result.reserve(text.size());
    AppendEncodedEntities(result, text);
    return result;
}

std::string EscapeChar(char ch, std::string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (char c : text) {
        if (c == ch)
            result += '\\';
        result += c;
    }
    return result;
}

std::string RemoveChar(char ch, std::string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (char c : text)
        if (c != ch)
            result += c;
    return result;
}

// Removing the breaks and backslashes first and then escaping, as the rule
// reads, gives the same text as this single pass: the backslashes it writes
// are never removed.
std::string JsEscape(std::string_view text)
{
    std::string result;
    result.reserve(text.size() + text.size() / 8);
    AppendJsEscaped(result, text);
    return result;
}

std::string QuoteAttribute(std::string_view text)
{
    std::string quoted;
    quoted.reserve(text.size());
    AppendQuotedAttribute(quoted, text);
    return quoted;
}

std::string EscapeHtmlText(std::string_view text)
{
    if (!NeedsHtmlEscape(text))
        return std::string(text);
    std::string escaped;
    escaped.reserve(text.size() + 8);
    AppendEscapedHtmlText(escaped, text);
    return escaped;
}

std::string EscapeHtmlAttribute(std::string_view text)
{
    std::string escaped;
    escaped.reserve(text.size() + 8);
    AppendQuotedAttribute(escaped, EscapeHtmlText(text));
    return escaped;
}

std::string ScriptFileName(std::string_view name)
{
    std::string result;
    result.reserve(name.size() + 2);
    AppendScriptFileName(result, name);
    return result;
}

} // namespace sw
