#pragma once

#include <string>
#include <string_view>

namespace sw {

// The bytes in the base64 alphabet of RFC 4648, padded with "=", on one line.
std::string Base64(std::string_view bytes);
// The same written at the end of text, with no copy of its own: for the
// pictures a page holds whole.
void AppendBase64(std::string& text, std::string_view bytes);

} // namespace sw
