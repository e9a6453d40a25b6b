#include "style/styleprefs.h"

#include <array>
#include <cstdint>
#include <type_traits>
#include <utility>

#include <gtest/gtest.h>

#include "model/error.h"

namespace sw {
namespace {

static_assert(std::is_copy_constructible_v<TStylePrefs> && std::is_copy_assignable_v<TStylePrefs>);
static_assert(std::is_nothrow_move_assignable_v<TStylePrefs>);

TStylePrefs StartUpSet()
{
    TStylePrefs prefs;
    prefs.ApplyAppStyleTable();
    return prefs;
}

constexpr const char* kStartUpElementRules =
    "/* Zeblin's style Prefs generated StyleSheet */\r\n\r\n"
    "Body {\r\n\tbackground:WHITE;\r\n\tmargin:2%,7%;\r\n\tcolor:black;\r\n\tfont-family:\"Arial\";\r\n"
    "\tfont-size:10pt;\r\n\ttext-align:justify;\r\n\t}\r\n\r\n"
    "H1 {\r\n\tcolor:navy;\r\n\tfont-family:\"Arial\";\r\n\tfont-size:22pt;\r\n\ttext-align:center;\r\n\t}\r\n\r\n"
    "H2 {\r\n\tcolor:navy;\r\n\tfont-family:\"Arial\";\r\n\tfont-size:18pt;\r\n\ttext-align:center;\r\n\t}\r\n\r\n"
    "H3 {\r\n\tcolor:navy;\r\n\tfont-family:\"Arial\";\r\n\tfont-size:16pt;\r\n\ttext-align:center;\r\n\t}\r\n\r\n"
    "H4 {\r\n\tcolor:green;\r\n\tfont-family:\"Arial\";\r\n\tfont-size:13pt;\r\n\t}\r\n\r\n"
    "H5 {\r\n\tcolor:maroon;\r\n\tfont-family:\"Arial\";\r\n\tfont-size:11pt;\r\n\ttext-align:center;\r\n\t}\r\n\r\n"
    "H6 {\r\n\tcolor:teal;\r\n\tfont-family:\"Arial\";\r\n\tfont-size:9pt;\r\n\ttext-align:center;\r\n\t}\r\n\r\n"
    "Blockquote {\r\n\tcolor:black;\r\n\tfont-family:\"Arial\";\r\n\tfont-size:10pt;\r\n"
    "\ttext-align:justify;\r\n\t}\r\n\r\n"
    "TD {\r\n\tcolor:black;\r\n\tfont-family:\"Arial\";\r\n\tfont-size:10pt;\r\n\ttext-align:justify;\r\n\t}\r\n\r\n"
    "TH {\r\n\tbackground:black;\r\n\tcolor:yellow;\r\n\tfont-family:\"Arial\";\r\n\tfont-size:10pt;\r\n"
    "\ttext-align:center;\r\n\t}\r\n\r\n"
    ".cell {\r\n\tcolor:black;\r\n\tfont-family:\"Arial\";\r\n\tfont-size:10pt;\r\n\t}\r\n\r\n"
    ".rev {\r\n\tcolor:black;\r\n\tfont-family:\"Arial\";\r\n\tfont-size:9pt;\r\n\ttext-align:center;\r\n\t}\r\n\r\n"
    ".note {\r\n\tcolor:black;\r\n\tfont-family:\"Arial\";\r\n\tfont-size:8pt;\r\n\ttext-align:justify;\r\n\t}\r\n\r\n"
    ".num {\r\n\tcolor:red;\r\n\tfont-family:\"Arial\";\r\n\tfont-size:10pt;\r\n\t}\r\n\r\n";

constexpr const char* kStartUpLinkRules =
    "a:link {\r\n\tcolor:yellow;\r\n\ttext-decoration:none;\r\n\t}\r\n\r\n"
    "a:active {\r\n\tcolor:red;\r\n\ttext-decoration:none;\r\n\t}\r\n\r\n"
    "a:visited {\r\n\tcolor:yellow;\r\n\ttext-decoration:none;\r\n\t}\r\n\r\n";

constexpr const char* kFixedAndHrRules =
    ".center { text-align:center }\r\n"
    ".right  { text-align:right }\r\n"
    ".left  { text-align:left }\r\n"
    ".justify  { text-align:justify }\r\n\r\n"
    ".indent0 { text-align:justify; \r\n           padding-top:10px; \r\n\t}\r\n"
    ".indent1 { text-align:justify; \r\n           margin-left:5%;\r\n           padding-top:10px; \r\n\t}\r\n"
    ".indent2 { text-align:justify; \r\n           margin-left:7%;\r\n           padding-top:10px; \r\n\t}\r\n"
    ".indent3 { text-align:justify; \r\n           margin-left:10%;\r\n           padding-top:10px; \r\n\t}\r\n\r\n"
    ".topLeft {\r\n           float:left;\r\n           width:45%;\r\n\t}\r\n\r\n"
    ".topRight {\r\n           padding-left:15%;\r\n           float:right;\r\n           text-align:right\r\n"
    "\t}\r\n\r\n"
    ".topMenu {\r\n           padding-left:20%;\r\n           float:left;\r\n\t}\r\n\r\n\r\n"
    "HR {text-align:center}\r\n\r\n";

// Text of the rule for a selector, up to and including its closing line.
std::string RuleOf(const std::string& css, const std::string& selector)
{
    const std::size_t start = css.find("\r\n" + selector + " {\r\n");
    if (start == std::string::npos)
        return {};
    const std::size_t end = css.find("}\r\n\r\n", start);
    return css.substr(start + 2, end + 5 - start - 2);
}

// --- building the set ---------------------------------------------------------

TEST(StylePrefs, ConstructionBuildsTheUnitTable)
{
    const TStylePrefs prefs;
    EXPECT_EQ(prefs.elements[1].ToText(), "H1;white;Arial;20;2;black;0;1;;;;");
    EXPECT_EQ(prefs.elements[7].selector, "TH");
    EXPECT_EQ(prefs.elements[10].colorName, "silver");
    EXPECT_EQ(prefs.elements[12].selector, "");
    EXPECT_EQ(prefs.elements[12].fontSizeText, "11");
    EXPECT_EQ(prefs.links[0].colorName, "blue");
    EXPECT_EQ(prefs.links[1].colorName, "red");
    EXPECT_EQ(prefs.links[2].colorName, "purple");
    EXPECT_EQ(prefs.links[2].state, "visited");
    EXPECT_EQ(prefs.descriptions[2], "");
}

TEST(StyleTables, BasicColoursByIndex)
{
    const std::array<std::pair<const char*, std::int32_t>, 18> expected = {{
        {"white", 16777215}, {"lightgrey", 12632256}, {"silver", 12632256}, {"darkgray", 8421504},
        {"gray", 8421504}, {"black", 0}, {"navy", 8388608}, {"blue", 16711680}, {"aqua", 16776960},
        {"fuchsia", 16711935}, {"purple", 8388736}, {"red", 255}, {"maroon", 128}, {"yellow", 65535},
        {"lime", 65280}, {"green", 32768}, {"olive", 32896}, {"teal", 8421376},
    }};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_STREQ(BasicColors[i].name, expected[i].first) << "colour " << i;
        EXPECT_EQ(BasicColors[i].value, expected[i].second) << "colour " << i;
    }
    EXPECT_STREQ(AlignNames[0], "left");
    EXPECT_STREQ(AlignNames[1], "right");
    EXPECT_STREQ(AlignNames[2], "center");
    EXPECT_STREQ(AlignNames[3], "justify");
}

TEST(StyleTables, EveryElementOfTheConstructedSet)
{
    const std::array<const char*, kStyleElementCount> expected = {
        "Body;WHITE;Arial;10;3;black;0;1;2%,7%;;;",
        "H1;white;Arial;20;2;black;0;1;;;;",
        "H2;white;Arial;18;2;navy;8388608;1;;;;",
        "H3;white;Arial;16;2;navy;8388608;1;;;;",
        "H4;white;Arial;15;0;navy;8388608;1;;;;",
        "H5;white;Arial;14;0;green;32768;1;;;;",
        "H6;white;Arial;12;2;olive;32896;1;;;;",
        "TH;white;Arial;8;3;red;255;1;;;;",
        "TD;white;Arial;11;3;black;0;1;;;;",
        "BLOCKQUOTE;white;Arial;10;3;black;0;1;;;;",
        ".note;white;Arial;10;0;silver;12632256;1;;;;",
        ".citation;white;Arial;12;0;red;255;1;;;;",
        ";white;Arial;11;0;black;0;1;;;;",
        ";white;Arial;10;0;black;0;1;;;;",
        ";white;Arial;10;0;black;0;1;;;;",
        ";white;Arial;10;0;black;0;1;;;;",
    };
    const TStylePrefs prefs;
    for (std::size_t i = 0; i < kStyleElementCount; ++i)
        EXPECT_EQ(prefs.elements[i].ToText(), expected[i]) << "element " << i;

    // the unit descriptions fill empty descriptions in the style dialog
    const std::array<const char*, kStyleElementCount> descriptions = {
        "Texte courant", "Titre principal", "Sous-titre principal", "Titre de section niveau 1",
        "Titre de section niveau 2", "Titre de section niveau 3", "En-tête et pied de page",
        "Têtes de cellule de tableau", "Cellules de tableau", "Citation retrait", "Style modifiable",
        "Style modifiable", "", "", "", "",
    };
    for (std::size_t i = 0; i < kStyleElementCount; ++i)
        EXPECT_STREQ(UnitDefaults[i].description, descriptions[i]) << "row " << i;
    EXPECT_EQ(prefs.LinksToText(), "blue;16711680;0;red;255;0;purple;8388736;0;");
}

TEST(StyleTables, EveryElementOfTheStartUpSet)
{
    struct Row {
        const char* text;
        const char* shortName;
        const char* description;
    };
    const std::array<Row, kStyleElementCount> expected = {{
        {"Body;WHITE;Arial;10;3;black;0;1;2%,7%;;;", "Normal",
         "Texte courant, utilisé partout, couleur générale"},
        {"H1;white;Arial;22;2;navy;8388608;1;;;;", "Titre 1", "Titre principal"},
        {"H2;white;Arial;18;2;navy;8388608;1;;;;", "Sous-titre 1", ""},
        {"H3;white;Arial;16;2;navy;8388608;1;;;;", "Sous-titre 2",
         "Sous-titre secondaire, identificateur de sections 1"},
        {"H4;white;Arial;13;0;green;32768;1;;;;", "Sous-titre 3",
         "Sous-titre secondaire, identificateur de sections 2"},
        {"H5;white;Arial;11;2;maroon;128;1;;;;", "Sous-titre 4",
         "Sous-titre secondaire, identificateur de sections 3"},
        {"H6;white;Arial;9;2;teal;8421376;1;;;;", "En-tête", "En-tête et pied de page"},
        {"Blockquote;white;Arial;10;3;black;0;1;;;;", "Retrait", "Section"},
        {"TD;white;Arial;10;3;black;0;1;;;;", "Tableau", "Texte2, cellules de tableau"},
        {"TH;black;Arial;10;2;yellow;65535;0;;;;", "Tête cell. ", "En-têtes de cellules du tableau"},
        {".cell;white;Arial;10;0;black;0;1;;;;", "Cellule", "Texte3, cellules de tableau"},
        {".rev;white;Arial;9;2;black;0;1;;;;", "rev", "Revision, messages de mise à jour"},
        {".note;white;Arial;8;3;black;0;1;;;;", "note", ""},
        {".num;white;Arial;10;0;red;255;1;;;;", "numeros", "Numéros, identification des plans"},
        {";white;Arial;10;0;black;0;1;;;;", "", ""},
        {";white;Arial;10;0;black;0;1;;;;", "", ""},
    }};
    const TStylePrefs prefs = StartUpSet();
    for (std::size_t i = 0; i < kStyleElementCount; ++i) {
        EXPECT_EQ(prefs.elements[i].ToText(), expected[i].text) << "element " << i;
        EXPECT_EQ(prefs.shortNames[i], expected[i].shortName) << "element " << i;
        EXPECT_EQ(prefs.descriptions[i], expected[i].description) << "element " << i;
    }
}

TEST(StylePrefs, StartUpAppliesTheApplicationTable)
{
    const TStylePrefs prefs = StartUpSet();
    EXPECT_EQ(prefs.PMargin, "2%,7%");
    EXPECT_EQ(prefs.elements[0].ToText(), "Body;WHITE;Arial;10;3;black;0;1;2%,7%;;;");
    EXPECT_EQ(prefs.elements[1].ToText(), "H1;white;Arial;22;2;navy;8388608;1;;;;");
    EXPECT_EQ(prefs.elements[0].backgroundValue, 0xFFFFFF);
    EXPECT_EQ(prefs.elements[9].ToText(), "TH;black;Arial;10;2;yellow;65535;0;;;;");
    EXPECT_FALSE(prefs.elements[9].transparent);
    EXPECT_EQ(prefs.elements[9].backgroundValue, 0);
    EXPECT_EQ(prefs.shortNames[9], "Tête cell. ");
    EXPECT_EQ(prefs.descriptions[2], "");
    EXPECT_EQ(prefs.elements[14].selector, "");
    EXPECT_EQ(prefs.elements[15].fontSize, 10);
    EXPECT_EQ(prefs.LinksToText(), "yellow;65535;0;red;255;0;yellow;65535;0;");
}

TEST(StylePrefs, ResetRebuildsFromTheApplicationTable)
{
    TStylePrefs prefs = StartUpSet();
    prefs.PMargin = "1%";
    prefs.BGColor = "teal";
    prefs.elements[1].fontSizeText = "40";
    prefs.links[0].underline = true;
    prefs.SetDefaults();
    const TStylePrefs fresh = StartUpSet();
    EXPECT_EQ(prefs.PMargin, "2%,7%");
    EXPECT_EQ(prefs.BGColor, "WHITE");
    for (std::size_t i = 0; i < kStyleElementCount; ++i)
        EXPECT_EQ(prefs.elements[i].ToText(), fresh.elements[i].ToText());
    EXPECT_EQ(prefs.LinksToText(), "yellow;65535;0;red;255;0;yellow;65535;0;");
}

TEST(StylePrefs, CopiesAreIndependent)
{
    const TStylePrefs original = StartUpSet();
    TStylePrefs copy = original;
    copy.elements[2].fontFace = "Verdana";
    copy.links[1].colorName = "lime";
    EXPECT_EQ(original.elements[2].fontFace, "Arial");
    EXPECT_EQ(original.links[1].colorName, "red");
    TStylePrefs assigned;
    assigned = copy;
    EXPECT_EQ(assigned.elements[2].fontFace, "Verdana");
    EXPECT_EQ(assigned.BuildStyleSheet(), copy.BuildStyleSheet());
}

// --- element text form --------------------------------------------------------

TEST(StyleSpecsText, ReadsEveryFieldBack)
{
    TStyleSpecs element;
    element.FromText("P.x;lightgrey;Courier New;14;1;#102030;-5; 0 ;1em 2em;3px;a:1#b:2;", 0x123456);
    EXPECT_EQ(element.selector, "P.x");
    EXPECT_EQ(element.background, "lightgrey");
    EXPECT_EQ(element.fontFace, "Courier New");
    EXPECT_EQ(element.fontSizeText, "14");
    EXPECT_EQ(element.fontSize, 14);
    EXPECT_EQ(element.alignIndex, 1);
    EXPECT_EQ(element.colorName, "#102030");
    EXPECT_EQ(element.colorValue, -5);
    EXPECT_FALSE(element.transparent);
    EXPECT_EQ(element.margin, "1em 2em");
    EXPECT_EQ(element.padding, "3px");
    EXPECT_EQ(element.options, "a:1;\r\nb:2");
    // web value of lightgrey, not the basic colour 0xC0C0C0
    EXPECT_EQ(element.backgroundValue, 0xD3D3D3);
}

TEST(StyleSpecsText, BackgroundValueComesFromThePageOrTheWebName)
{
    TStyleSpecs element;
    element.FromText("H1;lightgrey;Arial;10;0;black;0;1;;;;", 0x123456);
    EXPECT_EQ(element.backgroundValue, 0x123456);
    element.FromText("H1;#ff0000;Arial;10;0;black;0;0;;;;", 0x123456);
    EXPECT_EQ(element.backgroundValue, 0xFFFFFF);
    element.FromText("H1; teal ;Arial;10;0;black;0;0;;;;", 0x123456);
    EXPECT_EQ(element.backgroundValue, 0x808000);
    EXPECT_EQ(element.background, " teal ");
}

TEST(StyleSpecsText, FlagFieldIsFalseOnlyForZero)
{
    TStyleSpecs element;
    element.FromText("H1;white;Arial;10;0;black;0; 0 ;;;;", 0);
    EXPECT_FALSE(element.transparent);
    element.FromText("H1;white;Arial;10;0;black;0;;;;;", 0);
    EXPECT_TRUE(element.transparent);
    element.FromText("H1;white;Arial;10;0;black;0;00;;;;", 0);
    EXPECT_TRUE(element.transparent);
}

TEST(StyleSpecsText, EmptyTextLeavesTheElement)
{
    const TStylePrefs prefs = StartUpSet();
    TStyleSpecs element = prefs.elements[3];
    element.FromText("", 0);
    EXPECT_EQ(element.ToText(), prefs.elements[3].ToText());
    EXPECT_EQ(element.backgroundValue, prefs.elements[3].backgroundValue);
}

TEST(StyleSpecsText, BadNumberKeepsTheFieldsBeforeIt)
{
    TStyleSpecs element(2, "H2", "Arial");
    try {
        element.FromText("H9;navy;Times;12;1;red;x;0;;;;", 0);
        FAIL() << "a bad colour value was accepted";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "'x' is not a valid integer value");
    }
    EXPECT_EQ(element.selector, "H9");
    EXPECT_EQ(element.fontFace, "Times");
    EXPECT_EQ(element.alignIndex, 1);
    EXPECT_EQ(element.colorName, "red");
    EXPECT_TRUE(element.transparent);   // not reached
    EXPECT_EQ(element.fontSize, 18);    // not reached: still the row's size

    // too few fields: the alignment field is empty
    EXPECT_THROW(element.FromText("H1;white;", 0), Error);
    EXPECT_EQ(element.fontFace, "");
    // a size that is no number fails last, after everything else
    EXPECT_THROW(element.FromText("H1;white;Arial;big;0;black;0;1;;;;", 0), Error);
    EXPECT_EQ(element.fontSizeText, "big");
    EXPECT_EQ(element.fontSize, 18);
}

TEST(StyleSpecsText, SemicolonInAFieldShiftsTheRest)
{
    TStyleSpecs element;
    element.margin = "1px;2px";
    element.FromText(element.ToText(), 0);
    EXPECT_EQ(element.margin, "1px");
    EXPECT_EQ(element.padding, "2px");
}

TEST(StyleSpecsText, AlignmentOutsideItsRangeReadsAsLeft)
{
    TStyleSpecs element;
    element.FromText("H1;white;Arial;10;7;black;0;1;;;;", 0);
    EXPECT_EQ(element.alignIndex, 0);
    element.FromText("H1;white;Arial;10;-1;black;0;1;;;;", 0);
    EXPECT_EQ(element.alignIndex, 0);
}

// --- options in the text form -------------------------------------------------

TStyleSpecs WithOptions(const std::string& options)
{
    TStyleSpecs element(0, "P", "Arial");
    element.options = options;
    return element;
}

std::string OptionsAfterRoundTrip(const std::string& options)
{
    TStyleSpecs element = WithOptions(options);
    element.FromText(element.ToText(), 0);
    return element.options;
}

TEST(StyleOptions, EncodingJoinsDeclarationsWithHash)
{
    EXPECT_EQ(EncodeOptions("border:0;\r\nfont-weight:bold;"), "border:0#font-weight:bold;");
    EXPECT_EQ(EncodeOptions("a;\r\n"), "a#");
    EXPECT_EQ(EncodeOptions("a\r\nb"), "a;b");
    EXPECT_EQ(EncodeOptions(";;;"), "#;");
    EXPECT_EQ(DecodeOptions("a#b"), "a;\r\nb");
    EXPECT_EQ(WithOptions("border:0;\r\nfont-weight:bold;").ToText(), "P;transparent;Arial;10;3;black;0;1;;;"
                                                                      "border:0#font-weight:bold;;");
}

TEST(StyleOptions, TwoLinesLoseTheLastSemicolonOnceThenStayStable)
{
    const std::string once = OptionsAfterRoundTrip("border:0;\r\nfont-weight:bold;");
    EXPECT_EQ(once, "border:0;\r\nfont-weight:bold");
    EXPECT_EQ(OptionsAfterRoundTrip(once), once);
}

TEST(StyleOptions, TrailingLineBreakComesBackUnchanged)
{
    EXPECT_EQ(OptionsAfterRoundTrip("border:0;\r\nfont-weight:bold;\r\n"), "border:0;\r\nfont-weight:bold;\r\n");
}

TEST(StyleOptions, LineWithoutSemicolonEndsTheField)
{
    EXPECT_EQ(OptionsAfterRoundTrip("border:0\r\nfont-weight:bold;"), "border:0");
    EXPECT_EQ(OptionsAfterRoundTrip("content:'#';"), "content:';\r\n'");
}

// --- link states ------------------------------------------------------------

TEST(LinkText, ReadsTrimmedFieldsAndKeepsTheStateWords)
{
    TStylePrefs prefs = StartUpSet();
    prefs.LinksFromText(" lime ; 65280 ;1;\tnavy;8388608; 0 ;#ff00ff;16711935;;");
    EXPECT_EQ(prefs.links[0].state, "link");
    EXPECT_EQ(prefs.links[0].colorName, "lime");
    EXPECT_EQ(prefs.links[0].colorValue, 65280);
    EXPECT_TRUE(prefs.links[0].underline);
    EXPECT_EQ(prefs.links[1].colorName, "navy");
    EXPECT_FALSE(prefs.links[1].underline);
    EXPECT_EQ(prefs.links[2].colorName, "#ff00ff");
    EXPECT_TRUE(prefs.links[2].underline);
    EXPECT_EQ(prefs.LinksToText(), "lime;65280;1;navy;8388608;0;#ff00ff;16711935;1;");
}

TEST(LinkText, BadValueKeepsTheStatesBeforeIt)
{
    TStylePrefs prefs = StartUpSet();
    EXPECT_THROW(prefs.LinksFromText("lime;65280;1;navy;blue;0;"), Error);
    EXPECT_EQ(prefs.links[0].colorName, "lime");
    EXPECT_EQ(prefs.links[1].colorName, "navy");
    EXPECT_EQ(prefs.links[1].colorValue, 255);
    EXPECT_EQ(prefs.links[2].colorName, "yellow");
}

// --- copying an element -------------------------------------------------------

TEST(StylePrefs, CopyElementTakesEveryFieldThroughTheTextForm)
{
    TStylePrefs prefs = StartUpSet();
    prefs.elements[0].options = "border:0;\r\nfont-weight:bold;";
    prefs.BGSysCol = 0x00F0F0F0;
    prefs.CopyElement(0, 1);
    const TStyleSpecs& h1 = prefs.elements[1];
    EXPECT_EQ(h1.selector, "Body");
    EXPECT_EQ(h1.fontSizeText, "10");
    EXPECT_EQ(h1.fontSize, 10);
    EXPECT_EQ(h1.alignIndex, 3);
    EXPECT_EQ(h1.colorName, "black");
    EXPECT_EQ(h1.margin, "2%,7%");
    EXPECT_EQ(h1.background, "WHITE");
    EXPECT_EQ(h1.backgroundValue, 0x00F0F0F0);  // transparent: the page background
    EXPECT_EQ(h1.options, "border:0;\r\nfont-weight:bold");

    prefs.CopyElement(9, 2);  // not transparent: the web value of its name
    EXPECT_EQ(prefs.elements[2].backgroundValue, 0);
    EXPECT_FALSE(prefs.elements[2].transparent);
}

// --- the stylesheet -----------------------------------------------------------

TEST(StyleSheet, StartUpSetGivesTheFullSheet)
{
    const std::string expected =
        std::string(kStartUpElementRules) + kStartUpLinkRules + "DIR {\r\n\ttext-align:justify;\r\n\t}\r\n\r\n" +
        kFixedAndHrRules;
    EXPECT_EQ(StartUpSet().BuildStyleSheet(), expected);
}

TEST(StyleSheet, IdleElementsWriteNothing)
{
    TStylePrefs prefs = StartUpSet();
    for (TStyleSpecs& element : prefs.elements)
        element.selector.clear();
    prefs.elements[0].alignIndex = 0;
    EXPECT_EQ(prefs.BuildStyleSheet(), std::string("/* Zeblin's style Prefs generated StyleSheet */\r\n\r\n") +
                                           kStartUpLinkRules + "DIR {\r\n\t}\r\n\r\n" + kFixedAndHrRules);
}

TEST(StyleSheet, MarginIsWrittenOnlyWhenItDiffersFromThePageMargin)
{
    TStylePrefs prefs = StartUpSet();
    prefs.elements[1].margin = "2%,7%";
    prefs.elements[2].margin = "2%,7% ";
    prefs.elements[3].padding = "4px";
    const std::string css = prefs.BuildStyleSheet();
    EXPECT_EQ(RuleOf(css, "H1"),
              "H1 {\r\n\tcolor:navy;\r\n\tfont-family:\"Arial\";\r\n\tfont-size:22pt;\r\n\ttext-align:center;\r\n"
              "\t}\r\n\r\n");
    EXPECT_TRUE(RuleOf(css, "H2").starts_with("H2 {\r\n\tmargin:2%,7% ;\r\n\tcolor:")) << RuleOf(css, "H2");
    EXPECT_TRUE(RuleOf(css, "H3").starts_with("H3 {\r\n\tpadding:4px;\r\n\tcolor:")) << RuleOf(css, "H3");
}

TEST(StyleSheet, AlignmentAndLinkDecoration)
{
    TStylePrefs prefs = StartUpSet();
    prefs.elements[4].alignIndex = 1;
    prefs.elements[1].alignIndex = 0;
    prefs.links[1].underline = true;
    const std::string css = prefs.BuildStyleSheet();
    EXPECT_NE(RuleOf(css, "H4").find("\ttext-align:right;\r\n"), std::string::npos);
    EXPECT_EQ(RuleOf(css, "H1").find("text-align"), std::string::npos);
    EXPECT_EQ(RuleOf(css, "a:active"), "a:active {\r\n\tcolor:red;\r\n\ttext-decoration:underline;\r\n\t}\r\n\r\n");
}

TEST(StyleSheet, OptionsAreIndentedAndTheBraceFollowsThem)
{
    TStylePrefs prefs = StartUpSet();
    prefs.elements[4].options = "border:0;\r\nfont-weight:bold;";
    prefs.elements[11].options = "border:0;\r\n";
    const std::string css = prefs.BuildStyleSheet();
    EXPECT_EQ(RuleOf(css, "H4"), "H4 {\r\n\tcolor:green;\r\n\tfont-family:\"Arial\";\r\n\tfont-size:13pt;\r\n"
                                 "\tborder:0;\r\n\tfont-weight:bold;}\r\n\r\n");
    EXPECT_EQ(RuleOf(css, ".rev"), ".rev {\r\n\tcolor:black;\r\n\tfont-family:\"Arial\";\r\n\tfont-size:9pt;\r\n"
                                   "\ttext-align:center;\r\n\tborder:0;\r\n\t}\r\n\r\n");
}

TEST(StyleSheet, BodyAlwaysCarriesPageBackgroundAndMargin)
{
    TStylePrefs prefs = StartUpSet();
    prefs.elements[0].transparent = true;
    prefs.elements[0].background = "red";
    prefs.elements[0].margin = "9px";
    prefs.elements[0].padding = "9px";
    prefs.BGColor = "#eeeeee";
    prefs.PMargin = "3%";
    const std::string body = RuleOf(prefs.BuildStyleSheet(), "Body");
    EXPECT_TRUE(body.starts_with("Body {\r\n\tbackground:#eeeeee;\r\n\tmargin:3%;\r\n\tcolor:")) << body;
}

} // namespace
} // namespace sw
