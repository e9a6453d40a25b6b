#pragma once

#include <array>
#include <cstdint>

namespace sw {

// The tables the style set is built from. Colour indexes refer to BasicColors;
// colour values are 0x00BBGGRR.

inline constexpr int kStyleElementCount = 16;
inline constexpr int kLinkStateCount = 3;
inline constexpr int kAppStyleRowCount = 14;

struct TBasicColor {
    const char* name;
    std::int32_t value;
};

// The 18 colours of the style unit (the platform's 16-colour palette values).
inline constexpr std::array<TBasicColor, 18> BasicColors = {{
    {"white", 0xFFFFFF},
    {"lightgrey", 0xC0C0C0},
    {"silver", 0xC0C0C0},
    {"darkgray", 0x808080},
    {"gray", 0x808080},
    {"black", 0x000000},
    {"navy", 0x800000},
    {"blue", 0xFF0000},
    {"aqua", 0xFFFF00},
    {"fuchsia", 0xFF00FF},
    {"purple", 0x800080},
    {"red", 0x0000FF},
    {"maroon", 0x000080},
    {"yellow", 0x00FFFF},
    {"lime", 0x00FF00},
    {"green", 0x008000},
    {"olive", 0x008080},
    {"teal", 0x808000},
}};

// Alignment words by alignment index.
inline constexpr std::array<const char*, 4> AlignNames = {"left", "right", "center", "justify"};

// One row of an element table. Texts are UTF-8.
struct TStyleRow {
    const char* selector;
    const char* shortName;
    const char* description;
    int fontSize;
    int alignIndex;
    int colorIndex;
    int backgroundIndex;
};

// The style unit's own element table; seeds all sixteen rows.
extern const std::array<TStyleRow, kStyleElementCount> UnitDefaults;
extern const std::array<int, kLinkStateCount> UnitLinkColorIndexes;

// The application's element table, applied once at start-up to rows 0..13.
extern const std::array<TStyleRow, kAppStyleRowCount> AppStyleTable;
extern const std::array<int, kLinkStateCount> AppLinkColorIndexes;

} // namespace sw
