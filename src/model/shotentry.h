#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "model/event.h"

namespace sw {

// The shot list's entry of a shot: its number (index + 1), its name and its
// duration in whole seconds, "3. Escalier — 4 s". A duration that is no whole number counts as 0 s.
std::string ShotEntryText(std::size_t index, const TEvent& shot);

// Whether the shot's name or action text holds filter, whatever the letter
// case and the accents of either ("ecl" finds "Éclair"). An empty or blank
// filter holds every shot.
bool ShotMatchesFilter(const TEvent& shot, std::string_view filter);

} // namespace sw
