#include "layout/htmprefs.h"

#include <type_traits>

#include <gtest/gtest.h>

#include "model/error.h"
#include "model/valuereader.h"
#include "model/valuewriter.h"

namespace sw {
namespace {

static_assert(std::is_copy_constructible_v<THTMPrefs> && std::is_copy_assignable_v<THTMPrefs>);

TEST(LayoutPrefs, DefaultTextForms)
{
    const THTMPrefs prefs;
    EXPECT_EQ(prefs.frameSpecs.ToText(), "20;0;1;0;;");
    EXPECT_EQ(prefs.menuSpecs.ToText(), "1;1;1;0;../index.html;");
    EXPECT_EQ(prefs.coverSpecs.ToText(), "0;cover.htm;1;400;");
    EXPECT_EQ(prefs.pageSpecs.ToText(), "90%;7;0;");
    EXPECT_EQ(THTMPrefs(true).pageSpecs.ToText(), "90%;7;1;");
}

TEST(LayoutPrefs, SetDefaultsRestoresEveryRecordAndTakesTheSetting)
{
    THTMPrefs prefs;
    prefs.frameSpecs.FromText("33;1;4;1;x;");
    prefs.menuSpecs.FromText("0;0;0;1;http://a/;");
    prefs.coverSpecs.FromText("1;c.htm;0;;");
    prefs.pageSpecs.FromText("50%;2;0;");
    prefs.SetDefaults(true);
    EXPECT_EQ(prefs.frameSpecs.ToText(), "20;0;1;0;;");
    EXPECT_EQ(prefs.menuSpecs.ToText(), "1;1;1;0;../index.html;");
    EXPECT_EQ(prefs.coverSpecs.ToText(), "0;cover.htm;1;400;");
    EXPECT_EQ(prefs.pageSpecs.ToText(), "90%;7;1;");
    prefs.pageSpecs.SetDefaults(false);
    EXPECT_FALSE(prefs.pageSpecs.noJSPlan);
}

TEST(LayoutPrefs, TextFormsRoundTrip)
{
    THTMPrefs prefs;
    prefs.frameSpecs = {"15%", true, "3", true, "spare text"};
    prefs.menuSpecs = {false, true, false, true, "http://exemple.fr/films.html"};
    prefs.coverSpecs = {true, "entrée.htm", false, " 80% "};
    prefs.pageSpecs = {"100%", "", true};
    THTMPrefs read(false);
    read.frameSpecs.FromText(prefs.frameSpecs.ToText());
    read.menuSpecs.FromText(prefs.menuSpecs.ToText());
    read.coverSpecs.FromText(prefs.coverSpecs.ToText());
    read.pageSpecs.FromText(prefs.pageSpecs.ToText());
    EXPECT_EQ(read.frameSpecs.menuHeight, "15%");
    EXPECT_TRUE(read.frameSpecs.borderVisible);
    EXPECT_EQ(read.frameSpecs.spareText, "spare text");
    EXPECT_FALSE(read.menuSpecs.showShots);
    EXPECT_TRUE(read.menuSpecs.showStoryboard);
    EXPECT_EQ(read.menuSpecs.returnUrl, "http://exemple.fr/films.html");
    EXPECT_EQ(read.coverSpecs.coverFile, "entrée.htm");
    EXPECT_EQ(read.coverSpecs.separatorWidth, " 80% ");  // text fields keep their blanks
    EXPECT_EQ(read.pageSpecs.tableMargin, "");
    EXPECT_TRUE(read.pageSpecs.noJSPlan);
}

TEST(LayoutPrefs, FlagsAreFalseOnlyForZero)
{
    TMenuSpecs menu;
    menu.FromText(" 0 ;00;non;;x;");
    EXPECT_FALSE(menu.showShots);
    EXPECT_TRUE(menu.showStoryboard);
    EXPECT_TRUE(menu.showReport);
    EXPECT_TRUE(menu.returnLink);
    EXPECT_EQ(menu.returnUrl, "x");
}

TEST(LayoutPrefs, ShortTextsGiveEmptyTextsAndTrueFlags)
{
    TMenuSpecs menu;
    menu.showShots = false;
    menu.FromText("");
    EXPECT_TRUE(menu.showShots && menu.showStoryboard && menu.showReport && menu.returnLink);
    EXPECT_EQ(menu.returnUrl, "");

    TFrameSpecs frame;
    frame.FromText("30;0");  // no ";" after the flag: it is not read
    EXPECT_EQ(frame.menuHeight, "30");
    EXPECT_TRUE(frame.borderVisible);
    EXPECT_EQ(frame.borderWidth, "");
}

TEST(LayoutPrefs, SemicolonInATextFieldCutsIt)
{
    TMenuSpecs menu;
    menu.returnUrl = "../a.html;b";
    TMenuSpecs read;
    read.FromText(menu.ToText());
    EXPECT_EQ(read.returnUrl, "../a.html");

    TCoverSpecs cover;
    cover.FromText("1;a;b;0;");  // shifted: the flag reads "b"
    EXPECT_EQ(cover.coverFile, "a");
    EXPECT_TRUE(cover.separator);
    EXPECT_EQ(cover.separatorWidth, "0");
}

TEST(LayoutBlock, IsFourStringsInOrder)
{
    THTMPrefs prefs(true);
    ValueWriter writer;
    prefs.SaveToWriter(writer);
    EXPECT_EQ(writer.Bytes(), std::string("\x06\x0A" "20;0;1;0;;"
                                          "\x06\x16" "1;1;1;0;../index.html;"
                                          "\x06\x12" "0;cover.htm;1;400;"
                                          "\x06\x08" "90%;7;1;"));
}

TEST(LayoutBlock, LoadReadsExactlyFourStrings)
{
    THTMPrefs source;
    source.menuSpecs.returnLink = true;
    source.coverSpecs.coverFile = "couverture.htm";
    source.pageSpecs.tableWidth = "75%";
    ValueWriter writer;
    source.SaveToWriter(writer);
    writer.PutInteger(42);  // the next block

    THTMPrefs target(true);
    ValueReader reader(writer.Bytes());
    target.LoadFromReader(reader);
    EXPECT_EQ(target.menuSpecs.ToText(), source.menuSpecs.ToText());
    EXPECT_EQ(target.coverSpecs.ToText(), source.coverSpecs.ToText());
    EXPECT_EQ(target.pageSpecs.ToText(), "75%;7;0;");
    EXPECT_EQ(reader.GetInteger(), 42);
}

TEST(LayoutBlock, WrongValueFails)
{
    ValueWriter writer;
    writer.PutString("20;0;1;0;;");
    writer.PutInteger(1);
    THTMPrefs prefs;
    ValueReader reader(writer.Bytes());
    EXPECT_THROW(prefs.LoadFromReader(reader), Error);
}

// --- equality -------------------------------------------------------------------

TEST(LayoutEquality, CopyIsEqual)
{
    THTMPrefs original(true);
    original.coverSpecs.coverFile = "entrée.htm";
    const THTMPrefs copy = original;
    EXPECT_TRUE(copy == original);
    EXPECT_FALSE(copy == THTMPrefs(false));
}

TEST(LayoutEquality, ChangeInAnyRecordTellsTheSetsApart)
{
    struct LayoutChange {
        const char* what;
        void (*apply)(THTMPrefs&);
    };
    const LayoutChange changes[] = {
        {"frame", [](THTMPrefs& p) { p.frameSpecs.spareText = "x"; }},
        {"menu", [](THTMPrefs& p) { p.menuSpecs.returnLink = true; }},
        {"cover", [](THTMPrefs& p) { p.coverSpecs.separatorWidth = "300"; }},
        {"page", [](THTMPrefs& p) { p.pageSpecs.tableMargin = "0"; }},
    };
    const THTMPrefs original;
    for (const LayoutChange& change : changes) {
        THTMPrefs changed = original;
        change.apply(changed);
        EXPECT_FALSE(changed == original) << change.what;
        EXPECT_EQ(changed.frameSpecs == original.frameSpecs, changed.frameSpecs.ToText() == original.frameSpecs.ToText());
        EXPECT_EQ(changed.menuSpecs == original.menuSpecs, changed.menuSpecs.ToText() == original.menuSpecs.ToText());
        EXPECT_EQ(changed.coverSpecs == original.coverSpecs, changed.coverSpecs.ToText() == original.coverSpecs.ToText());
        EXPECT_EQ(changed.pageSpecs == original.pageSpecs, changed.pageSpecs.ToText() == original.pageSpecs.ToText());
    }
}

} // namespace
} // namespace sw
