// Writes the bundled example film "court.vid" into the folder named on the
// command line, through the program's own project file writer, so that the
// example always matches what the editor saves.

#include <cstdint>
#include <exception>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>

#include "model/cp1252.h"
#include "document/projectdocument.h"
#include "document/projectfile.h"

namespace {

struct ShotData {
    std::string_view name;
    std::string_view action;
    std::string_view sound;
    std::string_view dialogue;
    std::string_view duration;
    std::uint8_t framing, angle, pan, travel, zoom;
    std::string_view effect;
    std::string_view startImage;
    std::string_view endImage;
};

// Texts are written here in UTF-8 and stored in Windows-1252, with CR LF
// between lines as the editor's text boxes give them.
std::string Text(std::string_view utf8)
{
    std::string withCrLf;
    for (char ch : utf8) {
        if (ch == '\n')
            withCrLf += '\r';
        withCrLf += ch;
    }
    return sw::Utf8ToCp1252(withCrLf);
}

constexpr ShotData kShots[] = {
    {"Réveil", "Chambre dans la pénombre.\nLe réveil sonne : <b>6 h 30</b>.\nClaire tend la main sans ouvrir les yeux.",
     "Sonnerie stridente, pluie contre la vitre.", "", "6", 7, 3, 0, 0, 1,
     "Lenteur, engourdissement : le spectateur se réveille avec elle.", "plan1.jpg", ""},
    {"Café", "Cuisine. Claire verse le café, renverse la moitié à côté.", "Radio en sourdine.",
     "CLAIRE (à elle-même) : « Évidemment… »", "8", 3, 1, 1, 0, 0, "Ton léger, un peu burlesque.", "plan2.jpg",
     "plan2b.jpg"},
    {"Escalier", "Elle dévale l'escalier de l'immeuble, manteau à moitié enfilé.", "Pas rapides, écho.", "", "4",
     0, 4, 2, 4, 0, "", "plan3.jpg", ""},
    {"La rue", "Rue mouillée. Claire court vers l'arrêt de bus.\nLe bus démarre sous ses yeux.",
     "Moteur du bus, klaxon lointain.", "", "7", 1, 0, 1, 3, 2,
     "Travelling latéral qui suit la course, puis <i>zoom arrière</i> sur la solitude de l'arrêt.", "plan4.jpg", ""},
    {"L'arrêt", "Claire s'assoit sous l'abri. Un vieil homme lui sourit.", "Pluie sur le toit de l'abri.",
     "LE VIEIL HOMME : « Le prochain passe dans vingt minutes. »\nCLAIRE : « Forcément. »", "12", 4, 1, 0, 0, 0,
     "", "", ""},
    {"Regards", "Gros plan sur leurs deux visages, qui finissent par rire.", "", "", "5", 6, 2, 0, 1, 1,
     "Champ / contre-champ, <b>rythme</b> de plus en plus rapide.", "plan6.jpg", ""},
    {"Le parapluie", "Le vieil homme lui tend son parapluie et s'éloigne sous la pluie.", "Musique : piano seul.",
     "LE VIEIL HOMME : « Gardez-le, j'habite à côté. »", "9", 2, 5, 3, 2, 0, "", "plan7.jpg", ""},
    {"Fin", "Plan large : Claire sous le parapluie ouvert, seule, souriante.\nFondu au noir.",
     "Piano, puis silence.", "", "10", 0, 0, 0, 2, 2, "Dernière image tenue trois secondes avant le noir.", "", ""},
};

sw::ProjectDocument ExampleProject()
{
    sw::ProjectDocument project;
    project.StylePrefs.ApplyAppStyleTable();

    project.GenInfo.title = Text("Le parapluie");
    project.GenInfo.creator = Text("Réalisation : Claire Dubœuf\nImage : Étienne Marchal\nSon : Zoé Lefèvre");
    project.GenInfo.comment = Text("Tournage prévu en deux demi-journées.\nAutorisation de la mairie à demander.");
    project.GenInfo.idea = Text("Une matinée ratée devient une rencontre.");
    project.GenInfo.synopsis = Text(
        "Claire se lève en retard, renverse son café et rate son bus.\n\n"
        "Sous l'abri, un vieil homme engage la conversation ; ils finissent par rire de la pluie.\n"
        "Il lui laisse son parapluie.\n\n"
        "Les lieux :\n<ul>\n<li>un appartement au troisième étage\n<li>une rue en pente\n<li>un abri de bus\n</ul>");

    for (const ShotData& data : kShots) {
        sw::TEvent& shot = project.EventList.AddEvent();
        shot.name = Text(data.name);
        shot.action = Text(data.action);
        shot.sound = Text(data.sound);
        shot.dialogue = Text(data.dialogue);
        shot.cam.duration = Text(data.duration);
        shot.cam.framing = data.framing;
        shot.cam.angle = data.angle;
        shot.cam.pan = data.pan;
        shot.cam.travel = data.travel;
        shot.cam.zoom = data.zoom;
        shot.cam.effect = Text(data.effect);
        shot.cam.startImage = Text(data.startImage);
        shot.cam.endImage = Text(data.endImage);
    }

    project.Report.caption = Text("Rapport de production");
    project.Report.isExternal = false;
    project.Report.text = Text(
        "Tournage du 12 mars.\n\n"
        "Matin : plans 1 à 3 dans l'appartement, lumière naturelle suffisante.\n"
        "Après-midi : plans 4 à 8 ; la pluie était <b>réelle</b>, aucun effet n'a été nécessaire.\n\n"
        "À refaire :\n<ul>\n<li>le son du plan 2 (réfrigérateur)\n<li>un raccord de manteau entre les plans 3 et 4\n</ul>");
    return project;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::cerr << "usage: make_example FOLDER\n";
        return 2;
    }
    try {
        sw::ProjectDocument project = ExampleProject();
        const std::filesystem::path file = std::filesystem::path(argv[1]) / "court.vid";
        sw::SaveProject(project, file);
        std::cout << file.string() << "\n";
    } catch (const std::exception& error) {
        std::cerr << "make_example: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
