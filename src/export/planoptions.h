#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sw {

class TAppSettings;

enum class PlanPaper { A4, Letter };

// The storyboard's panels per page, columns by rows.
struct PanelGrid {
    int columns = 2;
    int rows = 3;
    friend bool operator==(const PanelGrid&, const PanelGrid&) = default;
};

// What the printed plan holds and on which paper.
struct PlanOptions {
    bool firstPage = true;
    bool continuity = true;
    bool breakdown = true;
    bool storyboard = true;
    PanelGrid grid;
    PlanPaper paper = PlanPaper::A4;
    friend bool operator==(const PlanOptions&, const PlanOptions&) = default;
};

// The grids a user may choose, in the order the export dialog lists them.
inline constexpr PanelGrid kPanelGrids[] = {{1, 1}, {2, 2}, {2, 3}, {3, 4}};

// The command-line and settings words: "2x3" and "a4"/"letter". A word for
// no grid of kPanelGrids, or no paper, gives nothing.
std::optional<PanelGrid> ParsePanelGrid(std::string_view word);
std::string PanelGridWord(PanelGrid grid);
std::optional<PlanPaper> ParsePlanPaper(std::string_view word);
std::string PlanPaperWord(PlanPaper paper);

// The choices of the last export kept in the settings; a missing or broken
// value gives the default.
PlanOptions PlanOptionsFromSettings(const TAppSettings& settings);
void RememberPlanOptions(TAppSettings& settings, const PlanOptions& options);

} // namespace sw
