#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/shotfields.h"

namespace sw {

struct ProjectDocument;

// One shot as every output of the plan shows it (the printed plan, the CSV):
// each field of the shot-field table as the editor lists it, and what is
// counted over the shots. Texts are the model's UTF-8.
struct ShotRow {
    std::size_t number = 0; // from 1
    // FieldText of each field, in ShotField order: the choices' editor
    // entries ("gros-plan"), an absent movement empty.
    std::array<std::string, kShotFieldCount> texts;
    // Whole seconds, as RunningTime counts them.
    std::uint64_t durationSeconds = 0;
    // The running total up to this shot, and its text as the editor shows
    // it ("1m. 15s.").
    std::uint64_t cumulatedSeconds = 0;
    std::string cumulatedText;
    // The framing as the site publishes it ("gros plan").
    std::string framingWord;
    // The shot's scene, as the project's scenes hold it: its number ("12A")
    // and its heading ("INT. CUISINE - JOUR"); both empty for a shot of no
    // scene.
    std::string sceneNumber;
    std::string sceneHeading;

    const std::string& Text(ShotField field) const { return texts[static_cast<std::size_t>(field)]; }
};

std::vector<ShotRow> ShotRows(const ProjectDocument& project);

} // namespace sw
