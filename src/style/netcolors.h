#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace sw {

// The colour chooser's state between two runs of the picker, and the name
// lookup. The picker itself lives in the editor, which runs it on one of
// these: it reads PickerSortType() and HexOption() before showing, and
// calls Accept() when the user accepts; a cancelled pick changes nothing.
class TNetColors {
public:
    std::string NetColStr;        // the chosen name, or "#" + hex text with the hex option
    std::int32_t SysColor = 0;    // the chosen colour value, 0x00BBGGRR
    std::string SysColStr;        // SysColor in its colour text form (ColorToText)
    std::string HexcolStr;        // "#" + hex text of the chosen colour
    std::uint16_t sortType = 0;   // palette order: 0 by hex text, 1 by decimal value

    // The sort type the picker uses; an unknown sort type is reset to 0 first.
    std::uint16_t PickerSortType();
    // Whether the picker's hex option was on at the last acceptance.
    bool HexOption() const { return hexOption_; }
    // Takes over the picker's result.
    void Accept(const std::string& chosenText, std::int32_t chosenValue, const std::string& hexLabel,
                bool hexOption);

    // Colour of a web colour name, trimmed and compared case-sensitively;
    // white when it is none.
    static std::int32_t ColorOfName(std::string_view name);

private:
    bool hexOption_ = false;
};

} // namespace sw
