#include "style/netcolorlist.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <vector>

#include "model/utf8.h"
#include "model/error.h"
#include "model/textconv.h"

namespace sw {

const std::array<TNetColorRow, kNetColorCount> NetColorTable = {{
    TNetColorRow{"aliceblue", "f0f8ff"},
    TNetColorRow{"antiquewhite", "faebd7"},
    TNetColorRow{"aqua", "00ffff"},
    TNetColorRow{"aquamarine", "7fffd4"},
    TNetColorRow{"azure", "f0ffff"},
    TNetColorRow{"beige", "f5f5dc"},
    TNetColorRow{"bisque", "ffe4c4"},
    TNetColorRow{"black", "000000"},
    TNetColorRow{"blanchedalmond", "ffebcd"},
    TNetColorRow{"blue", "0000ff"},
    TNetColorRow{"blueviolet", "8a2be2"},
    TNetColorRow{"brown", "a52a2a"},
    TNetColorRow{"burlywood", "deb887"},
    TNetColorRow{"cadetblue", "5f9ea0"},
    TNetColorRow{"chartreuse", "7fff00"},
    TNetColorRow{"chocolate", "d2691e"},
    TNetColorRow{"coral", "ff7f50"},
    TNetColorRow{"cornflowerblue", "6495ed"},
    TNetColorRow{"cornsilk", "fff8dc"},
    TNetColorRow{"crimson", "dc143c"},
    TNetColorRow{"cyan", "00ffff"},
    TNetColorRow{"darkblue", "00008b"},
    TNetColorRow{"darkcyan", "008b8b"},
    TNetColorRow{"darkgoldenrod", "b8860b"},
    TNetColorRow{"darkgray", "a9a9a9"},
    TNetColorRow{"darkgreen", "006400"},
    TNetColorRow{"darkkhaki", "bdb76b"},
    TNetColorRow{"darkmagenta", "8b008b"},
    TNetColorRow{"darkolivegreen", "556b2f"},
    TNetColorRow{"darkorange", "ff8c00"},
    TNetColorRow{"darkorchid", "9932cc"},
    TNetColorRow{"darkred", "8b0000"},
    TNetColorRow{"darksalmon", "e9967a"},
    TNetColorRow{"darkseagreen", "8fbc8f"},
    TNetColorRow{"darkslateblue", "483d8b"},
    TNetColorRow{"darkslategray", "2f4f4f"},
    TNetColorRow{"darkturquoise", "00ced1"},
    TNetColorRow{"darkviolet", "9400d3"},
    TNetColorRow{"deeppink", "ff1493"},
    TNetColorRow{"deepskyblue", "00bfff"},
    TNetColorRow{"dimgray", "696969"},
    TNetColorRow{"dodgerblue", "1e90ff"},
    TNetColorRow{"firebrick", "b22222"},
    TNetColorRow{"floralwhite", "fffaf0"},
    TNetColorRow{"forestgreen", "228b22"},
    TNetColorRow{"fuchsia", "ff00ff"},
    TNetColorRow{"gainsboro", "dcdcdc"},
    TNetColorRow{"ghostwhite", "f8f8ff"},
    TNetColorRow{"gold", "ffd700"},
    TNetColorRow{"goldenrod", "daa520"},
    TNetColorRow{"gray", "808080"},
    TNetColorRow{"green", "008000"},
    TNetColorRow{"greenyellow", "adff2f"},
    TNetColorRow{"honeydew", "f0fff0"},
    TNetColorRow{"hotpink", "ff69b4"},
    TNetColorRow{"indianred", "cd5c5c"},
    TNetColorRow{"indigo", "4b0082"},
    TNetColorRow{"ivory", "fffff0"},
    TNetColorRow{"khaki", "f0e68c"},
    TNetColorRow{"lavender", "e6e6fa"},
    TNetColorRow{"lavenderblush", "fff0f5"},
    TNetColorRow{"lawngreen", "7cfc00"},
    TNetColorRow{"lemonchiffon", "fffacd"},
    TNetColorRow{"lightblue", "add8e6"},
    TNetColorRow{"lightcoral", "f08080"},
    TNetColorRow{"lightcyan", "e0ffff"},
    TNetColorRow{"lightgoldenrodyellow", "fafad2"},
    TNetColorRow{"lightgreen", "90ee90"},
    TNetColorRow{"lightgrey", "d3d3d3"},
    TNetColorRow{"lightpink", "ffb6c1"},
    TNetColorRow{"lightsalmon", "ffa07a"},
    TNetColorRow{"lightseagreen", "20b2aa"},
    TNetColorRow{"lightskyblue", "87cefa"},
    TNetColorRow{"lightslategray", "778899"},
    TNetColorRow{"lightsteelblue", "b0c4de"},
    TNetColorRow{"lightyellow", "ffffe0"},
    TNetColorRow{"lime", "00ff00"},
    TNetColorRow{"limegreen", "32cd32"},
    TNetColorRow{"linen", "faf0e6"},
    TNetColorRow{"magenta", "ff00ff"},
    TNetColorRow{"maroon", "800000"},
    TNetColorRow{"mediumaquamarine", "66cdaa"},
    TNetColorRow{"mediumblue", "0000cd"},
    TNetColorRow{"mediumorchid", "ba55d3"},
    TNetColorRow{"mediumpurple", "9370db"},
    TNetColorRow{"mediumseagreen", "3cb371"},
    TNetColorRow{"mediumslateblue", "7b68ee"},
    TNetColorRow{"mediumspringgreen", "00fa9a"},
    TNetColorRow{"mediumturquoise", "48d1cc"},
    TNetColorRow{"mediumvioletred", "c71585"},
    TNetColorRow{"midnightblue", "191970"},
    TNetColorRow{"mintcream", "f5fffa"},
    TNetColorRow{"mistyrose", "ffe4e1"},
    TNetColorRow{"moccasin", "ffe4b5"},
    TNetColorRow{"navajowhite", "ffdead"},
    TNetColorRow{"navy", "000080"},
    TNetColorRow{"oldlace", "fdf5e6"},
    TNetColorRow{"olive", "808000"},
    TNetColorRow{"olivedrab", "6b8e23"},
    TNetColorRow{"orange", "ffa500"},
    TNetColorRow{"orangered", "ff4500"},
    TNetColorRow{"orchid", "da70d6"},
    TNetColorRow{"palegoldenrod", "eee8aa"},
    TNetColorRow{"palegreen", "98fb98"},
    TNetColorRow{"paleturquoise", "afeeee"},
    TNetColorRow{"palevioletred", "db7093"},
    TNetColorRow{"papayawhip", "ffefd5"},
    TNetColorRow{"peachpuff", "ffdab9"},
    TNetColorRow{"peru", "cd853f"},
    TNetColorRow{"pink", "ffc0cb"},
    TNetColorRow{"plum", "dda0dd"},
    TNetColorRow{"powderblue", "b0e0e6"},
    TNetColorRow{"purple", "800080"},
    TNetColorRow{"red", "ff0000"},
    TNetColorRow{"rosybrown", "bc8f8f"},
    TNetColorRow{"royalblue", "4169e1"},
    TNetColorRow{"saddlebrown", "8b4513"},
    TNetColorRow{"salmon", "fa8072"},
    TNetColorRow{"sandybrown", "f4a460"},
    TNetColorRow{"seagreen", "2e8b57"},
    TNetColorRow{"seashell", "fff5ee"},
    TNetColorRow{"sienna", "a0522d"},
    TNetColorRow{"silver", "c0c0c0"},
    TNetColorRow{"skyblue", "87ceeb"},
    TNetColorRow{"slateblue", "6a5acd"},
    TNetColorRow{"slategray", "708090"},
    TNetColorRow{"snow", "fffafa"},
    TNetColorRow{"springgreen", "00ff7f"},
    TNetColorRow{"steelblue", "4682b4"},
    TNetColorRow{"tan", "d2b48c"},
    TNetColorRow{"teal", "008080"},
    TNetColorRow{"thistle", "d8bfd8"},
    TNetColorRow{"tomato", "ff6347"},
    TNetColorRow{"turquoise", "40e0d0"},
    TNetColorRow{"violet", "ee82ee"},
    TNetColorRow{"wheat", "f5deb3"},
    TNetColorRow{"white", "ffffff"},
    TNetColorRow{"whitesmoke", "f5f5f5"},
    TNetColorRow{"yellow", "ffff00"},
    TNetColorRow{"yellowgreen", "9acd32"},
}};

namespace {

constexpr std::int32_t kWhite = 0xFFFFFF;

bool LessIgnoringCase(const std::string& a, const std::string& b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
    });
}

bool ParseHex(std::string_view digits, std::uint32_t& value)
{
    if (digits.empty() || digits.size() > 8)
        return false;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
    return ec == std::errc() && end == digits.data() + digits.size();
}

std::string InvalidInteger(std::string_view text)
{
    return "'" + ValidUtf8(text) + "' is not a valid integer value";
}

} // namespace

std::string ColorToText(std::int32_t colour)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "$%08X", static_cast<unsigned>(static_cast<std::uint32_t>(colour)));
    return buffer;
}

std::int32_t TextToColor(std::string_view text)
{
    const std::string trimmedText = Trim(text);
    const std::string_view trimmed = trimmedText;
    if (!trimmed.empty() && trimmed.front() == '$') {
        std::uint32_t value = 0;
        if (!ParseHex(trimmed.substr(1), value))
            throw Error(InvalidInteger(text));
        return static_cast<std::int32_t>(value);
    }
    std::string_view digits = trimmed;
    if (!digits.empty() && digits.front() == '+')
        digits.remove_prefix(1);
    std::int32_t value = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size())
        throw Error(InvalidInteger(text));
    return value;
}

TNetColorList::TNetColorList()
{
    for (int i = 0; i < kNetColorCount; ++i) {
        TNetColor& entry = entries_[static_cast<std::size_t>(i)];
        const TNetColorRow& row = NetColorTable[static_cast<std::size_t>(i)];
        entry.number = static_cast<std::uint16_t>(i + 1);
        entry.name = row.name;
        entry.hex = row.hex;
        entry.colour = HexToColor(entry.hex);
        entry.rgb = entry.colour;
    }
}

const TNetColor* TNetColorList::EntryOrNull(int index) const
{
    if (index < 0 || index >= kNetColorCount)
        return nullptr;
    return &Entry(index);
}

int TNetColorList::IndexOfName(std::string_view name) const
{
    for (int i = 0; i < kNetColorCount; ++i)
        if (Entry(i).name == name)
            return i;
    return -1;
}

std::string TNetColorList::NameOfColor(std::int32_t colour) const
{
    for (const TNetColor& entry : entries_)
        if (entry.colour == colour)
            return entry.name;
    return ColorToText(colour);
}

std::int32_t TNetColorList::ColorOfName(std::string_view name) const
{
    const int index = IndexOfName(Trim(name));
    return index < 0 ? kWhite : Entry(index).colour;
}

std::string TNetColorList::HexOfIndex(int index) const
{
    return Entry(index).hex;
}

std::string TNetColorList::RGBTextOfIndex(int index) const
{
    return std::to_string(Entry(index).rgb);
}

std::int32_t TNetColorList::HexToColor(std::string_view hex)
{
    std::uint32_t value = 0;
    if (hex.size() != 6 || !ParseHex(hex, value))
        throw Error(InvalidInteger("$0" + std::string(hex)));
    const std::uint32_t red = (value >> 16) & 0xFF;
    const std::uint32_t green = (value >> 8) & 0xFF;
    const std::uint32_t blue = value & 0xFF;
    return static_cast<std::int32_t>(red | (green << 8) | (blue << 16));
}

void TNetColorList::NameOfHex(std::string_view hex, std::string& name) const
{
    for (const TNetColor& entry : entries_) {
        if (entry.hex == hex) {
            name = entry.name;
            return;
        }
    }
}

void TNetColorList::BuildSortedOrder(int sortType)
{
    std::vector<std::string> keys;
    keys.reserve(kNetColorCount);
    for (int i = 0; i < kNetColorCount; ++i)
        keys.push_back(sortType == 1 ? RGBTextOfIndex(i) : HexOfIndex(i));
    std::stable_sort(keys.begin(), keys.end(), LessIgnoringCase);

    for (std::size_t p = 0; p < keys.size(); ++p) {
        if (sortType == 1)
            sortedNames[p] = NameOfColor(TextToColor(keys[p]));
        else
            NameOfHex(keys[p], sortedNames[p]);
        sortedIndex[p] = static_cast<std::uint16_t>(IndexOfName(sortedNames[p]));
    }
}

} // namespace sw
