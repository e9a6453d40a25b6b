#pragma once

#include <functional>

#include <QString>

class QUrl;
class QWidget;

namespace sw {

class TEditorApp;
class TUserPrompts;
struct PlanOptions;

// What the editor makes of the project besides its file: the site,
// published beside the project and shown in the browser, the plan as a PDF
// file or on a printer, and the shot list as a CSV file. The project is
// saved first through saveProject, which says whether it was; the export
// dialogs start in the folder dialogFolder gives. The pocket plan is the plan
// as one HTML file for phones.
class TDocumentOutputs {
public:
    TDocumentOutputs(TEditorApp& app, TUserPrompts& prompts, QWidget* dialogParent, std::function<bool()> saveProject,
                     std::function<QString()> dialogFolder);

    // Publishes the site (a project never saved is saved first, if the user
    // wishes); Navigateur1Click then shows its first page.
    void publier1Click();
    void Navigateur1Click();
    // The PDF export: its dialog (the choices are remembered in the
    // settings), the file, then the plan written with a progress box.
    void ExportPdfClick();
    // The shot list as a CSV file, as the core writes it.
    void ExportCsvClick();
    // The pocket plan: one HTML file, pictures included, written with a
    // progress box; the pictures it could not hold are told.
    void SharePlanClick();
    // The animatic as an MP4 video (H.264, the project's rate, full HD, its
    // soundtrack), encoded off the GUI thread with a progress box.
    void ExportAnimaticClick();
    // The print dialog, then every part of the plan on the printer, with the
    // remembered grid and paper.
    void PrintClick();
    // Opens page in the browser; when no browser opens it, the user is told
    // so with the place of the page to open by hand.
    void ShowPage(const QUrl& page);
    // The project file's name with suffix, in the dialogs' folder, for an
    // export.
    QString SuggestedExportFile(const char* suffix) const;

private:
    void RememberExportChoices(const PlanOptions& options);

    TEditorApp& app_;
    TUserPrompts& prompts_;
    QWidget* dialogParent_;
    std::function<bool()> saveProject_;
    std::function<QString()> dialogFolder_;
    bool browseAfterPublish_ = false;
};

} // namespace sw
