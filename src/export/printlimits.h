#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace sw {

struct ProjectDocument;

// The most characters of one text the printed plan lays out. A longer text
// (a field pasted from elsewhere, a project built to stall) would take
// thousands of pages and minutes: it is cut, with a visible mark.
inline constexpr std::size_t kMaxPrintedCharacters = 1'000'000;

// The text as the printed plan holds it: whole up to kMaxPrintedCharacters;
// longer, its first characters (never half of one) then
// "[… texte coupé : N caractères]", N the characters left out. What it
// returns is never cut again.
std::string PrintableText(std::string_view utf8);

// Cuts, in the project given (a copy of the user's), every text the printed
// plan would cut: the general information, the report and each shot's texts.
// Returns one French sentence for each text cut, for the command line.
std::vector<std::string> CutLongTextsForPrint(ProjectDocument& project);

} // namespace sw
