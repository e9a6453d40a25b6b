#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace sw {

class TEventList;

// A new shot id: a random UUID (version 4), which no other shot of any
// project will have.
std::string NewShotId();

// Gives each shot without an id a new one from makeId, which must never
// repeat; ids already given stay for life. Returns how many were given.
std::size_t AssignMissingShotIds(TEventList& shots, const std::function<std::string()>& makeId = NewShotId);

} // namespace sw
