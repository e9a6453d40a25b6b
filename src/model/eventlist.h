#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/event.h"

namespace sw {

class ValueReader;
class ValueWriter;

// Shot indexes are unsigned 16-bit values.
inline constexpr std::size_t MaxShots = 65535;

// The integer value of a duration with blanks and controls trimmed; 0 when it
// is not an integer.
int DurationSeconds(std::string_view duration);
// "45s." up to 60 seconds, "1m. 15s." above.
std::string CumulTextOf(std::uint16_t seconds);
// CumulTextOf for any number of seconds, 65,536 and more included.
std::string ElapsedTextOf(long long seconds);

// The ordered list of shots. An index outside the list throws sw::Error
// "List index out of bounds (<index>)".
class TEventList {
public:
    std::size_t Count() const;
    const TEvent& Event(std::size_t index) const;
    TEvent& Event(std::size_t index);

    // Appends a shot with the values of a new shot, named "plan " + (Count() + 1).
    // Throws sw::Error when the list already holds MaxShots shots.
    TEvent& AddEvent();
    // The values of a new shot, named "plan " + (Count() + 1), as AddEvent
    // would append it.
    TEvent NewEvent() const;
    // Puts shot at index (Count() appends); throws sw::Error as AddEvent does
    // when the list is full.
    TEvent& InsertEvent(std::size_t index, TEvent shot);
    // Throws what InsertEvent would at index, changing nothing.
    void CheckInsert(std::size_t index) const;
    void DeleteEvent(std::size_t index);
    // Takes the shot out at from and inserts it at to, counted after the removal.
    void MoveEvent(std::size_t from, std::size_t to);
    const std::string& EventName(std::size_t index) const;
    const std::string& EventAction(std::size_t index) const;
    // kind 0 pan, 1 travel, 2 zoom; any other kind changes nothing. A value
    // outside the movement's list is held as 0.
    TCam& SetMovement(std::size_t index, int kind, std::uint8_t value);
    // The total duration of shots 0 to index, modulo 65536 seconds, as the
    // published pages have always written it (RunningTime).
    std::string CumulText(std::size_t index) const;
    // The total duration of the shots before index plus duration, the one
    // shown for the shot at index, in seconds without wrapping: the editor's
    // cumulated time while the shot's duration is being typed (RunningTime).
    long long CumulSecondsWith(std::size_t index, std::string_view duration) const;

    bool operator==(const TEventList&) const = default;
    void Clear();

    // List begin, one string per shot, end of list.
    void SaveToWriter(ValueWriter& writer) const;
    // Appends the shots of a list block.
    void LoadFromReader(ValueReader& reader);

private:
    void CheckIndex(std::size_t index) const;

    std::vector<TEvent> events_;
};

} // namespace sw
