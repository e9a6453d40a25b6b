#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/scene.h"

namespace sw {

class TEventList;

// The scene a shot put at index of shots takes, asked to be in wanted (empty:
// in none), so that every scene's shots still stand together. moved is the
// shot's own index when it moves within the list: index then counts after
// its removal. Between two shots of one scene the shot joins that scene;
// elsewhere it keeps wanted when a neighbour is of wanted or wanted has no
// other shot, and is of no scene otherwise.
std::string SceneForPlace(const TEventList& shots, std::size_t index, std::string_view wanted,
                          std::optional<std::size_t> moved = std::nullopt);

// Puts the scenes in the order of their shots: a scene with shots stands
// where its first shot does, a scene without any stays after the scene it
// followed.
void OrderScenesByShots(std::vector<TScene>& scenes, const TEventList& shots);

// One row of the shot list of a project with scenes: a scene's header (a
// scene, or the shots of none between them) or a shot.
struct ShotListRow {
    enum class Kind { Header, Shot } kind = Kind::Shot;
    // The scene of a header (or of the shot's group): its place in the
    // scenes, scenes.size() for none.
    std::size_t scene = 0;
    // A shot's index; for a header, where a shot dropped onto it goes (the
    // first shot of its group, or where the shots of an empty scene would
    // stand).
    std::size_t shot = 0;
    // A header's shots and their running time in seconds.
    std::size_t count = 0;
    std::uint64_t seconds = 0;

    bool operator==(const ShotListRow&) const = default;
};

// The rows of the shot list: each run of shots under its header, the empty
// scenes' headers at their place among them. A project without scenes has
// only shot rows.
std::vector<ShotListRow> ShotListRows(const TEventList& shots, const std::vector<TScene>& scenes);

// A header's text: the scene's title, then its shots' running time, or
// "aucun plan".
std::string SceneHeaderText(const TScene* scene, std::size_t count, std::uint64_t seconds);

} // namespace sw
