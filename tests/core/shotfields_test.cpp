// The shot-field table: each field reached through it reads and writes the
// shot's own member, choices stay within their lists, and the running time
// counts as every output shows it.
#include <set>
#include <string>
#include <variant>

#include <gtest/gtest.h>

#include "model/camerawords.h"
#include "model/eventlist.h"
#include "model/shotfields.h"

namespace sw {
namespace {

TEST(ShotFieldTable, NamesEachFieldOnceWithItsKindAndColumn)
{
    std::set<std::string_view> keys;
    std::set<std::string_view> columns;
    for (const ShotFieldInfo& info : ShotFields()) {
        EXPECT_TRUE(keys.insert(info.key).second) << info.key;
        EXPECT_TRUE(columns.insert(info.csvColumn).second) << info.csvColumn;
        EXPECT_FALSE(info.label.empty()) << info.key;
        EXPECT_EQ(&FieldInfo(info.field), &info);
        ShotField found{};
        ASSERT_TRUE(FieldOfKey(info.key, found));
        EXPECT_EQ(found, info.field);
        EXPECT_EQ(info.kind == FieldKind::Choice, info.choices.Count() > 0) << info.key;
    }
    ShotField none{};
    EXPECT_FALSE(FieldOfKey("scene", none));
    EXPECT_EQ(FieldInfo(ShotField::Action).kind, FieldKind::HtmlText);
    EXPECT_EQ(FieldInfo(ShotField::Name).kind, FieldKind::Text);
    EXPECT_EQ(FieldInfo(ShotField::Duration).kind, FieldKind::Number);
    EXPECT_EQ(FieldInfo(ShotField::EndPicture).kind, FieldKind::Picture);
}

TEST(ShotFieldTable, EveryFieldReadsAndWritesItsOwnMember)
{
    TEvent shot;
    int n = 0;
    for (const ShotFieldInfo& info : ShotFields()) {
        ++n;
        if (info.kind == FieldKind::Choice)
            SetField(shot, info.field, 1);
        else
            SetField(shot, info.field, std::string(info.key) + std::to_string(n));
    }
    EXPECT_EQ(shot.name, "name1");
    EXPECT_EQ(shot.action, "action2");
    EXPECT_EQ(shot.sound, "sound3");
    EXPECT_EQ(shot.dialogue, "dialogue4");
    EXPECT_EQ(shot.cam.duration, "duration5");
    EXPECT_EQ(shot.cam.framing, 1);
    EXPECT_EQ(shot.cam.angle, 1);
    EXPECT_EQ(shot.cam.pan, 1);
    EXPECT_EQ(shot.cam.travel, 1);
    EXPECT_EQ(shot.cam.zoom, 1);
    EXPECT_EQ(shot.cam.effect, "effect11");
    EXPECT_EQ(shot.cam.startImage, "startPicture12");
    EXPECT_EQ(shot.cam.endImage, "endPicture13");
    for (const ShotFieldInfo& info : ShotFields()) {
        TEvent copy;
        SetField(copy, info.field, GetField(shot, info.field));
        EXPECT_EQ(GetField(copy, info.field), GetField(shot, info.field)) << info.key;
    }
}

TEST(ShotFieldTable, AChoiceOutsideItsListIsNoneAndAValueOfTheWrongKindChangesNothing)
{
    TEvent shot;
    SetField(shot, ShotField::Zoom, 2);
    EXPECT_EQ(shot.cam.zoom, 2);
    SetField(shot, ShotField::Zoom, ZoomCount);
    EXPECT_EQ(shot.cam.zoom, 0);
    SetField(shot, ShotField::Framing, -1);
    EXPECT_EQ(shot.cam.framing, 0);
    SetField(shot, ShotField::Framing, std::string("7"));
    EXPECT_EQ(shot.cam.framing, 0);
    SetField(shot, ShotField::Action, 3);
    EXPECT_EQ(shot.action, "");
    EXPECT_EQ(FieldString(shot, ShotField::Angle), nullptr);
    EXPECT_EQ(FieldString(shot, ShotField::Effect), &shot.cam.effect);
}

TEST(ShotFieldTable, TheStoredValueIsWhatSettingTheFieldWouldLeave)
{
    TEvent shot;
    shot.cam.zoom = 1;
    shot.action = "avant";
    // Every field, every kind of value, in and out of a choice's list.
    const ShotFieldValue values[] = {std::string("texte"), 0, 2, ZoomCount, -4, 250};
    for (const ShotFieldInfo& info : ShotFields()) {
        for (const ShotFieldValue& value : values) {
            TEvent changed = shot;
            SetField(changed, info.field, value);
            EXPECT_EQ(StoredValue(shot, info.field, value), GetField(changed, info.field)) << info.key;
        }
    }
    // The shot itself is left as it was.
    EXPECT_EQ(shot.cam.zoom, 1);
    EXPECT_EQ(shot.action, "avant");
}

TEST(ShotFieldTable, ChoicesReadAsTheEditorsEntriesAndTheSitesWords)
{
    TEvent shot;
    shot.cam.framing = 6;
    shot.cam.travel = 0;
    shot.cam.pan = 3;
    EXPECT_EQ(FieldText(shot, ShotField::Framing), "gros-plan");
    EXPECT_EQ(PublishedWord(shot, ShotField::Framing), "gros plan");
    EXPECT_EQ(FieldText(shot, ShotField::Travel), "");
    EXPECT_EQ(PublishedWord(shot, ShotField::Travel), "");
    EXPECT_EQ(FieldText(shot, ShotField::Pan), PanEntries[2]);
    EXPECT_EQ(PublishedWord(shot, ShotField::Pan), PanWord(3));
    EXPECT_EQ(PublishedWord(shot, ShotField::Action), "");
    for (const ShotFieldInfo& info : ShotFields()) {
        if (info.kind == FieldKind::Choice) {
            EXPECT_EQ(info.choices.Entry(info.choices.Count()), "") << info.key;
        }
    }
}

TEST(RunningTime, CountsWholeSecondsWithoutWrappingAndPublishesModulo65536)
{
    RunningTime total;
    for (const char* duration : {"40000", " 30000 ", "douze", "-5", ""})
        total.Add(duration);
    EXPECT_EQ(total.Seconds(), 70000u);
    EXPECT_EQ(total.Text(), "1166m. 40s.");
    EXPECT_EQ(total.PublishedText(), CumulTextOf(static_cast<std::uint16_t>(70000 - 65536)));
    EXPECT_EQ(CountedSeconds("-5"), 0u);
    EXPECT_EQ(CountedSeconds("12"), 12u);
}

} // namespace
} // namespace sw
