#include "publish/uconvert.h"

#include <array>

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

std::string ScriptFileName(std::string_view name)
{
    std::string result;
    result.reserve(name.size() + 2);
    AppendScriptFileName(result, name);
    return result;
}

} // namespace sw
