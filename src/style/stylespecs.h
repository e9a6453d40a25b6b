#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace sw {

// One style element: the CSS rule of one selector. An element with an empty
// selector is idle. Texts are UTF-8.
class TStyleSpecs {
public:
    TStyleSpecs() = default;
    // An element with the size and alignment of the UnitDefaults row, black
    // text and a transparent background.
    TStyleSpecs(int row, std::string selector, std::string fontFace);

    // The one-line text form: eleven fields, each followed by ";".
    std::string ToText() const;
    // Overwrites the element from a text form; an empty text changes nothing.
    // A transparent element takes pageBackground as its background value.
    // Throws sw::Error on a number field that is not an integer; the fields
    // assigned before it keep their new values.
    void FromText(std::string_view text, std::int32_t pageBackground);

    // Equal when both write the same text form: fontSize and backgroundValue
    // are left out since loading derives them again, and options are compared
    // as the form stores them.
    bool operator==(const TStyleSpecs& other) const;

    std::string selector;
    std::string background = "transparent";
    std::string fontFace;
    std::string fontSizeText = "10";
    std::string colorName = "black";
    std::string margin;
    std::string padding;
    std::string options;  // extra declarations, lines separated by CR LF
    std::int32_t fontSize = 10;
    std::int32_t alignIndex = 0;
    std::int32_t colorValue = 0;
    std::int32_t backgroundValue = 0;
    bool transparent = true;
};

// Options to one line: CR LF becomes ";", then ";;" becomes "#".
std::string EncodeOptions(std::string_view options);
// One line to options: "#" becomes ";" and CR LF.
std::string DecodeOptions(std::string_view line);

} // namespace sw
