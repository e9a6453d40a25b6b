#include "document/scriptimport.h"

#include "model/error.h"

namespace sw {

ProjectDocument ProjectFromScreenplay(const Screenplay& screenplay, ProjectDocument base)
{
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
        }
    }
    return project;
}

} // namespace sw
