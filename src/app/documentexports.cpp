#include "app/documentcontroller.h"

#include <filesystem>
#include <string>

#include <QDir>
#include <QPrinter>

#include "app/documentview.h"
#include "app/editorapp.h"
#include "app/usercommand.h"
#include "app/userprompts.h"
#include "export/exporttarget.h"
#include "export/planoptions.h"
#include "export/shotlistcsv.h"
#include "printout/printout.h"
#include "qtshared/uitext.h"

// The document controller's outputs besides the site: the plan as a PDF file
// or on a printer, and the shot list as a CSV file.
namespace sw {

namespace fs = std::filesystem;

namespace {

QString ExportedMessage(const QString& what, const fs::path& file)
{
    return what + QStringLiteral(" « ") + uitext::PathToQString(file) + QStringLiteral(" ».");
}

} // namespace

QString TDocumentController::SuggestedExportFile(const char* suffix) const
{
    const fs::path& current = app_.Paths().CurrentFile;
    const std::string name = (current.empty() ? std::string("plan") : current.stem().string()) + suffix;
    return QDir(DialogFolder()).filePath(uitext::PathToQString(name));
}

void TDocumentController::RememberExportChoices(const PlanOptions& options)
{
    RememberPlanOptions(app_.Settings(), options);
    RunUserCommand(prompts_, dialogParent_, [this] { app_.WriteSettings(); });
}

void TDocumentController::ExportPdfClick()
{
    PlanOptions options = PlanOptionsFromSettings(app_.Settings());
    if (!prompts_.ChoosePlanOptions(dialogParent_, options))
        return;
    RememberExportChoices(options);
    const QString chosen = prompts_.ChooseExportFile(dialogParent_, ExportFormat::Pdf, SuggestedExportFile(".pdf"));
    if (chosen.isEmpty())
        return;
    const fs::path file = fs::absolute(uitext::QStringToPath(chosen));
    CheckExportIsNotTheProject(app_.Paths().CurrentFile, file);
    const bool written = prompts_.RunWithProgress(
        dialogParent_, QStringLiteral("Exportation du plan en PDF..."), [this, &file, &options](const ProgressStep& step) {
            return printout::WritePlanPdf(file, app_.Project(), app_.Paths().ImgDir, options, step);
        });
    if (written)
        prompts_.Inform(dialogParent_, ExportedMessage(QStringLiteral("Le plan est exporté dans"), file));
}

void TDocumentController::ExportCsvClick()
{
    const QString chosen = prompts_.ChooseExportFile(dialogParent_, ExportFormat::Csv, SuggestedExportFile(".csv"));
    if (chosen.isEmpty())
        return;
    const fs::path file = fs::absolute(uitext::QStringToPath(chosen));
    CheckExportIsNotTheProject(app_.Paths().CurrentFile, file);
    WriteShotListCsv(file, app_.Project());
    prompts_.Inform(dialogParent_, ExportedMessage(QStringLiteral("La liste des plans est exportée dans"), file));
}

void TDocumentController::PrintClick()
{
    PlanOptions options = PlanOptionsFromSettings(app_.Settings());
    options.firstPage = options.continuity = options.breakdown = options.storyboard = true;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(uitext::ToQString(app_.Project().GenInfo.title));
    if (!prompts_.ChoosePrinter(dialogParent_, printer))
        return;
    // Stopped in the progress box, the printing ends after the page it was
    // drawing; the printer keeps the pages sent before.
    prompts_.RunWithProgress(dialogParent_, QStringLiteral("Impression du plan..."),
                             [this, &printer, &options](const ProgressStep& step) {
                                 return printout::PrintPlan(printer, app_.Project(), app_.Paths().ImgDir, options,
                                                            step);
                             });
}

} // namespace sw
