#pragma once

#include <cstddef>
#include <string_view>

namespace sw {

struct ProjectDocument;
class ValueWriter;

// What this version adds to a project file goes in one block after the style
// block, where earlier readers stop (and which they drop when they save):
// the marker string kExtensionMarker, the block's version (1), then a list of
// key and value strings, each key once, in key order. The shots' ids are the
// entry "shot-ids" (one line per shot, in list order, empty for a shot
// without one), the scenes are "scenes" and "shot-scenes";
// ProjectDocument::Extensions holds the others, among them what the last
// screenplay import gave ("script-import", scriptimport.h) and those this
// version does not know, so that a save keeps them. A project
// without any writes no block: its file stays byte for byte as before.
inline constexpr std::string_view kExtensionMarker = "Shotweave extensions";
inline constexpr std::string_view kShotIdsKey = "shot-ids";
// The scenes (ScenesText) and the shots' scenes (ShotScenesText).
inline constexpr std::string_view kScenesKey = "scenes";
inline constexpr std::string_view kShotScenesKey = "shot-scenes";

// Appends the block, or nothing when the project has no entry.
void WriteExtensionBlock(ValueWriter& writer, const ProjectDocument& project);

// Reads the block from bytes that follow the style block into the project;
// returns how many bytes it took, 0 when the bytes do not start with a whole
// block (they are then unknown data, as before this version). Shot ids that
// are malformed or given twice are dropped.
std::size_t ReadExtensionBlock(std::string_view bytes, ProjectDocument& project);

// Whether an id may be a shot's: 1 to 64 letters, digits or "-".
bool IsShotId(std::string_view id);

} // namespace sw
