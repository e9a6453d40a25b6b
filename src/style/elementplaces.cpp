#include "style/elementplaces.h"

#include <array>
#include <utility>

#include "model/textconv.h"

namespace sw {

namespace {

// What the published pages put in each element; the headings and quotes
// that only the user's own texts hold say so.
constexpr std::array<std::pair<std::string_view, std::string_view>, 14> kPlaces = {{
    {"body", "Texte des pages"},
    {"h1", "Grands titres de vos textes"},
    {"h2", "Titres de vos textes"},
    {"h3", "Titre du film"},
    {"h4", "Noms des plans, « Réalisation »"},
    {"h5", "Rubriques des plans (CAM, Action, Son…)"},
    {"h6", "Auteur, en bas des pages"},
    {"blockquote", "Citations en retrait de vos textes"},
    {"td", "Texte des cellules"},
    {"th", "Têtes des cellules"},
    {".cell", "Cellules « cell » de vos textes"},
    {".rev", "Date de mise à jour"},
    {".note", "Action et précisions des plans"},
    {".num", "Numéros des plans"},
}};

} // namespace

std::string_view ElementPlace(std::string_view selector)
{
    for (const auto& [name, place] : kPlaces)
        if (name.size() == selector.size() && EndsWithNoCase(selector, name))
            return place;
    return {};
}

} // namespace sw
