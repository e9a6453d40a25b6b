#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "timeline/timeline.h"

namespace sw {

// The film editors' timeline formats, chosen by the file's extension.
enum class TimelineFormat {
    Otio,    // OpenTimelineIO JSON (.otio)
    Edl,     // CMX 3600 edit decision list, non-drop timecode (.edl)
    Fcpxml,  // Final Cut Pro XML 1.10 (.fcpxml)
    Mlt,     // MLT XML, as Shotcut and Kdenlive load it (.mlt)
};

// The format of a file by its extension, in any letter case.
std::optional<TimelineFormat> TimelineFormatOf(const std::filesystem::path& file);

// The timeline in the format, as UTF-8. Each clip carries its name, its
// frames, its still, its shot's id and its notes (action and dialogue)
// where the format has room for them:
//   OTIO    the clip's metadata "shotweave" {"shot_id", "action",
//           "dialogue"}, and a marker whose comment holds the notes;
//   EDL     the lines "* FROM CLIP NAME:", "* SOURCE FILE:", "* SHOT ID:"
//           and "* COMMENT:" after each event;
//   FCPXML  an asset-clip with a note and the metadata
//           "com.shotweave.shot-id";
//   MLT     the producer's properties "shotweave:shot-id" and
//           "shotweave:notes" beside Shotcut's and Kdenlive's names.
std::string TimelineText(const Timeline& timeline, TimelineFormat format);

// The file URL of an absolute path, its bytes outside the unreserved ones
// and "/" percent-encoded.
std::string FileUrl(const std::filesystem::path& file);

// A clip's notes: its action, then its dialogue, each as given.
std::string ClipNotes(const TimelineClip& clip);

} // namespace sw
