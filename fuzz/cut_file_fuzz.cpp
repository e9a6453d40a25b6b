// Any bytes read as a film editor's timeline (the first byte picks the
// format: OTIO, EDL, FCPXML, MLT) either are refused with sw::Error or give
// clips whose lengths are above 0 and whose matching and summary against a
// project end without overflow or crash.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "interchange/cutfile.h"
#include "model/error.h"
#include "model/eventlist.h"
#include "timeline/applycut.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    static constexpr sw::TimelineFormat kFormats[] = {sw::TimelineFormat::Otio, sw::TimelineFormat::Edl,
                                                      sw::TimelineFormat::Fcpxml, sw::TimelineFormat::Mlt};
    const sw::TimelineFormat format = kFormats[data[0] % 4];
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    std::vector<sw::CutClip> clips;
    try {
        clips = sw::ReadCutBytes(bytes, format, 25);
    } catch (const sw::Error&) {
        return 0;
    }
    sw::TEventList shots;
    for (const char* name : {"Réveil", "Rue", "Fin"})
        shots.AddEvent().name = name;
    shots.Event(0).id = "id-1";
    for (const sw::CutClip& clip : clips) {
        if (clip.lengthNumerator <= 0 || clip.lengthDenominator <= 0)
            std::abort();
        if (sw::CutSeconds(clip) < 1)
            std::abort();
    }
    const sw::CutPlan plan = sw::PlanCut(shots, clips);
    if (plan.cutOrder.size() != shots.Count())
        std::abort();
    (void)sw::CutSummary(shots, clips, plan, true);
    (void)sw::ApplyCut(shots, plan, true);
    return 0;
}
