#include "model/sceneplan.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "model/eventlist.h"

namespace sw {

std::string SceneForPlace(const TEventList& shots, std::size_t index, std::string_view wanted,
                          std::optional<std::size_t> moved)
{
    // The list as it stands without the moved shot.
    const std::size_t count = shots.Count() - (moved ? 1 : 0);
    const auto sceneAt = [&](std::size_t place) -> const std::string& {
        return shots.Event(moved && place >= *moved ? place + 1 : place).scene;
    };
    static const std::string none;
    const std::string& before = index > 0 && index <= count ? sceneAt(index - 1) : none;
    const std::string& after = index < count ? sceneAt(index) : none;
    if (!before.empty() && before == after)
        return before;
    if (wanted.empty() || wanted == before || wanted == after)
        return std::string(wanted);
    for (std::size_t place = 0; place < count; ++place)
        if (sceneAt(place) == wanted)
            return {};
    return std::string(wanted);
}

void OrderScenesByShots(std::vector<TScene>& scenes, const TEventList& shots)
{
    constexpr std::size_t kNoShot = std::numeric_limits<std::size_t>::max();
    std::vector<std::size_t> firstShot(scenes.size(), kNoShot);
    for (std::size_t index = shots.Count(); index-- > 0;) {
        const std::size_t scene = SceneIndex(scenes, shots.Event(index).scene);
        if (scene < scenes.size())
            firstShot[scene] = index;
    }
    // A scene without shots goes with the one before it (or first).
    std::vector<std::pair<std::pair<std::size_t, std::size_t>, std::size_t>> keys;
    std::size_t lead = 0;
    for (std::size_t scene = 0; scene < scenes.size(); ++scene) {
        if (firstShot[scene] != kNoShot)
            lead = firstShot[scene] + 1;
        keys.push_back({{lead, firstShot[scene] == kNoShot ? 1 : 0}, scene});
    }
    std::stable_sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<TScene> ordered;
    ordered.reserve(scenes.size());
    for (const auto& key : keys)
        ordered.push_back(std::move(scenes[key.second]));
    scenes = std::move(ordered);
}

std::vector<ShotListRow> ShotListRows(const TEventList& shots, const std::vector<TScene>& scenes)
{
    std::vector<ShotListRow> rows;
    rows.reserve(shots.Count() + (scenes.empty() ? 0 : scenes.size() + 1));
    std::vector<bool> shown(scenes.size(), false);
    std::size_t nextEmpty = 0;
    // The headers of the scenes without shots that stand before scene.
    const auto emptyScenesUpTo = [&](std::size_t scene, std::size_t place) {
        for (; nextEmpty < std::min(scene, scenes.size()); ++nextEmpty)
            if (!shown[nextEmpty])
                rows.push_back({ShotListRow::Kind::Header, nextEmpty, place, 0, 0});
    };
    const std::vector<SceneGroup> groups = SceneGroups(shots, scenes);
    if (!scenes.empty()) {
        for (const SceneGroup& group : groups)
            if (group.scene)
                shown[static_cast<std::size_t>(group.scene - scenes.data())] = true;
    }
    for (const SceneGroup& group : groups) {
        if (!scenes.empty()) {
            const std::size_t scene = group.scene ? static_cast<std::size_t>(group.scene - scenes.data()) : scenes.size();
            if (group.scene)
                emptyScenesUpTo(scene, group.first);
            rows.push_back({ShotListRow::Kind::Header, scene, group.first, group.count, group.seconds});
            if (group.scene)
                nextEmpty = std::max(nextEmpty, scene + 1);
        }
        for (std::size_t shot = group.first; shot < group.first + group.count; ++shot) {
            const std::size_t scene = group.scene ? static_cast<std::size_t>(group.scene - scenes.data()) : scenes.size();
            rows.push_back({ShotListRow::Kind::Shot, scene, shot, 0, 0});
        }
    }
    emptyScenesUpTo(scenes.size(), shots.Count());
    return rows;
}

std::string SceneHeaderText(const TScene* scene, std::size_t count, std::uint64_t seconds)
{
    std::string text = SceneTitle(scene);
    if (count == 0)
        return text + " — aucun plan";
    return text + " — " + ElapsedTextOf(static_cast<long long>(std::min<std::uint64_t>(seconds, 1ULL << 62)));
}

} // namespace sw
