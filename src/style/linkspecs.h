#pragma once

#include <cstdint>
#include <string>

namespace sw {

// One link state of the style set: "link", "active" or "visited".
struct TLinkSpecs {
    std::string state;
    std::string colorName;
    std::int32_t colorValue = 0;  // 0x00BBGGRR
    bool underline = false;

    // Defaulted: the block writes every member but state, and state is fixed
    // by the link's place in the set, so this is the equality of the saved form.
    bool operator==(const TLinkSpecs&) const = default;
};

} // namespace sw
