#include "model/shotentry.h"

#include "model/eventlist.h"
#include "model/textconv.h"
#include "model/utf8.h"

namespace sw {

namespace {

// The text with its accents stripped and its letters in lower case, so that
// two spellings of one word compare equal.
std::string FoldedText(std::string_view text)
{
    return FoldLetterCase(StripAccents(text));
}

} // namespace

std::string ShotEntryText(std::size_t index, const TEvent& shot)
{
    return IntToStr(static_cast<long long>(index) + 1) + ". " + shot.name + " — "
           + IntToStr(DurationSeconds(shot.cam.duration)) + " s";
}

bool ShotMatchesFilter(const TEvent& shot, std::string_view filter)
{
    const std::string wanted = FoldedText(Trim(filter));
    if (wanted.empty())
        return true;
    return FoldedText(shot.name).find(wanted) != std::string::npos
           || FoldedText(shot.action).find(wanted) != std::string::npos;
}

} // namespace sw
