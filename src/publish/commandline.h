#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "export/planoptions.h"

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

// Runs the headless modes of the program (--publish, --pdf, --csv, --share,
// --help, --version). Returns the process exit code, or nothing when the arguments
// ask for the editor.
//   --publish FILE.vid  reads the project and publishes its site into the
//                       site folder beside it (created with its "img" folder
//                       when missing); the project file is only read.
//   --pdf FILE.vid OUT.pdf [--grid CxR] [--paper a4|letter]
//                       writes the whole plan with writePdf; without one,
//                       the mode is refused as bad usage.
//   --csv FILE.vid OUT.csv
//                       writes the shot list as CSV.
//   --share FILE.vid OUT.html
//                       writes the pocket plan with writePocketPlan; without
//                       one, its pictures show as their names.
// Exit 0 on success, 1 with a message on err on any error, 2 on bad usage.
// Outputs are written atomically; the project file is only read. Messages
// are UTF-8: the confirmation goes to out, announcements and errors to err.
std::optional<int> RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                                  const PlanPdfWriter& writePdf = {},
                                  const PocketPlanWriter& writePocketPlan = {});

} // namespace sw
