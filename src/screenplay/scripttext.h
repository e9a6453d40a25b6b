#pragma once

#include <string>
#include <string_view>

namespace sw {

// A screenplay file's text as UTF-8: UTF-8 with or without its byte-order
// mark, UTF-16 with its mark (little- or big-endian), anything else read as
// Windows-1252. Line ends are left as they are.
std::string ScriptTextAsUtf8(std::string_view bytes);

} // namespace sw
