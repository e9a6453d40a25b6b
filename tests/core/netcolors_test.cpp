#include "style/netcolorlist.h"
#include "style/netcolors.h"

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "model/error.h"
#include "testsupport.h"

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
    // The error text is UTF-8, whatever the code page of the colour text.
    EXPECT_EQ(test::ErrorOf([] { TextToColor("é"); }), "'\xC3\xA9' is not a valid integer value");
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

// The web colour table as published, name=hex pairs.
constexpr const char* kWebColourTable =
    "aliceblue=f0f8ff,antiquewhite=faebd7,aqua=00ffff,aquamarine=7fffd4,azure=f0ffff,beige=f5f5dc,"
    "bisque=ffe4c4,black=000000,blanchedalmond=ffebcd,blue=0000ff,blueviolet=8a2be2,brown=a52a2a,"
    "burlywood=deb887,cadetblue=5f9ea0,chartreuse=7fff00,chocolate=d2691e,coral=ff7f50,"
    "cornflowerblue=6495ed,cornsilk=fff8dc,crimson=dc143c,cyan=00ffff,darkblue=00008b,darkcyan=008b8b,"
    "darkgoldenrod=b8860b,darkgray=a9a9a9,darkgreen=006400,darkkhaki=bdb76b,darkmagenta=8b008b,"
    "darkolivegreen=556b2f,darkorange=ff8c00,darkorchid=9932cc,darkred=8b0000,darksalmon=e9967a,"
    "darkseagreen=8fbc8f,darkslateblue=483d8b,darkslategray=2f4f4f,darkturquoise=00ced1,"
    "darkviolet=9400d3,deeppink=ff1493,deepskyblue=00bfff,dimgray=696969,dodgerblue=1e90ff,"
    "firebrick=b22222,floralwhite=fffaf0,forestgreen=228b22,fuchsia=ff00ff,gainsboro=dcdcdc,"
    "ghostwhite=f8f8ff,gold=ffd700,goldenrod=daa520,gray=808080,green=008000,greenyellow=adff2f,"
    "honeydew=f0fff0,hotpink=ff69b4,indianred=cd5c5c,indigo=4b0082,ivory=fffff0,khaki=f0e68c,"
    "lavender=e6e6fa,lavenderblush=fff0f5,lawngreen=7cfc00,lemonchiffon=fffacd,lightblue=add8e6,"
    "lightcoral=f08080,lightcyan=e0ffff,lightgoldenrodyellow=fafad2,lightgreen=90ee90,lightgrey=d3d3d3,"
    "lightpink=ffb6c1,lightsalmon=ffa07a,lightseagreen=20b2aa,lightskyblue=87cefa,lightslategray=778899,"
    "lightsteelblue=b0c4de,lightyellow=ffffe0,lime=00ff00,limegreen=32cd32,linen=faf0e6,magenta=ff00ff,"
    "maroon=800000,mediumaquamarine=66cdaa,mediumblue=0000cd,mediumorchid=ba55d3,mediumpurple=9370db,"
    "mediumseagreen=3cb371,mediumslateblue=7b68ee,mediumspringgreen=00fa9a,mediumturquoise=48d1cc,"
    "mediumvioletred=c71585,midnightblue=191970,mintcream=f5fffa,mistyrose=ffe4e1,moccasin=ffe4b5,"
    "navajowhite=ffdead,navy=000080,oldlace=fdf5e6,olive=808000,olivedrab=6b8e23,orange=ffa500,"
    "orangered=ff4500,orchid=da70d6,palegoldenrod=eee8aa,palegreen=98fb98,paleturquoise=afeeee,"
    "palevioletred=db7093,papayawhip=ffefd5,peachpuff=ffdab9,peru=cd853f,pink=ffc0cb,plum=dda0dd,"
    "powderblue=b0e0e6,purple=800080,red=ff0000,rosybrown=bc8f8f,royalblue=4169e1,saddlebrown=8b4513,"
    "salmon=fa8072,sandybrown=f4a460,seagreen=2e8b57,seashell=fff5ee,sienna=a0522d,silver=c0c0c0,"
    "skyblue=87ceeb,slateblue=6a5acd,slategray=708090,snow=fffafa,springgreen=00ff7f,steelblue=4682b4,"
    "tan=d2b48c,teal=008080,thistle=d8bfd8,tomato=ff6347,turquoise=40e0d0,violet=ee82ee,wheat=f5deb3,"
    "white=ffffff,whitesmoke=f5f5f5,yellow=ffff00,yellowgreen=9acd32";

// The palette orders worked out from that table: keys sorted as texts, the
// first name of a shared hex text at both of its positions.
constexpr const char* kHexOrder =
    "black,navy,darkblue,mediumblue,blue,darkgreen,green,teal,darkcyan,deepskyblue,darkturquoise,"
    "mediumspringgreen,lime,springgreen,aqua,aqua,midnightblue,dodgerblue,lightseagreen,forestgreen,"
    "seagreen,darkslategray,limegreen,mediumseagreen,turquoise,royalblue,steelblue,darkslateblue,"
    "mediumturquoise,indigo,darkolivegreen,cadetblue,cornflowerblue,mediumaquamarine,dimgray,slateblue,"
    "olivedrab,slategray,lightslategray,mediumslateblue,lawngreen,chartreuse,aquamarine,maroon,purple,"
    "olive,gray,skyblue,lightskyblue,blueviolet,darkred,darkmagenta,saddlebrown,darkseagreen,lightgreen,"
    "mediumpurple,darkviolet,palegreen,darkorchid,yellowgreen,sienna,brown,darkgray,lightblue,"
    "greenyellow,paleturquoise,lightsteelblue,powderblue,firebrick,darkgoldenrod,mediumorchid,rosybrown,"
    "darkkhaki,silver,mediumvioletred,indianred,peru,chocolate,tan,lightgrey,thistle,orchid,goldenrod,"
    "palevioletred,crimson,gainsboro,plum,burlywood,lightcyan,lavender,darksalmon,violet,palegoldenrod,"
    "lightcoral,khaki,aliceblue,honeydew,azure,sandybrown,wheat,beige,whitesmoke,mintcream,ghostwhite,"
    "salmon,antiquewhite,linen,lightgoldenrodyellow,oldlace,red,fuchsia,fuchsia,deeppink,orangered,"
    "tomato,hotpink,coral,darkorange,lightsalmon,orange,lightpink,pink,gold,peachpuff,navajowhite,"
    "moccasin,bisque,mistyrose,blanchedalmond,papayawhip,lavenderblush,seashell,cornsilk,lemonchiffon,"
    "floralwhite,snow,yellow,lightyellow,ivory,white";
constexpr const char* kDecimalOrder =
    "black,palegreen,lightslategray,mediumspringgreen,cadetblue,darkgray,lightseagreen,mediumaquamarine,"
    "palegoldenrod,navajowhite,wheat,hotpink,steelblue,moccasin,peachpuff,saddlebrown,silver,lightpink,"
    "maroon,bisque,pink,darkorchid,mediumturquoise,mediumblue,slateblue,blanchedalmond,lemonchiffon,"
    "turquoise,darkturquoise,lightgoldenrodyellow,darkviolet,mediumorchid,lightgrey,darkred,aquamarine,"
    "papayawhip,orchid,antiquewhite,thistle,mediumpurple,gainsboro,beige,cornsilk,plum,lightsteelblue,"
    "lightyellow,royalblue,mistyrose,blueviolet,lightblue,powderblue,linen,oldlace,skyblue,"
    "cornflowerblue,mediumslateblue,violet,paleturquoise,seashell,floralwhite,honeydew,ivory,"
    "lavenderblush,whitesmoke,lightskyblue,lavender,snow,mintcream,blue,fuchsia,fuchsia,dodgerblue,"
    "deepskyblue,aliceblue,ghostwhite,aqua,aqua,lightcyan,azure,white,orangered,chocolate,goldenrod,"
    "firebrick,forestgreen,olivedrab,red,darkgreen,brown,sienna,darkolivegreen,greenyellow,green,olive,"
    "limegreen,yellowgreen,darkorange,crimson,peru,orange,tomato,darkslategray,coral,gold,seagreen,"
    "indianred,sandybrown,lawngreen,lime,chartreuse,yellow,dimgray,darkkhaki,midnightblue,mediumseagreen,"
    "salmon,darkgoldenrod,darksalmon,lightsalmon,springgreen,navy,purple,teal,gray,lightcoral,indigo,"
    "mediumvioletred,burlywood,darkblue,darkmagenta,darkslateblue,darkcyan,tan,khaki,rosybrown,"
    "darkseagreen,slategray,lightgreen,deeppink,palevioletred";

std::vector<std::string> SplitAtCommas(const std::string& text)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t found = text.find(','); found != std::string::npos; found = text.find(',', start)) {
        parts.push_back(text.substr(start, found - start));
        start = found + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}

TEST(NetColorList, EveryRowHasItsNameHexAndValue)
{
    const std::vector<std::string> rows = SplitAtCommas(kWebColourTable);
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(kNetColorCount));
    const TNetColorList list;
    for (int i = 0; i < kNetColorCount; ++i) {
        const std::string& row = rows[static_cast<std::size_t>(i)];
        const std::string name = row.substr(0, row.find('='));
        const std::string hex = row.substr(row.find('=') + 1);
        // red in the low byte
        const auto value =
            static_cast<std::int32_t>(std::stoul(hex.substr(4, 2) + hex.substr(2, 2) + hex.substr(0, 2), nullptr, 16));
        EXPECT_EQ(list.Entry(i).name, name) << "row " << i;
        EXPECT_EQ(list.Entry(i).hex, hex) << name;
        EXPECT_EQ(list.Entry(i).number, i + 1) << name;
        EXPECT_EQ(list.Entry(i).colour, value) << name;
        EXPECT_EQ(list.Entry(i).rgb, value) << name;
    }
}

TEST(NetColorList, BothPaletteOrdersInFull)
{
    TNetColorList list;
    const std::vector<std::string> hexOrder = SplitAtCommas(kHexOrder);
    const std::vector<std::string> decimalOrder = SplitAtCommas(kDecimalOrder);
    ASSERT_EQ(hexOrder.size(), static_cast<std::size_t>(kNetColorCount));
    ASSERT_EQ(decimalOrder.size(), static_cast<std::size_t>(kNetColorCount));
    list.BuildSortedOrder(0);
    for (std::size_t p = 0; p < kNetColorCount; ++p) {
        EXPECT_EQ(list.sortedNames[p], hexOrder[p]) << "hex order position " << p;
        EXPECT_EQ(list.sortedIndex[p], list.IndexOfName(hexOrder[p])) << "hex order position " << p;
    }
    list.BuildSortedOrder(1);
    for (std::size_t p = 0; p < kNetColorCount; ++p) {
        EXPECT_EQ(list.sortedNames[p], decimalOrder[p]) << "decimal order position " << p;
        EXPECT_EQ(list.sortedIndex[p], list.IndexOfName(decimalOrder[p])) << "decimal order position " << p;
    }
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
