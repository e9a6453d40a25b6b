#include "app/documentoutputs.h"

#include <filesystem>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include <QDir>
#include <QUrl>
#include <QPrinter>

#include "app/animaticexport.h"
#include "app/editorapp.h"
#include "app/usercommand.h"
#include "app/userprompts.h"
#include "export/exporttarget.h"
#include "export/planoptions.h"
#include "export/shotlistcsv.h"
#include "model/filefailure.h"
#include "model/notifier.h"
#include "pictures/picturefiles.h"
#include "publish/pocketplan.h"
#include "publish/sitepublication.h"
#include "publish/varutil.h"
#include "printout/printout.h"
#include "qtshared/uitext.h"

namespace sw {

namespace fs = std::filesystem;

namespace {

// Tells the user what the folder helpers report, in a message box.
class MessageBoxNotifier : public Notifier {
public:
    MessageBoxNotifier(TUserPrompts& prompts, QWidget* parent) : prompts_(prompts), parent_(parent) {}
    void Inform(const std::string& message) override { prompts_.Inform(parent_, uitext::FromUtf8(message)); }

private:
    TUserPrompts& prompts_;
    QWidget* parent_;
};

QString ExportedMessage(const QString& what, const fs::path& file)
{
    return what + QStringLiteral(" « ") + uitext::PathToQString(file) + QStringLiteral(" ».");
}

} // namespace

TDocumentOutputs::TDocumentOutputs(TEditorApp& app, TUserPrompts& prompts, QWidget* dialogParent,
                                   std::function<bool()> saveProject, std::function<QString()> dialogFolder)
    : app_(app), prompts_(prompts), dialogParent_(dialogParent), saveProject_(std::move(saveProject)),
      dialogFolder_(std::move(dialogFolder))
{
}

QString TDocumentOutputs::SuggestedExportFile(const char* suffix) const
{
    const fs::path& current = app_.Paths().CurrentFile;
    const std::string name = (current.empty() ? std::string("plan") : current.stem().string()) + suffix;
    return QDir(dialogFolder_()).filePath(uitext::PathToQString(name));
}

// The choices of the last PDF export into the settings file; an error is
// shown and the export goes on.
void TDocumentOutputs::RememberExportChoices(const PlanOptions& options)
{
    RememberPlanOptions(app_.Settings(), options);
    RunUserCommand(prompts_, dialogParent_, [this] { app_.WriteSettings(); });
}

void TDocumentOutputs::ExportPdfClick()
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

void TDocumentOutputs::ExportCsvClick()
{
    const QString chosen = prompts_.ChooseExportFile(dialogParent_, ExportFormat::Csv, SuggestedExportFile(".csv"));
    if (chosen.isEmpty())
        return;
    const fs::path file = fs::absolute(uitext::QStringToPath(chosen));
    CheckExportIsNotTheProject(app_.Paths().CurrentFile, file);
    WriteShotListCsv(file, app_.Project());
    prompts_.Inform(dialogParent_, ExportedMessage(QStringLiteral("La liste des plans est exportée dans"), file));
}

void TDocumentOutputs::SharePlanClick()
{
    const QString chosen =
        prompts_.ChooseExportFile(dialogParent_, ExportFormat::PocketPlan, SuggestedExportFile(".html"));
    if (chosen.isEmpty())
        return;
    const fs::path file = fs::absolute(uitext::QStringToPath(chosen));
    CheckExportIsNotTheProject(app_.Paths().CurrentFile, file);
    std::vector<std::string> warnings;
    const bool written = prompts_.RunWithProgress(
        dialogParent_, QStringLiteral("Préparation du plan de poche..."),
        [this, &file, &warnings](const ProgressStep& step) {
            return WritePocketPlan(file, app_.Project(), {app_.Paths().ImgDir, MakePocketPictureSizes, step},
                                   &warnings);
        });
    if (!written)
        return;
    QString message = ExportedMessage(QStringLiteral("Le plan de poche est écrit dans"), file);
    for (const std::string& warning : warnings)
        message += QLatin1Char('\n') + uitext::FromUtf8(warning);
    prompts_.Inform(dialogParent_, message);
}

void TDocumentOutputs::ExportAnimaticClick()
{
    const QString chosen =
        prompts_.ChooseExportFile(dialogParent_, ExportFormat::Animatic, SuggestedExportFile(".mp4"));
    if (chosen.isEmpty())
        return;
    const fs::path file = fs::absolute(uitext::QStringToPath(chosen));
    CheckExportIsNotTheProject(app_.Paths().CurrentFile, file);
    std::string missingSound;
    const VideoOptions options = EditorVideoOptions(app_.Project(), &missingSound);
    const bool written = prompts_.RunWithProgress(
        dialogParent_, QStringLiteral("Écriture de l'animatique..."), [this, &file, &options](const ProgressStep& step) {
            return EncodeAnimaticWithProgress(file, app_.Project(), app_.Paths().ImgDir, options, step);
        });
    if (!written)
        return;
    QString message = ExportedMessage(QStringLiteral("L'animatique est écrite dans"), file);
    if (!missingSound.empty())
        message += QStringLiteral("\nLa bande son du projet, « ") + uitext::FromUtf8(missingSound) +
                   QStringLiteral(" », est introuvable : la vidéo est muette.");
    prompts_.Inform(dialogParent_, message);
}

void TDocumentOutputs::PrintClick()
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

// ---------------------------------------------------------------- publish

void TDocumentOutputs::publier1Click()
{
    struct ResetBrowse {
        bool& flag;
        ~ResetBrowse() { flag = false; }
    } resetBrowse{browseAfterPublish_};

    TProjectPaths& paths = app_.Paths();
    // A project never saved has no place for its site yet: it is saved first
    // if the user wishes.
    if (paths.CurrentFile.empty()
        && !prompts_.AskYesNo(dialogParent_,
                              QStringLiteral("Enregistrez d'abord votre projet : son site se publie dans un dossier "
                                             "à côté de lui."),
                              QStringLiteral("Voulez-vous l'enregistrer maintenant ?")))
        return;
    if (!saveProject_())
        return;
    MessageBoxNotifier notifier(prompts_, dialogParent_);
    std::string published;
    RunFileAction(FileAction::PublishProject, SiteFolderOf(paths.CurrentFile), [this, &paths, &notifier, &published] {
        published = PublishProjectSite(app_.Project(), paths.CurrentFile, notifier);
    });
    if (!browseAfterPublish_)
        prompts_.Inform(dialogParent_, uitext::FromUtf8(published));
}

void TDocumentOutputs::Navigateur1Click()
{
    browseAfterPublish_ = true;
    publier1Click();
    const fs::path& siteDir = app_.Paths().SiteDir;
    std::error_code ignored;
    if (!siteDir.empty() && fs::is_regular_file(siteDir / "index.html", ignored))
        ShowPage(QUrl::fromLocalFile(uitext::PathToQString(siteDir / "index.html")));
    else
        prompts_.Inform(dialogParent_, QStringLiteral("Il faut d'abord publier le film pour l'afficher..."));
}

void TDocumentOutputs::ShowPage(const QUrl& page)
{
    if (prompts_.OpenInBrowser(page))
        return;
    const QString place = page.isLocalFile() ? QDir::toNativeSeparators(page.toLocalFile()) : page.toString();
    prompts_.Inform(dialogParent_, QStringLiteral("Le navigateur n'a pas pu afficher la page. Ouvrez-la à la main : ")
                                       + place);
}

} // namespace sw
