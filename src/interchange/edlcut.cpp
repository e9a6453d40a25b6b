#include <sstream>
#include <string>

#include "interchange/cutfile.h"
#include "model/error.h"
#include "model/textconv.h"

namespace sw {

namespace {

// "HH:MM:SS:FF" (or ";" before the frames, drop-frame, read as non-drop).
bool TimecodeFrames(const std::string& text, int fps, std::int64_t& frames)
{
    if (text.size() != 11)
        return false;
    int parts[4];
    for (int i = 0; i < 4; ++i) {
        const std::string part = text.substr(static_cast<std::size_t>(i) * 3, 2);
        if (!TryStrToInt(part, parts[i]) || parts[i] < 0)
            return false;
        if (i < 3 && text[static_cast<std::size_t>(i) * 3 + 2] != ':' && text[static_cast<std::size_t>(i) * 3 + 2] != ';')
            return false;
    }
    frames = ((static_cast<std::int64_t>(parts[0]) * 60 + parts[1]) * 60 + parts[2]) * fps + parts[3];
    return true;
}

std::string AfterPrefix(const std::string& line, std::string_view prefix)
{
    return Trim(std::string_view(line).substr(prefix.size()));
}

} // namespace

// Events are "NNN REEL TRACK TRANSITION [LENGTH] SRC-IN SRC-OUT REC-IN
// REC-OUT"; a video event's length is its record side. The comment lines
// after an event name its clip and carry its shot id.
std::vector<CutClip> ReadEdlCut(std::string_view bytes, int fps)
{
    std::vector<CutClip> clips;
    bool inVideoEvent = false;
    std::istringstream lines{std::string(bytes)};
    std::string line;
    bool sawTitleOrEvent = false;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::string trimmed = Trim(line);
        if (trimmed.starts_with("TITLE:") || trimmed.starts_with("FCM:")) {
            sawTitleOrEvent = true;
            continue;
        }
        if (trimmed.starts_with("*")) {
            if (!inVideoEvent)
                continue;
            const std::string comment = Trim(std::string_view(trimmed).substr(1));
            if (comment.starts_with("FROM CLIP NAME:"))
                clips.back().name = AfterPrefix(comment, "FROM CLIP NAME:");
            else if (comment.starts_with("SHOT ID:"))
                clips.back().id = AfterPrefix(comment, "SHOT ID:");
            continue;
        }
        std::istringstream fields(trimmed);
        std::vector<std::string> words;
        for (std::string word; fields >> word;)
            words.push_back(word);
        int number = 0;
        if (words.size() < 8 || !TryStrToInt(words[0], number))
            continue;
        std::int64_t recordIn = 0;
        std::int64_t recordOut = 0;
        if (!TimecodeFrames(words[words.size() - 2], fps, recordIn) ||
            !TimecodeFrames(words[words.size() - 1], fps, recordOut))
            continue;
        sawTitleOrEvent = true;
        const std::string& track = words[2];
        inVideoEvent = track.find('V') != std::string::npos || track == "B";
        if (!inVideoEvent || recordOut <= recordIn) {
            inVideoEvent = false;
            continue;
        }
        CutClip clip;
        clip.lengthNumerator = recordOut - recordIn;
        clip.lengthDenominator = fps;
        clips.push_back(std::move(clip));
    }
    if (!sawTitleOrEvent)
        throw Error("pas une liste de montage CMX 3600");
    return clips;
}

} // namespace sw
