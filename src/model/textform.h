#pragma once

#include <string>
#include <string_view>

namespace sw {

// Ends every field of the one-line text forms of the model, the last included.
inline constexpr std::string_view FieldSep = "||||";

// Cuts the next field off the front of remaining: the text before the first
// FieldSep, which is removed with it. Without a FieldSep the field is empty
// and remaining stays as it is.
std::string NextField(std::string_view& remaining);

// Appends the field and its FieldSep. A field that holds FieldSep, or ends
// with a bar that would run into the separator, could not be cut back out:
// it throws sw::Error naming the field (label, then context, both UTF-8) instead.
void AppendField(std::string& form, std::string_view field, std::string_view label, std::string_view context = {});

} // namespace sw
