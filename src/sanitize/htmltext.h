#pragma once

#include <string>
#include <string_view>

namespace sw {

// What a reader of an HTML field sees, as plain UTF-8 text: the tags left
// out, the references decoded, a line per paragraph, break, list item or
// table row ("• " before a list item), the typed line breaks kept when the
// field does not lay out its own lines, runs of spaces made one, no blank
// line at either end. Scripts and style sheets give no text.
std::string HtmlPlainText(std::string_view html);

} // namespace sw
