#pragma once

#include <string>
#include <string_view>

#include "model/cam.h"

namespace sw {

// One shot of the continuity, with its camera data.
class TEvent {
public:
    std::string name;
    std::string action;
    std::string sound;
    std::string dialogue;
    TCam cam;

    // name, action, sound and dialogue, each ended by FieldSep, then the form of cam.
    std::string ToText() const;
    void FromText(std::string_view text);

    bool operator==(const TEvent&) const = default;
};

} // namespace sw
