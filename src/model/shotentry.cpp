#include "model/shotentry.h"

#include "model/eventlist.h"
#include "model/textconv.h"

namespace sw {

namespace {

// The text with its accents stripped and its plain letters in lower case, so
// that two spellings of one word compare equal.
std::string FoldedText(std::string_view text)
{
    std::string folded = StripAccents(text);
    for (char& c : folded)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return folded;
}

} // namespace

std::string ShotEntryText(std::size_t index, const TEvent& shot)
{
    return IntToStr(static_cast<long long>(index) + 1) + ". " + shot.name + " \x97 "
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
