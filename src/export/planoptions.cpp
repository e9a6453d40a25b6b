#include "export/planoptions.h"

#include <algorithm>

#include "model/appsettings.h"

namespace sw {

std::optional<PanelGrid> ParsePanelGrid(std::string_view word)
{
    for (const PanelGrid grid : kPanelGrids)
        if (word == PanelGridWord(grid))
            return grid;
    return std::nullopt;
}

std::string PanelGridWord(PanelGrid grid)
{
    return std::to_string(grid.columns) + "x" + std::to_string(grid.rows);
}

std::optional<PlanPaper> ParsePlanPaper(std::string_view word)
{
    if (word == "a4")
        return PlanPaper::A4;
    if (word == "letter")
        return PlanPaper::Letter;
    return std::nullopt;
}

std::string PlanPaperWord(PlanPaper paper)
{
    return paper == PlanPaper::Letter ? "letter" : "a4";
}

PlanOptions PlanOptionsFromSettings(const TAppSettings& settings)
{
    PlanOptions options;
    // The parts are four flags, first page to storyboard; anything else
    // than four 0s and 1s keeps every part.
    const std::string& parts = settings.ExportParts;
    if (parts.size() == 4 && std::all_of(parts.begin(), parts.end(), [](char c) { return c == '0' || c == '1'; })) {
        options.firstPage = parts[0] == '1';
        options.continuity = parts[1] == '1';
        options.breakdown = parts[2] == '1';
        options.storyboard = parts[3] == '1';
    }
    options.grid = ParsePanelGrid(settings.ExportGrid).value_or(options.grid);
    options.paper = ParsePlanPaper(settings.ExportPaper).value_or(options.paper);
    return options;
}

void RememberPlanOptions(TAppSettings& settings, const PlanOptions& options)
{
    const auto flag = [](bool on) { return on ? '1' : '0'; };
    settings.ExportParts = {flag(options.firstPage), flag(options.continuity), flag(options.breakdown),
                            flag(options.storyboard)};
    settings.ExportGrid = PanelGridWord(options.grid);
    settings.ExportPaper = PlanPaperWord(options.paper);
}

} // namespace sw
