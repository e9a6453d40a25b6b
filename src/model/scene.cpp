#include "model/scene.h"

#include <algorithm>
#include <set>

#include "model/eventlist.h"
#include "model/shotfields.h"

namespace sw {

std::string EscapedLineField(std::string_view text)
{
    std::string escaped;
    for (const char c : text) {
        switch (c) {
        case '\\': escaped += "\\\\"; break;
        case '\t': escaped += "\\t"; break;
        case '\n': escaped += "\\n"; break;
        case '\r': escaped += "\\r"; break;
        default: escaped += c;
        }
    }
    return escaped;
}

std::string UnescapedLineField(std::string_view text)
{
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            plain += text[i];
            continue;
        }
        const char next = text[++i];
        plain += next == 't' ? '\t' : next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    }
    return plain;
}

namespace {

std::vector<std::string_view> Split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos)
            return parts;
        start = end + 1;
    }
}

} // namespace

std::vector<SceneRun> SceneRuns(const TEventList& shots)
{
    std::vector<SceneRun> runs;
    for (std::size_t index = 0; index < shots.Count(); ++index) {
        const std::string& scene = shots.Event(index).scene;
        if (runs.empty() || runs.back().scene != scene)
            runs.push_back({scene, index, 0});
        ++runs.back().count;
    }
    return runs;
}

std::vector<SceneGroup> SceneGroups(const TEventList& shots, const std::vector<TScene>& scenes)
{
    std::vector<SceneGroup> groups;
    for (const SceneRun& run : SceneRuns(shots)) {
        const std::size_t index = SceneIndex(scenes, run.scene);
        RunningTime time;
        for (std::size_t shot = run.first; shot < run.first + run.count; ++shot)
            time.Add(shots.Event(shot).cam.duration);
        groups.push_back({index < scenes.size() ? &scenes[index] : nullptr, run.first, run.count, time.Seconds()});
    }
    return groups;
}

std::string SceneTitle(const TScene* scene)
{
    if (!scene)
        return "Sans scène";
    std::string title = scene->number.empty() ? scene->heading : scene->number + ". " + scene->heading;
    if (scene->heading.empty())
        title = scene->number.empty() ? "Scène" : "Scène " + scene->number;
    if (scene->omitted)
        title += " (omise)";
    return title;
}

bool ScenesStayTogether(const TEventList& shots)
{
    std::set<std::string, std::less<>> seen;
    for (const SceneRun& run : SceneRuns(shots))
        if (!run.scene.empty() && !seen.insert(run.scene).second)
            return false;
    return true;
}

std::size_t DetachStrayShots(TEventList& shots, const std::vector<TScene>& scenes)
{
    std::set<std::string, std::less<>> seen;
    std::size_t detached = 0;
    for (const SceneRun& run : SceneRuns(shots)) {
        if (run.scene.empty())
            continue;
        if (SceneIndex(scenes, run.scene) < scenes.size() && seen.insert(run.scene).second)
            continue;
        for (std::size_t index = run.first; index < run.first + run.count; ++index)
            shots.Event(index).scene.clear();
        detached += run.count;
    }
    return detached;
}

std::size_t SceneIndex(const std::vector<TScene>& scenes, std::string_view id)
{
    const auto found = std::find_if(scenes.begin(), scenes.end(), [id](const TScene& scene) { return scene.id == id; });
    return static_cast<std::size_t>(found - scenes.begin());
}

std::string NewSceneId(const std::vector<TScene>& scenes)
{
    for (std::size_t n = scenes.size() + 1;; ++n) {
        std::string id = "scene-" + std::to_string(n);
        if (SceneIndex(scenes, id) == scenes.size())
            return id;
    }
}

std::string ScenesText(const std::vector<TScene>& scenes)
{
    std::string text;
    for (const TScene& scene : scenes) {
        if (!text.empty())
            text += '\n';
        text += EscapedLineField(scene.id) + '\t' + EscapedLineField(scene.number) + '\t' +
                EscapedLineField(scene.heading) + '\t' + EscapedLineField(scene.synopsis) + '\t' +
                (scene.omitted ? "omise" : "");
    }
    return text;
}

std::vector<TScene> ScenesFromText(std::string_view text)
{
    std::vector<TScene> scenes;
    if (text.empty())
        return scenes;
    for (const std::string_view line : Split(text, '\n')) {
        const std::vector<std::string_view> fields = Split(line, '\t');
        if (fields.size() != 5 || fields[0].empty())
            continue;
        TScene scene{UnescapedLineField(fields[0]), UnescapedLineField(fields[1]), UnescapedLineField(fields[2]),
                     UnescapedLineField(fields[3]), fields[4] == "omise"};
        if (SceneIndex(scenes, scene.id) == scenes.size())
            scenes.push_back(std::move(scene));
    }
    return scenes;
}

std::string ShotScenesText(const TEventList& shots)
{
    std::string text;
    for (std::size_t index = 0; index < shots.Count(); ++index) {
        if (index > 0)
            text += '\n';
        text += EscapedLineField(shots.Event(index).scene);
    }
    return text;
}

void TakeShotScenes(std::string_view text, TEventList& shots, const std::vector<TScene>& scenes)
{
    const std::vector<std::string_view> lines = Split(text, '\n');
    for (std::size_t index = 0; index < shots.Count(); ++index) {
        std::string scene = index < lines.size() ? UnescapedLineField(lines[index]) : std::string();
        shots.Event(index).scene = SceneIndex(scenes, scene) < scenes.size() ? std::move(scene) : std::string();
    }
    DetachStrayShots(shots, scenes);
}

} // namespace sw
