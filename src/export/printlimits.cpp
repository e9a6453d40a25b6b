#include "export/printlimits.h"

#include <utility>

#include "document/projectdocument.h"
#include "model/utf8.h"

namespace sw {

namespace {

// What a cut text keeps, so that with its mark it stays under the limit.
constexpr std::size_t kKeptCharacters = kMaxPrintedCharacters - 100;

std::size_t CharacterCount(std::string_view utf8)
{
    std::size_t count = 0;
    for (const char c : utf8)
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

// Whether a text is over the limit; its bytes tell first, without counting.
bool IsTooLong(std::string_view utf8)
{
    return utf8.size() > kMaxPrintedCharacters && CharacterCount(utf8) > kMaxPrintedCharacters;
}

std::string GroupedNumber(std::size_t value)
{
    std::string digits = std::to_string(value);
    for (std::size_t at = digits.size(); at > 3; at -= 3)
        digits.insert(at - 3, "\xC2\xA0");  // a no-break space between thousands
    return digits;
}

} // namespace

std::string PrintableText(std::string_view utf8)
{
    if (!IsTooLong(utf8))
        return std::string(utf8);
    std::string kept = CutToCharacters(utf8, kKeptCharacters);
    const std::size_t left = CharacterCount(utf8) - CharacterCount(kept);
    kept += "\n[\xE2\x80\xA6 texte coup\xC3\xA9 : " + GroupedNumber(left) + " caract\xC3\xA8res]";
    return kept;
}

std::vector<std::string> CutLongTextsForPrint(ProjectDocument& project)
{
    std::vector<std::string> cut;
    const auto check = [&cut](std::string& text, const std::string& what) {
        if (!IsTooLong(text))
            return;
        const std::size_t before = CharacterCount(text);
        text = PrintableText(text);
        cut.push_back(what + " est trop long pour le plan imprim\xC3\xA9 : il est coup\xC3\xA9 apr\xC3\xA8s "
                      + GroupedNumber(kKeptCharacters) + " de ses " + GroupedNumber(before) + " caract\xC3\xA8res.");
    };
    TGenInfo& info = project.GenInfo;
    check(info.title, "Le titre");
    check(info.creator, "Le nom des auteurs");
    check(info.comment, "La note");
    check(info.idea, "L'id\xC3\xA9" "e");
    check(info.synopsis, "Le synopsis");
    check(project.Report.text, "Le rapport");
    for (std::size_t index = 0; index < project.EventList.Count(); ++index) {
        TEvent& shot = project.EventList.Event(index);
        const std::string of = " du plan " + std::to_string(index + 1);
        check(shot.name, "Le nom" + of);
        check(shot.action, "L'action" + of);
        check(shot.sound, "Le son" + of);
        check(shot.dialogue, "Le dialogue" + of);
        check(shot.cam.effect, "L'effet" + of);
        check(shot.cam.duration, "La dur\xC3\xA9" "e" + of);
    }
    return cut;
}

} // namespace sw
