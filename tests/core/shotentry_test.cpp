#include "model/shotentry.h"

#include <string>

#include <gtest/gtest.h>

#include "model/eventlist.h"
#include "testsupport.h"

namespace sw {
namespace {

TEvent Shot(const std::string& name, const std::string& duration, const std::string& action = {})
{
    TEvent shot;
    shot.name = name;
    shot.cam.duration = duration;
    shot.action = action;
    return shot;
}

TEST(ShotEntryText, NumberNameAndWholeSeconds)
{
    // 0x97 is the em dash of Windows-1252.
    EXPECT_EQ(ShotEntryText(2, Shot("Escalier", "4")), "3. Escalier — 4 s");
    EXPECT_EQ(ShotEntryText(0, Shot("plan 1", "00")), "1. plan 1 — 0 s");
    EXPECT_EQ(ShotEntryText(9, Shot("Entrée", " 75 ")), "10. Entrée — 75 s");
    // A duration that is no whole number counts as nothing.
    EXPECT_EQ(ShotEntryText(0, Shot("a", "4.5")), "1. a — 0 s");
    EXPECT_EQ(ShotEntryText(0, Shot("a", "")), "1. a — 0 s");
    EXPECT_EQ(ShotEntryText(65534, Shot("", "100000")), "65535.  — 100000 s");
}

TEST(CopyName, NumbersTheCopiesOfAShotAndOfItsCopies)
{
    TEventList shots;
    shots.AddEvent().name = "Café";
    EXPECT_EQ(CopyName(shots, "Café"), "Café (copie)");
    shots.AddEvent().name = "Café (copie)";
    EXPECT_EQ(CopyName(shots, "Café"), "Café (copie 2)");
    EXPECT_EQ(CopyName(shots, "Café (copie)"), "Café (copie 2)");
    shots.AddEvent().name = "Café (copie 2)";
    EXPECT_EQ(CopyName(shots, "Café (copie 2)"), "Café (copie 3)");
    // Brackets that are not a copy's stay in the name.
    EXPECT_EQ(CopyName(shots, "Bar (nuit)"), "Bar (nuit) (copie)");
    EXPECT_EQ(CopyName(shots, "Bar (copie x)"), "Bar (copie x) (copie)");
}

TEST(ShotMatchesFilter, EveryTextOfTheShotWhateverTheCaseAndAccents)
{
    const TEvent shot = Shot("Éclair dans l'escalier", "4", "Marie ouvre la fenêtre");
    EXPECT_TRUE(ShotMatchesFilter(shot, "ecl"));
    EXPECT_TRUE(ShotMatchesFilter(shot, "ÉCLAIR"));
    EXPECT_TRUE(ShotMatchesFilter(shot, "ESCALIER"));
    EXPECT_TRUE(ShotMatchesFilter(shot, "fenetre"));
    EXPECT_TRUE(ShotMatchesFilter(shot, "FÊN"));
    EXPECT_TRUE(ShotMatchesFilter(shot, "  marie "));
    EXPECT_FALSE(ShotMatchesFilter(shot, "porte"));
    // The duration and the camera choices are not texts.
    EXPECT_FALSE(ShotMatchesFilter(shot, "4"));
    EXPECT_FALSE(ShotMatchesFilter(shot, "general"));
    // Sound, dialogue and effect are, without the tags of their formatting.
    TEvent texts = shot;
    texts.sound = "<b>Pluie</b> battante";
    texts.dialogue = "- Où vas-tu ?";
    texts.cam.effect = "<font color=red>fondu</font>";
    EXPECT_TRUE(ShotMatchesFilter(texts, "pluie battante"));
    EXPECT_TRUE(ShotMatchesFilter(texts, "OU VAS"));
    EXPECT_TRUE(ShotMatchesFilter(texts, "fondu"));
    EXPECT_FALSE(ShotMatchesFilter(texts, "font"));
    EXPECT_FALSE(ShotMatchesFilter(texts, "red"));
    // No filter holds every shot.
    EXPECT_TRUE(ShotMatchesFilter(shot, ""));
    EXPECT_TRUE(ShotMatchesFilter(shot, "   "));
}

TEST(EditorCumulatedTime, DoesNotWrapAt65536Seconds)
{
    TEventList list;
    list.AddEvent().cam.duration = "40000";
    list.AddEvent().cam.duration = "30000";
    list.AddEvent().cam.duration = "12";
    // The published text still wraps, as the golden pages have it.
    EXPECT_EQ(list.CumulText(1), CumulTextOf(static_cast<std::uint16_t>(70000)));
    EXPECT_EQ(list.CumulSecondsWith(1, "30000"), 70000);
    EXPECT_EQ(ElapsedTextOf(list.CumulSecondsWith(1, "30000")), "1166m. 40s.");
    // The shot's own duration is the one given, as typed in the editor.
    EXPECT_EQ(list.CumulSecondsWith(1, "5"), 40005);
    EXPECT_EQ(list.CumulSecondsWith(0, ""), 0);
    EXPECT_EQ(list.CumulSecondsWith(2, "12"), 70012);
    EXPECT_EQ(test::ErrorOf([&] { list.CumulSecondsWith(3, "1"); }), "List index out of bounds (3)");
}

TEST(EditorCumulatedTime, ElapsedTextReadsAsTheCumulText)
{
    for (const int seconds : {0, 45, 60, 61, 75, 120, 65535})
        EXPECT_EQ(ElapsedTextOf(seconds), CumulTextOf(static_cast<std::uint16_t>(seconds))) << seconds;
    EXPECT_EQ(ElapsedTextOf(65536), "1092m. 16s.");
}

} // namespace
} // namespace sw
