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
    // The shot's id for life, which timelines carry so that a cut comes back
    // to its shots; empty until a timeline is first exported. Not part of the
    // one-line text form: it is stored in the project file's extension block.
    std::string id;
    // The id of the shot's scene (TScene::id), empty for none. Kept, as the
    // id is, in the extension block.
    std::string scene;

    // name, action, sound and dialogue, each ended by FieldSep, then the form of cam.
    std::string ToText() const;
    void FromText(std::string_view text);

    bool operator==(const TEvent&) const = default;
};

} // namespace sw
