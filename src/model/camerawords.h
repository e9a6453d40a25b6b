#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace sw {

// The camera vocabulary. A shot's camera index selects an
// entry of the editor's lists and a published word; a movement value v > 0 is
// entry v - 1 of its editor list, and its value 0 prints nothing.

// Published words. A framing is published as the entry the user chose in the
// editor, with a space for the editor's hyphen.
inline constexpr std::array<std::string_view, 8> FramingWords = {
    "général", "pied", "cuisse", "ceinture", "buste", "épaule", "gros plan", "très gros plan"};
inline constexpr std::array<std::string_view, 6> AngleWords = {
    "normal", "niveau", "légère plongée", "plongée", "légère contre-plongée",
    "contre-plongée"};
inline constexpr std::array<std::string_view, 4> PanWords = {"noPan", "pan. latéral", "pan. vertical", "circulaire"};
inline constexpr std::array<std::string_view, 6> TravelWords = {
    "noTrav", "avant", "arrière", "latéral", "vertical", "circulaire"};
inline constexpr std::array<std::string_view, 3> ZoomWords = {"noZoom", "zoom avant", "zoom arrière"};

// The editor's lists.
inline constexpr std::array<std::string_view, 8> FramingEntries = {
    "général", "pied", "cuisse", "ceinture", "buste", "épaule", "gros-plan", "très gros plan"};
inline constexpr std::array<std::string_view, 6> AngleEntries = {
    "normal", "niveau", "légère plongée", "plongée", "légère contre-plongée",
    "contre-plongée"};
inline constexpr std::array<std::string_view, 3> PanEntries = {"latéral", "vertical", "circulaire"};
inline constexpr std::array<std::string_view, 5> TravelEntries = {
    "avant", "arrière", "latéral", "vertical", "circulaire"};
inline constexpr std::array<std::string_view, 2> ZoomEntries = {"avant", "arrière"};

// The number of values each index may take: the editor's entries, plus "no
// movement" for the three movements.
inline constexpr std::uint8_t FramingCount = FramingEntries.size();
inline constexpr std::uint8_t AngleCount = AngleEntries.size();
inline constexpr std::uint8_t PanCount = PanEntries.size() + 1;
inline constexpr std::uint8_t TravelCount = TravelEntries.size() + 1;
inline constexpr std::uint8_t ZoomCount = ZoomEntries.size() + 1;

// The index when it lies within a list of count values, else 0, the value
// of a new shot.
constexpr std::uint8_t IndexWithin(int value, std::uint8_t count)
{
    return value >= 0 && value < count ? static_cast<std::uint8_t>(value) : 0;
}

// The published word of an index; empty for an index outside its table.
std::string_view FramingWord(std::size_t framing);
std::string_view AngleWord(std::size_t angle);
std::string_view PanWord(std::size_t pan);
std::string_view TravelWord(std::size_t travel);
std::string_view ZoomWord(std::size_t zoom);

} // namespace sw
