#pragma once

#include <string_view>

namespace sw {

// Where the site shows the text a style element (by its CSS selector, in
// any letter case) dresses, in the words of the style dialog: "Noms des
// plans" for H4. Empty for a selector the pages do not use by themselves.
std::string_view ElementPlace(std::string_view selector);

} // namespace sw
