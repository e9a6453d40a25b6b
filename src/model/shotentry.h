#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "model/event.h"

namespace sw {

// The shot list's entry of a shot: its number (index + 1), its name and its
// duration in whole seconds, "3. Escalier — 4 s". A duration that is no whole number counts as 0 s.
std::string ShotEntryText(std::size_t index, const TEvent& shot);

// Whether one of the shot's texts (its name and every text field of the
// shot-field table: action, sound, dialogue, effect) holds filter, whatever
// the letter case and the accents of either ("ecl" finds "Éclair"); the tags
// of a formatted text are not searched. An empty or blank filter holds
// every shot.
bool ShotMatchesFilter(const TEvent& shot, std::string_view filter);

struct TScene;

// Whether the scene's number or heading holds filter, as ShotMatchesFilter
// reads a shot's texts: the shots of a scene whose heading matches are seen.
bool SceneMatchesFilter(const TScene& scene, std::string_view filter);

class TEventList;

// The name of a copy of the shot named name: "Café (copie)", or when a shot
// has that name already "Café (copie 2)", "Café (copie 3)"…; a copy of a
// copy is named after the original ("Café (copie 2)" gives "Café (copie 3)").
std::string CopyName(const TEventList& shots, std::string_view name);

} // namespace sw
