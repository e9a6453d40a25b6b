#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sw {

// Decimal integer with an optional sign, nothing else around it. Throws
// sw::Error "'text' is not a valid integer value" otherwise, or when the value
// does not fit 32 bits.
int StrToInt(std::string_view text);
// StrToInt without the exception: false when the text is not an integer.
bool TryStrToInt(std::string_view text, int& value);

// Any decimal number (non-zero is true) or "True"/"False" in any letter case.
// Throws sw::Error "'text' is not a valid boolean value" otherwise.
bool StrToBool(std::string_view text);

std::string IntToStr(long long value);

// Whether text ends with ending, whatever the case of its ASCII letters;
// ending is given in lower case (".jpg").
bool EndsWithNoCase(std::string_view text, std::string_view ending);

// The text without the blanks and control characters (codes 0 to 32) at either end.
std::string Trim(std::string_view text);

// The lines of a text split at each "\n", the last one even when empty.
std::vector<std::string> SplitLines(std::string_view text);

// The text for an XML attribute or element: "&", "<", ">" and '"' as
// references, line breaks and tabs as character references (kept in an
// attribute), the other control characters, which XML 1.0 cannot hold,
// left out.
std::string XmlEscaped(std::string_view text);

// Replaces the accented letters of Latin-1 by plain ones, one character for
// one, for link targets and picture file names. The French letters follow the
// classic table (both "Ç" and "ç" give "c"); every other letter from U+00C0 up
// gives its base letter with its case ("Ê" "E", "Ñ" "N", "ÿ" "y", "Æ" "A",
// "Ø" "O", "ß" "s", "Þ" "T", "Ð" "D"), and the multiplication and division
// signs give "_". Every other character stays.
std::string StripAccents(std::string_view text);

} // namespace sw
