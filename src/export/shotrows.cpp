#include "export/shotrows.h"

#include <algorithm>

#include "document/projectdocument.h"
#include "model/camerawords.h"

namespace sw {

namespace {

template <std::size_t N>
std::string EntryAt(const std::array<std::string_view, N>& entries, std::size_t index)
{
    return index < N ? std::string(entries[index]) : std::string();
}

// A movement value v > 0 is entry v - 1 of its list; 0 is no movement.
template <std::size_t N>
std::string MovementEntry(const std::array<std::string_view, N>& entries, std::size_t value)
{
    return value > 0 ? EntryAt(entries, value - 1) : std::string();
}

void FillCamera(ShotRow& row, const TCam& cam)
{
    row.framing = EntryAt(FramingEntries, cam.framing);
    row.angle = EntryAt(AngleEntries, cam.angle);
    row.pan = MovementEntry(PanEntries, cam.pan);
    row.travel = MovementEntry(TravelEntries, cam.travel);
    row.zoom = MovementEntry(ZoomEntries, cam.zoom);
    row.framingWord = std::string(FramingWord(cam.framing));
    row.effect = cam.effect;
    row.startPicture = cam.startImage;
    row.endPicture = cam.endImage;
}

} // namespace

std::vector<ShotRow> ShotRows(const ProjectDocument& project)
{
    const TEventList& list = project.EventList;
    std::vector<ShotRow> rows;
    rows.reserve(list.Count());
    // One running sum: the list's own cumulated text adds from the first
    // shot at every call.
    std::uint64_t cumulated = 0;
    for (std::size_t index = 0; index < list.Count(); ++index) {
        const TEvent& event = list.Event(index);
        ShotRow& row = rows.emplace_back();
        row.number = index + 1;
        row.name = event.name;
        row.action = event.action;
        row.sound = event.sound;
        row.dialogue = event.dialogue;
        row.durationSeconds = static_cast<std::uint64_t>(std::max(0, DurationSeconds(event.cam.duration)));
        cumulated += row.durationSeconds;
        row.cumulatedSeconds = cumulated;
        row.cumulatedText = ElapsedTextOf(static_cast<long long>(cumulated));
        FillCamera(row, event.cam);
    }
    return rows;
}

} // namespace sw
