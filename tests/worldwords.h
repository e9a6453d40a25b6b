#pragma once

// Words of six scripts (Latin with its extensions, Greek, Cyrillic, Armenian,
// Georgian, Han), signs and an emoji: what a crew from anywhere types, and
// what every output must keep whole.
namespace swtest {

inline constexpr const char* kWorldWords = "Łukasz Dvořák Őrség Nguyễn Ελένη Дмитрий Երևան თბილისი 日本 ✓ → 🎬";

// One word of each script that DejaVu Sans draws, for reading a PDF back.
inline constexpr const char* kPrintedWorldWords[] = {"Łukasz", "Dvořák", "Őrség", "Nguyễn", "Ελένη",
                                                     "Дмитрий", "Երևան", "თბილისი"};

} // namespace swtest
