#include "timeline/applycut.h"

#include <algorithm>
#include <limits>
#include <map>

#include "model/textconv.h"
#include "timeline/timeline.h"

namespace sw {

namespace {

// Halves up: floor(n / d + 1/2) = floor((2n + d) / 2d), for n, d > 0.
std::int64_t RoundedSeconds(std::int64_t numerator, std::int64_t denominator)
{
    if (numerator <= 0 || denominator <= 0)
        return 0;
    return (2 * numerator + denominator) / (2 * denominator);
}

std::string ShotLabel(const TEventList& shots, std::size_t shot)
{
    return ClipName(shot + 1, shots.Event(shot).name);
}

std::string SecondsText(std::string_view duration)
{
    const std::string trimmed = Trim(duration);
    return trimmed.empty() ? "sans durée" : trimmed + " s";
}

// "05" and "5" are the same duration: the typed text stays.
bool SameDuration(std::string_view old, const std::string& cut)
{
    int before = 0;
    int after = 0;
    return TryStrToInt(Trim(old), before) && TryStrToInt(cut, after) && before == after;
}

} // namespace

std::int64_t CutSeconds(const CutClip& clip)
{
    return std::max<std::int64_t>(1, RoundedSeconds(clip.lengthNumerator, clip.lengthDenominator));
}

CutPlan PlanCut(const TEventList& shots, const std::vector<CutClip>& clips)
{
    std::map<std::string, std::size_t, std::less<>> byId;
    std::map<std::string, std::size_t, std::less<>> byName;
    for (std::size_t shot = 0; shot < shots.Count(); ++shot) {
        if (!shots.Event(shot).id.empty())
            byId.emplace(shots.Event(shot).id, shot);
        byName.emplace(ShotLabel(shots, shot), shot);
    }
    CutPlan plan;
    std::map<std::size_t, std::size_t> matchOfShot;
    for (std::size_t clip = 0; clip < clips.size(); ++clip) {
        const std::string id = Trim(clips[clip].id);
        std::optional<std::size_t> shot;
        bool byItsId = false;
        if (const auto found = byId.find(id); !id.empty() && found != byId.end()) {
            shot = found->second;
            byItsId = true;
        } else if (const auto named = byName.find(Trim(clips[clip].name)); named != byName.end()) {
            const std::string& shotId = shots.Event(named->second).id;
            if (id.empty() || shotId.empty() || shotId == id)
                shot = named->second;
        }
        if (!shot) {
            plan.unmatchedClips.push_back(clip);
            continue;
        }
        const auto [entry, first] = matchOfShot.emplace(*shot, plan.matches.size());
        if (first) {
            CutPlan::Match match;
            match.shot = *shot;
            match.oldDuration = shots.Event(*shot).cam.duration;
            plan.matches.push_back(std::move(match));
        }
        CutPlan::Match& match = plan.matches[entry->second];
        match.clips.push_back(clip);
        match.byId = match.byId || byItsId;
    }
    for (CutPlan::Match& match : plan.matches) {
        // A duration stays a number the model reads as one.
        constexpr std::int64_t kLongest = std::numeric_limits<int>::max();
        std::int64_t seconds = 0;
        for (const std::size_t clip : match.clips)
            seconds = std::min(seconds + std::min(CutSeconds(clips[clip]), kLongest), kLongest);
        match.newDuration = std::to_string(seconds);
    }
    // Each unmatched shot follows the shot it followed; those before any
    // matched shot open the film.
    std::vector<std::vector<std::size_t>> following(plan.matches.size());
    std::vector<std::size_t> opening;
    std::vector<std::size_t>* after = &opening;
    for (std::size_t shot = 0; shot < shots.Count(); ++shot) {
        if (const auto match = matchOfShot.find(shot); match != matchOfShot.end()) {
            after = &following[match->second];
        } else {
            plan.unmatchedShots.push_back(shot);
            after->push_back(shot);
        }
    }
    plan.cutOrder = opening;
    for (std::size_t match = 0; match < plan.matches.size(); ++match) {
        plan.cutOrder.push_back(plan.matches[match].shot);
        plan.cutOrder.insert(plan.cutOrder.end(), following[match].begin(), following[match].end());
    }
    return plan;
}

bool CutPlan::ChangesNothing(const TEventList& shots, bool reorder) const
{
    for (const Match& match : matches)
        if (!SameDuration(shots.Event(match.shot).cam.duration, match.newDuration))
            return false;
    if (reorder)
        for (std::size_t place = 0; place < cutOrder.size(); ++place)
            if (cutOrder[place] != place)
                return false;
    return true;
}

TEventList ApplyCut(const TEventList& shots, const CutPlan& plan, bool reorder)
{
    TEventList timed = shots;
    for (const CutPlan::Match& match : plan.matches)
        if (!SameDuration(match.oldDuration, match.newDuration))
            timed.Event(match.shot).cam.duration = match.newDuration;
    if (!reorder)
        return timed;
    TEventList ordered;
    for (const std::size_t shot : plan.cutOrder)
        ordered.InsertEvent(ordered.Count(), timed.Event(shot));
    return ordered;
}

std::string CutSummary(const TEventList& shots, const std::vector<CutClip>& clips, const CutPlan& plan,
                       bool reorder)
{
    std::string summary;
    std::size_t changed = 0;
    for (const CutPlan::Match& match : plan.matches) {
        const bool same = SameDuration(match.oldDuration, match.newDuration);
        changed += same ? 0 : 1;
        summary += "• " + ShotLabel(shots, match.shot) + " : " +
                   (same ? "garde " + SecondsText(match.oldDuration)
                         : SecondsText(match.oldDuration) + " → " + match.newDuration + " s");
        if (match.clips.size() > 1)
            summary += " (" + std::to_string(match.clips.size()) + " morceaux dans le montage, additionnés)";
        if (!match.byId)
            summary += " (reconnu par son nom)";
        summary += "\n";
    }
    std::string head = std::to_string(plan.matches.size()) + " plan" + (plan.matches.size() == 1 ? "" : "s") +
                       " reconnu" + (plan.matches.size() == 1 ? "" : "s") + " dans le montage, " +
                       std::to_string(changed) + " changement" + (changed == 1 ? "" : "s") + " de durée";
    if (reorder) {
        bool moved = false;
        for (std::size_t place = 0; place < plan.cutOrder.size(); ++place)
            moved = moved || plan.cutOrder[place] != place;
        head += moved ? ", les plans prennent l'ordre du montage" : ", l'ordre des plans ne change pas";
    }
    summary = head + ".\n" + summary;
    if (!plan.unmatchedClips.empty()) {
        summary += "Clips du montage sans plan (ignorés) :\n";
        for (const std::size_t clip : plan.unmatchedClips)
            summary += "• " + (clips[clip].name.empty() ? std::string("(sans nom)") : clips[clip].name) + "\n";
    }
    if (!plan.unmatchedShots.empty()) {
        summary += "Plans absents du montage (inchangés) :\n";
        for (const std::size_t shot : plan.unmatchedShots)
            summary += "• " + ShotLabel(shots, shot) + "\n";
    }
    return summary;
}

} // namespace sw
