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

std::string EncodeEntities(std::string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (char ch : text) {
        const auto code = static_cast<unsigned char>(ch);
        if (code >= 0xC0 && code != kTimes && code != kDivide) {
            result += '&';
            result += kEntityNames[code - 0xC0];
            result += ';';
        } else {
            result += ch;
        }
    }
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

std::string JsEscape(std::string_view text)
{
    std::string result = RemoveChar('\\', RemoveChar('\n', RemoveChar('\r', text)));
    result = EscapeChar('"', result);
    result = EscapeChar('(', result);
    return EscapeChar(')', result);
}

std::string QuoteAttribute(std::string_view text)
{
    std::string quoted;
    quoted.reserve(text.size());
    for (const char ch : text) {
        if (ch == '"')
            quoted.append("&quot;");
        else
            quoted.push_back(ch);
    }
    return quoted;
}

std::string ScriptFileName(std::string_view name)
{
    return EscapeChar('"', EscapeChar('\\', name));
}

} // namespace sw
