#include "model/textconv.h"

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "model/camerawords.h"
#include "model/cam.h"
#include "model/error.h"
#include "model/event.h"
#include "model/eventlist.h"
#include "model/geninfo.h"
#include "model/srprt.h"
#include "model/textform.h"
#include "model/valuereader.h"
#include "model/valuewriter.h"
#include "testsupport.h"

namespace sw {
namespace {

using test::ErrorOf;

TEST(TextConversion, StrToIntTakesSignedDecimalsOnly)
{
    EXPECT_EQ(StrToInt("0"), 0);
    EXPECT_EQ(StrToInt("42"), 42);
    EXPECT_EQ(StrToInt("+7"), 7);
    EXPECT_EQ(StrToInt("-15"), -15);
    EXPECT_EQ(StrToInt("007"), 7);
    EXPECT_EQ(StrToInt("2147483647"), 2147483647);
    EXPECT_EQ(StrToInt("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(ErrorOf([] { StrToInt(""); }), "'' is not a valid integer value");
    EXPECT_EQ(ErrorOf([] { StrToInt("-"); }), "'-' is not a valid integer value");
    EXPECT_EQ(ErrorOf([] { StrToInt("x"); }), "'x' is not a valid integer value");
    EXPECT_EQ(ErrorOf([] { StrToInt("1 "); }), "'1 ' is not a valid integer value");
    EXPECT_EQ(ErrorOf([] { StrToInt("2147483648"); }), "'2147483648' is not a valid integer value");
    EXPECT_EQ(ErrorOf([] { StrToInt("99999999999999999999"); }), "'99999999999999999999' is not a valid integer value");
    // The message is UTF-8 whatever the model's code page.
    EXPECT_EQ(ErrorOf([] { StrToInt("é"); }), "'\xC3\xA9' is not a valid integer value");
}

TEST(TextConversion, StrToBoolTakesNumbersAndTheTwoWords)
{
    EXPECT_TRUE(StrToBool("-1"));
    EXPECT_TRUE(StrToBool("1"));
    EXPECT_TRUE(StrToBool("25"));
    EXPECT_TRUE(StrToBool("0.5"));
    EXPECT_FALSE(StrToBool("0"));
    EXPECT_FALSE(StrToBool("-0"));
    EXPECT_TRUE(StrToBool("true"));
    EXPECT_TRUE(StrToBool("TRUE"));
    EXPECT_FALSE(StrToBool("False"));
    EXPECT_FALSE(StrToBool("fALSE"));
    EXPECT_EQ(ErrorOf([] { StrToBool(""); }), "'' is not a valid boolean value");
    EXPECT_EQ(ErrorOf([] { StrToBool("yes"); }), "'yes' is not a valid boolean value");
}

TEST(TextConversion, TrimRemovesControlsAndBlanksAtBothEndsOnly)
{
    EXPECT_EQ(Trim(" \t\r\n 12 3\x01 \x1F"), "12 3");
    EXPECT_EQ(Trim(std::string("\0a\0", 3)), "a");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Trim(" x "), " x "); // a no-break space is not a control
    EXPECT_EQ(IntToStr(-65536), "-65536");
}

const std::string kSep = "||||";

std::vector<std::string> Names(const TEventList& list)
{
    std::vector<std::string> names;
    for (std::size_t i = 0; i < list.Count(); ++i)
        names.push_back(list.EventName(i));
    return names;
}

TEST(TextForms, NextFieldCutsAtTheFirstSeparatorOrGivesNothing)
{
    std::string_view rest = "a||||b|||||c";
    EXPECT_EQ(NextField(rest), "a");
    EXPECT_EQ(rest, "b|||||c");
    EXPECT_EQ(NextField(rest), "b");
    EXPECT_EQ(rest, "|c");
    EXPECT_EQ(NextField(rest), "");
    EXPECT_EQ(rest, "|c"); // no separator left: unchanged
}

TEST(TextForms, EmptyObjectsGiveOnlySeparators)
{
    EXPECT_EQ(TGenInfo().ToText(), std::string(20, '|'));
    EXPECT_EQ(TsRprt().ToText(), "0" + kSep + kSep + kSep + kSep);
    TEventList list;
    list.AddEvent();
    EXPECT_EQ(list.Event(0).ToText(), "plan 1" + kSep + kSep + kSep + kSep + "00" + kSep + "00000" + kSep + kSep + kSep + kSep);
    EXPECT_EQ(list.Event(0).ToText().size(), 49u);
}

TEST(TextForms, EveryFieldComesBackFromItsForm)
{
    TGenInfo info;
    info.title = "Le titre";
    info.creator = "A\r\nB";
    info.comment = "n|o|t|e";
    info.idea = "idée";
    info.synopsis = "|s";
    EXPECT_EQ(info.ToText(), "Le titre||||A\r\nB||||n|o|t|e||||idée|||||s||||");
    TGenInfo back;
    back.FromText(info.ToText());
    EXPECT_EQ(back.ToText(), info.ToText());
    EXPECT_EQ(back.synopsis, "|s");

    TsRprt report;
    report.isExternal = true;
    report.fileName = "rapport.htm";
    report.caption = "Bilan";
    report.text = "ligne 1\r\nligne 2";
    EXPECT_EQ(report.ToText(), "-1||||rapport.htm||||Bilan||||ligne 1\r\nligne 2||||");
    TsRprt reportBack;
    reportBack.FromText(report.ToText());
    EXPECT_TRUE(reportBack.isExternal);
    EXPECT_EQ(reportBack.ToText(), report.ToText());

    TEvent shot;
    shot.name = "Ouverture";
    shot.action = "On voit";
    shot.sound = "Pluie";
    shot.dialogue = "« Bonjour »";
    shot.cam.duration = " 12 ";
    shot.cam.framing = 7;
    shot.cam.angle = 5;
    shot.cam.pan = 3;
    shot.cam.travel = 5;
    shot.cam.zoom = 2;
    shot.cam.effect = "Flou";
    shot.cam.startImage = "a.jpg";
    shot.cam.endImage = "b.jpg";
    EXPECT_EQ(shot.ToText(),
              "Ouverture||||On voit||||Pluie||||« Bonjour »|||| 12 ||||75352||||Flou||||a.jpg||||b.jpg||||");
    TEvent shotBack;
    shotBack.FromText(shot.ToText());
    EXPECT_EQ(shotBack.ToText(), shot.ToText());
    EXPECT_EQ(shotBack.cam.framing, 7);
    EXPECT_EQ(shotBack.cam.zoom, 2);
}

TEST(TextForms, FormsWithoutSeparatorsEmptyTheFields)
{
    TGenInfo info;
    info.title = "x";
    info.synopsis = "y";
    info.FromText("no separator at all");
    EXPECT_EQ(info.ToText(), std::string(20, '|'));

    // A last field without its separator reads as empty.
    info.FromText("t||||c||||n||||i||||s");
    EXPECT_EQ(info.idea, "i");
    EXPECT_EQ(info.synopsis, "");
}

TEST(TextForms, ReportReadsBooleansAndDefaultsItsCaption)
{
    TsRprt report;
    report.FromText("0||||sRp.htm||||||||texte||||");
    EXPECT_FALSE(report.isExternal);
    EXPECT_EQ(report.caption, "Rapport de production");
    EXPECT_EQ(report.text, "texte");
    report.FromText("TRUE||||x.htm||||C||||||||");
    EXPECT_TRUE(report.isExternal);
    report.FromText("5||||||||C||||||||");
    EXPECT_TRUE(report.isExternal);
    EXPECT_EQ(ErrorOf([&] { report.FromText("oui||||||||||||||||"); }), "'oui' is not a valid boolean value");
    // An empty first field (as in a form without separators) is no boolean either.
    EXPECT_EQ(ErrorOf([&] { report.FromText(""); }), "'' is not a valid boolean value");
}

TEST(TextForms, ReportFileNameFollowsTheKindOfReport)
{
    TsRprt report;
    report.fileName = "rapport.htm";
    EXPECT_EQ(report.ReportFileName(), "sRp.htm");
    report.isExternal = true;
    report.fileName = "mon rapport.htm";
    EXPECT_EQ(report.ReportFileName(), "mon rapport.htm");
}

TEST(TextForms, CameraDigitsShortOrOutOfRangeAreHeldInRange)
{
    TCam cam;
    cam.FromText("5||||12||||||||||||||||");
    EXPECT_EQ(cam.framing, 1);
    EXPECT_EQ(cam.angle, 2);
    EXPECT_EQ(cam.pan, 0);
    EXPECT_EQ(cam.travel, 0);
    EXPECT_EQ(cam.zoom, 0);

    cam.FromText("5||||||||||||||||||||");
    EXPECT_EQ(cam.framing, 0);

    // Only the first five characters count; digits beyond a list's end become 0.
    cam.FromText("5||||896459||||||||||||");
    EXPECT_EQ(cam.framing, 0); // 8 is past the editor's eight framings
    EXPECT_EQ(cam.angle, 0);
    EXPECT_EQ(cam.pan, 0);
    EXPECT_EQ(cam.travel, 4);
    EXPECT_EQ(cam.zoom, 0);

    cam.framing = 200;
    cam.angle = 6;
    cam.pan = 4;
    cam.travel = 6;
    cam.zoom = 3;
    EXPECT_EQ(cam.ToText(), "5||||00000||||||||||||||||");
    cam.framing = 7;
    cam.angle = 5;
    EXPECT_EQ(cam.ToText(), "5||||75000||||||||||||||||");
}

TEST(TextForms, CameraDigitsThatAreNotDigitsFailWithTheCharacter)
{
    TCam cam;
    EXPECT_EQ(ErrorOf([&] { cam.FromText("00||||0a000||||||||||||"); }), "'a' is not a valid integer value");
    EXPECT_EQ(ErrorOf([&] { cam.FromText("00||||-1000||||||||||||"); }), "'-' is not a valid integer value");
    EXPECT_EQ(ErrorOf([&] { cam.FromText("00|||| 0000||||||||||||"); }), "' ' is not a valid integer value");
}

TEST(TextForms, FieldsThatWouldBreakTheFormAreRefusedByName)
{
    TGenInfo info;
    info.idea = "a||||b";
    EXPECT_EQ(ErrorOf([&] { info.ToText(); }),
              "Le champ « Idée » ne peut pas être enregistré : il contient « |||| » ou se termine par « | ».");
    info.idea = "fin|";
    EXPECT_THROW(info.ToText(), Error);
    info.idea = "|||";
    EXPECT_THROW(info.ToText(), Error);
    info.idea = "a|||b|";
    EXPECT_THROW(info.ToText(), Error);
    info.idea = "a|||b";
    EXPECT_EQ(info.ToText(), "||||||||||||a|||b||||||||");

    TEvent shot;
    shot.name = "plan été";
    shot.cam.effect = "x||||";
    EXPECT_EQ(ErrorOf([&] { shot.ToText(); }),
              "Le champ « Précisions » du plan « plan été » ne peut pas être enregistré : il contient « |||| » ou se "
              "termine par « | ».");
    shot.cam.effect.clear();
    shot.dialogue = "|";
    EXPECT_THROW(shot.ToText(), Error);

    TsRprt report;
    report.text = "<p>||||</p>";
    EXPECT_THROW(report.ToText(), Error);
}

TEST(ShotList, NewShotsAreNamedAfterTheCount)
{
    TEventList list;
    list.AddEvent();
    list.AddEvent();
    list.AddEvent();
    list.DeleteEvent(1);
    list.AddEvent();
    EXPECT_EQ(Names(list), (std::vector<std::string>{"plan 1", "plan 3", "plan 3"}));
    EXPECT_EQ(list.Event(2).cam.duration, "00");
    list.Clear();
    EXPECT_EQ(list.Count(), 0u);
    list.AddEvent();
    EXPECT_EQ(list.EventName(0), "plan 1");
}

TEST(ShotList, MoveTakesOutThenInsertsAfterTheRemoval)
{
    TEventList list;
    for (const char* name : {"first", "second", "third"})
        list.AddEvent().name = name;
    list.MoveEvent(0, 2);
    EXPECT_EQ(Names(list), (std::vector<std::string>{"second", "third", "first"}));
    list.MoveEvent(2, 0);
    EXPECT_EQ(Names(list), (std::vector<std::string>{"first", "second", "third"}));
    list.MoveEvent(1, 1);
    EXPECT_EQ(Names(list), (std::vector<std::string>{"first", "second", "third"}));
    list.Event(1).action = "act";
    EXPECT_EQ(list.EventAction(1), "act");
}

TEST(ShotList, InsertPutsAShotAtItsPlaceAndComparesWhole)
{
    TEventList list;
    for (const char* name : {"first", "third"})
        list.AddEvent().name = name;
    TEvent second = list.NewEvent();
    EXPECT_EQ(second.name, "plan 3");
    second.name = "second";
    second.cam.zoom = 2;
    list.InsertEvent(1, second);
    list.InsertEvent(3, list.NewEvent());
    EXPECT_EQ(Names(list), (std::vector<std::string>{"first", "second", "third", "plan 4"}));
    EXPECT_TRUE(list.Event(1) == second);
    TEvent other = second;
    other.cam.endImage = "b.jpg";
    EXPECT_FALSE(other == second);
    EXPECT_EQ(ErrorOf([&] { list.InsertEvent(5, TEvent()); }), "List index out of bounds (5)");
    EXPECT_EQ(list.Count(), 4u);
}

TEST(ShotList, IndexesOutsideTheListAreListErrors)
{
    TEventList list;
    EXPECT_EQ(ErrorOf([&] { list.Event(0); }), "List index out of bounds (0)");
    list.AddEvent();
    list.AddEvent();
    EXPECT_EQ(ErrorOf([&] { list.DeleteEvent(2); }), "List index out of bounds (2)");
    EXPECT_EQ(ErrorOf([&] { list.MoveEvent(0, 2); }), "List index out of bounds (2)");
    EXPECT_EQ(ErrorOf([&] { list.MoveEvent(5, 0); }), "List index out of bounds (5)");
    EXPECT_EQ(ErrorOf([&] { list.EventName(7); }), "List index out of bounds (7)");
    EXPECT_EQ(ErrorOf([&] { list.EventAction(65535); }), "List index out of bounds (65535)");
    EXPECT_EQ(ErrorOf([&] { list.SetMovement(2, 0, 1); }), "List index out of bounds (2)");
    EXPECT_EQ(ErrorOf([&] { list.CumulText(2); }), "List index out of bounds (2)");
    EXPECT_EQ(ErrorOf([&] { list.Event(static_cast<std::size_t>(-1)); }), "List index out of bounds (-1)");
    EXPECT_EQ(Names(list), (std::vector<std::string>{"plan 1", "plan 2"})); // nothing changed
}

TEST(ShotList, SetMovementSetsOneKindAndHoldsValuesInRange)
{
    TEventList list;
    list.AddEvent();
    EXPECT_EQ(list.SetMovement(0, 0, 3).pan, 3);
    EXPECT_EQ(list.SetMovement(0, 1, 5).travel, 5);
    EXPECT_EQ(list.SetMovement(0, 2, 2).zoom, 2);
    TCam& same = list.SetMovement(0, 3, 1);
    EXPECT_EQ(&same, &list.Event(0).cam);
    EXPECT_EQ(list.Event(0).cam.ToText(), "00||||00352||||||||||||||||");
    EXPECT_EQ(list.SetMovement(0, 2, 3).zoom, 0);
    EXPECT_EQ(list.SetMovement(0, 0, 4).pan, 0);
}

TEST(ShotList, ThereAreAtMost65535Shots)
{
    TEventList list;
    for (std::size_t i = 0; i < MaxShots; ++i)
        list.AddEvent();
    EXPECT_EQ(list.EventName(65534), "plan 65535");
    EXPECT_THROW(list.AddEvent(), Error);
    EXPECT_THROW(list.InsertEvent(0, TEvent()), Error);
    EXPECT_EQ(list.Count(), MaxShots);
}

TEST(CumulText, SumsTrimmedIntegerDurationsUpToTheShot)
{
    TEventList list;
    for (const char* duration : {"10", " 20\t", "dix", "31"})
        list.AddEvent().cam.duration = duration;
    EXPECT_EQ(list.CumulText(0), "10s.");
    EXPECT_EQ(list.CumulText(2), "30s.");
    EXPECT_EQ(list.CumulText(3), "1m. 1s.");
    list.Event(0).cam.duration = "40";
    EXPECT_EQ(list.CumulText(1), "60s.");
    EXPECT_EQ(CumulTextOf(45), "45s.");
    EXPECT_EQ(CumulTextOf(75), "1m. 15s.");
    EXPECT_EQ(CumulTextOf(120), "2m. 0s.");
}

TEST(CumulText, TheSumWrapsAt65536SecondsAndANegativeDurationCountsNothing)
{
    TEventList list;
    list.AddEvent().cam.duration = "65535";
    list.AddEvent().cam.duration = "2";
    list.AddEvent().cam.duration = "-3";
    list.AddEvent().cam.duration = "99999999999"; // not a 32-bit integer: 0
    EXPECT_EQ(list.CumulText(0), "1092m. 15s.");
    EXPECT_EQ(list.CumulText(1), "1s.");
    EXPECT_EQ(list.CumulText(2), "1s.");
    EXPECT_EQ(list.CumulText(3), "1s.");
    EXPECT_EQ(list.CumulSecondsWith(3, "-4"), 65537);
}

TEST(CameraWords, EveryFramingIsPublishedAsTheEditorsEntry)
{
    // Each of the editor's framings has its own published word, which reads
    // like the entry: nothing shifted by one, the accents kept.
    for (std::size_t framing = 0; framing < FramingEntries.size(); ++framing) {
        std::string entry(FramingEntries[framing]);
        std::replace(entry.begin(), entry.end(), '-', ' ');
        EXPECT_EQ(FramingWord(framing), entry) << framing;
    }
    EXPECT_EQ(FramingWord(0), "général");
    EXPECT_EQ(FramingWord(6), "gros plan");
    EXPECT_EQ(FramingWord(7), "très gros plan");
    EXPECT_EQ(FramingWord(8), "");
    EXPECT_EQ(AngleWord(4), "légère contre-plongée");
    EXPECT_EQ(PanWord(1), "pan. latéral");
    EXPECT_EQ(PanEntries[0], "latéral");
    EXPECT_EQ(TravelWord(2), "arrière");
    EXPECT_EQ(ZoomWord(2), "zoom arrière");
    EXPECT_EQ(ZoomWord(3), "");
}

TEST(ShotList, TheListBlockRoundTripsThroughTheValueEncoding)
{
    TEventList list;
    list.AddEvent().action = "café";
    list.AddEvent();
    ValueWriter writer;
    list.SaveToWriter(writer);

    TEventList back;
    back.AddEvent().name = "kept";
    ValueReader reader(writer.Bytes());
    back.LoadFromReader(reader);
    EXPECT_EQ(Names(back), (std::vector<std::string>{"kept", "plan 1", "plan 2"}));
    EXPECT_EQ(back.EventAction(1), "café");

    ValueWriter empty;
    TEventList().SaveToWriter(empty);
    EXPECT_EQ(empty.Bytes(), std::string("\x01\x00", 2));
}

} // namespace
} // namespace sw
