#pragma once

#include <filesystem>
#include <functional>

#include "export/planoptions.h"

class QPagedPaintDevice;

namespace sw {

struct ProjectDocument;

namespace printout {

// Called after each printed page with the pages done and the pages in all;
// returning false stops the printing.
using PrintProgress = std::function<bool(int done, int total)>;

// Lays the plan out on the device: its paper and its 15 mm margins are set
// from the options, then every page is drawn, headed with the film's title and
// numbered "page N / M". Pictures are looked up by name in imgDir. Returns
// false when the progress stopped it; the device then holds the pages drawn
// so far, which the caller discards.
bool PrintPlan(QPagedPaintDevice& device, const ProjectDocument& project, const std::filesystem::path& imgDir,
               const PlanOptions& options, const PrintProgress& progress = {});

// Writes the plan as a PDF file, atomically: the file appears whole or not
// at all. Returns false, leaving no file, when the progress stopped it.
// Throws sw::Error "Le fichier « <name> » ne peut pas être écrit : …" when it
// cannot be written.
bool WritePlanPdf(const std::filesystem::path& pdfFile, const ProjectDocument& project,
                  const std::filesystem::path& imgDir, const PlanOptions& options,
                  const PrintProgress& progress = {});

} // namespace printout
} // namespace sw
