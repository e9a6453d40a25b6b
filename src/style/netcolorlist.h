#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace sw {

// Number of named web colours.
inline constexpr int kNetColorCount = 140;

// One row of the web colour table: the name and six lower-case hex digits in
// the order red, green, blue.
struct TNetColorRow {
    const char* name;
    const char* hex;
};

// The 140 named web colours in alphabetical order.
extern const std::array<TNetColorRow, kNetColorCount> NetColorTable;

// One entry of the colour list. Colour values are 0x00BBGGRR (red in the low byte).
struct TNetColor {
    std::uint16_t number = 0;  // table index plus one
    std::string name;
    std::string hex;
    std::int32_t colour = 0;
    std::int32_t rgb = 0;      // the plain RGB value; equals colour for these colours
};

// The colour-value text form: "$" and eight upper-case hex digits ("$00FFF8F0").
std::string ColorToText(std::int32_t colour);
// Inverse of ColorToText; also takes a signed decimal text. Throws sw::Error
// when the text is neither.
std::int32_t TextToColor(std::string_view text);

// The web colours with their lookups and the palette's sorted orders.
class TNetColorList {
public:
    TNetColorList();

    const TNetColor& Entry(int index) const { return entries_[static_cast<std::size_t>(index)]; }
    // The entry at a table index, or nullptr when the index is outside 0..139.
    const TNetColor* EntryOrNull(int index) const;

    // Table index of the entry named exactly name (case-sensitive), or -1.
    int IndexOfName(std::string_view name) const;
    // Name of the first entry with this colour, else its colour text form.
    std::string NameOfColor(std::int32_t colour) const;
    // Colour of the entry named name once blanks and control characters
    // around it are removed (case-sensitive); white when there is none.
    std::int32_t ColorOfName(std::string_view name) const;
    std::string HexOfIndex(int index) const;
    // The entry's rgb value as signed decimal text.
    std::string RGBTextOfIndex(int index) const;
    // "f0f8ff" gives 0x00FFF8F0.
    static std::int32_t HexToColor(std::string_view hex);
    // Name of the first row whose hex text equals hex; output unchanged if none.
    void NameOfHex(std::string_view hex, std::string& name) const;

    // Palette order: sort type 0 by hex text, 1 by the decimal text of the
    // colour value, both compared as case-insensitive texts.
    void BuildSortedOrder(int sortType);

    std::array<std::string, kNetColorCount> sortedNames;
    std::array<std::uint16_t, kNetColorCount> sortedIndex{};

private:
    std::array<TNetColor, kNetColorCount> entries_;
};

} // namespace sw
