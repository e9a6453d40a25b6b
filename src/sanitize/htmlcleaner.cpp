#include "sanitize/htmlcleaner.h"

#include <gumbo.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// How the cleaning works. Gumbo parses the text as the content of a DIV, the
// way a browser reads it inside the page. Every start tag, end tag and comment
// of its tree points back into the text; those are the pieces, and each is
// copied, written again without its unwanted attributes, or left out. An
// element that goes with its content also leaves out the whole stretch of
// text from its start tag to its end (its end tag, its last descendant, or
// the end of the text for one whose content is not markup). Whatever lies
// between the pieces is text, or tokens the parser ignored (a stray end tag,
// a TD outside a table, a second HTML tag): the gaps are read again here with
// the tokenizer's own rules, so that an ignored tag is judged like any other.
// (The parser's text nodes cannot serve: one stretches from its first
// character to the next token the parser acted on, over any it ignored.)
//
// Gumbo reads a malformed UTF-8 sequence as U+FFFD, but its positions are
// pointers into the text: every one used here is checked to lie within it.
//
// The result is therefore made only of allowed tags, plain comments and text
// in which no "<" starts markup, so a browser reads it token for token as
// cleaned, whatever surrounds it in the page. Where something was left out,
// the bytes on either side could meet into a new tag ("<" before a removed
// element, then "img ..."): such a "<" becomes "&lt;". The text is then
// cleaned again until nothing changes, which also makes cleaning idempotent.

namespace sw {
namespace {

using namespace std::string_view_literals;

constexpr std::size_t kNone = std::string_view::npos;

// ---- Characters ----

bool IsAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The blanks that separate the parts of a tag.
bool IsTagBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\f' || c == '\r';
}

char AsciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string AsciiLowered(std::string_view text)
{
    std::string lowered(text);
    for (char& c : lowered)
        c = AsciiLower(c);
    return lowered;
}

bool IsHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    return AsciiLower(c) - 'a' + 10;
}

// The value as a browser compares a URL's scheme, and then some: without
// blanks and control characters anywhere, in lower case.
std::string Compacted(std::string_view value)
{
    std::string compact;
    compact.reserve(value.size());
    for (char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= 0x20 || byte == 0x7F)
            continue;
        compact += AsciiLower(c);
    }
    return compact;
}

// ---- Names ----

// The elements whose tags stay.
constexpr std::array kKeptElements = {
    "a"sv,       "abbr"sv,  "acronym"sv, "address"sv, "b"sv,     "big"sv,      "blockquote"sv, "br"sv,
    "caption"sv, "center"sv, "cite"sv,   "code"sv,    "col"sv,   "colgroup"sv, "dd"sv,         "del"sv,
    "dfn"sv,     "dir"sv,   "div"sv,     "dl"sv,      "dt"sv,    "em"sv,       "font"sv,       "h1"sv,
    "h2"sv,      "h3"sv,    "h4"sv,      "h5"sv,      "h6"sv,    "hr"sv,       "i"sv,          "img"sv,
    "ins"sv,     "kbd"sv,   "li"sv,      "mark"sv,    "menu"sv,  "nobr"sv,     "ol"sv,         "p"sv,
    "pre"sv,     "q"sv,     "s"sv,       "samp"sv,    "small"sv, "span"sv,     "strike"sv,     "strong"sv,
    "sub"sv,     "sup"sv,   "table"sv,   "tbody"sv,   "td"sv,    "tfoot"sv,    "th"sv,         "thead"sv,
    "tr"sv,      "tt"sv,    "u"sv,       "ul"sv,      "var"sv,   "wbr"sv,
};

// The elements that go with everything inside them.
constexpr std::array kElementsDroppedWhole = {
    "applet"sv,   "base"sv,   "button"sv,   "embed"sv,     "form"sv,   "frame"sv,   "frameset"sv,
    "iframe"sv,   "input"sv,  "isindex"sv,  "keygen"sv,    "link"sv,   "math"sv,    "meta"sv,
    "noembed"sv,  "noframes"sv, "noscript"sv, "object"sv,  "plaintext"sv, "script"sv, "select"sv,
    "style"sv,    "svg"sv,    "template"sv, "textarea"sv,  "title"sv,  "xmp"sv,
};

// Among those, the ones whose content is text the tokenizer does not read as
// markup: without its end tag, such an element runs to the end of the text.
// (The parser reads NOSCRIPT's content as markup, as a browser does without
// scripts; a browser with scripts reads it as text up to "</noscript", which
// lies within the element's stretch either way.)
constexpr std::array kElementsOfRawText = {
    "iframe"sv, "noembed"sv, "noframes"sv, "plaintext"sv, "script"sv, "style"sv, "textarea"sv, "title"sv, "xmp"sv,
};

// Among those, the ones that never have content or an end tag.
constexpr std::array kVoidElementsDroppedWhole = {
    "base"sv, "embed"sv, "frame"sv, "input"sv, "isindex"sv, "keygen"sv, "link"sv, "meta"sv,
};

// The attributes any kept element keeps (its value permitting).
constexpr std::array kPresentationAttributes = {
    "align"sv,   "bgcolor"sv, "border"sv, "cellpadding"sv, "cellspacing"sv, "class"sv, "clear"sv,
    "color"sv,   "colspan"sv, "compact"sv, "dir"sv,        "face"sv,        "height"sv, "hspace"sv,
    "lang"sv,    "noshade"sv, "nowrap"sv, "rowspan"sv,     "scope"sv,       "size"sv,  "span"sv,
    "start"sv,   "style"sv,   "summary"sv, "title"sv,      "type"sv,        "valign"sv, "value"sv,
    "vspace"sv,  "width"sv,
};

template <std::size_t N>
bool IsAmong(const std::array<std::string_view, N>& names, std::string_view name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

bool IsKeptElement(std::string_view name)
{
    return IsAmong(kKeptElements, name);
}

// ---- Attribute values ----

// Whether a "<" in the value starts something a parser would read as markup
// (a tag, an end tag, a comment): no kept attribute needs one, and such a
// value is what markup smuggled through an attribute looks like.
bool HoldsMarkup(std::string_view value)
{
    for (std::size_t at = value.find('<'); at != kNone && at + 1 < value.size(); at = value.find('<', at + 1)) {
        const char next = value[at + 1];
        if (IsAsciiLetter(next) || next == '/' || next == '!' || next == '?')
            return true;
    }
    return false;
}

// Whether the value reads like an event handler's assignment ("x onclick=y"):
// a parser less careful than a browser's could take it for an attribute.
bool HoldsHandlerLikeText(std::string_view value)
{
    const std::string lowered = AsciiLowered(value);
    for (std::size_t at = lowered.find("on"); at != kNone; at = lowered.find("on", at + 1)) {
        if (at > 0 && (IsAsciiLetter(lowered[at - 1]) || (lowered[at - 1] >= '0' && lowered[at - 1] <= '9')))
            continue;
        std::size_t next = at + 2;
        while (next < lowered.size() && IsAsciiLetter(lowered[next]))
            ++next;
        while (next < lowered.size() && IsTagBlank(lowered[next]))
            ++next;
        if (next < lowered.size() && lowered[next] == '=')
            return true;
    }
    return false;
}

// The scheme of a compacted URL: what precedes a ":" that comes before any
// "/", "?" or "#"; the URL is relative when there is none.
bool HasScheme(std::string_view compact, std::string_view& scheme)
{
    const std::size_t end = compact.find_first_of(":/?#");
    if (end == kNone || compact[end] != ':')
        return false;
    scheme = compact.substr(0, end);
    return true;
}

bool IsAllowedLink(std::string_view compact)
{
    std::string_view scheme;
    if (!HasScheme(compact, scheme))
        return true;
    return scheme == "http" || scheme == "https" || scheme == "mailto";
}

bool IsAllowedPictureSource(std::string_view compact, HtmlReach reach)
{
    std::string_view scheme;
    if (!HasScheme(compact, scheme))
        return reach == HtmlReach::Web;
    if (scheme == "http" || scheme == "https")
        return reach == HtmlReach::Web;
    if (scheme != "data")
        return false;
    for (std::string_view type : {"data:image/png"sv, "data:image/jpeg"sv, "data:image/gif"sv, "data:image/webp"sv}) {
        if (compact.size() > type.size() && compact.substr(0, type.size()) == type &&
            (compact[type.size()] == ';' || compact[type.size()] == ','))
            return true;
    }
    return false;
}

// The CSS of a style attribute as its tokenizer would read it for what
// matters here: comments removed, escapes decoded (a character beyond ASCII
// as "?"), then compacted.
std::string CssForChecking(std::string_view css)
{
    std::string plain;
    plain.reserve(css.size());
    for (std::size_t i = 0; i < css.size();) {
        if (css[i] == '/' && i + 1 < css.size() && css[i + 1] == '*') {
            const std::size_t close = css.find("*/", i + 2);
            i = close == kNone ? css.size() : close + 2;
            continue;
        }
        if (css[i] != '\\') {
            plain += css[i++];
            continue;
        }
        ++i;
        if (i == css.size())
            break;
        if (IsHexDigit(css[i])) {
            std::uint32_t code = 0;
            for (int digits = 0; digits < 6 && i < css.size() && IsHexDigit(css[i]); ++digits, ++i)
                code = code * 16 + static_cast<std::uint32_t>(HexValue(css[i]));
            if (i < css.size() && css[i] == '\r' && i + 1 < css.size() && css[i + 1] == '\n')
                i += 2;
            else if (i < css.size() && IsTagBlank(css[i]))
                ++i;
            plain += (code > 0 && code < 0x80) ? static_cast<char>(code) : '?';
            continue;
        }
        if (css[i] == '\n' || css[i] == '\r' || css[i] == '\f') {
            ++i;
            continue;
        }
        plain += css[i++];
    }
    return Compacted(plain);
}

bool IsHarmlessStyle(std::string_view css, HtmlReach reach)
{
    const std::string checked = CssForChecking(css);
    // A page that stands alone loads nothing, not even a background.
    if (reach == HtmlReach::SelfContained &&
        (checked.find("url(") != std::string::npos || checked.find("image-set(") != std::string::npos ||
         checked.find("image(") != std::string::npos))
        return false;
    for (std::string_view danger : {"expression("sv, "javascript:"sv, "vbscript:"sv, "behavior:"sv,
                                    "behaviour:"sv, "-moz-binding"sv, "@import"sv, "url(javascript"sv,
                                    "url(vbscript"sv}) {
        if (checked.find(danger) != std::string::npos)
            return false;
    }
    return true;
}

// Whether the element keeps the attribute, its value decoded.
bool KeepsAttribute(std::string_view element, std::string_view name, std::string_view value, HtmlReach reach)
{
    const bool known = IsAmong(kPresentationAttributes, name) ||
                       (element == "img" && (name == "src" || name == "alt")) ||
                       (element == "a" && (name == "href" || name == "target" || name == "name"));
    if (!known || HoldsMarkup(value) || HoldsHandlerLikeText(value))
        return false;
    const std::string compact = Compacted(value);
    if (compact.find("javascript:") != std::string::npos || compact.find("vbscript:") != std::string::npos)
        return false;
    if (name == "href")
        return IsAllowedLink(compact);
    if (name == "src")
        return IsAllowedPictureSource(compact, reach);
    if (name == "style")
        return IsHarmlessStyle(value, reach);
    return true;
}

bool KeepsAttribute(std::string_view element, const GumboAttribute& attribute, HtmlReach reach)
{
    if (attribute.attr_namespace != GUMBO_ATTR_NAMESPACE_NONE || attribute.name == nullptr ||
        attribute.value == nullptr)
        return false;
    return KeepsAttribute(element, attribute.name, attribute.value, reach);
}

// ---- Tokens ----

// How far a tag that starts at text[at] ("<" and a letter, or "</" and a
// letter) reaches, following the tokenizer's states: end is past its ">", or
// kNone when limit comes first; nameEnd is where its name ends.
struct TagExtent {
    std::size_t end = kNone;
    std::size_t nameEnd = kNone;
    int attributes = 0;
};

TagExtent MeasureTag(std::string_view text, std::size_t at, std::size_t limit)
{
    enum class State {
        Name,
        BeforeAttributeName,
        AttributeName,
        AfterAttributeName,
        BeforeValue,
        DoubleQuoted,
        SingleQuoted,
        Unquoted,
        AfterQuoted,
        SelfClosing,
    };
    TagExtent extent;
    State state = State::Name;
    std::size_t i = at + (text[at + 1] == '/' ? 2 : 1);
    while (i < limit) {
        const char c = text[i];
        bool closes = false;
        bool reconsume = false;
        switch (state) {
        case State::Name:
            if (IsTagBlank(c) || c == '/' || c == '>') {
                extent.nameEnd = i;
                closes = c == '>';
                state = c == '/' ? State::SelfClosing : State::BeforeAttributeName;
            }
            break;
        case State::BeforeAttributeName:
            if (IsTagBlank(c))
                break;
            if (c == '/' || c == '>') {
                state = State::AfterAttributeName;
                reconsume = true;
            } else {
                ++extent.attributes;
                state = State::AttributeName;
            }
            break;
        case State::AttributeName:
            if (IsTagBlank(c) || c == '/' || c == '>') {
                state = State::AfterAttributeName;
                reconsume = true;
            } else if (c == '=') {
                state = State::BeforeValue;
            }
            break;
        case State::AfterAttributeName:
            if (IsTagBlank(c))
                break;
            if (c == '/') {
                state = State::SelfClosing;
            } else if (c == '=') {
                state = State::BeforeValue;
            } else if (c == '>') {
                closes = true;
            } else {
                ++extent.attributes;
                state = State::AttributeName;
            }
            break;
        case State::BeforeValue:
            if (IsTagBlank(c))
                break;
            if (c == '"')
                state = State::DoubleQuoted;
            else if (c == '\'')
                state = State::SingleQuoted;
            else if (c == '>')
                closes = true;
            else
                state = State::Unquoted;
            break;
        case State::DoubleQuoted:
            if (c == '"')
                state = State::AfterQuoted;
            break;
        case State::SingleQuoted:
            if (c == '\'')
                state = State::AfterQuoted;
            break;
        case State::Unquoted:
            if (IsTagBlank(c))
                state = State::BeforeAttributeName;
            else if (c == '>')
                closes = true;
            break;
        case State::AfterQuoted:
            if (IsTagBlank(c)) {
                state = State::BeforeAttributeName;
            } else if (c == '/') {
                state = State::SelfClosing;
            } else if (c == '>') {
                closes = true;
            } else {
                state = State::BeforeAttributeName;
                reconsume = true;
            }
            break;
        case State::SelfClosing:
            if (c == '>') {
                closes = true;
            } else {
                state = State::BeforeAttributeName;
                reconsume = true;
            }
            break;
        }
        if (closes) {
            extent.end = i + 1;
            return extent;
        }
        if (!reconsume)
            ++i;
    }
    if (extent.nameEnd == kNone)
        extent.nameEnd = i;
    return extent;
}

// Where a comment, a bogus comment or a DOCTYPE that starts at text[at]
// ("<!", "<?" or "</" not followed by a letter) ends; limit when it runs on.
std::size_t MarkupDeclarationEnd(std::string_view text, std::size_t at, std::size_t limit)
{
    const std::string_view rest = text.substr(at, limit - at);
    if (rest.substr(0, 4) == "<!--") {
        if (rest.size() > 4 && rest[4] == '>')
            return at + 5;
        if (rest.size() > 5 && rest.substr(4, 2) == "->")
            return at + 6;
        const std::size_t close = rest.find("-->", 4);
        const std::size_t bangClose = rest.find("--!>", 4);
        if (close == kNone && bangClose == kNone)
            return limit;
        if (close != kNone && (bangClose == kNone || close < bangClose))
            return at + close + 3;
        return at + bangClose + 4;
    }
    if (rest.substr(0, 3) == "</>")
        return at + 3;
    const std::size_t close = rest.find('>', 2);
    return close == kNone ? limit : at + close + 1;
}

// Whether a comment is plain text between "<!--" and "-->": no markup, no
// "--", no "[" first (the conditional comments of old browsers).
bool IsPlainComment(std::string_view comment)
{
    if (comment.size() < 7 || comment.substr(0, 4) != "<!--" || comment.substr(comment.size() - 3) != "-->")
        return false;
    const std::string_view inner = comment.substr(4, comment.size() - 7);
    if (inner.empty())
        return true;
    if (inner.front() == '-' || inner.front() == '[' || inner.back() == '-')
        return false;
    return inner.find_first_of("<>") == kNone && inner.find("--") == kNone;
}

// ---- The parse ----

class ParsedHtml {
public:
    explicit ParsedHtml(std::string_view html)
        : options_(kGumboDefaultOptions)
    {
        options_.max_errors = 0;
        options_.fragment_context = GUMBO_TAG_DIV;
        options_.fragment_namespace = GUMBO_NAMESPACE_HTML;
        output_ = gumbo_parse_with_options(&options_, html.data(), html.size());
    }
    ParsedHtml(const ParsedHtml&) = delete;
    ParsedHtml& operator=(const ParsedHtml&) = delete;
    ~ParsedHtml()
    {
        if (output_ != nullptr)
            gumbo_destroy_output(&options_, output_);
    }
    const GumboNode* Document() const { return output_ != nullptr ? output_->document : nullptr; }
    const GumboNode* Root() const { return output_ != nullptr ? output_->root : nullptr; }

private:
    GumboOptions options_;
    GumboOutput* output_ = nullptr;
};

const GumboVector* ChildrenOf(const GumboNode& node)
{
    switch (node.type) {
    case GUMBO_NODE_DOCUMENT:
        return &node.v.document.children;
    case GUMBO_NODE_ELEMENT:
    case GUMBO_NODE_TEMPLATE:
        return &node.v.element.children;
    default:
        return nullptr;
    }
}

const GumboNode* ChildAt(const GumboVector& children, unsigned int index)
{
    return static_cast<const GumboNode*>(children.data[index]);
}

// A stretch of the source, [begin, end).
struct Span {
    std::size_t begin = 0;
    std::size_t end = 0;
    bool Empty() const { return begin >= end; }
};

// The cleaning of one text, once.
class CleaningPass {
public:
    CleaningPass(std::string_view source, HtmlReach reach)
        : source_(source), reach_(reach)
    {}

    std::string Run()
    {
        const ParsedHtml parsed(source_);
        if (parsed.Document() == nullptr)
            return EscapedMarkup();
        Collect(*parsed.Document());
        std::stable_sort(pieces_.begin(), pieces_.end(),
                         [](const Piece& a, const Piece& b) { return a.span.begin < b.span.begin; });
        MergeDrops();

        std::size_t pos = 0;
        for (const Piece& piece : pieces_) {
            if (piece.span.begin < pos) {
                // Pieces the parser shares between elements (a clone of a
                // formatting element, an end tag that closed several) or that
                // overlap: the first one decides.
                if (piece.span.end > pos) {
                    Drop();
                    pos = piece.span.end;
                }
                continue;
            }
            ReadBetweenPieces(pos, piece.span.begin);
            pos = piece.span.end;
            if (OverlapsDrop(piece.span)) {
                Drop();
                continue;
            }
            switch (piece.kind) {
            case Piece::Kind::StartTag:
                WriteStartTag(piece.span, *piece.element);
                break;
            case Piece::Kind::EndTag:
                WriteEndTag(piece.span);
                break;
            case Piece::Kind::Comment:
                WriteComment(piece.span);
                break;
            }
        }
        ReadBetweenPieces(pos, source_.size());
        return std::move(out_);
    }

    // The text with every "<" written "&lt;": no markup at all.
    std::string EscapedMarkup() const
    {
        std::string escaped;
        escaped.reserve(source_.size());
        for (char c : source_) {
            if (c == '<')
                escaped += "&lt;";
            else
                escaped += c;
        }
        return escaped;
    }

private:
    struct Piece {
        enum class Kind { StartTag, EndTag, Comment };
        Span span;
        Kind kind = Kind::StartTag;
        const GumboElement* element = nullptr;
    };

    // The stretch of the source a string of the tree points to; empty when
    // the parser made it up.
    Span SpanOf(const GumboStringPiece& piece) const
    {
        if (piece.data == nullptr || piece.length == 0)
            return {};
        const auto first = reinterpret_cast<std::uintptr_t>(source_.data());
        const auto at = reinterpret_cast<std::uintptr_t>(piece.data);
        if (at < first || at - first > source_.size() || piece.length > source_.size() - (at - first))
            return {};
        return {at - first, at - first + piece.length};
    }

    // The element's name in lower case: the parser's for the elements it
    // knows, the one typed for the others.
    std::string ElementName(const GumboElement& element) const
    {
        if (element.tag != GUMBO_TAG_UNKNOWN)
            return gumbo_normalized_tagname(element.tag);
        const Span tag = SpanOf(element.original_tag);
        if (tag.Empty() || tag.end - tag.begin < 2)
            return {};
        const std::string_view text = source_.substr(tag.begin, tag.end - tag.begin);
        const std::size_t nameBegin = text[1] == '/' ? 2 : 1;
        std::size_t nameEnd = nameBegin;
        while (nameEnd < text.size() && !IsTagBlank(text[nameEnd]) && text[nameEnd] != '/' && text[nameEnd] != '>')
            ++nameEnd;
        return AsciiLowered(text.substr(nameBegin, nameEnd - nameBegin));
    }

    bool GoesWhole(const GumboNode& node) const
    {
        if (node.type == GUMBO_NODE_TEMPLATE)
            return true;
        const GumboElement& element = node.v.element;
        return element.tag_namespace != GUMBO_NAMESPACE_HTML || IsAmong(kElementsDroppedWhole, ElementName(element));
    }

    void AddDrop(Span span)
    {
        if (!span.Empty())
            drops_.push_back(span);
    }

    // The tree's pieces, and the stretches that go.
    void Collect(const GumboNode& document)
    {
        // Each node with whether it is inside an element that goes, and from
        // where in the source that element's stretch starts: a clone of a
        // formatting element opened before it points to a tag that stays.
        struct Entry {
            const GumboNode* node;
            bool insideDropped;
            std::size_t dropFloor;
        };
        std::vector<Entry> stack{{&document, false, 0}};
        while (!stack.empty()) {
            const auto [node, insideDropped, inheritedFloor] = stack.back();
            stack.pop_back();
            bool dropped = insideDropped;
            std::size_t dropFloor = inheritedFloor;
            const auto dropWithin = [&](Span span) {
                if (span.begin >= dropFloor)
                    AddDrop(span);
            };
            switch (node->type) {
            case GUMBO_NODE_DOCUMENT:
                break;
            case GUMBO_NODE_ELEMENT:
            case GUMBO_NODE_TEMPLATE: {
                const GumboElement& element = node->v.element;
                const Span start = SpanOf(element.original_tag);
                const Span end = SpanOf(element.original_end_tag);
                dropped = dropped || GoesWhole(*node);
                if (dropped) {
                    if (!insideDropped) {
                        DropWhole(*node);
                        dropFloor = start.begin;
                    }
                    dropWithin(start);
                    dropWithin(end);
                } else {
                    if (!start.Empty())
                        pieces_.push_back({start, Piece::Kind::StartTag, &element});
                    if (!end.Empty())
                        pieces_.push_back({end, Piece::Kind::EndTag, nullptr});
                }
                break;
            }
            case GUMBO_NODE_COMMENT:
                if (dropped)
                    dropWithin(SpanOf(node->v.text.original_text));
                else if (const Span span = SpanOf(node->v.text.original_text); !span.Empty())
                    pieces_.push_back({span, Piece::Kind::Comment, nullptr});
                break;
            default:
                // Text is read again between the pieces, unless it goes.
                if (dropped)
                    dropWithin(SpanOf(node->v.text.original_text));
                break;
            }
            if (const GumboVector* children = ChildrenOf(*node)) {
                for (unsigned int i = children->length; i-- > 0;)
                    stack.push_back({ChildAt(*children, i), dropped, dropFloor});
            }
        }
    }

    // The whole stretch of an element that goes with its content: from its
    // start tag to the furthest of its end tag, the place the parser closed
    // it and its descendants; to the end of the text for an element of raw
    // text left open.
    void DropWhole(const GumboNode& node)
    {
        const GumboElement& element = node.v.element;
        const Span start = SpanOf(element.original_tag);
        if (start.Empty())
            return;
        std::size_t end = start.end;
        std::vector<const GumboNode*> stack{&node};
        while (!stack.empty()) {
            const GumboNode* at = stack.back();
            stack.pop_back();
            if (at->type == GUMBO_NODE_ELEMENT || at->type == GUMBO_NODE_TEMPLATE) {
                end = std::max({end, SpanOf(at->v.element.original_tag).end, SpanOf(at->v.element.original_end_tag).end});
                const std::size_t closed = at->v.element.end_pos.offset;
                if (closed > start.begin && closed <= source_.size())
                    end = std::max(end, closed);
            } else if (at->type != GUMBO_NODE_DOCUMENT) {
                end = std::max(end, SpanOf(at->v.text.original_text).end);
            }
            if (const GumboVector* children = ChildrenOf(*at)) {
                for (unsigned int i = 0; i < children->length; ++i)
                    stack.push_back(ChildAt(*children, i));
            }
        }
        const std::string name = ElementName(element);
        const Span endTag = SpanOf(element.original_end_tag);
        if (endTag.Empty() || !IsEndTagOf(endTag, name)) {
            if (IsAmong(kElementsOfRawText, name)) {
                end = source_.size();
            } else if (!IsAmong(kVoidElementsDroppedWhole, name)) {
                // The parser may close the element without its end tag (it
                // ignores "</form>" and puts the text before it after the
                // form): what the user wrote up to that end tag goes too.
                const EndTagAt* closing = NextEndTag(name, end);
                if (closing != nullptr)
                    end = closing->end;
            }
        }
        AddDrop({start.begin, end});
    }

    bool IsEndTagOf(Span tag, std::string_view name) const
    {
        const std::string_view text = Source(tag);
        if (text.size() < 3 || text.substr(0, 2) != "</")
            return false;
        const std::size_t nameEnd = std::min(text.find_first_of(" \t\n\f\r/>", 2), text.size());
        return AsciiLowered(text.substr(2, nameEnd - 2)) == name;
    }

    // The end tags of the whole source, read as if everything were markup.
    struct EndTagAt {
        std::string name; // in lower case
        std::size_t begin = 0;
        std::size_t end = 0;
    };

    // The first end tag of that name that starts at or after from (they are
    // sorted by name, then place).
    const EndTagAt* NextEndTag(std::string_view name, std::size_t from)
    {
        if (!endTagsRead_) {
            ReadEndTags();
            std::sort(endTags_.begin(), endTags_.end(), [](const EndTagAt& a, const EndTagAt& b) {
                return a.name != b.name ? a.name < b.name : a.begin < b.begin;
            });
            endTagsRead_ = true;
        }
        const auto found = std::lower_bound(endTags_.begin(), endTags_.end(), std::pair{name, from},
                                            [](const EndTagAt& tag, const std::pair<std::string_view, std::size_t>& value) {
                                                return tag.name != value.first ? tag.name < value.first
                                                                               : tag.begin < value.second;
                                            });
        if (found == endTags_.end() || found->name != name)
            return nullptr;
        return &*found;
    }

    void ReadEndTags()
    {
        std::size_t at = 0;
        while ((at = source_.find('<', at)) != kNone && at + 1 < source_.size()) {
            const char next = source_[at + 1];
            const bool endTag = next == '/' && at + 2 < source_.size() && IsAsciiLetter(source_[at + 2]);
            if (IsAsciiLetter(next) || endTag) {
                const TagExtent extent = MeasureTag(source_, at, source_.size());
                if (extent.end == kNone)
                    return;
                if (endTag)
                    endTags_.push_back({AsciiLowered(source_.substr(at + 2, extent.nameEnd - at - 2)), at, extent.end});
                at = extent.end;
            } else if (next == '!' || next == '?' || next == '/') {
                at = MarkupDeclarationEnd(source_, at, source_.size());
            } else {
                ++at;
            }
        }
    }

    void MergeDrops()
    {
        std::sort(drops_.begin(), drops_.end(), [](const Span& a, const Span& b) { return a.begin < b.begin; });
        std::vector<Span> merged;
        for (const Span& span : drops_) {
            if (!merged.empty() && span.begin <= merged.back().end)
                merged.back().end = std::max(merged.back().end, span.end);
            else
                merged.push_back(span);
        }
        drops_ = std::move(merged);
    }

    // The first stretch that goes and ends after pos.
    std::size_t FirstDropAfter(std::size_t pos) const
    {
        const auto found = std::upper_bound(drops_.begin(), drops_.end(), pos,
                                            [](std::size_t value, const Span& span) { return value < span.end; });
        return static_cast<std::size_t>(found - drops_.begin());
    }

    bool OverlapsDrop(Span span) const
    {
        const std::size_t index = FirstDropAfter(span.begin);
        return index < drops_.size() && drops_[index].begin < span.end;
    }

    // ---- Writing ----

    void Write(std::string_view piece)
    {
        if (piece.empty())
            return;
        if (afterDrop_) {
            // A "<" (or "</", "<!") left before what was removed must not
            // start markup with what now follows it.
            std::size_t lessThan = std::string::npos;
            for (std::size_t back = 1; back <= 3 && back <= out_.size(); ++back) {
                const char c = out_[out_.size() - back];
                if (c == '<')
                    lessThan = out_.size() - back;
                if (c != '/' && c != '!')
                    break;
            }
            if (lessThan != std::string::npos) {
                const char next = piece.front();
                if (IsAsciiLetter(next) || next == '/' || next == '!' || next == '?' || next == '-' ||
                    next == '>')
                    out_.replace(lessThan, 1, "&lt;");
            }
            afterDrop_ = false;
        }
        out_.append(piece);
    }

    void Drop() { afterDrop_ = true; }

    std::string_view Source(Span span) const { return source_.substr(span.begin, span.end - span.begin); }

    // A start tag of the tree: copied when it keeps all its attributes,
    // written again with the ones it keeps otherwise.
    void WriteStartTag(Span span, const GumboElement& element)
    {
        const std::string_view tag = Source(span);
        if (tag.size() < 3 || tag[0] != '<') {
            Drop();
            return;
        }
        if (tag[1] == '/') {
            WriteEndTag(span);
            return;
        }
        const TagExtent extent = MeasureTag(source_, span.begin, source_.size());
        if (!IsAsciiLetter(tag[1]) || extent.end != span.end) {
            Drop();
            return;
        }
        const std::string name = ElementName(element);
        if (element.tag_namespace != GUMBO_NAMESPACE_HTML || !IsKeptElement(name)) {
            Drop();
            return;
        }

        struct Attribute {
            Span span; // in the tag
            bool quoted = false;
        };
        std::vector<Attribute> kept;
        const std::size_t nameEnd = extent.nameEnd - span.begin;
        std::size_t covered = nameEnd; // the end of the name or the last attribute read
        bool rewrite = false;
        bool stray = false; // bytes in the tag that no attribute of the parser's accounts for
        for (unsigned int i = 0; i < element.attributes.length; ++i) {
            const auto& attribute = *static_cast<const GumboAttribute*>(element.attributes.data[i]);
            const Span name_ = SpanOf(attribute.original_name);
            Span value = SpanOf(attribute.original_value);
            if (value.begin < name_.end)
                value = {}; // "name=" and no value: the parser points at the name
            Span whole{name_.begin, value.Empty() ? name_.end : value.end};
            if (name_.Empty() || whole.begin < span.begin + covered || whole.end > span.end - 1) {
                rewrite = true;
                continue;
            }
            whole.begin -= span.begin;
            whole.end -= span.begin;
            for (std::size_t at = covered; at < whole.begin; ++at) {
                if (!IsTagBlank(tag[at]) && tag[at] != '/' && tag[at] != '=')
                    stray = true;
            }
            covered = whole.end;
            if (!KeepsAttribute(name, attribute, reach_)) {
                rewrite = true;
                continue;
            }
            const bool quoted = !value.Empty() && (source_[value.begin] == '"' || source_[value.begin] == '\'');
            kept.push_back({whole, quoted || value.Empty()});
        }
        std::string_view tail = tag.substr(covered);
        if (tail.find_first_not_of(" \t\n\f\r/>=") != std::string_view::npos)
            stray = true;
        if (!rewrite && !stray) {
            Write(tag);
            return;
        }

        std::string rebuilt(tag.substr(0, nameEnd));
        bool lastUnquoted = false;
        for (const Attribute& attribute : kept) {
            std::size_t blanks = attribute.span.begin;
            while (blanks > nameEnd && IsTagBlank(tag[blanks - 1]))
                --blanks;
            if (blanks == attribute.span.begin)
                rebuilt += ' ';
            else
                rebuilt.append(tag.substr(blanks, attribute.span.begin - blanks));
            rebuilt.append(tag.substr(attribute.span.begin, attribute.span.end - attribute.span.begin));
            lastUnquoted = !attribute.quoted;
        }
        // The end of the tag as typed (" />", ">"), without what came before.
        if (const std::size_t last = tail.find_last_not_of(" \t\n\f\r/>"); last != std::string_view::npos)
            tail.remove_prefix(last + 1);
        if (lastUnquoted && tail.front() == '/')
            rebuilt += ' ';
        rebuilt.append(tail);
        Write(rebuilt);
    }

    // An end tag, of the tree or found between its pieces: copied when it
    // closes a kept element and has nothing after its name, written again as
    // "</name>" when it has, left out otherwise.
    void WriteEndTag(Span span)
    {
        const std::string_view tag = Source(span);
        if (tag.size() < 4 || tag.substr(0, 2) != "</" || !IsAsciiLetter(tag[2])) {
            Drop();
            return;
        }
        const TagExtent extent = MeasureTag(source_, span.begin, source_.size());
        if (extent.end != span.end) {
            Drop();
            return;
        }
        const std::string_view name = source_.substr(span.begin + 2, extent.nameEnd - span.begin - 2);
        if (!IsKeptElement(AsciiLowered(name))) {
            Drop();
            return;
        }
        const std::string_view rest = source_.substr(extent.nameEnd, span.end - extent.nameEnd);
        if (rest.find_first_not_of(" \t\n\f\r") == rest.size() - 1) {
            Write(tag);
            return;
        }
        std::string rebuilt("</");
        rebuilt.append(name);
        rebuilt += '>';
        Write(rebuilt);
    }

    void WriteComment(Span span)
    {
        if (IsPlainComment(Source(span)))
            Write(Source(span));
        else
            Drop();
    }

    // A start tag the parser ignored (a TD outside a table, say): copied when
    // it is of a kept element and keeps all its attributes, left out
    // otherwise, since it has no element to write again.
    void WriteIgnoredStartTag(Span span, const TagExtent& extent)
    {
        const std::string name = AsciiLowered(source_.substr(span.begin + 1, extent.nameEnd - span.begin - 1));
        if (!IsKeptElement(name)) {
            Drop();
            return;
        }
        if (extent.attributes > 0) {
            // The parser decodes the values: the same attributes on a SPAN.
            std::string probe("<span");
            probe.append(source_.substr(extent.nameEnd, span.end - extent.nameEnd));
            const ParsedHtml parsed(probe);
            const GumboNode* root = parsed.Root();
            const GumboNode* probed = nullptr;
            if (root != nullptr && root->type == GUMBO_NODE_ELEMENT && root->v.element.children.length > 0)
                probed = ChildAt(root->v.element.children, 0);
            if (probed == nullptr || probed->type != GUMBO_NODE_ELEMENT || probed->v.element.tag != GUMBO_TAG_SPAN ||
                probed->v.element.attributes.length != static_cast<unsigned int>(extent.attributes)) {
                Drop();
                return;
            }
            const GumboVector& attributes = probed->v.element.attributes;
            for (unsigned int i = 0; i < attributes.length; ++i) {
                if (!KeepsAttribute(name, *static_cast<const GumboAttribute*>(attributes.data[i]), reach_)) {
                    Drop();
                    return;
                }
            }
        }
        Write(Source(span));
    }

    // The source between pieces, without the stretches that go.
    void ReadBetweenPieces(std::size_t begin, std::size_t end)
    {
        std::size_t index = FirstDropAfter(begin);
        while (begin < end) {
            if (index == drops_.size() || drops_[index].begin >= end) {
                ReadGap(begin, end);
                return;
            }
            if (drops_[index].begin > begin)
                ReadGap(begin, drops_[index].begin);
            Drop();
            begin = std::min(drops_[index].end, end);
            ++index;
        }
    }

    // Source that is no piece of the tree: text, and the tokens the parser
    // ignored, read with the tokenizer's rules.
    void ReadGap(std::size_t begin, std::size_t end)
    {
        std::size_t textStart = begin;
        std::size_t at = begin;
        const auto writeText = [&](std::size_t upTo) {
            if (upTo > textStart)
                Write(source_.substr(textStart, upTo - textStart));
        };
        const std::string_view gap = source_.substr(0, end);
        while (at < end) {
            at = gap.find('<', at);
            if (at == kNone || at + 1 >= end)
                break;
            const char next = source_[at + 1];
            const bool endTag = next == '/' && at + 2 < end && IsAsciiLetter(source_[at + 2]);
            if (IsAsciiLetter(next) || endTag) {
                writeText(at);
                const TagExtent extent = MeasureTag(source_, at, end);
                if (extent.end == kNone) {
                    // A tag the text ends in the middle of: whatever follows
                    // in the page would complete it.
                    Drop();
                    textStart = end;
                    break;
                }
                if (endTag)
                    WriteEndTag({at, extent.end});
                else
                    WriteIgnoredStartTag({at, extent.end}, extent);
                at = textStart = extent.end;
                continue;
            }
            if (next == '/' && at + 2 == end && end == source_.size()) {
                // "</" at the very end is text.
                break;
            }
            if (next == '!' || next == '?' || next == '/') {
                writeText(at);
                const std::size_t close = MarkupDeclarationEnd(source_, at, end);
                WriteComment({at, close});
                at = textStart = close;
                continue;
            }
            ++at;
        }
        writeText(end);
    }

    std::string_view source_;
    std::vector<Piece> pieces_;
    std::vector<Span> drops_;
    std::vector<EndTagAt> endTags_;
    bool endTagsRead_ = false;
    std::string out_;
    bool afterDrop_ = false;
    HtmlReach reach_;
};

// Beyond this the parser's offsets would not hold.
constexpr std::size_t kLargestText = std::size_t{1} << 30;

// Cleaning again what a cleaning changed converges at once in practice;
// should it not, the text loses all its markup instead.
constexpr int kMostPasses = 8;

std::string CleanOnce(std::string_view html, HtmlReach reach)
{
    return CleaningPass(html, reach).Run();
}

} // namespace

std::string CleanUserHtml(std::string_view html, HtmlReach reach)
{
    if (html.find('<') == std::string_view::npos)
        return std::string(html);
    if (html.size() > kLargestText)
        return CleaningPass(html, reach).EscapedMarkup();
    std::string current = CleanOnce(html, reach);
    if (current == html)
        return current;
    for (int pass = 1; pass < kMostPasses; ++pass) {
        if (current.find('<') == std::string::npos)
            return current;
        std::string next = CleanOnce(current, reach);
        if (next == current)
            return next;
        current = std::move(next);
    }
    return CleaningPass(current, reach).EscapedMarkup();
}

bool IsCleanUserHtml(std::string_view html, HtmlReach reach)
{
    if (html.find('<') == std::string_view::npos)
        return true;
    return html.size() <= kLargestText && CleanOnce(html, reach) == html;
}

} // namespace sw
