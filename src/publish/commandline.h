#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "export/planoptions.h"
#include "timeline/animaticvideo.h"
#include "screenplay/fountain.h"
#include "timeline/applycut.h"
#include "timeline/timelineexport.h"

namespace sw {

struct ProjectDocument;

// Draws the plan into a PDF file, atomically. The drawing needs Qt, which the
// core does not know: the program passes it in. Throws sw::Error on failure.
using PlanPdfWriter = std::function<void(const std::filesystem::path& pdfFile, const ProjectDocument& project,
                                         const std::filesystem::path& imgDir, const PlanOptions& options)>;

// Writes the pocket plan (WritePocketPlan) with the pictures made by Qt,
// which the program passes in; returns the warnings. Throws sw::Error.
using PocketPlanWriter = std::function<std::vector<std::string>(
    const std::filesystem::path& htmlFile, const ProjectDocument& project, const std::filesystem::path& imgDir)>;

// What the headless modes draw and encode with Qt and libav, which the core
// does not know: the program passes them in. A mode whose tool is missing
// is refused as bad usage, except --share, whose pictures then show as
// their names.
struct CommandLineTools {
    PlanPdfWriter writePdf;
    PocketPlanWriter writePocketPlan;
    AnimaticWriter writeAnimatic;
    TitleCardWriter writeTitleCard;
    // Reads the clips of a timeline file; an EDL is read at edlFps.
    std::function<std::vector<CutClip>(const std::filesystem::path& cutFile, int edlFps)> readCut;
    // Reads a Final Draft screenplay (.fdx).
    std::function<Screenplay(const std::filesystem::path& script)> readFinalDraft;
};

// The screenplay formats --import-script reads, by the file's extension in
// any letter case: Fountain (.fountain, .spmd, .txt) and Final Draft (.fdx).
enum class ScriptFormat { Fountain, FinalDraft };
std::optional<ScriptFormat> ScriptFormatOf(const std::filesystem::path& file);

// Runs the headless modes of the program (--publish, --pdf, --csv, --share,
// --animatic, --timeline, --apply-cut, --import-script, --help, --version). Returns the process exit code, or nothing
// when the arguments ask for the editor.
//   --publish FILE.vid  reads the project and publishes its site into the
//                       site folder beside it (created with its "img" folder
//                       when missing); the project file is only read.
//   --pdf FILE.vid OUT.pdf [--grid CxR] [--paper a4|letter]
//                       writes the whole plan with tools.writePdf.
//   --csv FILE.vid OUT.csv
//                       writes the shot list as CSV.
//   --share FILE.vid OUT.html
//                       writes the pocket plan with tools.writePocketPlan.
//   --animatic FILE.vid OUT.mp4 [--fps 24|25|30] [--size WxH] [--audio FILE]
//              [--captions]
//                       encodes the animatic with tools.writeAnimatic, at
//                       the project's rate unless --fps gives one, 1920x1080
//                       unless --size gives another, with the project's
//                       soundtrack unless --audio gives one.
//   --timeline FILE.vid OUT.otio|.edl|.fcpxml|.mlt [--fps 24|25|30]
//                       writes the timeline (WriteTimelineFile), its title
//                       cards drawn by tools.writeTitleCard; the shots
//                       without an id get one first, saved into the project
//                       file (with its backup) unless an editor has it open
//                       or it holds a later version's data.
//   --apply-cut FILE.vid CUT.otio|.edl|.fcpxml|.mlt [--reorder] [--fps N]
//                       reads the cut with tools.readCut (an EDL at the
//                       project's rate unless --fps gives one), matches its
//                       clips to the shots (PlanCut), writes the summary on
//                       out, and saves the new durations (and the cut's
//                       order with --reorder) with the project's backup.
//                       Nothing is saved when no clip matches, when
//                       nothing changes, when an editor holds the project
//                       or when it holds a later version's data.
//   --import-script SCRIPT NEW.vid
//                       a new project from the screenplay (ProjectFromScreenplay),
//                       a Final Draft one read by tools.readFinalDraft; NEW.vid
//                       must not exist. The screenplay is only read.
// Exit 0 on success, 1 with a message on err on any error, 2 on bad usage.
// Outputs are written atomically; the project file is only read, but for
// the ids --timeline gives and the cut --apply-cut applies. Messages
// are UTF-8: the confirmation goes to out, announcements and errors to err.
std::optional<int> RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                                  const CommandLineTools& tools = {});

} // namespace sw
