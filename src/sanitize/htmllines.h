#pragma once

#include <string>
#include <string_view>

namespace sw {

// Whether an HTML field lays out its own lines (paragraphs, breaks, lists,
// tables, headings...): its typed line breaks are then only spacing, as on
// the published site. A field without such markup was typed line by line.
bool LaysOutItsOwnLines(std::string_view html);

// The field with each typed line break (CR LF, CR or LF) written <br>, unless
// it lays out its own lines: the way a reader sees the lines the user typed.
std::string WithTypedLineBreaks(std::string_view html);

} // namespace sw
