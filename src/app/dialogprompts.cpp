#include "app/dialogprompts.h"

#include <algorithm>

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>

#include "dialogs/aboutfrm.h"
#include "dialogs/cutsummarydlg.h"
#include "dialogs/getfiledlg.h"
#include "dialogs/hpanfrm.h"
#include "dialogs/leditform.h"
#include "dialogs/pdfexportdlg.h"
#include "dialogs/preffrm.h"
#include "dialogs/scenedlg.h"
#include "dialogs/styledlg.h"
#include "pictures/picturefiles.h"
#include "qtshared/accelerators.h"

namespace sw {

namespace {

const QString kProjectFilter = QStringLiteral(".vid fichiers scénarisation vidéo (*.vid)");

QString RunProjectDialog(QWidget* parent, const QString& startFolder, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, QString(), startFolder, kProjectFilter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("vid"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

} // namespace

TDialogPrompts::TDialogPrompts() : openUrl_([](const QUrl& address) { return QDesktopServices::openUrl(address); }) {}

TDialogPrompts::TDialogPrompts(UrlOpener openUrl) : openUrl_(std::move(openUrl)) {}

void TDialogPrompts::Inform(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), text, QMessageBox::Ok, parent);
    widgets::GiveAccelerators(&box);
    box.exec();
}

SaveAnswer TDialogPrompts::AskSaveChanges(QWidget* parent)
{
    QMessageBox box(QMessageBox::Question, QApplication::applicationName(),
                    QStringLiteral("Enregistrer les modifications ?"), QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton(QStringLiteral("Oui"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("Non"), QMessageBox::NoRole);
    QPushButton* cancel = box.addButton(QStringLiteral("Annuler"), QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(cancel);
    widgets::GiveAccelerators(&box);
    box.exec();
    if (box.clickedButton() == yes)
        return SaveAnswer::Yes;
    if (box.clickedButton() == no)
        return SaveAnswer::No;
    return SaveAnswer::Cancel;
}

RecoveryAnswer TDialogPrompts::AskRecovery(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Question, QApplication::applicationName(), text, QMessageBox::NoButton, parent);
    QPushButton* recover = box.addButton(QStringLiteral("Récupérer"), QMessageBox::AcceptRole);
    QPushButton* ignore = box.addButton(QStringLiteral("Ignorer"), QMessageBox::RejectRole);
    QPushButton* remove = box.addButton(QStringLiteral("Supprimer"), QMessageBox::DestructiveRole);
    box.setDefaultButton(recover);
    // Closing the box keeps the copy: nothing is lost by a hasty Escape.
    box.setEscapeButton(ignore);
    widgets::GiveAccelerators(&box);
    box.exec();
    if (box.clickedButton() == recover)
        return RecoveryAnswer::Recover;
    if (box.clickedButton() == remove)
        return RecoveryAnswer::Delete;
    return RecoveryAnswer::Ignore;
}

LockedAnswer TDialogPrompts::AskOpenLocked(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, QApplication::applicationName(), text, QMessageBox::NoButton, parent);
    box.setInformativeText(QStringLiteral("Si vous l'enregistrez tous les deux, l'un remplacera le travail de l'autre. "
                                          "En lecture seule, vos modifications s'enregistrent sous un autre nom."));
    QPushButton* readOnly = box.addButton(QStringLiteral("Ouvrir en lecture seule"), QMessageBox::AcceptRole);
    QPushButton* anyway = box.addButton(QStringLiteral("Ouvrir quand même"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(QStringLiteral("Annuler"), QMessageBox::RejectRole);
    box.setDefaultButton(readOnly);
    box.setEscapeButton(cancel);
    widgets::GiveAccelerators(&box);
    box.exec();
    if (box.clickedButton() == readOnly)
        return LockedAnswer::ReadOnly;
    if (box.clickedButton() == anyway)
        return LockedAnswer::OpenAnyway;
    return LockedAnswer::Cancel;
}

DiskChangeAnswer TDialogPrompts::AskChangedOnDisk(QWidget* parent, const QString& text, const QString& choices)
{
    QMessageBox box(QMessageBox::Warning, QApplication::applicationName(), text, QMessageBox::NoButton, parent);
    box.setInformativeText(choices);
    QPushButton* save = box.addButton(QStringLiteral("Enregistrer quand même"), QMessageBox::AcceptRole);
    QPushButton* reload = box.addButton(QStringLiteral("Recharger"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(QStringLiteral("Annuler"), QMessageBox::RejectRole);
    // Nothing is replaced by a hasty Enter or Escape.
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    widgets::GiveAccelerators(&box);
    box.exec();
    if (box.clickedButton() == save)
        return DiskChangeAnswer::SaveAnyway;
    if (box.clickedButton() == reload)
        return DiskChangeAnswer::Reload;
    return DiskChangeAnswer::Cancel;
}

bool TDialogPrompts::AskYesNo(QWidget* parent, const QString& text, const QString& question)
{
    QMessageBox box(QMessageBox::Question, QApplication::applicationName(), text, QMessageBox::NoButton, parent);
    box.setInformativeText(question);
    QPushButton* yes = box.addButton(QStringLiteral("Oui"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("Non"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    widgets::GiveAccelerators(&box);
    box.exec();
    return box.clickedButton() == yes;
}

QString TDialogPrompts::ChooseProjectToOpen(QWidget* parent, const QString& startFolder)
{
    return RunProjectDialog(parent, startFolder, QFileDialog::AcceptOpen);
}

QString TDialogPrompts::ChooseProjectToSave(QWidget* parent, const QString& startFolder)
{
    return RunProjectDialog(parent, startFolder, QFileDialog::AcceptSave);
}

QString TDialogPrompts::ChooseExportFile(QWidget* parent, ExportFormat format, const QString& suggestedFile)
{
    struct Kind {
        QString caption;
        QStringList filters;
        QStringList suffixes;
    };
    Kind kind;
    switch (format) {
    case ExportFormat::Pdf:
        kind = {QStringLiteral("Exporter en PDF"), {QStringLiteral("Documents PDF (*.pdf)")}, {QStringLiteral("pdf")}};
        break;
    case ExportFormat::Csv:
        kind = {QStringLiteral("Exporter en CSV"), {QStringLiteral("Tableaux CSV (*.csv)")}, {QStringLiteral("csv")}};
        break;
    case ExportFormat::Animatic:
        kind = {QStringLiteral("Exporter l'animatique"), {QStringLiteral("Vidéos MP4 (*.mp4)")}, {QStringLiteral("mp4")}};
        break;
    case ExportFormat::PocketPlan:
        kind = {QStringLiteral("Partager le plan"), {QStringLiteral("Pages web (*.html *.htm)")}, {QStringLiteral("html")}};
        break;
    case ExportFormat::Timeline:
        kind = {QStringLiteral("Exporter une timeline pour le montage"),
                {QStringLiteral("OpenTimelineIO (*.otio)"), QStringLiteral("Final Cut Pro XML (*.fcpxml)"),
                 QStringLiteral("Shotcut, Kdenlive (*.mlt)"), QStringLiteral("EDL CMX 3600 (*.edl)")},
                {QStringLiteral("otio"), QStringLiteral("fcpxml"), QStringLiteral("mlt"), QStringLiteral("edl")}};
        break;
    }
    QFileDialog dialog(parent, kind.caption);
    dialog.setNameFilters(kind.filters);
    dialog.setDefaultSuffix(kind.suffixes.first());
    // A name typed without its extension takes the chosen format's.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, &kind](const QString& filter) {
        const qsizetype index = kind.filters.indexOf(filter);
        if (index >= 0)
            dialog.setDefaultSuffix(kind.suffixes[index]);
    });
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.selectFile(suggestedFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

QString TDialogPrompts::ChooseCutToImport(QWidget* parent, const QString& startFolder)
{
    return QFileDialog::getOpenFileName(
        parent, QStringLiteral("Importer un montage"), startFolder,
        QStringLiteral("Timelines de montage (*.otio *.fcpxml *.mlt *.edl);;Tous les fichiers (*)"));
}

bool TDialogPrompts::EditScene(QWidget* parent, const QString& title, TScene& scene)
{
    TSceneDlg dialog(title, scene, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    scene = dialog.Scene();
    return true;
}

std::optional<int> TDialogPrompts::ChooseScene(QWidget* parent, const QString& prompt, const QStringList& scenes,
                                               int current)
{
    bool ok = false;
    const QString chosen = QInputDialog::getItem(parent, QStringLiteral("Scène"), prompt, scenes,
                                                 std::clamp(current, 0, static_cast<int>(scenes.size()) - 1), false, &ok);
    if (!ok)
        return std::nullopt;
    return static_cast<int>(scenes.indexOf(chosen));
}

QString TDialogPrompts::ChooseScriptToImport(QWidget* parent, const QString& startFolder)
{
    return QFileDialog::getOpenFileName(
        parent, QStringLiteral("Importer un scénario"), startFolder,
        QStringLiteral("Scénarios (*.fountain *.spmd *.txt *.fdx);;Tous les fichiers (*)"));
}

QString TDialogPrompts::ChooseSoundtrack(QWidget* parent, const QString& startFolder)
{
    return QFileDialog::getOpenFileName(parent, QStringLiteral("Bande son de l'animatique"), startFolder,
                                        QStringLiteral("Sons (*.wav *.mp3 *.ogg *.oga);;Tous les fichiers (*)"));
}

bool TDialogPrompts::AskApplyCut(QWidget* parent, const QString& cutName, const QString& summary, bool& reorder)
{
    TCutSummaryDlg dialog(cutName, summary, reorder, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    reorder = dialog.Reorder();
    return true;
}

bool TDialogPrompts::ChoosePlanOptions(QWidget* parent, PlanOptions& options)
{
    TPdfExportDlg dialog(options, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    options = dialog.Options();
    return true;
}

bool TDialogPrompts::ChoosePrinter(QWidget* parent, QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Imprimer le plan"));
    return dialog.exec() == QDialog::Accepted;
}

bool TDialogPrompts::RunWithProgress(QWidget* parent, const QString& text, const ProgressWork& work)
{
    QProgressDialog box(text, QStringLiteral("Annuler"), 0, 1, parent);
    box.setWindowTitle(QApplication::applicationName());
    box.setWindowModality(Qt::WindowModal);
    box.setAutoReset(false);
    box.setAutoClose(false);
    box.setMinimumDuration(0);
    box.setValue(0);
    return work([&box](int done, int total) {
        box.setMaximum(total);
        // A modal box takes the user's events as its value changes, a click
        // on "Annuler" among them.
        box.setValue(done);
        return !box.wasCanceled();
    });
}

std::optional<QString> TDialogPrompts::EditName(QWidget* parent, const QString& prompt, const QString& name)
{
    TLEditForm dialog(prompt, name, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Text();
}

std::optional<QString> TDialogPrompts::ChoosePicture(QWidget* parent, const QString& imageFolder,
                                                     const TPictureImport& import)
{
    TGetFileDlg dialog(imageFolder, parent, import);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.ChosenFileName();
}

QString TDialogPrompts::ChoosePictureToImport(QWidget* parent, const QString& startFolder)
{
    QFileDialog dialog(parent, QStringLiteral("Importer une image"), startFolder);
    dialog.setNameFilters(PictureNameFilters());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

void TDialogPrompts::EditPreferences(QWidget* parent, TAppSettings& settings)
{
    TPrefFrm dialog(settings, parent);
    if (dialog.exec() == QDialog::Accepted)
        dialog.ApplyTo(settings);
}

void TDialogPrompts::EditStyle(QWidget* parent, TStylePrefs& stylePrefs)
{
    TStyleDlg dialog(stylePrefs, parent);
    dialog.exec();
}

bool TDialogPrompts::EditLayout(QWidget* parent, THTMPrefs& prefs, bool noJSPlanSetting)
{
    THPanFrm dialog(prefs, noJSPlanSetting, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    dialog.ReadDialog();
    return true;
}

void TDialogPrompts::ShowAbout(QWidget* parent)
{
    TAboutFrm about(parent);
    about.exec();
}

bool TDialogPrompts::OpenInBrowser(const QUrl& address)
{
    return openUrl_ && openUrl_(address);
}

bool TDialogPrompts::HasStyleDialog() const
{
    return true;
}

bool TDialogPrompts::HasLayoutDialog() const
{
    return true;
}

} // namespace sw
