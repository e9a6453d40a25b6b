#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/eventlist.h"

namespace sw {

// One clip of the cut the film editor sent back, in the cut's order.
struct CutClip {
    std::string name;
    // The shot id the clip carries; empty when the format or the editing
    // program dropped it.
    std::string id;
    // Its length in seconds, lengthNumerator / lengthDenominator (above 0).
    std::int64_t lengthNumerator = 0;
    std::int64_t lengthDenominator = 1;
};

// How a cut's clips meet the project's shots.
struct CutPlan {
    struct Match {
        std::size_t shot = 0;
        // The clips of the shot, in the cut's order: one, or the pieces of
        // a shot the editor split, whose lengths are added.
        std::vector<std::size_t> clips;
        bool byId = false;
        std::string oldDuration;
        std::string newDuration;
    };
    // In the cut's order of each shot's first clip.
    std::vector<Match> matches;
    std::vector<std::size_t> unmatchedClips;
    std::vector<std::size_t> unmatchedShots;
    // The shots' order after the cut: the matched ones in the cut's order,
    // each unmatched one after the shot it followed.
    std::vector<std::size_t> cutOrder;

    bool ChangesNothing(const TEventList& shots, bool reorder) const;
};

// A clip's length in whole seconds, rounded to the nearest, halves up; at
// least 1, since a shot the cut keeps lasts a moment.
std::int64_t CutSeconds(const CutClip& clip);

// Matches each clip to a shot by its id, else by its name "N. name" as the
// timeline named it, but never to a shot whose id differs from the one the
// clip carries. The clips that meet the same shot are its pieces. Clips and
// shots that meet nothing are listed, never guessed.
CutPlan PlanCut(const TEventList& shots, const std::vector<CutClip>& clips);

// The shots with the durations of the plan, in the cut's order when reorder.
TEventList ApplyCut(const TEventList& shots, const CutPlan& plan, bool reorder);

// What applying the plan will do, in French, one line per change, then the
// unmatched clips and shots.
std::string CutSummary(const TEventList& shots, const std::vector<CutClip>& clips, const CutPlan& plan,
                       bool reorder);

} // namespace sw
