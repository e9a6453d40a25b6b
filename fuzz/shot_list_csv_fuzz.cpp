// Any project the loader accepts gives a CSV that reads back, with a reader
// written apart, as one row per shot of fifteen cells, each text as the model
// holds it, and no cell a spreadsheet would run as a formula.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "document/projectdocument.h"
#include "document/projectfile.h"
#include "export/shotlistcsv.h"
#include "model/error.h"

namespace {

using Row = std::vector<std::string>;

// The rows of the CSV after its byte-order mark: ";" between cells, CR LF
// after rows, quoted cells with doubled quotes.
std::vector<Row> ReadCsv(std::string_view csv)
{
    std::vector<Row> rows(1);
    std::string cell;
    bool quoted = false;
    for (std::size_t at = 0; at < csv.size(); ++at) {
        const char c = csv[at];
        if (quoted) {
            if (c == '"' && at + 1 < csv.size() && csv[at + 1] == '"') {
                cell += '"';
                ++at;
            } else if (c == '"') {
                quoted = false;
            } else {
                cell += c;
            }
        } else if (c == '"' && cell.empty()) {
            quoted = true;
        } else if (c == ';') {
            rows.back().push_back(std::move(cell));
            cell.clear();
        } else if (c == '\r' && at + 1 < csv.size() && csv[at + 1] == '\n') {
            rows.back().push_back(std::move(cell));
            cell.clear();
            rows.emplace_back();
            ++at;
        } else {
            cell += c;
        }
    }
    if (quoted || !cell.empty() || !rows.back().empty())
        std::abort();  // the last row ends with CR LF
    rows.pop_back();
    return rows;
}

bool RunsAsFormula(std::string_view cell)
{
    if (cell.empty())
        return false;
    const char first = cell[0];
    const char second = cell.size() > 1 ? cell[1] : '\0';
    return first == '=' || first == '+' || first == '@' || first == '\t' || first == '\r'
           || (first == '-' && ((second >= '0' && second <= '9') || second == '(' || second == '='));
}

// The text cell holds the text, after an apostrophe when it would run.
void CheckText(const std::string& cell, const std::string& text)
{
    if (RunsAsFormula(cell))
        std::abort();
    if (cell != (RunsAsFormula(text) ? "'" + text : text))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    sw::ProjectDocument project;
    try {
        sw::LoadProjectBytes(project, std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const sw::Error&) {
        return 0;
    }
    const std::string csv = sw::ShotListCsv(project);
    if (csv.rfind("\xEF\xBB\xBF", 0) != 0)
        std::abort();
    const std::vector<Row> rows = ReadCsv(std::string_view(csv).substr(3));
    if (rows.size() != project.EventList.Count() + 1)
        std::abort();
    for (std::size_t index = 0; index < project.EventList.Count(); ++index) {
        const Row& row = rows[index + 1];
        const sw::TEvent& shot = project.EventList.Event(index);
        if (row.size() != 15 || row[0] != std::to_string(index + 1))
            std::abort();
        CheckText(row[1], shot.name);
        CheckText(row[2], shot.action);
        CheckText(row[3], shot.sound);
        CheckText(row[4], shot.dialogue);
        CheckText(row[12], shot.cam.effect);
        CheckText(row[13], shot.cam.startImage);
        CheckText(row[14], shot.cam.endImage);
    }
    return 0;
}
