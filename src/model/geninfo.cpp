#include "model/geninfo.h"

#include "model/textform.h"

namespace sw {

std::string TGenInfo::ToText() const
{
    std::string form;
    AppendField(form, title, "Titre");
    AppendField(form, creator, "Réalisé par");
    AppendField(form, comment, "Notes");
    AppendField(form, idea, "Idée");
    AppendField(form, synopsis, "Synopsis");
    return form;
}

void TGenInfo::FromText(std::string_view text)
{
    title = NextField(text);
    creator = NextField(text);
    comment = NextField(text);
    idea = NextField(text);
    synopsis = NextField(text);
}

void TGenInfo::Clear()
{
    *this = TGenInfo();
}

} // namespace sw
