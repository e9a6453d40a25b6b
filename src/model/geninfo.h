#pragma once

#include <string>
#include <string_view>

namespace sw {

// The film's general information, edited on the idea tab.
class TGenInfo {
public:
    std::string title;
    std::string creator;
    std::string comment;
    std::string idea;
    std::string synopsis;

    // title, creator, comment, idea and synopsis, each ended by FieldSep.
    std::string ToText() const;
    void FromText(std::string_view text);
    void Clear();
};

} // namespace sw
