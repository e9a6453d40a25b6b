#include "screenplay/fountain.h"

#include <optional>

#include "model/error.h"
#include "model/filebytes.h"
#include "model/textconv.h"
#include "model/utf8.h"
#include "screenplay/screenplaybuilder.h"
#include "screenplay/scripttext.h"

namespace sw {

namespace {

// A plan note, once the notes are read, stands on a line of its own that
// starts with this byte, which no text holds.
constexpr char kPlanMark = '\x01';

std::string Lower(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return lower;
}

std::string TrimRight(std::string_view text)
{
    std::size_t end = text.size();
    while (end > 0 && (text[end - 1] == ' ' || text[end - 1] == '\t'))
        --end;
    return std::string(text.substr(0, end));
}

// The white space of a "Key: value" line or a note: a space, a tab, a
// vertical tab, a form feed, a carriage return or a line feed.
bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r' || c == '\n';
}

// The name a note gives its plan: "plan" in any case at its start (after
// white space), then white space, an optional colon and white space; the
// rest without its trailing white space is the name.
std::optional<std::string> PlanNoteName(std::string_view note)
{
    std::size_t at = 0;
    while (at < note.size() && IsSpace(note[at]))
        ++at;
    if (note.size() - at < 4 || Lower(note.substr(at, 4)) != "plan")
        return std::nullopt;
    at += 4;
    while (at < note.size() && IsSpace(note[at]))
        ++at;
    if (at < note.size() && note[at] == ':')
        ++at;
    while (at < note.size() && IsSpace(note[at]))
        ++at;
    std::size_t end = note.size();
    while (end > at && IsSpace(note[end - 1]))
        --end;
    return std::string(note.substr(at, end - at));
}

// Whether every tag that text opens it closes, and none it closes was
// opened before it: a span that would cross the tags of another kind of
// emphasis is no emphasis.
bool TagsBalance(std::string_view text)
{
    int depth[3] = {0, 0, 0};
    constexpr std::string_view kTags[3] = {"b>", "i>", "u>"};
    for (std::size_t at = text.find('<'); at != std::string_view::npos; at = text.find('<', at + 1)) {
        const bool closing = text.compare(at + 1, 1, "/") == 0;
        for (int tag = 0; tag < 3; ++tag) {
            if (text.compare(at + 1 + (closing ? 1 : 0), 2, kTags[tag]) != 0)
                continue;
            depth[tag] += closing ? -1 : 1;
            if (depth[tag] < 0)
                return false;
        }
    }
    return depth[0] == 0 && depth[1] == 0 && depth[2] == 0;
}

// Each text between a run of `count` marks and the next such run, which
// holds no mark, no line end and no tag left open or closed from outside,
// put between open and close; the search
// goes on after the closing run, or one byte further where none closes.
// Plain scanning rather than a regular expression, whose recursion a long
// line would take past the stack.
std::string ReplaceEmphasis(const std::string& text, char mark, std::size_t count, std::string_view open,
                            std::string_view close)
{
    const std::string marks(count, mark);
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        if (text.compare(i, count, marks) == 0) {
            std::size_t end = i + count;
            while (end < text.size() && text[end] != mark && text[end] != '\n')
                ++end;
            if (end > i + count && text.compare(end, count, marks) == 0 &&
                TagsBalance(std::string_view(text).substr(i + count, end - i - count))) {
                out += open;
                out.append(text, i + count, end - i - count);
                out += close;
                i = end + count;
                continue;
            }
        }
        out += text[i++];
    }
    return out;
}

// Whether a code point is a small letter of the scripts whose case the
// model folds: Latin, Greek, Cyrillic.
bool IsSmallLetter(char32_t c)
{
    if (c >= 'a' && c <= 'z')
        return true;
    if (c >= 0xDF && c <= 0xFF)
        return c != 0xF7;
    if (c >= 0x100 && c <= 0x17F) {
        std::string one;
        AppendUtf8(one, c);
        return FoldLetterCase(one) == one;
    }
    return (c >= 0x3AC && c <= 0x3CE) || (c >= 0x430 && c <= 0x45F);
}

// A character's name: letters and no small letter, as the syntax has it.
bool IsUpperCaseLine(std::string_view line)
{
    bool letter = false;
    std::size_t pos = 0;
    while (pos < line.size()) {
        const char32_t c = DecodeUtf8(line, pos);
        if (IsSmallLetter(c))
            return false;
        std::string one;
        AppendUtf8(one, c);
        letter = letter || FoldLetterCase(one) != one;
    }
    return letter;
}

std::string Normalized(std::string_view text)
{
    std::string lines;
    lines.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            lines += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else if (text[i] != kPlanMark) {
            lines += text[i];
        }
    }
    return lines;
}

// The boneyard goes, its line ends kept so that the lines around it stay
// apart; notes go too, but plan notes, which become marked lines.
std::string WithoutBoneyardAndNotes(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        if (text.compare(i, 2, "/*") == 0) {
            const std::size_t end = text.find("*/", i + 2);
            const std::size_t stop = end == std::string::npos ? text.size() : end + 2;
            for (std::size_t j = i; j < stop; ++j)
                if (text[j] == '\n')
                    out += '\n';
            i = stop;
        } else if (text.compare(i, 2, "[[") == 0 && text.find("]]", i + 2) != std::string::npos) {
            const std::size_t end = text.find("]]", i + 2);
            const std::string note = text.substr(i + 2, end - i - 2);
            const std::optional<std::string> plan =
                note.find('\n') == std::string::npos ? PlanNoteName(note) : std::nullopt;
            if (plan) {
                out += '\n';
                out += kPlanMark;
                out += *plan;
                out += '\n';
            } else {
                for (const char c : note)
                    if (c == '\n')
                        out += '\n';
            }
            i = end + 2;
        } else {
            out += text[i++];
        }
    }
    return out;
}

bool IsBlank(const std::string& line)
{
    return Trim(line).empty();
}

// "<", ">" and "&" escaped, then the emphasis as tags; "\*" and "\_" stay
// as typed.
std::string Html(std::string_view text)
{
    std::string escaped;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\' && i + 1 < text.size() && (text[i + 1] == '*' || text[i + 1] == '_')) {
            escaped += text[i + 1] == '*' ? '\x02' : '\x03';
            ++i;
        } else if (c == '&') {
            escaped += "&amp;";
        } else if (c == '<') {
            escaped += "&lt;";
        } else if (c == '>') {
            escaped += "&gt;";
        } else {
            escaped += c;
        }
    }
    if (escaped.find_first_of("*_") != std::string::npos) {
        escaped = ReplaceEmphasis(escaped, '*', 3, "<b><i>", "</i></b>");
        escaped = ReplaceEmphasis(escaped, '*', 2, "<b>", "</b>");
        escaped = ReplaceEmphasis(escaped, '*', 1, "<i>", "</i>");
        escaped = ReplaceEmphasis(escaped, '_', 1, "<u>", "</u>");
    }
    for (char& c : escaped)
        c = c == '\x02' ? '*' : c == '\x03' ? '_' : c;
    return escaped;
}

// A heading's text and its forced number ("#12A#" at its end).
std::pair<std::string, std::string> HeadingAndNumber(std::string line)
{
    line = Trim(line);
    std::string number;
    if (line.size() >= 2 && line.back() == '#') {
        const std::size_t open = line.rfind('#', line.size() - 2);
        if (open != std::string::npos) {
            const std::string inside = line.substr(open + 1, line.size() - open - 2);
            const bool plain = !inside.empty() && inside.find_first_not_of(
                "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz-.") == std::string::npos;
            if (plain) {
                number = inside;
                line = Trim(line.substr(0, open));
            }
        }
    }
    return {line, number};
}

bool StartsAsHeading(const std::string& line)
{
    const std::string lower = Lower(Trim(line));
    for (const char* prefix : {"int./ext", "int/ext", "i/e", "int", "ext", "est"}) {
        const std::string_view start(prefix);
        if (lower.compare(0, start.size(), start) == 0 && lower.size() > start.size() &&
            (lower[start.size()] == '.' || lower[start.size()] == ' '))
            return true;
    }
    return false;
}

bool IsTransition(const std::string& line, bool blankBefore, bool blankAfter)
{
    const std::string trimmed = Trim(line);
    if (trimmed.starts_with('>') && !trimmed.ends_with('<'))
        return true;
    return blankBefore && blankAfter && trimmed.ends_with("TO:") && IsUpperCaseLine(trimmed);
}

// A title page's "Key: value" line: a key of letters and spaces starting
// with a letter, a colon, then the value after its white space.
std::optional<std::pair<std::string, std::string>> TitleKeyAndValue(std::string_view line)
{
    const auto isLetter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    if (line.empty() || !isLetter(line[0]))
        return std::nullopt;
    std::size_t colon = 1;
    while (colon < line.size() && (isLetter(line[colon]) || line[colon] == ' '))
        ++colon;
    if (colon == line.size() || line[colon] != ':')
        return std::nullopt;
    std::size_t value = colon + 1;
    while (value < line.size() && IsSpace(line[value]))
        ++value;
    // A value runs to the line's end; a carriage return would end it first.
    if (line.find('\r', value) != std::string_view::npos)
        return std::nullopt;
    return std::pair{std::string(line.substr(0, colon)), std::string(line.substr(value))};
}

// The title page: "Key: value" lines up to the first blank line, a value
// also on the indented lines after its key.
std::size_t ReadTitlePage(const std::vector<std::string>& lines, Screenplay& screenplay)
{
    if (lines.empty() || !TitleKeyAndValue(lines[0]))
        return 0;
    std::string key;
    std::string* value = nullptr;
    std::string title;
    std::string author;
    std::string ignored;
    std::size_t i = 0;
    for (; i < lines.size() && !IsBlank(lines[i]); ++i) {
        const bool indented = lines[i].starts_with("   ") || lines[i].starts_with('\t');
        const auto entry = indented ? std::nullopt : TitleKeyAndValue(lines[i]);
        if (entry) {
            key = Lower(entry->first);
            value = key == "title" ? &title : (key == "author" || key == "authors") ? &author : &ignored;
            if (value != &ignored)
                value->clear();
            if (!Trim(entry->second).empty())
                *value = Trim(entry->second);
        } else if (value != nullptr) {
            if (!value->empty())
                *value += ' ';
            *value += Trim(lines[i]);
        }
    }
    const auto plain = [](std::string text) {
        std::string out;
        for (const char c : text)
            if (c != '*' && c != '_')
                out += c;
        return Trim(out);
    };
    screenplay.title = plain(title);
    screenplay.author = plain(author);
    return i;
}

} // namespace

HeadingParts SplitSceneHeading(std::string_view heading)
{
    HeadingParts parts;
    std::string rest = Trim(heading);
    if (StartsAsHeading(rest)) {
        const std::size_t space = rest.find(' ');
        parts.interiorExterior = rest.substr(0, space);
        rest = space == std::string::npos ? std::string() : Trim(rest.substr(space));
    }
    const std::size_t dash = rest.rfind(" - ");
    if (dash != std::string::npos) {
        parts.timeOfDay = Trim(rest.substr(dash + 3));
        rest = Trim(rest.substr(0, dash));
    }
    parts.place = rest;
    return parts;
}

Screenplay ParseFountain(std::string_view text)
{
    Screenplay screenplay;
    const std::vector<std::string> lines = SplitLines(WithoutBoneyardAndNotes(Normalized(text)));
    ScreenplayBuilder reader(screenplay);
    std::size_t i = ReadTitlePage(lines, screenplay);
    const auto blank = [&lines](std::size_t at) { return at >= lines.size() || IsBlank(lines[at]); };
    bool blankBefore = true;
    while (i < lines.size()) {
        const std::string& line = lines[i];
        const std::string trimmed = Trim(line);
        if (IsBlank(line)) {
            blankBefore = true;
            ++i;
            continue;
        }
        if (line[0] == kPlanMark) {
            reader.Plan(line.substr(1));
            blankBefore = true;
            ++i;
            continue;
        }
        const bool after = blank(i + 1);
        if (trimmed.find_first_not_of('=') == std::string::npos && trimmed.size() >= 3) {
            ++i;  // a page break
        } else if (trimmed.starts_with('#')) {
            ++i;  // a section
        } else if (trimmed.starts_with('=')) {
            reader.Synopsis(trimmed.substr(1));
            ++i;
        } else if (trimmed.starts_with('.') && trimmed.size() > 1 && trimmed[1] != '.') {
            const auto [heading, number] = HeadingAndNumber(trimmed.substr(1));
            reader.Heading(heading, number);
            ++i;
        } else if (blankBefore && !trimmed.starts_with('!') && StartsAsHeading(trimmed)) {
            const auto [heading, number] = HeadingAndNumber(trimmed);
            reader.Heading(heading, number);
            ++i;
        } else if (trimmed.starts_with('>') && trimmed.ends_with('<') && trimmed.size() >= 2) {
            reader.Action({Html(Trim(trimmed.substr(1, trimmed.size() - 2)))});
            ++i;
        } else if (IsTransition(line, blankBefore, after)) {
            ++i;
        } else if (blankBefore && !after && !trimmed.starts_with('!') &&
                   (trimmed.starts_with('@') || IsUpperCaseLine(trimmed.substr(0, trimmed.find('('))))) {
            std::string speaker = trimmed.starts_with('@') ? trimmed.substr(1) : trimmed;
            const bool dual = speaker.ends_with('^');
            if (dual)
                speaker = Trim(speaker.substr(0, speaker.size() - 1));
            std::vector<std::string> speech;
            // A line of two spaces keeps an empty line in the speech.
            for (++i; i < lines.size() && (!IsBlank(lines[i]) || lines[i] == "  ") && lines[i][0] != kPlanMark; ++i)
                speech.push_back(lines[i] == "  " ? std::string() : Html(Trim(lines[i])));
            reader.Dialogue(Html(speaker), speech, dual);
        } else {
            std::vector<std::string> paragraph;
            for (; i < lines.size() && !IsBlank(lines[i]) && lines[i][0] != kPlanMark; ++i) {
                std::string text = lines[i];
                if (Trim(text).starts_with('!'))
                    text = Trim(text).substr(1);
                else if (Trim(text).starts_with('~'))
                    text = Trim(text).substr(1);
                paragraph.push_back(Html(TrimRight(text)));
            }
            reader.Action(paragraph);
        }
        blankBefore = false;
    }
    reader.Close();
    return screenplay;
}

Screenplay ReadFountainFile(const std::filesystem::path& file)
{
    const std::string bytes = ReadFileNoLargerThan(file, kMaxScriptFileBytes, "un scénario");
    // A text has no NUL byte, but in UTF-16, which starts with its mark.
    const bool utf16 = bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF");
    if (!utf16 && std::string_view(bytes).substr(0, 65536).find('\0') != std::string_view::npos)
        throw Error("Le fichier « " + file.filename().string() + " » n'est pas un scénario : ce n'est pas un fichier texte.");
    return ParseFountain(ScriptTextAsUtf8(bytes));
}

} // namespace sw
