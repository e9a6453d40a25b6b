#pragma once

#include <chrono>
#include <string>
#include <string_view>

namespace sw {

// The time as ISO 8601 local time to the second, with its offset from UTC:
// "2026-12-09T06:03:12+01:00".
std::string IsoLocalTime(std::chrono::system_clock::time_point time);

// Whether the text is an ISO 8601 date and time to the second
// ("2026-12-09T06:03:12"), optionally followed by "Z" or an offset "+01:00".
bool IsIsoDateTime(std::string_view text);

} // namespace sw
