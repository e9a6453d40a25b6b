// A feature film's screenplay, about 120 pages in Fountain: read, planned
// as a new project, and brought again into that project as a revision.
// Target: each under 0.5 s.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include <benchmark/benchmark.h>

#include "document/scriptimport.h"
#include "document/scriptupdate.h"
#include "screenplay/fountain.h"

namespace sw {
namespace {

constexpr std::size_t kScenes = 150;
constexpr std::size_t kParagraphsPerScene = 14;  // 2,100 in all

const char* const kCharacters[] = {"CLAIRE", "LÉA", "MARC", "JOSÉ", "HÉLÈNE", "ZOË", "FRANÇOIS", "MÈRE DE CLAIRE"};
const char* const kPlaces[] = {"CUISINE", "ARRÊT DE BUS", "BUREAU DE POSTE", "GARE DE LYON", "QUAI", "ÉGLISE",
                               "APPARTEMENT DE LÉA", "VOITURE DE MARC", "CAFÉ DU COMMERCE", "PONT NEUF"};
const char* const kTimes[] = {"JOUR", "NUIT", "AUBE", "SOIR", "PLUS TARD"};
const char* const kActions[] = {
    "La pluie tombe sans discontinuer sur les toits de la ville. Les passants pressent le pas sous les auvents.",
    "Claire traverse la pièce, ouvre la fenêtre et regarde la rue en contrebas. *Personne.* Elle referme.",
    "Un train entre en gare dans un fracas de freins. Les portières s'ouvrent, la foule se déverse sur le quai.",
    "Marc pose les clés sur la table, hésite, puis les reprend. Il jette un regard à la photo **encadrée**.",
    "Le café est presque vide. Au comptoir, un vieil homme lit le journal en tournant les pages avec soin.",
    "Léa range ses affaires dans un sac trop petit. Elle s'arrête sur une lettre, la relit, la glisse dans sa poche."};
const char* const kLines[] = {"Tu crois vraiment qu'il viendra ?",
                              "Je ne sais pas. Je ne sais plus rien, depuis ce matin.",
                              "On n'a pas le temps. Le train part dans dix minutes, et il faut encore passer la voir.",
                              "_Écoute-moi_, pour une fois. Rien ne presse.",
                              "Il a dit qu'il appellerait. Il n'a pas appelé."};

// The screenplay: a title page, 150 scenes of a dozen and more paragraphs
// of action and dialogue (about 6,500 lines), plan notes in one scene out
// of three, emphasis, parentheticals, transitions and a note here and there.
std::string FeatureScreenplay()
{
    std::string text = "Title: **Le Parapluie jaune**\nCredit: écrit par\nAuthor: Anne Dupré\nDraft date: 10/12/2026\n\n";
    std::size_t line = 0;
    for (std::size_t scene = 0; scene < kScenes; ++scene) {
        text += scene % 2 == 0 ? "INT. " : "EXT. ";
        text += kPlaces[scene % std::size(kPlaces)];
        text += " - ";
        text += kTimes[scene % std::size(kTimes)];
        text += "\n\n";
        if (scene % 5 == 0)
            text += "= Claire cherche encore la lettre, scène " + std::to_string(scene + 1) + ".\n\n";
        const bool planned = scene % 3 == 0;
        for (std::size_t paragraph = 0; paragraph < kParagraphsPerScene; ++paragraph, ++line) {
            if (planned && paragraph % 4 == 0)
                text += "[[plan: Plan " + std::to_string(scene + 1) + "." + std::to_string(paragraph / 4 + 1) +
                        "]]\n\n";
            if (paragraph % 2 == 0) {
                text += kActions[(line / 2) % std::size(kActions)];
                text += "\n\n";
            } else {
                text += kCharacters[(line / 2) % std::size(kCharacters)];
                text += "\n";
                if (line % 7 == 0)
                    text += "(à voix basse)\n";
                text += kLines[(line / 2) % std::size(kLines)];
                text += "\n";
                text += kLines[(line / 2 + 2) % std::size(kLines)];
                text += "\n\n";
            }
            if (line % 50 == 0)
                text += "[[Une note de la scripte.]]\n\n";
        }
        if (scene % 4 == 3)
            text += "CUT TO:\n\n";
    }
    return text;
}

const std::string& Text()
{
    static const std::string text = FeatureScreenplay();
    return text;
}

void ReadFeatureScreenplay(benchmark::State& state)
{
    std::size_t shots = 0;
    for (auto _ : state) {
        const Screenplay screenplay = ParseFountain(Text());
        shots = 0;
        for (const ScriptScene& scene : screenplay.scenes)
            shots += scene.shots.size();
        benchmark::DoNotOptimize(shots);
    }
    state.counters["bytes"] = static_cast<double>(Text().size());
    state.counters["lines"] = static_cast<double>(std::count(Text().begin(), Text().end(), '\n'));
    state.counters["shots"] = static_cast<double>(shots);
}
BENCHMARK(ReadFeatureScreenplay)->Unit(benchmark::kMillisecond);

void PlanFeatureProject(benchmark::State& state)
{
    std::size_t shots = 0;
    for (auto _ : state) {
        const ProjectDocument project = ProjectFromScreenplay(ParseFountain(Text()));
        shots = project.EventList.Count();
        benchmark::DoNotOptimize(shots);
    }
    state.counters["scenes"] = static_cast<double>(ParseFountain(Text()).scenes.size());
    state.counters["shots"] = static_cast<double>(shots);
}
BENCHMARK(PlanFeatureProject)->Unit(benchmark::kMillisecond);

void UpdateFeatureProjectFromItself(benchmark::State& state)
{
    const ProjectDocument project = ProjectFromScreenplay(ParseFountain(Text()));
    bool nothing = false;
    for (auto _ : state) {
        const ScriptUpdate update = UpdateFromScreenplay(project, ParseFountain(Text()));
        nothing = update.summary.changesNothing;
        benchmark::DoNotOptimize(nothing);
    }
    if (!nothing)
        state.SkipWithError("the same screenplay changed the project");
}
BENCHMARK(UpdateFeatureProjectFromItself)->Unit(benchmark::kMillisecond);

// A revision that changes an action in a shot out of six and adds a scene,
// into a project whose user rewrote a shot out of five.
void UpdateFeatureProjectFromARevision(benchmark::State& state)
{
    ProjectDocument project = ProjectFromScreenplay(ParseFountain(Text()));
    for (std::size_t index = 0; index < project.EventList.Count(); index += 5)
        project.EventList.Event(index).action = "Réécrit au tournage.";
    std::string revision = Text();
    for (std::size_t at = revision.find("*Personne.*"); at != std::string::npos;
         at = revision.find("*Personne.*", at + 1))
        revision.replace(at, 11, "*Toujours personne.*");
    revision += "EXT. PONT NEUF - AUBE\n\nLe parapluie jaune flotte sur la Seine.\n";
    std::size_t updated = 0;
    for (auto _ : state) {
        const ScriptUpdate update = UpdateFromScreenplay(project, ParseFountain(revision));
        updated = update.summary.shotsUpdated;
        benchmark::DoNotOptimize(updated);
    }
    state.counters["updated"] = static_cast<double>(updated);
}
BENCHMARK(UpdateFeatureProjectFromARevision)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace sw
