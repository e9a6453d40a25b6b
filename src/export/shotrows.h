#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sw {

struct ProjectDocument;

// One shot as every output of the plan shows it (the printed plan, the CSV).
// Texts are the model's UTF-8.
struct ShotRow {
    std::size_t number = 0; // from 1
    std::string name;
    std::string action;
    std::string sound;
    std::string dialogue;
    // Whole seconds; a duration that is no number, or a negative one, counts 0.
    std::uint64_t durationSeconds = 0;
    // The sum of the durations up to this shot, without the wrapping of the
    // site's 16-bit sum, and its text as the editor shows it ("1m. 15s.").
    std::uint64_t cumulatedSeconds = 0;
    std::string cumulatedText;
    // The editor's own entries ("gros-plan"); an absent movement is empty.
    std::string framing;
    std::string angle;
    std::string pan;
    std::string travel;
    std::string zoom;
    // The framing as the site publishes it ("gros plan").
    std::string framingWord;
    std::string effect;
    std::string startPicture;
    std::string endPicture;
};

std::vector<ShotRow> ShotRows(const ProjectDocument& project);

} // namespace sw
