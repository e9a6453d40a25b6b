// Any byte sequence cleaned as a user's HTML field gives HTML that, read again
// by gumbo (as the content of a DIV and of a TABLE), holds only the allowed
// elements and attributes, safe URLs and styles and plain comments, and no
// "<script" at all; cleaning it again changes nothing.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include <gumbo.h>

#include "sanitize/htmlcleaner.h"

namespace {

constexpr std::string_view kElements[] = {
    "a",      "abbr", "acronym", "address", "b",    "big",    "blockquote", "br",     "caption", "center",
    "cite",   "code", "col",     "colgroup", "dd",  "del",    "dfn",        "dir",    "div",     "dl",
    "dt",     "em",   "font",    "h1",      "h2",   "h3",     "h4",         "h5",     "h6",      "hr",
    "i",      "img",  "ins",     "kbd",     "li",   "mark",   "menu",       "nobr",   "ol",      "p",
    "pre",    "q",    "s",       "samp",    "small", "span",  "strike",     "strong", "sub",     "sup",
    "table",  "tbody", "td",     "tfoot",   "th",   "thead",  "tr",         "tt",     "u",       "ul",
    "var",    "wbr",
};

// What the parser adds on its own around what it reads.
constexpr std::string_view kImplied[] = {"html", "tbody", "tr", "colgroup", "p", "br"};

constexpr std::string_view kAttributes[] = {
    "align", "bgcolor", "border", "cellpadding", "cellspacing", "class", "clear", "color", "colspan", "compact",
    "dir",   "face",    "height", "hspace",      "lang",        "noshade", "nowrap", "rowspan", "scope", "size",
    "span",  "start",   "style",  "summary",     "title",       "type",  "valign", "value", "vspace", "width",
};

template <std::size_t N>
bool Among(const std::string_view (&names)[N], std::string_view name)
{
    for (std::string_view candidate : names) {
        if (candidate == name)
            return true;
    }
    return false;
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool IsHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

char Lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string Lowered(std::string_view text)
{
    std::string lowered;
    for (char c : text)
        lowered += Lower(c);
    return lowered;
}

// Lower case, without anything up to the space or any control character.
std::string Squeezed(std::string_view text)
{
    std::string squeezed;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte > 0x20 && byte != 0x7F)
            squeezed += Lower(c);
    }
    return squeezed;
}

bool StartsWith(std::string_view text, std::string_view start)
{
    return text.substr(0, start.size()) == start;
}

bool UrlIsSafe(std::string_view value, bool picture)
{
    const std::string url = Squeezed(value);
    if (StartsWith(url, "http:") || StartsWith(url, "https:") || (!picture && StartsWith(url, "mailto:")))
        return true;
    if (picture) {
        for (std::string_view type : {"data:image/png", "data:image/jpeg", "data:image/gif", "data:image/webp"}) {
            if (StartsWith(url, type) && url.size() > type.size() &&
                (url[type.size()] == ';' || url[type.size()] == ','))
                return true;
        }
    }
    const std::size_t colon = url.find(':');
    return colon == std::string::npos || url.find_first_of("/?#") < colon;
}

bool StyleIsSafe(std::string_view value)
{
    // Comments out, escapes decoded, then without blanks and in lower case.
    std::string css;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '/' && i + 1 < value.size() && value[i + 1] == '*') {
            const std::size_t close = value.find("*/", i + 2);
            if (close == std::string_view::npos)
                break;
            i = close + 1;
            continue;
        }
        css += value[i];
    }
    std::string decoded;
    for (std::size_t i = 0; i < css.size(); ++i) {
        if (css[i] != '\\') {
            decoded += css[i];
            continue;
        }
        unsigned code = 0;
        std::size_t digits = 0;
        while (digits < 6 && i + 1 < css.size() && IsHexDigit(css[i + 1])) {
            const char digit = Lower(css[++i]);
            code = code * 16 + static_cast<unsigned>(digit <= '9' ? digit - '0' : digit - 'a' + 10);
            ++digits;
        }
        if (digits == 0) {
            if (i + 1 < css.size())
                decoded += css[++i];
            continue;
        }
        decoded += (code > 0 && code < 0x80) ? static_cast<char>(code) : '?';
        if (i + 1 < css.size() && IsBlank(css[i + 1]))
            ++i;
    }
    const std::string squeezed = Squeezed(decoded);
    for (std::string_view danger : {"expression(", "javascript:", "vbscript:", "behavior:", "-moz-binding", "@import"}) {
        if (squeezed.find(danger) != std::string::npos)
            return false;
    }
    return true;
}

// Whether the tag as written, quoted values left out, has " on...=" (or
// "/on...="): a handler even where the parser keeps only the first of two.
bool TagHoldsHandler(std::string_view tag)
{
    std::string bare;
    char quote = 0;
    for (char c : tag) {
        if (quote != 0) {
            if (c == quote)
                quote = 0;
            continue;
        }
        if (c == '"' || c == '\'') {
            quote = c;
            continue;
        }
        bare += Lower(c);
    }
    for (std::size_t at = bare.find("on"); at != std::string::npos; at = bare.find("on", at + 1)) {
        if (at == 0)
            continue;
        const char before = bare[at - 1];
        if (!IsBlank(before) && before != '/')
            continue;
        std::size_t next = at + 2;
        while (next < bare.size() && bare[next] >= 'a' && bare[next] <= 'z')
            ++next;
        while (next < bare.size() && IsBlank(bare[next]))
            ++next;
        if (next < bare.size() && bare[next] == '=')
            return true;
    }
    return false;
}

bool TreeIsSafe(const GumboOutput& output)
{
    std::vector<const GumboNode*> stack{output.document};
    while (!stack.empty()) {
        const GumboNode* node = stack.back();
        stack.pop_back();
        const GumboVector* children = nullptr;
        if (node->type == GUMBO_NODE_DOCUMENT) {
            children = &node->v.document.children;
        } else if (node == output.root) {
            children = &node->v.element.children;
            if (node->v.element.attributes.length > 0)
                return false;
        } else if (node->type == GUMBO_NODE_ELEMENT || node->type == GUMBO_NODE_TEMPLATE) {
            const GumboElement& element = node->v.element;
            children = &element.children;
            std::string name = gumbo_normalized_tagname(element.tag);
            if (name.empty()) {
                GumboStringPiece typed = element.original_tag;
                gumbo_tag_from_original_text(&typed);
                name = Lowered(std::string_view(typed.data != nullptr ? typed.data : "", typed.length));
            }
            if (node->type == GUMBO_NODE_TEMPLATE || element.tag_namespace != GUMBO_NAMESPACE_HTML)
                return false;
            if (!Among(kElements, name) && (element.original_tag.length > 0 || !Among(kImplied, name)))
                return false;
            for (unsigned i = 0; i < element.attributes.length; ++i) {
                const auto& attribute = *static_cast<const GumboAttribute*>(element.attributes.data[i]);
                const std::string_view attributeName = attribute.name;
                const bool allowed = Among(kAttributes, attributeName) ||
                                     (name == "img" && (attributeName == "src" || attributeName == "alt")) ||
                                     (name == "a" && (attributeName == "href" || attributeName == "target" ||
                                                      attributeName == "name"));
                if (!allowed)
                    return false;
                if (attributeName == "href" && !UrlIsSafe(attribute.value, false))
                    return false;
                if (attributeName == "src" && !UrlIsSafe(attribute.value, true))
                    return false;
                if (attributeName == "style" && !StyleIsSafe(attribute.value))
                    return false;
                if (Squeezed(attribute.value).find("javascript:") != std::string::npos)
                    return false;
            }
            const std::string_view tag(element.original_tag.data != nullptr ? element.original_tag.data : "",
                                       element.original_tag.length);
            if (Squeezed(tag).find("javascript:") != std::string::npos || TagHoldsHandler(tag))
                return false;
        } else if (node->type == GUMBO_NODE_COMMENT) {
            const std::string_view text(node->v.text.text);
            if ((!text.empty() && text.front() == '[') || text.find('<') != std::string_view::npos)
                return false;
        } else if (node->type == GUMBO_NODE_CDATA) {
            return false;
        }
        if (children != nullptr) {
            for (unsigned i = 0; i < children->length; ++i)
                stack.push_back(static_cast<const GumboNode*>(children->data[i]));
        }
    }
    return true;
}

bool IsSafe(const std::string& html)
{
    if (Lowered(html).find("<script") != std::string::npos)
        return false;
    for (GumboTag context : {GUMBO_TAG_DIV, GUMBO_TAG_TABLE}) {
        GumboOptions options = kGumboDefaultOptions;
        options.max_errors = 0;
        options.fragment_context = context;
        GumboOutput* output = gumbo_parse_with_options(&options, html.data(), html.size());
        const bool safe = TreeIsSafe(*output);
        gumbo_destroy_output(&options, output);
        if (!safe)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string cleaned = sw::CleanUserHtml(bytes);
    if (!IsSafe(cleaned))
        __builtin_trap();
    if (sw::CleanUserHtml(cleaned) != cleaned || !sw::IsCleanUserHtml(cleaned))
        __builtin_trap();
    return 0;
}
