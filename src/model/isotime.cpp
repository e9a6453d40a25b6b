#include "model/isotime.h"

#include <ctime>

namespace sw {

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Whether text matches pattern, where '9' stands for any digit.
bool MatchesPattern(std::string_view text, std::string_view pattern)
{
    if (text.size() != pattern.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (pattern[i] == '9' ? !IsDigit(text[i]) : text[i] != pattern[i])
            return false;
    return true;
}

} // namespace

std::string IsoLocalTime(std::chrono::system_clock::time_point time)
{
    const std::time_t seconds = std::chrono::system_clock::to_time_t(time);
    std::tm fields{};
    char text[40];
    std::size_t length = 0;
    if (::localtime_r(&seconds, &fields) != nullptr)
        length = std::strftime(text, sizeof text - 1, "%Y-%m-%dT%H:%M:%S%z", &fields);
    if (length < 5)
        return "1970-01-01T00:00:00Z";
    // strftime writes the offset as "+0100"; the extended form has a colon
    // before the minutes.
    text[length] = text[length - 1];
    text[length - 1] = text[length - 2];
    text[length - 2] = ':';
    return std::string(text, length + 1);
}

bool IsIsoDateTime(std::string_view text)
{
    constexpr std::string_view kDateTime = "9999-99-99T99:99:99";
    if (text.size() < kDateTime.size() || !MatchesPattern(text.substr(0, kDateTime.size()), kDateTime))
        return false;
    const std::string_view zone = text.substr(kDateTime.size());
    return zone.empty() || zone == "Z" || MatchesPattern(zone, "+99:99") || MatchesPattern(zone, "-99:99");
}

} // namespace sw
