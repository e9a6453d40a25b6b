#include "document/scriptimport.h"

#include <algorithm>
#include <set>

#include "model/error.h"
#include "model/scene.h"
#include "model/shotids.h"
#include "model/textform.h"

namespace sw {

namespace {

std::vector<std::string_view> Fields(std::string_view line)
{
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
        if (tab == std::string_view::npos)
            return fields;
        start = tab + 1;
    }
}

} // namespace

std::string ScriptImportText(const ScriptImportBaseline& baseline)
{
    std::string text = "title\t" + EscapedLineField(baseline.title) + "\nauthor\t" + EscapedLineField(baseline.author);
    for (const ImportedShot& shot : baseline.shots) {
        text += '\n';
        text += EscapedLineField(shot.shot) + '\t' + EscapedLineField(shot.scene) + '\t' + EscapedLineField(shot.name) +
                '\t' + EscapedLineField(shot.action) + '\t' + EscapedLineField(shot.dialogue);
    }
    return text;
}

ScriptImportBaseline ScriptImportFromText(std::string_view text)
{
    ScriptImportBaseline baseline;
    std::set<std::string, std::less<>> ids;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::vector<std::string_view> fields = Fields(text.substr(start, end - start));
        start = end + 1;
        if (fields.size() == 2 && fields[0] == "title") {
            baseline.title = UnescapedLineField(fields[1]);
        } else if (fields.size() == 2 && fields[0] == "author") {
            baseline.author = UnescapedLineField(fields[1]);
        } else if (fields.size() == 5) {
            ImportedShot shot{UnescapedLineField(fields[0]), UnescapedLineField(fields[1]),
                              UnescapedLineField(fields[2]), UnescapedLineField(fields[3]),
                              UnescapedLineField(fields[4])};
            if (!shot.shot.empty() && ids.insert(shot.shot).second)
                baseline.shots.push_back(std::move(shot));
        }
    }
    return baseline;
}

std::optional<ScriptImportBaseline> ScriptImportOf(const ProjectDocument& project)
{
    const auto entry = project.Extensions.find(std::string(kScriptImportKey));
    if (entry == project.Extensions.end())
        return std::nullopt;
    return ScriptImportFromText(entry->second);
}

void SetScriptImport(ProjectDocument& project, const ScriptImportBaseline& baseline)
{
    project.Extensions.insert_or_assign(std::string(kScriptImportKey), ScriptImportText(baseline));
}

namespace {

std::string StorableText(std::string text, bool html)
{
    if (text.find(FieldSep) == std::string::npos && (text.empty() || text.back() != '|'))
        return text;
    return ReplaceText(text, "|", html ? "&#124;" : "¦");
}

} // namespace

Screenplay StorableScreenplay(Screenplay screenplay)
{
    screenplay.title = StorableText(std::move(screenplay.title), false);
    screenplay.author = StorableText(std::move(screenplay.author), false);
    for (ScriptScene& scene : screenplay.scenes) {
        for (ScriptShot& shot : scene.shots) {
            shot.name = StorableText(std::move(shot.name), false);
            shot.action = StorableText(std::move(shot.action), true);
            shot.dialogue = StorableText(std::move(shot.dialogue), true);
        }
    }
    return screenplay;
}

ProjectDocument ProjectFromScreenplay(const Screenplay& given, ProjectDocument base)
{
    const Screenplay screenplay = StorableScreenplay(given);
    std::size_t shots = 0;
    for (const ScriptScene& scene : screenplay.scenes)
        shots += scene.shots.size();
    if (shots > MaxShots)
        throw Error("Le scénario prévoit " + std::to_string(shots) + " plans, et un projet en tient au plus " +
                    std::to_string(MaxShots) + ".");
    ProjectDocument project = std::move(base);
    project.EventList.Clear();
    project.Scenes.clear();
    project.GenInfo.title = screenplay.title;
    project.GenInfo.creator = screenplay.author;
    ScriptImportBaseline baseline{screenplay.title, screenplay.author, {}};
    baseline.shots.reserve(shots);
    for (const ScriptScene& scene : screenplay.scenes) {
        // Text before any heading stands in no scene.
        std::string sceneId;
        if (!scene.heading.empty()) {
            sceneId = NewSceneId(project.Scenes);
            project.Scenes.push_back({sceneId, scene.number, scene.heading, scene.synopsis, false});
        }
        for (const ScriptShot& planned : scene.shots) {
            TEvent& shot = project.EventList.AddEvent();
            shot.name = planned.name;
            shot.action = planned.action;
            shot.dialogue = planned.dialogue;
            shot.scene = sceneId;
            shot.id = NewShotId();
            baseline.shots.push_back({shot.id, sceneId, planned.name, planned.action, planned.dialogue});
        }
    }
    SetScriptImport(project, baseline);
    return project;
}

} // namespace sw
