#include "model/eventlist.h"

#include "model/shotfields.h"

#include "model/camerawords.h"
#include "model/error.h"
#include "model/textconv.h"
#include "model/valuereader.h"
#include "model/valuewriter.h"

namespace sw {

int DurationSeconds(std::string_view duration)
{
    int seconds = 0;
    return TryStrToInt(Trim(duration), seconds) ? seconds : 0;
}

std::string CumulTextOf(std::uint16_t seconds)
{
    return ElapsedTextOf(seconds);
}

std::string ElapsedTextOf(long long seconds)
{
    if (seconds <= 60)
        return IntToStr(seconds) + "s.";
    return IntToStr(seconds / 60) + "m. " + IntToStr(seconds % 60) + "s.";
}

std::size_t TEventList::Count() const
{
    return events_.size();
}

const TEvent& TEventList::Event(std::size_t index) const
{
    CheckIndex(index);
    return events_[index];
}

TEvent& TEventList::Event(std::size_t index)
{
    CheckIndex(index);
    return events_[index];
}

TEvent& TEventList::AddEvent()
{
    return InsertEvent(events_.size(), NewEvent());
}

TEvent TEventList::NewEvent() const
{
    TEvent shot;
    shot.name = "plan " + IntToStr(static_cast<long long>(events_.size()) + 1);
    return shot;
}

void TEventList::CheckInsert(std::size_t index) const
{
    if (events_.size() >= MaxShots)
        throw Error("Un projet ne peut pas compter plus de " + IntToStr(MaxShots) + " plans.");
    if (index > events_.size())
        CheckIndex(index);
}

TEvent& TEventList::InsertEvent(std::size_t index, TEvent shot)
{
    CheckInsert(index);
    return *events_.insert(events_.begin() + static_cast<std::ptrdiff_t>(index), std::move(shot));
}

void TEventList::DeleteEvent(std::size_t index)
{
    CheckIndex(index);
    events_.erase(events_.begin() + static_cast<std::ptrdiff_t>(index));
}

void TEventList::MoveEvent(std::size_t from, std::size_t to)
{
    CheckIndex(from);
    CheckIndex(to);
    TEvent shot = std::move(events_[from]);
    events_.erase(events_.begin() + static_cast<std::ptrdiff_t>(from));
    events_.insert(events_.begin() + static_cast<std::ptrdiff_t>(to), std::move(shot));
}

const std::string& TEventList::EventName(std::size_t index) const
{
    return Event(index).name;
}

const std::string& TEventList::EventAction(std::size_t index) const
{
    return Event(index).action;
}

TCam& TEventList::SetMovement(std::size_t index, int kind, std::uint8_t value)
{
    TCam& cam = Event(index).cam;
    switch (kind) {
    case 0:
        cam.pan = IndexWithin(value, PanCount);
        break;
    case 1:
        cam.travel = IndexWithin(value, TravelCount);
        break;
    case 2:
        cam.zoom = IndexWithin(value, ZoomCount);
        break;
    default:
        break;
    }
    return cam;
}

std::string TEventList::CumulText(std::size_t index) const
{
    CheckIndex(index);
    RunningTime total;
    for (std::size_t i = 0; i <= index; ++i)
        total.Add(events_[i].cam.duration);
    return total.PublishedText();
}

long long TEventList::CumulSecondsWith(std::size_t index, std::string_view duration) const
{
    CheckIndex(index);
    RunningTime total;
    for (std::size_t i = 0; i < index; ++i)
        total.Add(events_[i].cam.duration);
    total.Add(duration);
    return static_cast<long long>(total.Seconds());
}

void TEventList::Clear()
{
    events_.clear();
}

void TEventList::SaveToWriter(ValueWriter& writer) const
{
    writer.PutListBegin();
    for (const TEvent& shot : events_)
        writer.PutString(shot.ToText());
    writer.PutListEnd();
}

void TEventList::LoadFromReader(ValueReader& reader)
{
    reader.GetListBegin();
    while (!reader.AtListEnd())
        AddEvent().FromText(reader.GetString());
    reader.GetListEnd();
}

void TEventList::CheckIndex(std::size_t index) const
{
    if (index >= events_.size())
        // A negative index from the caller shows as such.
        throw Error("List index out of bounds (" + IntToStr(static_cast<long long>(index)) + ")");
}

} // namespace sw
