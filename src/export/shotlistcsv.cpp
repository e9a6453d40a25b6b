#include "export/shotlistcsv.h"

#include <initializer_list>
#include <string_view>

#include "document/projectdocument.h"
#include "export/shotrows.h"
#include "model/error.h"
#include "model/filebytes.h"
#include "model/systemtext.h"

namespace sw {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The columns besides the shot's fields: its number first, the running
// total after the duration.
constexpr std::string_view kNumberColumn = "No";
constexpr std::string_view kCumulatedColumn = "Cumul";
// The shot's scene, after the shot's name, only in a project that has
// scenes: a project without keeps the columns it always had.
constexpr std::string_view kSceneNumberColumn = "Scène";
constexpr std::string_view kSceneHeadingColumn = "En-tête de scène";

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

// The header: the fields' columns of the shot-field table, in its order.
void AppendHeader(std::string& out, bool withScenes)
{
    AppendField(out, kNumberColumn);
    for (const ShotFieldInfo& field : ShotFields()) {
        out += ';';
        AppendField(out, field.csvColumn);
        if (field.field == ShotField::Name && withScenes) {
            out += ';';
            AppendField(out, kSceneNumberColumn);
            out += ';';
            AppendField(out, kSceneHeadingColumn);
        }
        if (field.field == ShotField::Duration) {
            out += ';';
            AppendField(out, kCumulatedColumn);
        }
    }
    out += "\r\n";
}

// A number is left plain; every other field is a text, which may not run,
// the scene's number ("12A") among them.
void AppendShot(std::string& out, const ShotRow& row, bool withScenes)
{
    AppendField(out, std::to_string(row.number), false);
    for (const ShotFieldInfo& field : ShotFields()) {
        out += ';';
        if (field.kind == FieldKind::Number) {
            AppendField(out, std::to_string(row.durationSeconds), false);
        } else {
            AppendField(out, row.Text(field.field));
        }
        if (field.field == ShotField::Name && withScenes) {
            out += ';';
            AppendField(out, row.sceneNumber);
            out += ';';
            AppendField(out, row.sceneHeading);
        }
        if (field.field == ShotField::Duration) {
            out += ';';
            AppendField(out, row.cumulatedText);
        }
    }
    out += "\r\n";
}

} // namespace

std::string ShotListCsv(const ProjectDocument& project)
{
    const bool withScenes = !project.Scenes.empty();
    std::string out(kByteOrderMark);
    AppendHeader(out, withScenes);
    for (const ShotRow& row : ShotRows(project))
        AppendShot(out, row, withScenes);
    return out;
}

void WriteShotListCsv(const std::filesystem::path& file, const ProjectDocument& project)
{
    if (const std::error_code error = TryWriteFileAtomically(file, ShotListCsv(project), LinkPolicy::WriteThroughLink))
        throw Error("Le fichier « " + file.filename().string() + " » ne peut pas être écrit : "
                    + FrenchReason(error));
}

} // namespace sw
