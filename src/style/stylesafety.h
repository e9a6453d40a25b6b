#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sw {

class TStylePrefs;

// Whether text is a colour the style sheet may hold: a name of letters
// ("navy", "transparent"), "#rgb" or "#rrggbb".
bool IsCssColor(std::string_view text);

// Whether a font name fits between the double quotes of font-family.
bool IsCssFontName(std::string_view text);

// Whether text is a length or a list of lengths the style sheet may hold:
// numbers with an optional unit (%, px, pt, em, ex, cm, mm, in, pc) or
// "auto", separated by blanks or commas ("2%,7%", "5px 10px"). Empty is one.
bool IsCssLengthList(std::string_view text);

// The style set as the published site writes it. A value pasted into the
// style sheet or the menu's STYLE element that could end its declaration or
// its rule (a colour, a margin, a padding, a font, a size, a selector) and is
// not one gets the value of the application's style table. An element's
// options are free CSS and stay, but for each line that leaves the style
// sheet or runs code ("</style", "expression(", "javascript:", "@import",
// "behavior:", "-moz-binding"). Returns one French sentence for each value
// replaced or line removed, for the user.
std::vector<std::string> MakeStyleSafeForSite(TStylePrefs& prefs);

} // namespace sw
