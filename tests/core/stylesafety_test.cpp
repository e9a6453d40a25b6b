#include "style/stylesafety.h"

#include <string>

#include <gtest/gtest.h>

#include "style/styleprefs.h"

namespace sw {
namespace {

TEST(StyleSafety, ColoursAndLengthsAreTheFormsAStyleSetUses)
{
    for (const char* colour : {"navy", "transparent", "#fc0", "#FFCC00", "White"})
        EXPECT_TRUE(IsCssColor(colour)) << colour;
    for (const char* other : {"", "#ffcc0", "#ggg", "red;", "rgb(1,2,3)", "url(x)", "red}</style>"})
        EXPECT_FALSE(IsCssColor(other)) << other;
    for (const char* lengths : {"", "0", "2%,7%", "5px 10px", "1.5em", "auto", "-2pt", "10% 0 5px 0"})
        EXPECT_TRUE(IsCssLengthList(lengths)) << lengths;
    for (const char* other : {"2%;x", "5px}", "expression(1)", "10 kg", "1.2.3px", "%"})
        EXPECT_FALSE(IsCssLengthList(other)) << other;
}

TEST(StyleSafety, TheApplicationsStyleTablePassesUnchanged)
{
    TStylePrefs table;
    table.ApplyAppStyleTable();
    TStylePrefs checked = table;
    EXPECT_TRUE(MakeStyleSafeForSite(checked).empty());
    EXPECT_EQ(checked.BuildStyleSheet(), table.BuildStyleSheet());
}

TEST(StyleSafety, AValueThatWouldLeaveItsDeclarationTakesTheTablesAndIsTold)
{
    TStylePrefs table;
    table.ApplyAppStyleTable();
    TStylePrefs style = table;
    style.BGColor = "red;}</style><script>alert(1)</script>";
    style.elements[2].background = "url(javascript:alert(1))";
    style.elements[3].fontFace = "Arial\"; } body { background:url(x) ";
    style.elements[4].fontSizeText = "12; behavior:url(x.htc)";
    style.elements[5].selector = "p{} @import url(evil.css); h1";
    style.elements[6].options = "color:red\r\nwidth:EXPRESSION(alert(1))\r\n@im\\port url(evil.css)\r\nborder:1px";
    style.links[0].colorName = "blue;}";
    const std::vector<std::string> said = MakeStyleSafeForSite(style);
    EXPECT_EQ(said.size(), 8u);
    EXPECT_EQ(said.front(), "Le style donne « red;}</style><script>alert(1)</script> » pour le fond des pages : « "
                                + table.BGColor + " » est publié à la place.");
    EXPECT_EQ(style.BGColor, table.BGColor);
    EXPECT_EQ(style.elements[3].fontFace, table.elements[3].fontFace);
    // The options keep their harmless lines.
    EXPECT_EQ(style.elements[6].options, "color:red\r\nborder:1px");
    const std::string sheet = style.BuildStyleSheet();
    for (const char* active : {"</style", "<script", "javascript:", "expression(", "EXPRESSION(", "@im", "behavior",
                               "evil"})
        EXPECT_EQ(sheet.find(active), std::string::npos) << active;
}

} // namespace
} // namespace sw
