#include "style/styletables.h"

namespace sw {

// Short names of UnitDefaults are not used; its rows 12..15 have no selector.
const std::array<TStyleRow, kStyleElementCount> UnitDefaults = {{
    {"Body", "", "Texte courant", 10, 3, 5, 0},
    {"H1", "", "Titre principal", 20, 2, 5, 0},
    {"H2", "", "Sous-titre principal", 18, 2, 6, 0},
    {"H3", "", "Titre de section niveau 1", 16, 2, 6, 0},
    {"H4", "", "Titre de section niveau 2", 15, 0, 6, 0},
    {"H5", "", "Titre de section niveau 3", 14, 0, 15, 0},
    {"H6", "", "En-tête et pied de page", 12, 2, 16, 0},
    {"TH", "", "Têtes de cellule de tableau", 8, 3, 11, 0},
    {"TD", "", "Cellules de tableau", 11, 3, 5, 0},
    {"BLOCKQUOTE", "", "Citation retrait", 10, 3, 5, 0},
    {".note", "", "Style modifiable", 10, 0, 2, 0},
    {".citation", "", "Style modifiable", 12, 0, 11, 0},
    {"", "", "", 11, 0, 5, 0},
    {"", "", "", 10, 0, 5, 0},
    {"", "", "", 10, 0, 5, 0},
    {"", "", "", 10, 0, 5, 0},
}};

const std::array<int, kLinkStateCount> UnitLinkColorIndexes = {7, 11, 10};

const std::array<TStyleRow, kAppStyleRowCount> AppStyleTable = {{
    {"Body", "Normal", "Texte courant, utilisé partout, couleur générale", 10, 3, 5, 0},
    {"H1", "Titre 1", "Titre principal", 22, 2, 6, 0},
    {"H2", "Sous-titre 1", "", 18, 2, 6, 0},
    {"H3", "Sous-titre 2", "Sous-titre secondaire, identificateur de sections 1", 16, 2, 6, 0},
    {"H4", "Sous-titre 3", "Sous-titre secondaire, identificateur de sections 2", 13, 0, 15, 0},
    {"H5", "Sous-titre 4", "Sous-titre secondaire, identificateur de sections 3", 11, 2, 12, 0},
    {"H6", "En-tête", "En-tête et pied de page", 9, 2, 17, 0},
    {"Blockquote", "Retrait", "Section", 10, 3, 5, 0},
    {"TD", "Tableau", "Texte2, cellules de tableau", 10, 3, 5, 0},
    {"TH", "Tête cell. ", "En-têtes de cellules du tableau", 10, 2, 13, 5},
    {".cell", "Cellule", "Texte3, cellules de tableau", 10, 0, 5, 0},
    {".rev", "rev", "Revision, messages de mise à jour", 9, 2, 5, 0},
    {".note", "note", "", 8, 3, 5, 0},
    {".num", "numeros", "Numéros, identification des plans", 10, 0, 11, 0},
}};

const std::array<int, kLinkStateCount> AppLinkColorIndexes = {13, 11, 13};

} // namespace sw
