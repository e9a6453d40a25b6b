#include "style/stylesafety.h"

#include <cctype>
#include <utility>

#include "style/styleprefs.h"

namespace sw {

namespace {

bool IsAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsHexDigit(char c)
{
    return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

std::string Lowered(std::string_view text)
{
    std::string lowered(text);
    for (char& c : lowered)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lowered;
}

// One length: "auto", or a number (digits, one point, a sign) with an
// optional unit.
bool IsCssLength(std::string_view text)
{
    if (Lowered(text) == "auto")
        return true;
    std::size_t at = 0;
    if (at < text.size() && (text[at] == '-' || text[at] == '+'))
        ++at;
    std::size_t digits = 0;
    bool point = false;
    for (; at < text.size(); ++at) {
        if (IsDigit(text[at]))
            ++digits;
        else if (text[at] == '.' && !point)
            point = true;
        else
            break;
    }
    if (digits == 0)
        return false;
    const std::string unit = Lowered(text.substr(at));
    for (const char* allowed : {"", "%", "px", "pt", "em", "ex", "cm", "mm", "in", "pc"})
        if (unit == allowed)
            return true;
    return false;
}

// Whether a size is a number, as "12" or "10.5".
bool IsNumber(std::string_view text)
{
    return !text.empty() && IsCssLength(text) && IsDigit(text.back());
}

// Whether a selector names elements and classes only: letters, digits, blanks
// and ". # _ - , :".
bool IsSelector(std::string_view text)
{
    if (text.empty())
        return true;
    for (const char c : text)
        if (!(IsAsciiLetter(c) || IsDigit(c) || c == ' ' || c == '.' || c == '#' || c == '_' || c == '-' || c == ','
              || c == ':'))
            return false;
    return true;
}

// The line as a browser would read it for the constructs looked for: lower
// case, without blanks, backslashes or comments.
std::string Squeezed(std::string_view line)
{
    std::string squeezed;
    for (std::size_t at = 0; at < line.size(); ++at) {
        if (line.substr(at, 2) == "/*") {
            const std::size_t end = line.find("*/", at + 2);
            if (end == std::string_view::npos)
                break;
            at = end + 1;
            continue;
        }
        const char c = line[at];
        if (static_cast<unsigned char>(c) <= 0x20 || c == '\\')
            continue;
        squeezed += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return squeezed;
}

bool IsActiveCss(std::string_view line)
{
    const std::string squeezed = Squeezed(line);
    for (const char* construct : {"</style", "<style", "expression(", "javascript:", "vbscript:", "@import",
                                  "behavior:", "-moz-binding", "<script", "<!--", "-->"})
        if (squeezed.find(construct) != std::string::npos)
            return true;
    return false;
}

class Checker {
public:
    explicit Checker(std::vector<std::string>& said) : said_(said) {}

    void Value(std::string& value, const std::string& fallback, bool (*isSafe)(std::string_view),
               const std::string& what)
    {
        if (isSafe(value))
            return;
        said_.push_back("Le style donne « " + value + " » pour " + what + " : « " + fallback
                        + " » est publié à la place.");
        value = fallback;
    }

    void Options(std::string& options, const std::string& what)
    {
        std::vector<std::string_view> kept;
        bool removed = false;
        std::size_t start = 0;
        for (;;) {
            const std::size_t end = options.find("\r\n", start);
            const std::string_view line =
                std::string_view(options).substr(start, end == std::string::npos ? end : end - start);
            if (IsActiveCss(line)) {
                said_.push_back("Les options de style " + what + " contiennent « " + std::string(line)
                                + " », qui pourrait exécuter du code : cette ligne n'est pas publiée.");
                removed = true;
            } else {
                kept.push_back(line);
            }
            if (end == std::string::npos)
                break;
            start = end + 2;
        }
        if (!removed)
            return;
        std::string joined;
        for (std::size_t i = 0; i < kept.size(); ++i)
            joined += (i > 0 ? "\r\n" : "") + std::string(kept[i]);
        options = std::move(joined);
    }

private:
    std::vector<std::string>& said_;
};

} // namespace

bool IsCssColor(std::string_view text)
{
    if (text.empty())
        return false;
    if (text.front() == '#') {
        const std::string_view digits = text.substr(1);
        if (digits.size() != 3 && digits.size() != 6)
            return false;
        for (const char c : digits)
            if (!IsHexDigit(c))
                return false;
        return true;
    }
    for (const char c : text)
        if (!IsAsciiLetter(c))
            return false;
    return true;
}

bool IsCssLengthList(std::string_view text)
{
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of(" ,", start);
        const std::string_view item = text.substr(start, end == std::string_view::npos ? end : end - start);
        if (!item.empty() && !IsCssLength(item))
            return false;
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    return true;
}

std::vector<std::string> MakeStyleSafeForSite(TStylePrefs& prefs)
{
    TStylePrefs defaults;
    defaults.ApplyAppStyleTable();
    std::vector<std::string> said;
    Checker check(said);
    check.Value(prefs.BGColor, defaults.BGColor, IsCssColor, "le fond des pages");
    check.Value(prefs.PMargin, defaults.PMargin, IsCssLengthList, "les marges des pages");
    for (std::size_t i = 0; i < prefs.elements.size(); ++i) {
        TStyleSpecs& element = prefs.elements[i];
        const TStyleSpecs& fallback = defaults.elements[i];
        const std::string of = "de l'élément « " + prefs.selectors[i] + " »";
        check.Value(element.selector, fallback.selector, IsSelector, "le sélecteur " + of);
        check.Value(element.background, fallback.background, IsCssColor, "le fond " + of);
        check.Value(element.colorName, fallback.colorName, IsCssColor, "la couleur " + of);
        check.Value(element.margin, fallback.margin, IsCssLengthList, "la marge " + of);
        check.Value(element.padding, fallback.padding, IsCssLengthList, "le retrait " + of);
        check.Value(element.fontFace, fallback.fontFace, IsCssFontName, "la police " + of);
        check.Value(element.fontSizeText, fallback.fontSizeText, IsNumber, "la taille " + of);
        check.Options(element.options, of);
    }
    for (std::size_t i = 0; i < prefs.links.size(); ++i)
        check.Value(prefs.links[i].colorName, defaults.links[i].colorName, IsCssColor,
                    "la couleur des liens « " + prefs.links[i].state + " »");
    return said;
}

bool IsCssFontName(std::string_view text)
{
    for (const char c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == '"' || c == '\\' || c == ';' || c == '{' || c == '}'
            || c == '<' || c == '>')
            return false;
    return true;
}

} // namespace sw
