#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace sw {

// The camera data of one shot. The five indexes always lie within their
// lists (camerawords.h): a value outside is held as 0, the value of a new shot.
class TCam {
public:
    std::string duration = "00";
    std::uint8_t framing = 0;
    std::uint8_t angle = 0;
    std::uint8_t pan = 0;
    std::uint8_t travel = 0;
    std::uint8_t zoom = 0;
    std::string effect;
    std::string startImage;
    std::string endImage;

    // duration, the five index digits together, effect, startImage and
    // endImage, each ended by FieldSep.
    std::string ToText() const;
    // A digits field shorter than five characters leaves the missing indexes
    // at 0; a character that is not a digit throws the integer conversion error.
    void FromText(std::string_view text);

    // Appends the form; shotLabel (UTF-8) follows the field's name in an error message.
    void AppendText(std::string& form, std::string_view shotLabel) const;

    bool operator==(const TCam&) const = default;
};

} // namespace sw
