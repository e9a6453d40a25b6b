#pragma once

#include <string>
#include <string_view>

// StripAccents, which the link targets use, belongs to the model's text conversions.
#include "model/textconv.h"

namespace sw {

// Character conversions of the published site. Texts are Windows-1252.

// Replaces every letter from 0xC0 to 0xFF (not the multiplication and division
// signs) by its HTML 4 named entity ("é" gives "&eacute;"); touches nothing else.
std::string EncodeEntities(std::string_view text);

// The text with one backslash before every ch.
std::string EscapeChar(char ch, std::string_view text);

// The text without any ch.
std::string RemoveChar(char ch, std::string_view text);

// The text fit for a double-quoted JavaScript string: line breaks and
// backslashes removed, then a backslash before every '"', '(' and ')'.
std::string JsEscape(std::string_view text);

// The text with every double quote written as "&quot;", for attribute values.
std::string QuoteAttribute(std::string_view text);

// A file name for a double-quoted JavaScript string: a backslash before every
// backslash and double quote, so that the script reads back the same name.
std::string ScriptFileName(std::string_view name);

} // namespace sw
