#include "app/hinttexts.h"

namespace sw {

QString HintText(int n)
{
    switch (n) {
    case 0:
        return QStringLiteral("Identifiez ici l'auteur, le titre du film... \nÉcrivez finalement un court résumé: le synopsis");
    case 1:
        return QStringLiteral(
            "La continuité demande une nouvelle position: vous prenez maintenant la chaise du spectateur. Décrivez "
            "l'action du film dans ces moindres détails, plan par plan en séparant action, son, dialogue.");
    case 2:
        return QStringLiteral(
            "Précisez pour chacun des plans, les détails relatifs à la caméra. Ajoutez au besoin, des images pour le "
            "début et la fin de chaque plan. CAM signifie: Cadrage, Angle, Mouvement.");
    case 3:
        return QStringLiteral("Produire un rapport ou associer un rapport externe. (.htm)");
    case 4:
        return QStringLiteral("Le titre du film... ");
    case 5:
        return QStringLiteral("Le ou les auteurs du scénario.");
    case 6:
        return QStringLiteral(
            "Un commentaire supplémentaire à ajouter à la réalisation. Ex: Ce film est réalisé dans le cadre d'un cours "
            "de... ");
    case 7:
        return QStringLiteral("Idée: de quoi parlera le film.\n Très bref, dans une seule phrase si possible.");
    case 8:
        return QStringLiteral(
            "Synopsis ou résumé: Décrivez le film comme si vous le racontiez à  quelqu'un que vous croisez rapidement "
            "dans un corridor.");
    case 9:
        return QStringLiteral(
            "Décrivez avec précision l'action qui se passe à l'écran pour chacun des plans. Ajoutez une image en format "
            ".jpg au besoin.");
    case 10:
        return QStringLiteral("Décrivez le son prévu pour l'action en cours.");
    case 11:
        return QStringLiteral("Rapportez ici les éléments sonores vocaux, dialogues ou monologues.  ");
    case 12:
        return QStringLiteral("La durée du plan en secondes. (N'écrivez que les chiffres, sans ponctuation).");
    case 13:
        return QStringLiteral(
            "Utilisez au besoin le champ \"Précisions\", pour préciser l'effet que vous tentez d'obtenir.");
    case 14:
        return QStringLiteral(
            "Des images, en format .jpg, peuvent être déposées dans le dossier img  du travail en cours et associées à "
            "chacun des plans. Elles seront  affichées, dans le StoryBoard et dans les Plans.  La taille suggérée est "
            "de 400 x 300 pixels. ");
    case 16:
        return QStringLiteral(
            "Écrivez ici un rapport de production, de tournage, des notes... \nou ajoutez un lien vers un rapport "
            "externe (.htm) en cochant \"Utiliser fichier distinct\". ");
    default:
        return QString();
    }
}

} // namespace sw
