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
};

} // namespace sw
