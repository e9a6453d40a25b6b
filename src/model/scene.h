#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sw {

class TEventList;

// One scene of the film, as the screenplay has it. The shots name their
// scene by its id (TEvent::scene); a shot of no scene names none.
struct TScene {
    // Unique in the project, for life ("scene-3").
    std::string id;
    // As the screenplay numbers it: "12", "12A".
    std::string number;
    // "INT. CUISINE - JOUR".
    std::string heading;
    std::string synopsis;
    // A revised screenplay no longer has it; its shots stay.
    bool omitted = false;

    bool operator==(const TScene&) const = default;
};

// A run of consecutive shots of one scene (empty: of none).
struct SceneRun {
    std::string scene;
    std::size_t first = 0;
    std::size_t count = 0;

    bool operator==(const SceneRun&) const = default;
};

// The shots' runs, in the shot order.
std::vector<SceneRun> SceneRuns(const TEventList& shots);

// The shots as every view and output groups them: one group per run of
// shots, in the shot order, with its scene and its running time.
struct SceneGroup {
    // The scene's place in the project's scenes; none for shots of no scene.
    const TScene* scene = nullptr;
    std::size_t first = 0;
    std::size_t count = 0;
    // As RunningTime counts the shots' durations.
    std::uint64_t seconds = 0;
};
std::vector<SceneGroup> SceneGroups(const TEventList& shots, const std::vector<TScene>& scenes);

// A scene as its header names it: "12. INT. CUISINE - JOUR", " (omise)"
// after a scene the screenplay no longer has; "Sans scène" for none.
std::string SceneTitle(const TScene* scene);

// Whether each scene's shots stand together in the shot order.
bool ScenesStayTogether(const TEventList& shots);

// Makes each scene's shots stand together without moving any: a shot of a
// scene outside the scene's first run, or of a scene the list does not
// hold, is left in no scene. Returns how many shots it took out.
std::size_t DetachStrayShots(TEventList& shots, const std::vector<TScene>& scenes);

// The scene's place in the list, or scenes.size() when none has that id.
std::size_t SceneIndex(const std::vector<TScene>& scenes, std::string_view id);

// An id no scene of the list has.
std::string NewSceneId(const std::vector<TScene>& scenes);

// A text as one field of a line of tab-separated fields: a backslash, a
// tab, LF and CR written "\\", "\t", "\n" and "\r"; and back.
std::string EscapedLineField(std::string_view text);
std::string UnescapedLineField(std::string_view text);

// The scenes as one text, a line per scene, and back: the project file's
// extension block keeps them so. Lines that are not a scene, and ids given
// twice, are dropped.
std::string ScenesText(const std::vector<TScene>& scenes);
std::vector<TScene> ScenesFromText(std::string_view text);

// The shots' scene ids as one text, a line per shot, and back onto the
// shots (a shot past the text's lines, or whose line names no scene of the
// list, is left in none).
std::string ShotScenesText(const TEventList& shots);
void TakeShotScenes(std::string_view text, TEventList& shots, const std::vector<TScene>& scenes);

} // namespace sw
