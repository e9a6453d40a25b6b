#include "model/shotfields.h"

#include <algorithm>
#include <array>

#include "model/camerawords.h"
#include "model/eventlist.h"

namespace sw {

namespace {

constexpr std::array<ShotFieldInfo, kShotFieldCount> kFields = {{
    {ShotField::Name, "name", "Plan", FieldKind::Text, "Plan", "", {}},
    {ShotField::Action, "action", "Action", FieldKind::HtmlText, "Action", "", {}},
    {ShotField::Sound, "sound", "Son", FieldKind::HtmlText, "Son", "", {}},
    {ShotField::Dialogue, "dialogue", "Dialogue", FieldKind::HtmlText, "Dialogue", "", {}},
    {ShotField::Duration, "duration", "Durée", FieldKind::Number, "Durée (s)", "", {}},
    {ShotField::Framing, "framing", "Cadrage", FieldKind::Choice, "Cadrage", "cadrage : ",
     {FramingEntries, false, FramingWord}},
    {ShotField::Angle, "angle", "Angle", FieldKind::Choice, "Angle", "angle : ", {AngleEntries, false, AngleWord}},
    {ShotField::Pan, "pan", "Panoramique", FieldKind::Choice, "Panoramique", "panoramique ",
     {PanEntries, true, PanWord}},
    {ShotField::Travel, "travel", "Travelling", FieldKind::Choice, "Travelling", "travelling ",
     {TravelEntries, true, TravelWord}},
    {ShotField::Zoom, "zoom", "Zoom", FieldKind::Choice, "Zoom", "zoom ", {ZoomEntries, true, ZoomWord}},
    {ShotField::Effect, "effect", "Effet", FieldKind::HtmlText, "Effet", "", {}},
    {ShotField::StartPicture, "startPicture", "Image début", FieldKind::Picture, "Image début", "", {}},
    {ShotField::EndPicture, "endPicture", "Image fin", FieldKind::Picture, "Image fin", "", {}},
}};

constexpr bool InFieldOrder()
{
    for (std::size_t i = 0; i < kFields.size(); ++i)
        if (static_cast<std::size_t>(kFields[i].field) != i)
            return false;
    return true;
}
static_assert(InFieldOrder(), "the table lists the fields in ShotField order");

std::uint8_t* ChoiceOf(TEvent& shot, ShotField field)
{
    switch (field) {
    case ShotField::Framing: return &shot.cam.framing;
    case ShotField::Angle: return &shot.cam.angle;
    case ShotField::Pan: return &shot.cam.pan;
    case ShotField::Travel: return &shot.cam.travel;
    case ShotField::Zoom: return &shot.cam.zoom;
    default: return nullptr;
    }
}

const std::uint8_t* ChoiceOf(const TEvent& shot, ShotField field)
{
    return ChoiceOf(const_cast<TEvent&>(shot), field);
}

} // namespace

std::string* FieldString(TEvent& shot, ShotField field)
{
    switch (field) {
    case ShotField::Name: return &shot.name;
    case ShotField::Action: return &shot.action;
    case ShotField::Sound: return &shot.sound;
    case ShotField::Dialogue: return &shot.dialogue;
    case ShotField::Duration: return &shot.cam.duration;
    case ShotField::Effect: return &shot.cam.effect;
    case ShotField::StartPicture: return &shot.cam.startImage;
    case ShotField::EndPicture: return &shot.cam.endImage;
    default: return nullptr;
    }
}

const std::string* FieldString(const TEvent& shot, ShotField field)
{
    return FieldString(const_cast<TEvent&>(shot), field);
}

std::string_view FieldChoices::Entry(int value) const
{
    const int entry = none ? value - 1 : value;
    if (entry < 0 || entry >= static_cast<int>(entries.size()))
        return {};
    return entries[static_cast<std::size_t>(entry)];
}

std::span<const ShotFieldInfo, kShotFieldCount> ShotFields()
{
    return kFields;
}

const ShotFieldInfo& FieldInfo(ShotField field)
{
    return kFields[static_cast<std::size_t>(field)];
}

bool FieldOfKey(std::string_view key, ShotField& field)
{
    const auto found = std::find_if(kFields.begin(), kFields.end(), [key](const ShotFieldInfo& info) { return info.key == key; });
    if (found == kFields.end())
        return false;
    field = found->field;
    return true;
}

ShotFieldValue GetField(const TEvent& shot, ShotField field)
{
    if (const std::string* text = FieldString(shot, field))
        return *text;
    return static_cast<int>(*ChoiceOf(shot, field));
}

void SetField(TEvent& shot, ShotField field, const ShotFieldValue& value)
{
    if (std::string* text = FieldString(shot, field)) {
        if (const auto* given = std::get_if<std::string>(&value))
            *text = *given;
        return;
    }
    if (const auto* index = std::get_if<int>(&value))
        *ChoiceOf(shot, field) = IndexWithin(*index, static_cast<std::uint8_t>(FieldInfo(field).choices.Count()));
}

ShotFieldValue StoredValue(const TEvent& shot, ShotField field, const ShotFieldValue& value)
{
    if (const std::string* text = FieldString(shot, field)) {
        const auto* given = std::get_if<std::string>(&value);
        return given ? *given : *text;
    }
    const auto* index = std::get_if<int>(&value);
    return static_cast<int>(index ? IndexWithin(*index, static_cast<std::uint8_t>(FieldInfo(field).choices.Count()))
                                  : *ChoiceOf(shot, field));
}

std::string FieldText(const TEvent& shot, ShotField field)
{
    if (const std::string* text = FieldString(shot, field))
        return *text;
    return std::string(FieldInfo(field).choices.Entry(*ChoiceOf(shot, field)));
}

std::string_view PublishedWord(const TEvent& shot, ShotField field)
{
    const std::uint8_t* choice = ChoiceOf(shot, field);
    const FieldChoices& choices = FieldInfo(field).choices;
    if (choice == nullptr || (choices.none && *choice == 0))
        return {};
    return choices.publishedWord(*choice);
}

std::uint64_t CountedSeconds(std::string_view duration)
{
    return static_cast<std::uint64_t>(std::max(0, DurationSeconds(duration)));
}

void RunningTime::Add(std::string_view duration)
{
    seconds_ += CountedSeconds(duration);
}

std::string RunningTime::Text() const
{
    return ElapsedTextOf(static_cast<long long>(seconds_));
}

std::string RunningTime::PublishedText() const
{
    return CumulTextOf(static_cast<std::uint16_t>(seconds_ % 65536));
}

} // namespace sw
