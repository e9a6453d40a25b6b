#pragma once

#include <vector>

#include "printout/pagecanvas.h"
#include "printout/printedshot.h"
#include "printout/printout.h"

namespace sw {
class TGenInfo;
}

namespace sw::printout {

// Each part starts on a new page and returns false when the progress stopped it.
bool PrintFirstPage(PageCanvas& canvas, const TGenInfo& info);
// The tables put each scene's heading line (PrintedScenes) before its first
// shot; scenes empty for a project without scenes.
bool PrintContinuity(PageCanvas& canvas, const std::vector<PrintedShot>& shots,
                     const std::vector<PrintedScene>& scenes);
bool PrintBreakdown(PageCanvas& canvas, const std::vector<PrintedShot>& shots,
                    const std::vector<PrintedScene>& scenes);
// Each panel names its shot's scene when it has one. A panel whose action
// does not fit says so: the text is whole in the
// continuity when withContinuity, abridged otherwise.
bool PrintStoryboard(PageCanvas& canvas, const std::vector<PrintedShot>& shots, PanelGrid grid,
                     bool withContinuity);

} // namespace sw::printout
