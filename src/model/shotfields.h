#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "model/event.h"

namespace sw {

// Every field of a shot, in the order the outputs list them. The table below
// (ShotFields) describes each one once; the editor's controls, the undo
// commands, the CSV, the printed rows and the site's checks read it.
enum class ShotField : std::uint8_t {
    Name,
    Action,
    Sound,
    Dialogue,
    Duration,
    Framing,
    Angle,
    Pan,
    Travel,
    Zoom,
    Effect,
    StartPicture,
    EndPicture,
};

enum class FieldKind : std::uint8_t {
    Text,      // plain text on one line, escaped where it is published
    HtmlText,  // text the user may format with HTML, cleaned where it is published
    Number,    // whole seconds, kept as typed
    Choice,    // an entry of a list, held as its index
    Picture,   // a picture's file name in the project's image folder
};

// The list a choice offers. With none, value 0 is "none" and value v > 0
// entry v - 1 (the movements); without, value v is entry v.
struct FieldChoices {
    std::span<const std::string_view> entries;  // the editor's list
    bool none = false;
    // The word the site publishes for a value; empty for none.
    std::string_view (*publishedWord)(std::size_t value) = nullptr;

    // The number of values: the entries, and none.
    int Count() const { return static_cast<int>(entries.size()) + (none ? 1 : 0); }
    // The editor's entry of a value; empty for none or a value outside.
    std::string_view Entry(int value) const;
};

struct ShotFieldInfo {
    ShotField field;
    // The code name, stable: "action", "startPicture".
    std::string_view key;
    // The French name the editor and the printed plan show: "Action".
    std::string_view label;
    FieldKind kind;
    // The header of its column in the CSV.
    std::string_view csvColumn;
    // Before a choice's entry on the printed plan's camera lines ("cadrage : ").
    std::string_view printPrefix;
    FieldChoices choices;  // for a choice only
};

inline constexpr std::size_t kShotFieldCount = 13;

// The table, in ShotField order.
std::span<const ShotFieldInfo, kShotFieldCount> ShotFields();
const ShotFieldInfo& FieldInfo(ShotField field);
// The field of a code name; false when none has it.
bool FieldOfKey(std::string_view key, ShotField& field);

// One value of a field: the text of a text, a number or a picture; the index
// of a choice.
using ShotFieldValue = std::variant<std::string, int>;

ShotFieldValue GetField(const TEvent& shot, ShotField field);
// The string a text, number or picture field is held in; null for a choice.
std::string* FieldString(TEvent& shot, ShotField field);
const std::string* FieldString(const TEvent& shot, ShotField field);
// Sets the field. A choice outside its list is set to 0, as a shot read from
// a file holds it; a value of the other alternative changes nothing.
void SetField(TEvent& shot, ShotField field, const ShotFieldValue& value);
// What the field of shot would hold once SetField gave it value, without
// changing the shot.
ShotFieldValue StoredValue(const TEvent& shot, ShotField field, const ShotFieldValue& value);
// The field as the editor lists it and the CSV writes it: the text, or the
// choice's entry (empty for none).
std::string FieldText(const TEvent& shot, ShotField field);
// The word the site publishes for a choice; empty for none or a text.
std::string_view PublishedWord(const TEvent& shot, ShotField field);

// The running total of the shots' durations, the one place it is counted: a
// duration that is no whole number, or a negative one, counts 0.
class RunningTime {
public:
    void Add(std::string_view duration);
    std::uint64_t Seconds() const { return seconds_; }
    // As the editor shows it: "45s.", "1m. 15s.".
    std::string Text() const;
    // As the published pages have always written it: modulo 65,536 seconds.
    std::string PublishedText() const;

private:
    std::uint64_t seconds_ = 0;
};

// Whole seconds of a duration as RunningTime counts them.
std::uint64_t CountedSeconds(std::string_view duration);

} // namespace sw
