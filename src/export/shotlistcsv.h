#pragma once

#include <filesystem>
#include <string>

namespace sw {

struct ProjectDocument;

// The shot list as a spreadsheet reads it: UTF-8 with a byte-order mark, ";"
// between fields, CR LF after every row, a header row then one row per shot.
// A field holding ";", a quote, a CR or a LF is quoted, its quotes doubled;
// its line breaks are kept as the model holds them. A text a spreadsheet
// would run as a formula (beginning with "=", "+", "@", a tab, a CR, or "-"
// before a digit, "(" or "=") starts with an apostrophe, which keeps it data;
// the number and the duration are plain numbers. A project that has scenes
// has two more columns after the shot's name, "Scène" and "En-tête de
// scène" (the scene's number and heading, empty for a shot of no scene).
std::string ShotListCsv(const ProjectDocument& project);

// Writes the shot list as a CSV file, atomically: the file is whole or
// untouched. Throws sw::Error "Le fichier « <name> » ne peut pas être écrit :
// <system reason>".
void WriteShotListCsv(const std::filesystem::path& file, const ProjectDocument& project);

} // namespace sw
