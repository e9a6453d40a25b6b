#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace sw {

struct ProjectDocument;

// One shot as a clip of the film editor's timeline.
struct TimelineClip {
    std::size_t shot = 0;
    // "N. name", N the shot's number from 1.
    std::string name;
    // The shot's id for life (empty when the project gave it none).
    std::string id;
    std::int64_t firstFrame = 0;
    std::int64_t frameCount = 0;
    // The still the clip shows: the shot's start picture, or its title card
    // (card) in the media folder.
    std::filesystem::path media;
    bool card = false;
    // The shot's action and dialogue as plain text, for the clip's notes.
    std::string action;
    std::string dialogue;
};

// The shots as one video track.
struct Timeline {
    std::string title;
    int fps = 25;
    int width = 1920;
    int height = 1080;
    std::vector<TimelineClip> clips;

    std::int64_t Frames() const { return clips.empty() ? 0 : clips.back().firstFrame + clips.back().frameCount; }
};

// "N. name", the name of the clip of the shot numbered number (from 1).
std::string ClipName(std::size_t number, std::string_view shotName);

// The timeline of the project at fps, with the project's default duration.
// A shot whose start picture is a file in imgDir shows it; any other shows
// its title card, named TitleCardName in mediaDir.
Timeline MakeTimeline(const ProjectDocument& project, int fps, const std::filesystem::path& imgDir,
                      const std::filesystem::path& mediaDir);

// "carton-001.png": the title card of the shot numbered number.
std::string TitleCardName(std::size_t number);

// The folder beside a timeline file that holds its title cards: "OUT_media"
// for "OUT.otio".
std::filesystem::path TimelineMediaFolder(const std::filesystem::path& timelineFile);

// The first line of a text, without its line end.
std::string_view FirstLine(std::string_view text);

} // namespace sw
