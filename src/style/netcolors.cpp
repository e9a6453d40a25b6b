#include "style/netcolors.h"

#include "style/netcolorlist.h"

namespace sw {

std::uint16_t TNetColors::PickerSortType()
{
    if (sortType > 1)
        sortType = 0;
    return sortType;
}

void TNetColors::Accept(const std::string& chosenText, std::int32_t chosenValue, const std::string& hexLabel,
                        bool hexOption)
{
    NetColStr = chosenText;
    SysColor = chosenValue;
    SysColStr = ColorToText(chosenValue);
    HexcolStr = hexLabel;
    hexOption_ = hexOption;
}

std::int32_t TNetColors::ColorOfName(std::string_view name)
{
    // The list never changes: it is built once, not for every element read.
    static const TNetColorList list;
    return list.ColorOfName(name);
}

} // namespace sw
