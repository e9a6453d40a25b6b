#include "model/shotentry.h"

#include <unordered_set>

#include "model/eventlist.h"
#include "model/scene.h"
#include "model/shotfields.h"
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

// The text of a formatted field without its tags: what the reader sees.
std::string WithoutTags(std::string_view html)
{
    std::string text;
    text.reserve(html.size());
    bool inTag = false;
    for (const char c : html) {
        if (c == '<')
            inTag = true;
        else if (c == '>' && inTag)
            inTag = false;
        else if (!inTag)
            text += c;
    }
    return text;
}

} // namespace

std::string CopyName(const TEventList& shots, std::string_view name)
{
    // The original's name: without " (copie)" or " (copie N)" at its end.
    std::string_view base = name;
    if (base.ends_with(")")) {
        const std::size_t open = base.rfind(" (copie");
        if (open != std::string_view::npos) {
            const std::string_view inside = base.substr(open + 7, base.size() - open - 8);
            const bool number = !inside.empty() && inside[0] == ' '
                && inside.find_first_not_of("0123456789", 1) == std::string_view::npos && inside.size() > 1;
            if (inside.empty() || number)
                base = base.substr(0, open);
        }
    }
    std::unordered_set<std::string_view> taken;
    for (std::size_t i = 0; i < shots.Count(); ++i)
        taken.insert(shots.EventName(i));
    std::string copy = std::string(base) + " (copie)";
    for (long long n = 2; taken.contains(copy); ++n)
        copy = std::string(base) + " (copie " + IntToStr(n) + ")";
    return copy;
}

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
    for (const ShotFieldInfo& field : ShotFields()) {
        if (field.kind != FieldKind::Text && field.kind != FieldKind::HtmlText)
            continue;
        const std::string& text = *FieldString(shot, field.field);
        const std::string searched = field.kind == FieldKind::HtmlText ? WithoutTags(text) : text;
        if (FoldedText(searched).find(wanted) != std::string::npos)
            return true;
    }
    return false;
}

bool SceneMatchesFilter(const TScene& scene, std::string_view filter)
{
    const std::string wanted = FoldedText(Trim(filter));
    return wanted.empty() || FoldedText(scene.number + " " + scene.heading).find(wanted) != std::string::npos;
}

} // namespace sw
