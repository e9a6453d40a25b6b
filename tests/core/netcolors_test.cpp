#include "style/netcolorlist.h"
#include "style/netcolors.h"

#include <algorithm>
#include <set>

#include <gtest/gtest.h>

#include "model/error.h"

namespace sw {
namespace {

int CountOf(const std::array<std::string, kNetColorCount>& names, const std::string& name)
{
    return static_cast<int>(std::count(names.begin(), names.end(), name));
}

TEST(NetColorList, TableHasTheWebColoursInAlphabeticalOrder)
{
    const TNetColorList list;
    EXPECT_EQ(list.Entry(0).name, "aliceblue");
    EXPECT_EQ(list.Entry(0).number, 1);
    EXPECT_EQ(list.Entry(0).colour, 0x00FFF8F0);
    EXPECT_EQ(list.Entry(139).name, "yellowgreen");
    EXPECT_EQ(list.Entry(139).number, 140);
    EXPECT_EQ(list.Entry(139).hex, "9acd32");
    for (int i = 1; i < kNetColorCount; ++i)
        EXPECT_LT(list.Entry(i - 1).name, list.Entry(i).name);
    EXPECT_EQ(list.IndexOfName("lightgrey"), 68);
    EXPECT_EQ(list.IndexOfName("lightgray"), -1);
    EXPECT_EQ(list.EntryOrNull(-1), nullptr);
    EXPECT_EQ(list.EntryOrNull(140), nullptr);
    ASSERT_NE(list.EntryOrNull(139), nullptr);
}

TEST(NetColorList, HexTextIsReadAsRedGreenBlue)
{
    EXPECT_EQ(TNetColorList::HexToColor("f0f8ff"), 0x00FFF8F0);
    EXPECT_EQ(TNetColorList::HexToColor("ff0000"), 0xFF);
    EXPECT_EQ(TNetColorList::HexToColor("000080"), 0x800000);
    EXPECT_THROW(TNetColorList::HexToColor("zz0000"), Error);
    const TNetColorList list;
    const int red = list.IndexOfName("red");
    EXPECT_EQ(list.RGBTextOfIndex(red), "255");
    EXPECT_EQ(list.HexOfIndex(red), "ff0000");
    EXPECT_EQ(list.RGBTextOfIndex(list.IndexOfName("blue")), "16711680");
}

TEST(NetColorList, ColorOfNameTrimsButKeepsCase)
{
    const TNetColorList list;
    EXPECT_EQ(list.ColorOfName("teal"), 0x808000);
    EXPECT_EQ(list.ColorOfName("  teal\t\r\n"), 0x808000);
    EXPECT_EQ(list.ColorOfName("Teal"), 0xFFFFFF);
    EXPECT_EQ(list.ColorOfName("TEAL"), 0xFFFFFF);
    EXPECT_EQ(list.ColorOfName(""), 0xFFFFFF);
    EXPECT_EQ(list.ColorOfName("#ff0000"), 0xFFFFFF);
    EXPECT_EQ(list.ColorOfName("lightgrey"), 0xD3D3D3);
    EXPECT_EQ(TNetColors::ColorOfName(" navy "), 0x800000);
    EXPECT_EQ(TNetColors::ColorOfName("WHITE"), 0xFFFFFF);
}

TEST(NetColorList, NameLookupsTakeTheFirstOfTwinColours)
{
    const TNetColorList list;
    EXPECT_EQ(list.NameOfColor(0xFFFF00), "aqua");
    EXPECT_EQ(list.NameOfColor(0xFF00FF), "fuchsia");
    EXPECT_EQ(list.NameOfColor(0x123456), "$00123456");
    std::string name = "unchanged";
    list.NameOfHex("00ffff", name);
    EXPECT_EQ(name, "aqua");
    list.NameOfHex("123456", name);
    EXPECT_EQ(name, "aqua");
}

TEST(NetColorList, ColourTextFormConvertsBack)
{
    EXPECT_EQ(ColorToText(0), "$00000000");
    EXPECT_EQ(ColorToText(0x00FFF8F0), "$00FFF8F0");
    for (std::int32_t c : {0, 0xFF, 0x808000, 0xFFFFFF, -1})
        EXPECT_EQ(TextToColor(ColorToText(c)), c);
    EXPECT_EQ(TextToColor("255"), 255);
    EXPECT_EQ(TextToColor("-5"), -5);
    EXPECT_THROW(TextToColor("red"), Error);
    EXPECT_THROW(TextToColor(""), Error);
}

TEST(NetColorList, SortByHexPutsBlackFirstAndWhiteLast)
{
    TNetColorList list;
    list.BuildSortedOrder(0);
    EXPECT_EQ(list.sortedNames[0], "black");
    EXPECT_EQ(list.sortedNames[139], "white");
    EXPECT_EQ(list.sortedIndex[0], list.IndexOfName("black"));
    EXPECT_EQ(CountOf(list.sortedNames, "aqua"), 2);
    EXPECT_EQ(CountOf(list.sortedNames, "cyan"), 0);
    EXPECT_EQ(CountOf(list.sortedNames, "fuchsia"), 2);
    EXPECT_EQ(CountOf(list.sortedNames, "magenta"), 0);
    // the two aqua positions are neighbours and both point at aqua's row
    const auto first = std::find(list.sortedNames.begin(), list.sortedNames.end(), "aqua");
    const auto p = static_cast<std::size_t>(first - list.sortedNames.begin());
    EXPECT_EQ(list.sortedNames[p + 1], "aqua");
    EXPECT_EQ(list.sortedIndex[p], 2);
    EXPECT_EQ(list.sortedIndex[p + 1], 2);
    for (std::size_t q = 1; q < kNetColorCount; ++q)
        EXPECT_LE(list.HexOfIndex(list.sortedIndex[q - 1]), list.HexOfIndex(list.sortedIndex[q]));
}

TEST(NetColorList, SortByValueComparesDecimalTexts)
{
    TNetColorList list;
    list.BuildSortedOrder(1);
    EXPECT_EQ(list.sortedNames[0], "black");
    EXPECT_EQ(list.sortedNames[1], "palegreen");
    EXPECT_EQ(list.sortedNames[2], "lightslategray");
    EXPECT_EQ(list.sortedNames[139], "palevioletred");
    EXPECT_EQ(CountOf(list.sortedNames, "aqua"), 2);
    EXPECT_EQ(CountOf(list.sortedNames, "cyan"), 0);
    EXPECT_EQ(CountOf(list.sortedNames, "magenta"), 0);
    // blue's key "16711680" sorts before red's "255"
    const auto pos = [&](const char* n) {
        return std::find(list.sortedNames.begin(), list.sortedNames.end(), n) - list.sortedNames.begin();
    };
    EXPECT_LT(pos("blue"), pos("red"));
    for (std::size_t q = 0; q < kNetColorCount; ++q)
        EXPECT_EQ(list.Entry(list.sortedIndex[q]).name, list.sortedNames[q]);

    // switching back gives the hex order again
    list.BuildSortedOrder(0);
    EXPECT_EQ(list.sortedNames[139], "white");
}

TEST(NetColors, AcceptTakesThePickersResultAndSortTypeIsBounded)
{
    TNetColors colors;
    EXPECT_FALSE(colors.HexOption());
    colors.sortType = 5;
    EXPECT_EQ(colors.PickerSortType(), 0);
    EXPECT_EQ(colors.sortType, 0);
    colors.sortType = 1;
    EXPECT_EQ(colors.PickerSortType(), 1);

    colors.Accept("#d3d3d3", 0xC0C0C0, "#d3d3d3", true);
    EXPECT_EQ(colors.NetColStr, "#d3d3d3");
    EXPECT_EQ(colors.SysColor, 0xC0C0C0);
    EXPECT_EQ(TextToColor(colors.SysColStr), 0xC0C0C0);
    EXPECT_EQ(colors.HexcolStr, "#d3d3d3");
    EXPECT_TRUE(colors.HexOption());
}

} // namespace
} // namespace sw
