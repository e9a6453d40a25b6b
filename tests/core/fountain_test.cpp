// The Fountain screenplay read into scenes and shots: the title page; the
// headings exactly as the syntax defines them, forced or numbered; plan notes
// that start shots and the text before them; a scene without plan notes as
// one shot; characters kept before their lines, with parentheticals and dual
// dialogue; the boneyard, notes, sections, page breaks, transitions and
// centred text; "<", ">" and "&" escaped and the emphasis as tags.

#include "screenplay/fountain.h"
#include "screenplay/scripttext.h"

#include <gtest/gtest.h>

#include "testsupport.h"

namespace sw {
namespace {

const std::filesystem::path kScreenplays = std::filesystem::path(SHOTWEAVE_TEST_DATA_DIR) / "screenplays";

Screenplay Parapluie()
{
    return ParseFountain(test::ReadAll(kScreenplays / "parapluie.fountain"));
}

std::vector<std::string> Headings(const Screenplay& screenplay)
{
    std::vector<std::string> headings;
    for (const ScriptScene& scene : screenplay.scenes)
        headings.push_back(scene.number + " " + scene.heading);
    return headings;
}

TEST(Fountain, TheTitlePageGivesTheTitleAndTheAuthor)
{
    const Screenplay screenplay = Parapluie();
    EXPECT_EQ(screenplay.title, "Le Parapluie");
    EXPECT_EQ(screenplay.author, "Anne Dupré");
    const Screenplay indented = ParseFountain("Title:\n    Deux\n    lignes\nAuthors: A et B\n\nINT. X - JOUR\n\nRien.\n");
    EXPECT_EQ(indented.title, "Deux lignes");
    EXPECT_EQ(indented.author, "A et B");
    EXPECT_EQ(ParseFountain("INT. X - JOUR\n\nRien.\n").title, "");
}

TEST(Fountain, HeadingsAreThoseOfTheSyntaxNumberedByTheirPlaceUnlessForced)
{
    EXPECT_EQ(Headings(Parapluie()),
              (std::vector<std::string>{"1 INT. CUISINE - JOUR", "12A EXT. ARRÊT DE BUS - JOUR", "3 FLASHBACK",
                                        "4 i/e voiture - nuit"}));
    // Not after a blank line, without "." or a space after the word, or
    // forced to action: no heading.
    const Screenplay none = ParseFountain("INT. D'ABORD\n\nElle dit :\nINT. SALON - NUIT\n\nINTERIEUR JOUR\n\nEXTRA.\n");
    EXPECT_EQ(Headings(none), (std::vector<std::string>{"1 INT. D'ABORD"}));
    for (const char* heading : {"EXT. RUE", "EST. VILLE", "INT./EXT. VOITURE", "INT/EXT VOITURE", "I/E VOITURE",
                                "int. cave", "Ext rue"})
        EXPECT_EQ(ParseFountain(std::string("\n") + heading + "\n\nTexte.\n").scenes.at(0).heading, heading)
            << heading;
    EXPECT_TRUE(ParseFountain("\n..pas un titre\n").scenes.at(0).heading.empty());
}

TEST(Fountain, PlanNotesStartShotsAndTheTextBeforeGoesToTheFirst)
{
    const Screenplay screenplay = Parapluie();
    const ScriptScene& kitchen = screenplay.scenes.at(0);
    ASSERT_EQ(kitchen.shots.size(), 2u);
    EXPECT_EQ(kitchen.shots[0].name, "Le réveil");
    EXPECT_EQ(kitchen.shots[0].action, "Claire boit son café. Le réveil sonne : <i>6 h 30</i>.\r\n\r\n"
                                       "Gros plan sur le réveil. <b>Il sonne</b> encore &amp; encore &lt;toujours&gt;.");
    EXPECT_EQ(kitchen.shots[0].dialogue, "CLAIRE : (bas) Pas aujourd'hui…");
    EXPECT_EQ(kitchen.shots[1].name, "La fenêtre");
    EXPECT_EQ(kitchen.shots[1].action, "La pluie contre la vitre.") << "the transition is no action";
    EXPECT_EQ(kitchen.synopsis, "") << "the synopsis before the heading opens no scene of its own";
}

TEST(Fountain, AScenesWithoutPlanNotesIsOneShotNamedAfterItsHeading)
{
    const Screenplay screenplay = Parapluie();
    const ScriptScene& stop = screenplay.scenes.at(1);
    EXPECT_EQ(stop.synopsis, "Elle attend.");
    ASSERT_EQ(stop.shots.size(), 1u);
    EXPECT_EQ(stop.shots[0].name, "EXT. ARRÊT DE BUS - JOUR");
    EXPECT_EQ(stop.shots[0].action, "Claire s'assoit sous l'abri.\r\n\r\nINT. ICI C'EST DE L'ACTION");
    EXPECT_EQ(stop.shots[0].dialogue, "LÉA (en même temps) : Tu viens ?\r\nMARC (en même temps) : Non.");
    const ScriptScene& flashback = screenplay.scenes.at(2);
    EXPECT_EQ(flashback.shots.at(0).action, "FIN") << "centred text; the boneyard and the page break give nothing";
    const ScriptScene& car = screenplay.scenes.at(3);
    EXPECT_EQ(car.shots.at(0).dialogue, "McCLANE : Yippee-ki-yay.\r\nΝΙΚΟΣ : Καλησπέρα.");
}

TEST(Fountain, TextBeforeAnyHeadingAndLineEndsOfEveryKind)
{
    const Screenplay screenplay = ParseFountain("Noir.\r\rINT. A - JOUR\r\n\r\nUn.\r\nDeux.\n");
    ASSERT_EQ(screenplay.scenes.size(), 2u);
    EXPECT_EQ(screenplay.scenes[0].heading, "");
    EXPECT_EQ(screenplay.scenes[0].shots.at(0).action, "Noir.");
    EXPECT_EQ(screenplay.scenes[1].number, "1");
    EXPECT_EQ(screenplay.scenes[1].shots.at(0).action, "Un.\r\nDeux.");
    EXPECT_TRUE(ParseFountain("").scenes.empty());
    EXPECT_EQ(ParseFountain("\\*pas\\* _souligné_").scenes.at(0).shots.at(0).action, "*pas* <u>souligné</u>");
}

// Spans far longer than any screenplay line, which a recursive matcher
// would take past the stack.
TEST(Fountain, LongTitlesPlanNamesAndEmphasisedSpansAreReadWhole)
{
    const std::string longText(200000, 'a');
    const Screenplay screenplay = ParseFountain("Title: " + longText + "\n\nINT. A - JOUR\n\n[[plan: " + longText +
                                                "]]\n\n*" + longText + "* _" + longText + "_\n");
    EXPECT_EQ(screenplay.title, longText);
    ASSERT_EQ(screenplay.scenes.size(), 1u);
    ASSERT_EQ(screenplay.scenes[0].shots.size(), 1u);
    EXPECT_EQ(screenplay.scenes[0].shots[0].name, longText);
    EXPECT_EQ(screenplay.scenes[0].shots[0].action, "<i>" + longText + "</i> <u>" + longText + "</u>");
}

TEST(Fountain, EmphasisPairsTheNearestMarksOfItsKindOnOneLine)
{
    const Screenplay screenplay = ParseFountain("INT. A - JOUR\n\n***a*** **b* _d*_e\n**f\ng**\n");
    EXPECT_EQ(screenplay.scenes[0].shots[0].action,
              "<b><i>a</i></b> *<i>b</i> <u>d*</u>e\r\n**f\r\ng**");
    // An underline whose marks stand on either side of an italic's end
    // would cross its tags: the marks stay as typed.
    const auto action = [](const char* text) { return ParseFountain(text).scenes.at(0).shots.at(0).action; };
    EXPECT_EQ(action("*c** _d*_"), "<i>c</i><i> _d</i>_");
    EXPECT_EQ(action("*a _b* c_"), "<i>a _b</i> c_");
    EXPECT_EQ(action("_*e*_ *_f_*"), "<u><i>e</i></u> <i><u>f</u></i>");
}

TEST(Fountain, AHeadingSplitsIntoItsParts)
{
    EXPECT_EQ(SplitSceneHeading("INT. CUISINE - JOUR"), (HeadingParts{"INT.", "CUISINE", "JOUR"}));
    EXPECT_EQ(SplitSceneHeading("INT./EXT. VOITURE - NUIT"), (HeadingParts{"INT./EXT.", "VOITURE", "NUIT"}));
    EXPECT_EQ(SplitSceneHeading("EXT. ARRÊT DE BUS - FIN - JOUR"), (HeadingParts{"EXT.", "ARRÊT DE BUS - FIN", "JOUR"}));
    EXPECT_EQ(SplitSceneHeading("FLASHBACK"), (HeadingParts{"", "FLASHBACK", ""}));
}

TEST(ScriptText, EachEncodingComesOutAsUtf8)
{
    EXPECT_EQ(ScriptTextAsUtf8("\xEF\xBB\xBFÉté"), "Été");
    EXPECT_EQ(ScriptTextAsUtf8("Été"), "Été");
    EXPECT_EQ(ScriptTextAsUtf8("\xC9t\xE9 \x85"), "Été …") << "Windows-1252";
    EXPECT_EQ(ScriptTextAsUtf8(std::string("\xFF\xFE\xC9\x00t\x00\x3D\xD8\x00\xDE", 10)), "Ét😀");
    EXPECT_EQ(ScriptTextAsUtf8(std::string("\xFE\xFF\x00\xC9\x00t", 6)), "Ét");
    EXPECT_EQ(ParseFountain(ScriptTextAsUtf8("\xFF\xFE" + std::string("I\0N\0T\0.\0 \0A\0", 12))).scenes.at(0).heading,
              "INT. A");
}

} // namespace
} // namespace sw
