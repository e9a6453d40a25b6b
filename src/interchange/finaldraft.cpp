#include "interchange/finaldraft.h"

#include <optional>
#include <string>
#include <vector>

#include "interchange/xmlcut.h"
#include "model/error.h"
#include "model/filebytes.h"
#include "model/systemtext.h"
#include "model/textconv.h"
#include "screenplay/screenplaybuilder.h"

namespace sw {

namespace {

std::string EscapedHtml(const QString& text)
{
    std::string escaped;
    for (const char c : text.toStdString()) {
        if (c == '&')
            escaped += "&amp;";
        else if (c == '<')
            escaped += "&lt;";
        else if (c == '>')
            escaped += "&gt;";
        else
            escaped += c;
    }
    return escaped;
}

// A run's text with its style as tags, nested as the Fountain reader nests
// "_***text***_": underline outside, then bold, then italic.
std::string StyledRun(const QString& text, QStringView style)
{
    const std::string escaped = EscapedHtml(text);
    if (escaped.empty())
        return escaped;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    for (const QStringView part : style.split(u'+')) {
        bold = bold || part.compare(u"Bold", Qt::CaseInsensitive) == 0;
        italic = italic || part.compare(u"Italic", Qt::CaseInsensitive) == 0;
        underline = underline || part.compare(u"Underline", Qt::CaseInsensitive) == 0;
    }
    // Tags never reach across lines: each line of the run gets its own.
    std::string styled;
    std::size_t start = 0;
    while (start <= escaped.size()) {
        const std::size_t end = std::min(escaped.find('\n', start), escaped.size());
        const std::string line = escaped.substr(start, end - start);
        if (!line.empty()) {
            styled += std::string(underline ? "<u>" : "") + (bold ? "<b>" : "") + (italic ? "<i>" : "");
            styled += line;
            styled += std::string(italic ? "</i>" : "") + (bold ? "</b>" : "") + (underline ? "</u>" : "");
        }
        if (end < escaped.size())
            styled += '\n';
        start = end + 1;
    }
    return styled;
}

std::string TrimmedRight(std::string text)
{
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.pop_back();
    return text;
}

// One paragraph as read: its type, its scene number, its text as HTML (the
// lines apart with "\n") and as plain text, and whether it stands in the
// second half of a DualDialogue.
struct Paragraph {
    QString type;
    std::string number;
    std::string html;
    std::string plain;
    bool secondOfDual = false;
};

// Hands the content's paragraphs to the builder, gathering each character
// with the parentheticals and dialogue that follow.
class ContentReader {
public:
    explicit ContentReader(Screenplay& screenplay) : builder_(screenplay) {}

    void Add(const Paragraph& paragraph)
    {
        const QString& type = paragraph.type;
        if (type == u"Parenthetical" || type == u"Dialogue") {
            if (speaker_) {
                for (const std::string& line : SplitLines(paragraph.html))
                    parts_.push_back(Trim(line));
                return;
            }
            // Dialogue without a character is read as action.
            Action(paragraph);
            return;
        }
        EndSpeech();
        if (type == u"Scene Heading") {
            builder_.Heading(paragraph.plain, paragraph.number);
        } else if (type == u"Character") {
            speaker_ = Trim(paragraph.html);
            dual_ = paragraph.secondOfDual;
        } else if (type == u"Transition") {
            // Dropped, as the Fountain reader drops its transitions.
        } else {
            Action(paragraph);
        }
    }

    void Close()
    {
        EndSpeech();
        builder_.Close();
    }

private:
    void Action(const Paragraph& paragraph)
    {
        std::vector<std::string> lines;
        for (const std::string& line : SplitLines(paragraph.html))
            lines.push_back(TrimmedRight(line));
        while (!lines.empty() && lines.back().empty())
            lines.pop_back();
        if (!lines.empty())
            builder_.Action(lines);
    }

    void EndSpeech()
    {
        if (!speaker_)
            return;
        builder_.Dialogue(*speaker_, parts_, dual_);
        speaker_.reset();
        parts_.clear();
        dual_ = false;
    }

    ScreenplayBuilder builder_;
    std::optional<std::string> speaker_;
    std::vector<std::string> parts_;
    bool dual_ = false;
};

bool EndsWithByline(const std::string& plain)
{
    std::string lower = Trim(plain);
    for (char& c : lower)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return lower == "by" || lower.ends_with(" by") || lower == "par" || lower.ends_with(" par");
}

} // namespace

Screenplay ReadFinalDraft(std::string_view bytes)
{
    TimelineXml xml(bytes);
    QXmlStreamReader& reader = xml.Reader();
    Screenplay screenplay;
    ContentReader content(screenplay);
    bool sawContent = false;
    bool titleSeen = false;
    bool authorNext = false;
    int depth = 0;
    int titlePageDepth = 0;
    // The Content being read, the script's or the title page's: paragraphs
    // elsewhere (headers, footers, the program's lists) are not the story's.
    int contentDepth = 0;
    int dualDepth = 0;
    int dualCharacters = 0;
    // The paragraphs being read, the innermost last: a DualDialogue stands
    // inside a paragraph of its own.
    std::vector<std::pair<int, Paragraph>> paragraphs;
    int textDepth = 0;
    QString runText;
    QString runStyle;
    const auto inContent = [&paragraphs] { return !paragraphs.empty(); };
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.ReadNext();
        if (token == QXmlStreamReader::Characters && textDepth != 0) {
            runText += reader.text();
        } else if (token == QXmlStreamReader::StartElement) {
            ++depth;
            const QStringView name = reader.name();
            if (depth == 1) {
                if (name != u"FinalDraft")
                    throw Error("pas de document Final Draft");
            } else if (depth == 2 && name == u"Content" && !sawContent) {
                sawContent = true;
                contentDepth = depth;
            } else if (depth == 2 && name == u"TitlePage") {
                titlePageDepth = depth;
            } else if (titlePageDepth != 0 && depth == titlePageDepth + 1 && name == u"Content") {
                contentDepth = depth;
            } else if (contentDepth == 0) {
                // Outside the content nothing is read.
            } else if (name == u"DualDialogue" && dualDepth == 0) {
                dualDepth = depth;
                dualCharacters = 0;
            } else if (name == u"Paragraph") {
                Paragraph paragraph;
                paragraph.type = reader.attributes().value(QLatin1String("Type")).toString();
                paragraph.number = reader.attributes().value(QLatin1String("Number")).toString().trimmed().toStdString();
                if (dualDepth != 0 && paragraph.type == u"Character")
                    paragraph.secondOfDual = ++dualCharacters >= 2;
                paragraphs.emplace_back(depth, std::move(paragraph));
            } else if (name == u"Text" && inContent() && paragraphs.back().first == depth - 1) {
                textDepth = depth;
                runText.clear();
                runStyle = reader.attributes().value(QLatin1String("Style")).toString();
            }
        } else if (token == QXmlStreamReader::EndElement) {
            if (textDepth == depth) {
                runText.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
                Paragraph& paragraph = paragraphs.back().second;
                paragraph.html += StyledRun(runText, runStyle);
                paragraph.plain += runText.toStdString();
                textDepth = 0;
            } else if (inContent() && paragraphs.back().first == depth) {
                Paragraph paragraph = std::move(paragraphs.back().second);
                paragraphs.pop_back();
                if (titlePageDepth != 0) {
                    const std::string plain = Trim(paragraph.plain);
                    if (!plain.empty() && !titleSeen) {
                        screenplay.title = plain;
                        titleSeen = true;
                    } else if (!plain.empty() && authorNext && screenplay.author.empty()) {
                        screenplay.author = plain;
                    }
                    if (!plain.empty())
                        authorNext = EndsWithByline(plain);
                } else if (!paragraph.type.isEmpty()) {
                    content.Add(paragraph);
                }
            } else if (dualDepth == depth) {
                dualDepth = 0;
            } else if (contentDepth == depth) {
                contentDepth = 0;
            } else if (titlePageDepth == depth) {
                titlePageDepth = 0;
            }
            --depth;
        }
    }
    xml.CheckWellFormed();
    if (!sawContent)
        throw Error("pas de scénario Final Draft : l'élément Content manque");
    content.Close();
    return screenplay;
}

Screenplay ReadFinalDraftFile(const std::filesystem::path& file)
{
    const std::string name = file.filename().string();
    const auto refused = [&name](const std::string& reason) {
        return WordedError("Le fichier « " + name + " » ne peut pas être lu comme un scénario Final Draft (" + reason +
                           ").");
    };
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (!error && size > kMaxFinalDraftFileBytes)
        throw refused("il fait plus de 50 Mo");
    std::string bytes;
    try {
        bytes = ReadFileBytes(file);
    } catch (const std::exception& failure) {
        throw refused(FrenchSystemText(failure.what()));
    }
    try {
        return ReadFinalDraft(bytes);
    } catch (const std::exception& failure) {
        throw refused(failure.what());
    }
}

} // namespace sw
