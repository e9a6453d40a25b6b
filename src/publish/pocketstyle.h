#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace sw {

class TStylePrefs;

// The contrast ratio of two colours (0x00BBGGRR), from 1 to 21, as the web's
// accessibility guidelines measure it.
double ContrastRatio(std::int32_t first, std::int32_t second);

// The least contrast the plan gives its texts.
inline constexpr double kPocketLeastContrast = 4.5;

// The pocket plan's style sheet: the project's fonts, its page, text, title
// and link colours where they keep kPocketLeastContrast on the page, the
// plan's own palette otherwise and always in dark mode. withScenes adds the
// rules of the scenes' list and headings.
std::string PocketStyleSheet(const TStylePrefs& style, bool withScenes = false);

// The plan's script: the shot filter, which it shows, and nothing the page
// needs to be read. withScenes: a scene none of whose shots is kept hides,
// with its entry in the list of scenes.
std::string PocketScript(bool withScenes = false);

} // namespace sw
