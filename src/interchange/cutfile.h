#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

#include "timeline/applycut.h"
#include "timeline/timelineformats.h"

namespace sw {

// The largest timeline file read: far above any real cut.
inline constexpr std::uintmax_t kMaxCutFileBytes = 64u * 1024 * 1024;

// The clips of the first video track of a timeline that a film editor
// exported, in order, with their names, their shot ids where the clips kept
// them, and their lengths. The format comes from the file's extension; an
// EDL, which does not carry its rate, is read at edlFps. Gaps, transitions,
// titles without a name and audio are left out. Throws sw::Error with a
// French sentence naming the file when the file cannot be read, is too
// large, is not a timeline of its format, or holds no video clip.
std::vector<CutClip> ReadCutFile(const std::filesystem::path& file, int edlFps);

// The same from bytes in a known format; the error then says why without a
// file name.
std::vector<CutClip> ReadCutBytes(std::string_view bytes, TimelineFormat format, int edlFps);

// The readers of each format, for ReadCutBytes.
std::vector<CutClip> ReadOtioCut(std::string_view bytes);
std::vector<CutClip> ReadEdlCut(std::string_view bytes, int fps);
std::vector<CutClip> ReadFcpxmlCut(std::string_view bytes);
std::vector<CutClip> ReadMltCut(std::string_view bytes);

} // namespace sw
