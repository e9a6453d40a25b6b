#pragma once

#include <initializer_list>
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

// The style and layout records end every field with ";" and write flags
// as "1"/"0"; neither form has an escape.

// "1" or "0".
std::string BoolToText(bool flag);

// False exactly when the trimmed text is "0"; the empty text gives true.
bool TextToBool(std::string_view text);

// Returns the part of text before its first ";" and removes that part and the
// ";" from text. Without a ";" returns the empty text and leaves text alone.
std::string CutItem(std::string& text);

// The text with every from replaced by to, from left to right; what was put
// in is not searched again. An empty from changes nothing.
std::string ReplaceText(std::string_view text, std::string_view from, std::string_view to);

// The items, each followed by ";": the form CutItem takes apart again.
std::string JoinItems(std::initializer_list<std::string_view> items);

} // namespace sw
