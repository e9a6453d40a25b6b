#include "sanitize/htmllines.h"

#include <algorithm>
#include <array>

namespace sw {

namespace {

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsNameCharacter(char c)
{
    return (Lower(c) >= 'a' && Lower(c) <= 'z') || (c >= '1' && c <= '6');
}

} // namespace

bool LaysOutItsOwnLines(std::string_view html)
{
    static constexpr std::array<std::string_view, 18> kBlocks = {
        "br", "p", "div", "ul", "ol", "li", "table", "tr", "h1", "h2", "h3", "h4", "h5", "h6", "pre", "blockquote",
        "dl", "hr"};
    for (std::size_t at = html.find('<'); at != std::string_view::npos; at = html.find('<', at + 1)) {
        std::size_t end = at + 1;
        while (end < html.size() && IsNameCharacter(html[end]))
            ++end;
        std::string name;
        for (std::size_t i = at + 1; i < end; ++i)
            name += Lower(html[i]);
        if (std::find(kBlocks.begin(), kBlocks.end(), name) != kBlocks.end())
            return true;
    }
    return false;
}

std::string WithTypedLineBreaks(std::string_view html)
{
    if (LaysOutItsOwnLines(html))
        return std::string(html);
    std::string text;
    text.reserve(html.size());
    for (std::size_t i = 0; i < html.size(); ++i) {
        if (html[i] == '\r' || html[i] == '\n') {
            text += "<br>";
            if (html[i] == '\r' && i + 1 < html.size() && html[i + 1] == '\n')
                ++i;
            continue;
        }
        text += html[i];
    }
    return text;
}

} // namespace sw
