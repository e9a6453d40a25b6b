#include "publish/ghtml.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "model/textconv.h"
#include "publish/uconvert.h"

namespace sw {

namespace {

constexpr std::string_view kBreak = "<br>";
constexpr std::string_view kParagraph = "<p>";
constexpr std::string_view kIndent = "<dir>";

std::string Join(std::initializer_list<std::string_view> pieces)
{
    std::size_t size = 0;
    for (std::string_view piece : pieces)
        size += piece.size();
    std::string result;
    result.reserve(size);
    for (std::string_view piece : pieces)
        result += piece;
    return result;
}

char LowerAscii(char ch)
{
    return (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch - 'A' + 'a') : ch;
}

// Whether the lower-case pattern stands at pos, letters compared without case.
bool MatchesAt(std::string_view text, std::size_t pos, std::string_view pattern)
{
    if (pos > text.size() || text.size() - pos < pattern.size())
        return false;
    for (std::size_t i = 0; i < pattern.size(); ++i)
        if (LowerAscii(text[pos + i]) != pattern[i])
            return false;
    return true;
}

bool IsExactAt(std::string_view text, std::size_t pos, std::string_view pattern)
{
    return text.compare(pos, pattern.size(), pattern) == 0;
}

// Replaces every occurrence of the lower-case pattern, letters compared
// without case, in one pass from left to right; replaced text is not searched
// again.
std::string ReplaceAll(std::string_view text, std::string_view pattern, std::string_view replacement)
{
    std::string result;
    result.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (MatchesAt(text, pos, pattern)) {
            result += replacement;
            pos += pattern.size();
        } else {
            result += text[pos++];
        }
    }
    return result;
}

// The tidying rule "while the pattern occurs (exact case), replace it everywhere
// (any case)" for pairs whose replacement can neither form a new occurrence
// nor leave one behind: one pass settles them.
std::string ReplaceWhileExact(std::string_view text, std::string_view pattern, std::string_view replacement)
{
    if (text.find(pattern) == std::string_view::npos)
        return std::string(text);
    return ReplaceAll(text, pattern, replacement);
}

// Number of passes the rule runs: the first pass count after which no group
// of the text holds an exact occurrence. occurs[j] tells whether some group
// still holds one after j passes.
std::size_t PassCount(const std::vector<char>& occurs)
{
    std::size_t passes = 0;
    while (passes < occurs.size() && occurs[passes])
        ++passes;
    return passes;
}

// "<p><p>" becomes "<p>", repeated while "<p><p>" occurs. Every pass halves
// each run of paragraph tags (rounding up); merged tags are lower case, the
// last tag of a run keeps its text as long as it was never merged.
std::string CollapseParagraphRuns(std::string_view text)
{
    struct Run {
        std::size_t start;
        std::size_t count;
    };
    std::vector<Run> runs;
    bool exactPairNow = false;
    for (std::size_t pos = 0; pos < text.size();) {
        if (!MatchesAt(text, pos, kParagraph)) {
            ++pos;
            continue;
        }
        Run run{pos, 0};
        bool previousExact = false;
        while (MatchesAt(text, pos, kParagraph)) {
            const bool exact = IsExactAt(text, pos, kParagraph);
            exactPairNow = exactPairNow || (run.count > 0 && previousExact && exact);
            previousExact = exact;
            ++run.count;
            pos += kParagraph.size();
        }
        if (run.count >= 2)
            runs.push_back(run);
    }
    if (!exactPairNow)
        return std::string(text);

    const auto lastIsExact = [&](const Run& run) {
        return IsExactAt(text, run.start + (run.count - 1) * kParagraph.size(), kParagraph);
    };
    // After the first pass every tag but the last of a run is lower case, so a
    // run still holds "<p><p>" while it has three tags, or two with a lower-case
    // last one.
    std::size_t passes = 1;
    for (const Run& run : runs) {
        std::size_t length = run.count;
        bool lastOriginal = true;
        for (std::size_t pass = 1;; ++pass) {
            lastOriginal = lastOriginal && (length % 2 == 1);
            length = (length + 1) / 2;
            const bool occurs = length >= 3 || (length == 2 && (!lastOriginal || lastIsExact(run)));
            if (!occurs)
                break;
            passes = std::max(passes, pass + 1);
        }
    }

    std::string result;
    result.reserve(text.size());
    std::size_t copied = 0;
    for (const Run& run : runs) {
        result.append(text, copied, run.start - copied);
        std::size_t length = run.count;
        bool lastOriginal = true;
        for (std::size_t pass = 0; pass < passes && length > 1; ++pass) {
            lastOriginal = lastOriginal && (length % 2 == 1);
            length = (length + 1) / 2;
        }
        for (std::size_t i = 0; i + 1 < length; ++i)
            result += kParagraph;
        const std::size_t lastPos = run.start + (run.count - 1) * kParagraph.size();
        result += lastOriginal ? text.substr(lastPos, kParagraph.size()) : kParagraph;
        copied = run.start + run.count * kParagraph.size();
    }
    result.append(text, copied);
    return result;
}

// "<br><p>" becomes "<p>", repeated while "<br><p>" occurs. Every pass takes
// away the break just before each paragraph tag that follows breaks.
std::string DropBreaksBeforeParagraphs(std::string_view text)
{
    struct Group {
        std::size_t start;  // first break
        std::size_t count;  // breaks before the paragraph tag
    };
    std::vector<Group> groups;
    std::vector<char> occurs;
    for (std::size_t pos = 0; pos < text.size();) {
        if (!MatchesAt(text, pos, kBreak)) {
            ++pos;
            continue;
        }
        Group group{pos, 0};
        while (MatchesAt(text, pos, kBreak)) {
            ++group.count;
            pos += kBreak.size();
        }
        if (!MatchesAt(text, pos, kParagraph))
            continue;
        const bool paragraphExact = IsExactAt(text, pos, kParagraph);
        if (occurs.size() < group.count)
            occurs.resize(group.count, 0);
        // After j passes the break before the paragraph tag is the (count - j)th.
        for (std::size_t j = 0; j < group.count; ++j) {
            const std::size_t breakPos = group.start + (group.count - 1 - j) * kBreak.size();
            if (IsExactAt(text, breakPos, kBreak) && (j > 0 || paragraphExact))
                occurs[j] = 1;
        }
        groups.push_back(group);
        pos += kParagraph.size();
    }
    const std::size_t passes = PassCount(occurs);
    if (passes == 0)
        return std::string(text);

    std::string result;
    result.reserve(text.size());
    std::size_t copied = 0;
    for (const Group& group : groups) {
        const std::size_t dropped = std::min(passes, group.count);
        const std::size_t keptEnd = group.start + (group.count - dropped) * kBreak.size();
        result.append(text, copied, keptEnd - copied);
        result += kParagraph;
        copied = group.start + group.count * kBreak.size() + kParagraph.size();
    }
    result.append(text, copied);
    return result;
}

// head + "<br>" becomes prefix + head, repeated while head + "<br>" occurs
// (exact case); head is a lower-case tag. Every pass takes away the first
// break after each head that breaks follow.
std::string DropBreaksAfter(std::string_view text, std::string_view head, std::string_view prefix)
{
    struct Group {
        std::size_t start;  // the head
        std::size_t count;  // breaks after it
    };
    std::vector<Group> groups;
    std::vector<char> occurs;
    for (std::size_t pos = 0; pos < text.size();) {
        if (!MatchesAt(text, pos, head)) {
            ++pos;
            continue;
        }
        Group group{pos, 0};
        const bool headExact = IsExactAt(text, pos, head);
        pos += head.size();
        while (MatchesAt(text, pos, kBreak)) {
            ++group.count;
            pos += kBreak.size();
        }
        if (group.count == 0)
            continue;
        if (occurs.size() < group.count)
            occurs.resize(group.count, 0);
        // After j passes the break after the head is the (j + 1)th.
        for (std::size_t j = 0; j < group.count; ++j) {
            const std::size_t breakPos = group.start + head.size() + j * kBreak.size();
            if (IsExactAt(text, breakPos, kBreak) && (j > 0 || headExact))
                occurs[j] = 1;
        }
        groups.push_back(group);
    }
    const std::size_t passes = PassCount(occurs);
    if (passes == 0)
        return std::string(text);

    std::string result;
    result.reserve(text.size() + text.size() / 2);
    std::size_t copied = 0;
    for (const Group& group : groups) {
        const std::size_t dropped = std::min(passes, group.count);
        result.append(text, copied, group.start - copied);
        for (std::size_t i = 0; i < dropped; ++i)
            result += prefix;
        result += head;
        copied = group.start + head.size() + dropped * kBreak.size();
    }
    result.append(text, copied);
    return result;
}

// Trims codes 0-32 at both ends and writes every line break (CR, LF or CR LF)
// as "<br>".
std::string BreaksToTags(std::string_view untrimmed)
{
    const std::string trimmed = Trim(untrimmed);
    const std::string_view text = trimmed;
    std::string result;
    result.reserve(text.size() + text.size() / 4);
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        const char ch = text[pos];
        if (ch == '\r') {
            result += kBreak;
            if (pos + 1 < text.size() && text[pos + 1] == '\n')
                ++pos;
        } else if (ch == '\n') {
            result += kBreak;
        } else {
            result += ch;
        }
    }
    return result;
}

} // namespace

std::string DocType()
{
    return "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\">";
}

std::string TitleTag(std::string_view title)
{
    if (title.empty())
        return {};
    return Join({"<TITLE>", EscapeHtmlText(title), "</TITLE>"});
}

std::string FrameBorderAttr(std::string_view width)
{
    if (width.empty())
        return "BORDER=0 FRAMEBORDER=0";
    return Join({"BORDER=", width, " FRAMEBORDER=", width});
}

std::string HtmlHead(std::string_view extra, std::string_view script, std::string_view css,
                     std::string_view title)
{
    std::string scriptPart;
    if (script.find(".js") != std::string_view::npos)
        scriptPart = Join({"\t<SCRIPT SRC=\"", script, "\" LANGUAGE=\"JavaScript\"></SCRIPT>\n"});
    else
        scriptPart = script;
    std::string cssPart;
    if (css.find(".css") != std::string_view::npos)
        cssPart = Join({"\t<LINK REL=\"stylesheet\" HREF=\"", css, "\" TYPE=\"text/css\">\n"});
    else
        cssPart = css;
    std::string extraPart;
    if (!extra.empty())
        extraPart = Join({"\t", extra, "\n"});
    return Join({DocType(), "\n<HTML>\n<HEAD>\n", scriptPart, cssPart, extraPart, TitleTag(title),
                 "\n</HEAD> \n"});
}

std::string PlainHtmlHead(std::string_view extra, std::string_view title)
{
    return Join({DocType(), "\n<HTML>\n<HEAD>\n\t", extra, "\t", TitleTag(title), "\n</HEAD> \n"});
}

std::string HeadingTag(std::string_view text, std::string_view cls, std::uint16_t level)
{
    const std::string number = std::to_string(level);
    const std::string attribute = cls.empty() ? std::string() : Join({" class=", cls});
    return Join({"<H", number, attribute, ">", EncodeEntities(EscapeHtmlText(text)), "</H", number, ">\n"});
}

std::string SpacedPair(std::string_view tag, std::uint16_t n)
{
    return Join({tag, std::string(static_cast<std::size_t>(n) + 1, ' '), tag});
}

std::string TextToHtml(std::string_view text)
{
    if (text.empty())
        return {};
    std::string html = BreaksToTags(text);

    html = ReplaceWhileExact(html, "<br><br>", "<p>");
    html = CollapseParagraphRuns(html);
    html = DropBreaksBeforeParagraphs(html);
    html = DropBreaksAfter(html, kParagraph, "");
    html = ReplaceWhileExact(html, "<br><li>", "\r\n<li>");
    html = ReplaceWhileExact(html, "<p><li>", "\r\n<li>");
    html = ReplaceWhileExact(html, "<br><ul>", "\r\n<ul>");
    html = ReplaceWhileExact(html, "<br><ol>", "\r\n<ol>");
    html = ReplaceWhileExact(html, "<br><blockq", "\r\n<blockq");
    html = DropBreaksAfter(html, kIndent, kCrLf);
    html = ReplaceWhileExact(html, "<p><dir>", "\r\n<dir>");
    html = ReplaceWhileExact(html, "<br></", "\r\n</");
    html = ReplaceWhileExact(html, "<p></", "\r\n</");

    // Breaks and paragraph tags set apart by one to four blanks join up.
    for (std::uint16_t n = 0; n <= 3; ++n) {
        html = ReplaceAll(html, SpacedPair(kBreak, n), "<br><br>");
        html = ReplaceAll(html, SpacedPair(kParagraph, n), kParagraph);
    }
    html = ReplaceAll(html, "<br><br>", "\r\n<p>");
    html = ReplaceAll(html, "<p><br>", kBreak);
    html = ReplaceAll(html, kBreak, "\r\n<br>");
    return ReplaceAll(html, kParagraph, "\r\n<p>\r\n");
}

std::string LinkTag(std::string_view target, std::string_view caption)
{
    return Join({"<A HREF=\"", StripAccents(target), "\">", EncodeEntities(caption), "</A>"});
}

bool IsHtmlLength(std::string_view text)
{
    std::size_t digits = 0;
    std::size_t at = 0;
    bool point = false;
    for (; at < text.size(); ++at) {
        if (text[at] >= '0' && text[at] <= '9')
            ++digits;
        else if (text[at] == '.' && !point)
            point = true;
        else
            break;
    }
    if (text.empty())
        return true;
    const std::string_view unit = text.substr(at);
    return digits > 0 && (unit.empty() || unit == "%" || unit == "*" || unit == "px");
}

bool IsSafeLinkAddress(std::string_view address)
{
    // Browsers drop the blanks and control characters around an address and
    // the tabs and line breaks inside it before reading its scheme.
    std::string cleaned;
    for (const char c : address)
        if (static_cast<unsigned char>(c) > 0x20 && c != 0x7F)
            cleaned += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    const std::size_t colon = cleaned.find(':');
    if (colon == std::string::npos || cleaned.find_first_of("/?#") < colon)
        return true;  // no scheme: relative
    const std::string_view scheme = std::string_view(cleaned).substr(0, colon);
    return scheme == "http" || scheme == "https" || scheme == "mailto";
}

std::string FramesetPage(std::string_view rows, std::string_view headExtra, std::string_view title,
                         std::string_view border, std::string_view frame1, std::string_view frame2)
{
    return Join({"<HTML> <HEAD> \n", headExtra, TitleTag(title), "</HEAD>\n",
                 "<FRAMESET ROWS=\"", rows, "\" SCROLLING=NO FRAMEBORDER=0  FRAMESPACING=0 ",
                 FrameBorderAttr(border), ">\n",
                 "\t<FRAME SRC=\"", frame1, ">\n",
                 "\t<FRAME SRC=\"", frame2, ">\n",
                 "</FRAMESET> \n</HTML>"});
}

} // namespace sw
