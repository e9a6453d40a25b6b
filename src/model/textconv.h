#pragma once

#include <string>
#include <string_view>

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

// The text without the blanks and control characters (codes 0 to 32) at either end.
std::string Trim(std::string_view text);

} // namespace sw
