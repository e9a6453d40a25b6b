#include "model/textconv.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "model/utf8.h"
#include "model/error.h"

namespace sw {

namespace {

// Plain letter of each character 0xC0 to 0xFF.
constexpr std::string_view kPlainLetters = "AAAAAAAcEEEEIIIIDNOOOOO_OUUUUYTs"
                                           "aaaaaaaceeeeiiiidnooooo_ouuuuyty";

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool EqualsNoCase(std::string_view text, std::string_view word)
{
    if (text.size() != word.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        char w = word[i];
        if (w >= 'a' && w <= 'z')
            w = static_cast<char>(w - 'a' + 'A');
        if (c != w)
            return false;
    }
    return true;
}

// Optional sign, digits, optional fraction; true when the text has that shape.
// nonZero tells whether any digit differs from 0.
bool ParseDecimalNumber(std::string_view text, bool& nonZero)
{
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    bool anyDigit = false;
    nonZero = false;
    while (i < text.size() && IsDigit(text[i])) {
        anyDigit = true;
        nonZero = nonZero || text[i] != '0';
        ++i;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            anyDigit = true;
            nonZero = nonZero || text[i] != '0';
            ++i;
        }
    }
    return anyDigit && i == text.size();
}

} // namespace

bool TryStrToInt(std::string_view text, int& value)
{
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size())
        return false;
    const std::int64_t limit = negative ? -static_cast<std::int64_t>(std::numeric_limits<int>::min())
                                        : std::numeric_limits<int>::max();
    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        if (!IsDigit(text[i]))
            return false;
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > limit)
            return false;
    }
    value = static_cast<int>(negative ? -magnitude : magnitude);
    return true;
}

int StrToInt(std::string_view text)
{
    int value = 0;
    if (!TryStrToInt(text, value))
        throw Error("'" + ValidUtf8(text) + "' is not a valid integer value");
    return value;
}

bool StrToBool(std::string_view text)
{
    bool nonZero = false;
    if (ParseDecimalNumber(text, nonZero))
        return nonZero;
    if (EqualsNoCase(text, "True"))
        return true;
    if (EqualsNoCase(text, "False"))
        return false;
    throw Error("'" + ValidUtf8(text) + "' is not a valid boolean value");
}

bool EndsWithNoCase(std::string_view text, std::string_view ending)
{
    if (text.size() < ending.size())
        return false;
    const std::string_view tail = text.substr(text.size() - ending.size());
    for (std::size_t i = 0; i < tail.size(); ++i) {
        char c = tail[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != ending[i])
            return false;
    }
    return true;
}

std::string IntToStr(long long value)
{
    return std::to_string(value);
}

std::string Trim(std::string_view text)
{
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && static_cast<unsigned char>(text[first]) <= 32)
        ++first;
    while (last > first && static_cast<unsigned char>(text[last - 1]) <= 32)
        --last;
    return std::string(text.substr(first, last - first));
}

std::string StripAccents(std::string_view text)
{
    // The letters U+00C0 to U+00FF are the two bytes C3 80 to C3 BF.
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto code = static_cast<unsigned char>(text[i]);
        if (code == 0xC3 && i + 1 < text.size() && (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80) {
            result += kPlainLetters[static_cast<unsigned char>(text[i + 1]) & 0x3F];
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

std::string XmlEscaped(std::string_view text)
{
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&': escaped += "&amp;"; break;
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        case '"': escaped += "&quot;"; break;
        case '\n': escaped += "&#10;"; break;
        case '\r': escaped += "&#13;"; break;
        case '\t': escaped += "&#9;"; break;
        default:
            if (static_cast<unsigned char>(c) >= 0x20)
                escaped += c;
        }
    }
    return escaped;
}

std::vector<std::string> SplitLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

} // namespace sw
