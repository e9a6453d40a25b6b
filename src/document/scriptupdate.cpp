#include "document/scriptupdate.h"

#include <map>
#include <optional>
#include <set>
#include <unordered_map>
#include <utility>
#include <vector>

#include "model/scene.h"
#include "model/shotids.h"

namespace sw {

namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

// One shot of a scene as last imported. known is false for the shots of a
// scene planned before imports were kept: what the import gave them is lost,
// so their texts are the user's.
struct Imported {
    ImportedShot shot;
    bool known = true;
};

// The text of a field: taken from the revision where the user left it as
// imported. Returns whether it changed; counts a text of the user's kept
// where the revision changes it.
bool TakeText(std::string& current, const std::string& imported, bool known, const std::string& revised,
              std::size_t& kept)
{
    if (current == revised || (known && revised == imported))
        return false;
    if (known && current == imported) {
        current = revised;
        return true;
    }
    ++kept;
    return false;
}

// Where the shots of the scene end in the shot order (the place after its
// last shot); none when it has no shot. The shots of no scene count only
// when they came from the text before the screenplay's first heading.
std::optional<std::size_t> EndOfScene(const TEventList& shots, const std::string& scene,
                                      const std::set<std::string, std::less<>>& prologue)
{
    for (std::size_t index = shots.Count(); index-- > 0;) {
        const TEvent& shot = shots.Event(index);
        if (shot.scene == scene && (!scene.empty() || prologue.contains(shot.id)))
            return index + 1;
    }
    return std::nullopt;
}

void Count(std::string& text, std::size_t count, const char* one, const char* many)
{
    if (count == 0)
        return;
    if (!text.empty())
        text += ", ";
    text += std::to_string(count) + ' ' + (count == 1 ? one : many);
}

bool SameProject(const ProjectDocument& a, const ProjectDocument& b)
{
    return a.EventList == b.EventList && a.Scenes == b.Scenes && a.GenInfo.title == b.GenInfo.title &&
           a.GenInfo.creator == b.GenInfo.creator && a.Extensions == b.Extensions;
}

ScriptUpdate FirstImport(const ProjectDocument& original, const Screenplay& revision)
{
    ScriptUpdate update{ProjectFromScreenplay(revision, original), {}};
    ScriptUpdateSummary& summary = update.summary;
    for (const ScriptScene& scene : revision.scenes) {
        if (scene.heading.empty()) {
            summary.shotsAdded += scene.shots.size();
        } else {
            ++summary.newScenes;
            summary.newSceneShots += scene.shots.size();
        }
    }
    summary.titleUpdated = update.project.GenInfo.title != original.GenInfo.title;
    summary.authorUpdated = update.project.GenInfo.creator != original.GenInfo.creator;
    summary.changesNothing = SameProject(update.project, original);
    summary.text = ScriptUpdateText(summary);
    return update;
}

} // namespace

std::string ScriptUpdateText(const ScriptUpdateSummary& summary)
{
    if (summary.changesNothing)
        return "Le scénario ne change rien au projet.";
    std::string text;
    Count(text, summary.scenesUpdated, "scène mise à jour", "scènes mises à jour");
    if (summary.newScenes > 0) {
        Count(text, summary.newScenes, "nouvelle scène", "nouvelles scènes");
        text += " (" + std::to_string(summary.newSceneShots) + (summary.newSceneShots == 1 ? " plan)" : " plans)");
    }
    Count(text, summary.scenesOmitted, "scène omise", "scènes omises");
    Count(text, summary.shotsUpdated, "plan mis à jour", "plans mis à jour");
    Count(text, summary.shotsAdded, "nouveau plan", "nouveaux plans");
    Count(text, summary.userTextsKept, "texte modifié par vous gardé", "textes modifiés par vous gardés");
    const char* general = summary.titleUpdated && summary.authorUpdated ? "titre et auteur mis à jour"
                          : summary.titleUpdated                        ? "titre mis à jour"
                          : summary.authorUpdated                       ? "auteur mis à jour"
                                                                        : nullptr;
    if (general != nullptr) {
        if (text.empty()) {
            text = general;
            text[0] = static_cast<char>(text[0] - 'a' + 'A');
        } else {
            text += ", ";
            text += general;
        }
    }
    // Only what the project keeps of the import changes.
    if (text.empty())
        return "Rien de visible ne change ; le projet retient cette version du scénario.";
    return text + '.';
}

ScriptUpdate UpdateFromScreenplay(const ProjectDocument& original, const Screenplay& given)
{
    const Screenplay revision = StorableScreenplay(given);
    if (original.Scenes.empty() && original.EventList.Count() == 0)
        return FirstImport(original, revision);

    ScriptUpdate update{original, {}};
    ProjectDocument& project = update.project;
    ScriptUpdateSummary& summary = update.summary;
    const std::optional<ScriptImportBaseline> before = ScriptImportOf(original);
    const bool hasBaseline = before.has_value();

    // The title and the author, taken where empty or still as imported.
    const auto takeGeneral = [&](std::string& current, const std::string& revised,
                                 std::string ScriptImportBaseline::*given) {
        const std::string imported = current.empty() || !hasBaseline ? std::string() : (*before).*given;
        return TakeText(current, imported, hasBaseline || current.empty(), revised, summary.userTextsKept);
    };
    summary.titleUpdated = takeGeneral(project.GenInfo.title, revision.title, &ScriptImportBaseline::title);
    summary.authorUpdated = takeGeneral(project.GenInfo.creator, revision.author, &ScriptImportBaseline::author);

    // The scenes: by number, then by heading. The text before the first
    // heading is matched to the shots of no scene it gave before.
    const std::size_t oldScenes = project.Scenes.size();
    std::vector<std::size_t> matched(revision.scenes.size(), kNone);
    std::vector<bool> taken(oldScenes, false);
    // Whether another scene of the revision, not matched yet, has the heading.
    const auto claimed = [&](std::size_t r, const std::string& heading) {
        for (std::size_t other = 0; other < revision.scenes.size(); ++other)
            if (other != r && matched[other] == kNone && revision.scenes[other].heading == heading)
                return true;
        return false;
    };
    // Numbers and headings both alike first, so that scenes of the same
    // place keep their own. A number then, unless the scene's heading went
    // to another scene of the revision: a scene put in before it without a
    // number of its own shifts the numbers counted after it, and the scenes
    // that follow are found by their headings.
    enum class By { Both, Number, Heading, NumberAlone };
    for (const By by : {By::Both, By::Number, By::Heading, By::NumberAlone}) {
        for (std::size_t r = 0; r < revision.scenes.size(); ++r) {
            const ScriptScene& scene = revision.scenes[r];
            if (matched[r] != kNone || scene.heading.empty())
                continue;
            for (std::size_t s = 0; s < oldScenes; ++s) {
                const TScene& old = project.Scenes[s];
                if (taken[s])
                    continue;
                const bool sameNumber = !scene.number.empty() && old.number == scene.number;
                const bool sameHeading = old.heading == scene.heading;
                const bool alike = by == By::Both      ? sameNumber && sameHeading
                                   : by == By::Number  ? sameNumber && !claimed(r, old.heading)
                                   : by == By::Heading ? sameHeading
                                                       : sameNumber;
                if (alike) {
                    matched[r] = s;
                    taken[s] = true;
                    break;
                }
            }
        }
    }

    // What the last import gave, scene by scene.
    std::map<std::string, std::vector<Imported>> imported;
    if (hasBaseline)
        for (const ImportedShot& shot : before->shots)
            imported[shot.scene].push_back({shot, true});
    std::unordered_map<std::string, std::size_t> shotAt;
    for (std::size_t index = 0; index < project.EventList.Count(); ++index)
        if (!project.EventList.Event(index).id.empty())
            shotAt.emplace(project.EventList.Event(index).id, index);
    std::set<std::string, std::less<>> prologue;
    if (const auto none = imported.find(std::string()); none != imported.end())
        for (const Imported& shot : none->second)
            prologue.insert(shot.shot.shot);

    // The scenes found again: their texts, and their shots matched, their
    // texts taken where the user left them; the shots to add after them.
    std::vector<std::string> sceneIds(revision.scenes.size());
    std::vector<std::vector<const ScriptShot*>> additions(revision.scenes.size());
    for (std::size_t r = 0; r < revision.scenes.size(); ++r) {
        const ScriptScene& scene = revision.scenes[r];
        const bool isPrologue = scene.heading.empty();
        if (!isPrologue && matched[r] == kNone)
            continue;
        std::string sceneId;
        if (!isPrologue) {
            TScene& old = project.Scenes[matched[r]];
            sceneId = old.id;
            const TScene revised{old.id, scene.number, scene.heading, scene.synopsis, false};
            if (old != revised) {
                old = revised;
                ++summary.scenesUpdated;
            }
        }
        sceneIds[r] = sceneId;
        std::vector<Imported>& group = imported[sceneId];
        if (group.empty() && !isPrologue) {
            // Planned before imports were kept: the scene's shots in order.
            for (std::size_t index = 0; index < project.EventList.Count(); ++index) {
                TEvent& shot = project.EventList.Event(index);
                if (shot.scene != sceneId)
                    continue;
                if (shot.id.empty()) {
                    shot.id = NewShotId();
                    shotAt.emplace(shot.id, index);
                }
                group.push_back({{shot.id, sceneId, shot.name, shot.action, shot.dialogue}, false});
            }
        }
        // By the plan note's name as imported, then by order.
        std::vector<std::size_t> pair(scene.shots.size(), kNone);
        std::vector<bool> used(group.size(), false);
        for (std::size_t p = 0; p < scene.shots.size(); ++p) {
            for (std::size_t g = 0; g < group.size(); ++g) {
                if (!used[g] && group[g].shot.name == scene.shots[p].name) {
                    pair[p] = g;
                    used[g] = true;
                    break;
                }
            }
        }
        std::size_t next = 0;
        for (std::size_t p = 0; p < scene.shots.size(); ++p) {
            if (pair[p] != kNone)
                continue;
            while (next < group.size() && used[next])
                ++next;
            if (next == group.size())
                break;
            pair[p] = next;
            used[next] = true;
        }
        std::vector<Imported> revisedGroup;
        for (std::size_t p = 0; p < scene.shots.size(); ++p) {
            const ScriptShot& planned = scene.shots[p];
            if (pair[p] == kNone) {
                additions[r].push_back(&planned);
                continue;
            }
            const Imported& last = group[pair[p]];
            if (const auto at = shotAt.find(last.shot.shot); at != shotAt.end()) {
                TEvent& shot = project.EventList.Event(at->second);
                bool changed = TakeText(shot.name, last.shot.name, last.known, planned.name, summary.userTextsKept);
                changed = TakeText(shot.action, last.shot.action, last.known, planned.action, summary.userTextsKept) ||
                          changed;
                changed =
                    TakeText(shot.dialogue, last.shot.dialogue, last.known, planned.dialogue, summary.userTextsKept) ||
                    changed;
                if (changed)
                    ++summary.shotsUpdated;
            }
            // A shot the user deleted keeps its place, and is not brought back.
            revisedGroup.push_back({{last.shot.shot, sceneId, planned.name, planned.action, planned.dialogue}, true});
        }
        // The shots the revision drops stay, with what they were imported as.
        for (std::size_t g = 0; g < group.size(); ++g)
            if (!used[g])
                revisedGroup.push_back(group[g]);
        group = std::move(revisedGroup);
    }

    // The scenes the revision no longer has.
    for (std::size_t s = 0; s < oldScenes; ++s) {
        if (!taken[s] && !project.Scenes[s].omitted) {
            project.Scenes[s].omitted = true;
            ++summary.scenesOmitted;
        }
    }

    // The new scenes and the new shots, in the revision's order: each after
    // the last shot of its scene, or of the scene before it.
    for (std::size_t r = 0; r < revision.scenes.size(); ++r) {
        const ScriptScene& scene = revision.scenes[r];
        const bool isNew = !scene.heading.empty() && matched[r] == kNone;
        if (isNew) {
            sceneIds[r] = NewSceneId(project.Scenes);
            std::size_t place = 0;
            for (std::size_t back = r; back-- > 0;) {
                if (!sceneIds[back].empty()) {
                    place = SceneIndex(project.Scenes, sceneIds[back]) + 1;
                    break;
                }
            }
            project.Scenes.insert(project.Scenes.begin() + static_cast<std::ptrdiff_t>(place),
                                  TScene{sceneIds[r], scene.number, scene.heading, scene.synopsis, false});
            ++summary.newScenes;
            summary.newSceneShots += scene.shots.size();
            for (const ScriptShot& planned : scene.shots)
                additions[r].push_back(&planned);
        } else {
            summary.shotsAdded += additions[r].size();
        }
        if (additions[r].empty())
            continue;
        std::optional<std::size_t> place = EndOfScene(project.EventList, sceneIds[r], prologue);
        for (std::size_t back = r; !place && back-- > 0;)
            place = EndOfScene(project.EventList, sceneIds[back], prologue);
        if (!place) {
            // The first of the revision's scenes with shots: before the
            // first shot of a scene, after any imported opening.
            place = project.EventList.Count();
            for (std::size_t index = 0; index < project.EventList.Count(); ++index) {
                if (!project.EventList.Event(index).scene.empty()) {
                    place = index;
                    break;
                }
            }
        }
        std::vector<Imported>& group = imported[sceneIds[r]];
        for (const ScriptShot* planned : additions[r]) {
            TEvent shot = project.EventList.NewEvent();
            shot.name = planned->name;
            shot.action = planned->action;
            shot.dialogue = planned->dialogue;
            shot.scene = sceneIds[r];
            shot.id = NewShotId();
            group.push_back({{shot.id, sceneIds[r], planned->name, planned->action, planned->dialogue}, true});
            if (sceneIds[r].empty())
                prologue.insert(shot.id);
            project.EventList.InsertEvent((*place)++, std::move(shot));
        }
    }

    // The new baseline: the opening's shots, then the scenes' in their order.
    ScriptImportBaseline after{revision.title, revision.author, {}};
    const auto keep = [&](const std::string& scene) {
        const auto group = imported.find(scene);
        if (group == imported.end())
            return;
        for (Imported& shot : group->second)
            after.shots.push_back(std::move(shot.shot));
        imported.erase(group);
    };
    keep(std::string());
    for (const TScene& scene : project.Scenes)
        keep(scene.id);
    while (!imported.empty())
        keep(imported.begin()->first);
    SetScriptImport(project, after);

    summary.changesNothing = SameProject(project, original);
    summary.text = ScriptUpdateText(summary);
    return update;
}

} // namespace sw
