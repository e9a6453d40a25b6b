// The document's scene commands, each one working out the scenes and the
// shots' scenes after it and pushing one TSceneCommand, and the screenplay
// brought into the project as one step.

#include <algorithm>
#include <utility>

#include "editing/document.h"
#include "editing/documentcommands.h"
#include "model/sceneplan.h"
#include "qtshared/uitext.h"

namespace sw {

namespace {

QString SceneStepText(const char* verb, const TScene& scene)
{
    return QString::fromUtf8(verb) + QStringLiteral(" la scène « ") + uitext::ToQString(SceneTitle(&scene)) +
           QStringLiteral(" »");
}

// The run of shots (of one scene, or of none) that holds shot.
SceneRun RunOf(const TEventList& shots, std::size_t shot)
{
    for (const SceneRun& run : SceneRuns(shots))
        if (shot < run.first + run.count)
            return run;
    return {};
}

// The run of the scene with id scene; count 0 when it has no shots.
SceneRun RunOfScene(const TEventList& shots, std::string_view scene)
{
    for (const SceneRun& run : SceneRuns(shots))
        if (run.scene == scene)
            return run;
    return {std::string(scene), 0, 0};
}

} // namespace

void TDocument::PushSceneStep(const QString& text, std::vector<TScene> after, std::optional<ShotBlockMove> move,
                              std::vector<ShotSceneChange> changes, std::optional<std::size_t> shownBefore,
                              std::optional<std::size_t> shownAfter)
{
    // The shots as the step leaves them, for the order of the scenes.
    TEventList shots = project_.EventList;
    if (move) {
        for (std::size_t i = 0; i < move->count; ++i) {
            if (move->to < move->first)
                shots.MoveEvent(move->first + i, move->to + i);
            else
                shots.MoveEvent(move->first, move->to + move->count - 1);
        }
    }
    for (const ShotSceneChange& change : changes)
        shots.Event(change.shot).scene = change.after;
    OrderScenesByShots(after, shots);
    const bool moves = move && move->count > 0 && move->first != move->to;
    std::erase_if(changes, [](const ShotSceneChange& change) { return change.before == change.after; });
    if (!moves && changes.empty() && after == project_.Scenes)
        return;
    Push(new TSceneCommand(*this, text, project_.Scenes, std::move(after), moves ? move : std::nullopt,
                           std::move(changes), shownBefore, shownAfter));
}

void TDocument::AddScene(TScene scene, std::optional<std::size_t> fromShot)
{
    scene.id = NewSceneId(project_.Scenes);
    const QString text = SceneStepText("Ajouter", scene);
    std::vector<TScene> after = project_.Scenes;
    std::vector<ShotSceneChange> changes;
    if (fromShot && *fromShot < project_.EventList.Count()) {
        const SceneRun run = RunOf(project_.EventList, *fromShot);
        for (std::size_t shot = *fromShot; shot < run.first + run.count; ++shot)
            changes.push_back({shot, run.scene, scene.id});
        // Right after the scene it comes out of; the order of the shots
        // puts it in place otherwise.
        after.insert(after.begin() + static_cast<std::ptrdiff_t>(std::min(SceneIndex(after, run.scene) + 1, after.size())),
                     scene);
    } else {
        after.push_back(scene);
    }
    PushSceneStep(text, std::move(after), std::nullopt, std::move(changes), fromShot, fromShot);
}

void TDocument::EditScene(std::size_t index, const TScene& scene)
{
    std::vector<TScene> after = project_.Scenes;
    TScene& edited = after.at(index);
    const QString text = SceneStepText("Modifier", edited);
    edited.number = scene.number;
    edited.heading = scene.heading;
    edited.synopsis = scene.synopsis;
    edited.omitted = scene.omitted;
    PushSceneStep(text, std::move(after), std::nullopt, {}, std::nullopt, std::nullopt);
}

void TDocument::DeleteScene(std::size_t index)
{
    const TScene& scene = project_.Scenes.at(index);
    const SceneRun run = RunOfScene(project_.EventList, scene.id);
    std::vector<ShotSceneChange> changes;
    for (std::size_t shot = run.first; shot < run.first + run.count; ++shot)
        changes.push_back({shot, scene.id, {}});
    std::vector<TScene> after = project_.Scenes;
    after.erase(after.begin() + static_cast<std::ptrdiff_t>(index));
    const std::optional<std::size_t> shown = run.count > 0 ? std::optional(run.first) : std::nullopt;
    PushSceneStep(SceneStepText("Supprimer", scene), std::move(after), std::nullopt, std::move(changes), shown, shown);
}

void TDocument::MoveScene(std::size_t index, int step)
{
    const std::vector<TScene>& scenes = project_.Scenes;
    if (index >= scenes.size() || (step < 0 && index == 0) || (step > 0 && index + 1 >= scenes.size()))
        return;
    const std::size_t other = step < 0 ? index - 1 : index + 1;
    const std::size_t upper = std::min(index, other);
    std::vector<TScene> after = scenes;
    std::swap(after[index], after[other]);
    const SceneRun first = RunOfScene(project_.EventList, scenes[upper].id);
    const SceneRun second = RunOfScene(project_.EventList, scenes[upper + 1].id);
    std::optional<ShotBlockMove> move;
    // The second scene's shots go before the first one's.
    if (first.count > 0 && second.count > 0)
        move = ShotBlockMove{second.first, second.count, first.first};
    const SceneRun moved = RunOfScene(project_.EventList, scenes[index].id);
    std::optional<std::size_t> shownBefore, shownAfter;
    if (moved.count > 0) {
        shownBefore = moved.first;
        shownAfter = !move ? moved.first : index == upper ? first.first + second.count : first.first;
    }
    PushSceneStep(SceneStepText("Déplacer", scenes[index]), std::move(after), move, {}, shownBefore, shownAfter);
}

void TDocument::PutShotInScene(std::size_t shot, std::size_t scene)
{
    const TEventList& shots = project_.EventList;
    const std::string current = shots.Event(shot).scene;
    const std::string target = scene < project_.Scenes.size() ? project_.Scenes[scene].id : std::string();
    if (current == target)
        return;
    std::size_t to = shot;
    if (target.empty()) {
        // Just after its scene's other shots, so that none stands between them.
        const SceneRun run = RunOf(shots, shot);
        to = run.first + run.count - 1;
    } else if (const SceneRun run = RunOfScene(shots, target); run.count > 0) {
        to = shot < run.first ? run.first + run.count - 1 : run.first + run.count;
    } else {
        // A scene without shots: where its header stands, after the scene
        // before it.
        to = 0;
        for (std::size_t before = scene; before-- > 0;) {
            const SceneRun previous = RunOfScene(shots, project_.Scenes[before].id);
            if (previous.count > 0) {
                to = previous.first + previous.count - (shot < previous.first ? 1 : 0);
                break;
            }
        }
    }
    const QString text = ShotStepText("Déplacer", shots.EventName(shot));
    const std::optional<ShotBlockMove> move = to != shot ? std::optional(ShotBlockMove{shot, 1, to}) : std::nullopt;
    PushSceneStep(text, project_.Scenes, move, {{to, current, target}}, shot, to);
}

void TDocument::MoveShotToScene(std::size_t from, std::size_t to, const std::string& scene)
{
    const TEventList& shots = project_.EventList;
    if (from >= shots.Count() || to >= shots.Count())
        return;
    const std::string current = shots.Event(from).scene;
    const std::string target = SceneForPlace(shots, to, scene, from);
    if (from == to && target == current)
        return;
    const std::optional<ShotBlockMove> move = from != to ? std::optional(ShotBlockMove{from, 1, to}) : std::nullopt;
    PushSceneStep(ShotStepText("Déplacer", shots.EventName(from)), project_.Scenes, move, {{to, current, target}}, from,
                  to);
}

void TDocument::ApplyBlockMove(std::size_t first, std::size_t count, std::size_t to)
{
    for (std::size_t i = 0; i < count; ++i) {
        if (to < first)
            ApplyMove(first + i, to + i);
        else
            ApplyMove(first, to + count - 1);
    }
}

ScreenplayPart ScreenplayPart::Of(const ProjectDocument& project)
{
    return {project.GenInfo.title, project.GenInfo.creator, project.EventList, project.Scenes, project.Extensions};
}

void TDocument::ApplyScreenplay(const ProjectDocument& updated, const QString& text)
{
    ScreenplayPart before = ScreenplayPart::Of(project_);
    ScreenplayPart after = ScreenplayPart::Of(updated);
    if (after == before)
        return;
    Push(new TScreenplayCommand(*this, text, std::move(before), std::move(after)));
}

void TDocument::ApplyScreenplayPart(const ScreenplayPart& part)
{
    project_.GenInfo.title = part.title;
    project_.GenInfo.creator = part.creator;
    project_.EventList = part.shots;
    project_.Scenes = part.scenes;
    project_.Extensions = part.extensions;
    emit infoChanged(InfoField::Title);
    emit infoChanged(InfoField::Creator);
    emit shotsReplaced();
    emit scenesChanged();
    emit animaticSettingsChanged();
}

void TDocument::ApplyScenes(const std::vector<TScene>& scenes)
{
    project_.Scenes = scenes;
    emit scenesChanged();
}

} // namespace sw
