#include "export/shotlistcsv.h"

#include <initializer_list>
#include <string_view>

#include "export/shotrows.h"
#include "model/error.h"
#include "model/filebytes.h"

namespace sw {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The header, in UTF-8.
constexpr std::string_view kHeader[] = {
    "No", "Plan", "Action", "Son", "Dialogue", "Dur\xC3\xA9" "e (s)", "Cumul", "Cadrage", "Angle",
    "Panoramique", "Travelling", "Zoom", "Effet", "Image d\xC3\xA9" "but", "Image fin"};

// Whether a spreadsheet would take a cell beginning as the text does for a
// formula: "=", "+", "@", a tab or a CR, or "-" before a digit, "(" or "=".
// A dialogue line "- Non." is no formula.
bool LooksLikeFormula(std::string_view text)
{
    if (text.empty())
        return false;
    switch (text[0]) {
    case '=':
    case '+':
    case '@':
    case '\t':
    case '\r':
        return true;
    case '-':
        return text.size() > 1 && ((text[1] >= '0' && text[1] <= '9') || text[1] == '(' || text[1] == '=');
    default:
        return false;
    }
}

// A cell of text; a text that a spreadsheet would run as a formula gets a
// leading apostrophe, which makes it data.
void AppendField(std::string& out, std::string_view utf8, bool isText = true)
{
    const std::string_view apostrophe = isText && LooksLikeFormula(utf8) ? "'" : "";
    if (utf8.find_first_of(";\"\r\n") == std::string_view::npos) {
        out += apostrophe;
        out += utf8;
        return;
    }
    out += '"';
    out += apostrophe;
    for (const char c : utf8) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

template <typename Fields>
void AppendRow(std::string& out, const Fields& fields)
{
    bool first = true;
    for (const auto& field : fields) {
        if (!first)
            out += ';';
        first = false;
        AppendField(out, field);
    }
    out += "\r\n";
}

// One cell of a row: a text, or a number left plain.
struct Cell {
    std::string_view text;
    bool isText = true;
};

void AppendShot(std::string& out, const ShotRow& row)
{
    const std::string number = std::to_string(row.number);
    const std::string duration = std::to_string(row.durationSeconds);
    const Cell cells[] = {{number, false}, {row.name},    {row.action},      {row.sound},       {row.dialogue},
                          {duration, false}, {row.cumulatedText}, {row.framing}, {row.angle}, {row.pan},
                          {row.travel},      {row.zoom},          {row.effect},  {row.startPicture}, {row.endPicture}};
    bool first = true;
    for (const Cell& cell : cells) {
        if (!first)
            out += ';';
        first = false;
        AppendField(out, cell.text, cell.isText);
    }
    out += "\r\n";
}

} // namespace

std::string ShotListCsv(const ProjectDocument& project)
{
    std::string out(kByteOrderMark);
    AppendRow(out, kHeader);
    for (const ShotRow& row : ShotRows(project))
        AppendShot(out, row);
    return out;
}

void WriteShotListCsv(const std::filesystem::path& file, const ProjectDocument& project)
{
    if (const std::error_code error = TryWriteFileAtomically(file, ShotListCsv(project), LinkPolicy::WriteThroughLink))
        throw Error("Le fichier « " + file.filename().string() + " » ne peut pas être écrit : "
                    + error.message());
}

} // namespace sw
