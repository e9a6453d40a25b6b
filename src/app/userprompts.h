#pragma once

#include <functional>
#include <optional>

#include <QString>
#include <QStringList>
#include <QUrl>

#include "dialogs/getfiledlg.h"
#include "export/planoptions.h"
#include "model/scene.h"

class QPrinter;
class QWidget;

namespace sw {

class TAppSettings;
class TStylePrefs;
class THTMPrefs;

// Answer to "Enregistrer les modifications ?".
enum class SaveAnswer { Yes, No, Cancel };

// The kinds of file the plan is exported to.
enum class ExportFormat { Pdf, Csv, PocketPlan, Animatic, Timeline };

// Told of each step done out of all the steps; false when the user stopped
// the work, which then ends at once.
using ProgressStep = std::function<bool(int done, int total)>;
// A long piece of work that reports its steps; false when it was stopped.
using ProgressWork = std::function<bool(const ProgressStep& step)>;

// Answer to the offer of a recovery copy at start-up: "Récupérer" opens it,
// "Ignorer" keeps it for a later start, "Supprimer" deletes it.
enum class RecoveryAnswer { Recover, Ignore, Delete };

// Answer to « « court.vid » est déjà ouvert dans Shotweave par … »:
// "Ouvrir en lecture seule", "Ouvrir quand même" or "Annuler".
enum class LockedAnswer { ReadOnly, OpenAnyway, Cancel };

// Answer to « Le fichier « court.vid » a changé sur le disque … »:
// "Enregistrer quand même", "Recharger" or "Annuler".
enum class DiskChangeAnswer { SaveAnyway, Reload, Cancel };

// Everything the main window asks the user or shows in a window of its own:
// message boxes, file dialogs and the secondary dialogs. The editor uses
// TDialogPrompts; tests answer in its place.
class TUserPrompts {
public:
    virtual ~TUserPrompts() = default;

    // A plain message box with one OK button.
    virtual void Inform(QWidget* parent, const QString& text) = 0;
    // "Enregistrer les modifications ?" with Oui / Non / Annuler.
    virtual SaveAnswer AskSaveChanges(QWidget* parent) = 0;
    // The recovery copy's question (text), with Récupérer / Ignorer / Supprimer.
    virtual RecoveryAnswer AskRecovery(QWidget* parent, const QString& text) = 0;
    // The file another running editor holds (text says who and since when).
    virtual LockedAnswer AskOpenLocked(QWidget* parent, const QString& text) = 0;
    // The file changed on disk since it was read or written (text), before a
    // save; choices says what the answers do.
    virtual DiskChangeAnswer AskChangedOnDisk(QWidget* parent, const QString& text, const QString& choices) = 0;
    // A message followed by a question, with Oui / Non: true for Oui.
    virtual bool AskYesNo(QWidget* parent, const QString& text, const QString& question) = 0;
    // The project file to open or to save as; empty when cancelled.
    virtual QString ChooseProjectToOpen(QWidget* parent, const QString& startFolder) = 0;
    virtual QString ChooseProjectToSave(QWidget* parent, const QString& startFolder) = 0;
    // The file to export to, offered as suggestedFile; empty when cancelled.
    virtual QString ChooseExportFile(QWidget* parent, ExportFormat format, const QString& suggestedFile) = 0;
    // The PDF export dialog over the options; true when accepted, and the
    // options then hold its choices.
    virtual bool ChoosePlanOptions(QWidget* parent, PlanOptions& options) = 0;
    // The print dialog over the printer; true when the user chose to print,
    // the printer then set up as chosen.
    virtual bool ChoosePrinter(QWidget* parent, QPrinter& printer) = 0;
    // Runs work while a progress box with text and "Annuler" shows its steps;
    // false when the user stopped it there, or the work stopped itself. An
    // error of the work goes through.
    virtual bool RunWithProgress(QWidget* parent, const QString& text, const ProgressWork& work) = 0;
    // The name entry: the edited name when accepted.
    virtual std::optional<QString> EditName(QWidget* parent, const QString& prompt, const QString& name) = 0;
    // The picture chooser over imageFolder: the chosen file's bare name when
    // it was accepted with a file, an empty name when accepted after
    // "aucune", nothing otherwise. Its "Importer..." button runs import.
    virtual std::optional<QString> ChoosePicture(QWidget* parent, const QString& imageFolder,
                                                 const TPictureImport& import) = 0;
    // The picture file to bring into the project; empty when cancelled.
    virtual QString ChoosePictureToImport(QWidget* parent, const QString& startFolder) = 0;
    // The timeline a film editor exported, to take its cut back; empty when
    // cancelled.
    virtual QString ChooseCutToImport(QWidget* parent, const QString& startFolder) = 0;
    // The animatic's temporary soundtrack (WAV, MP3, OGG); empty when
    // cancelled.
    virtual QString ChooseSoundtrack(QWidget* parent, const QString& startFolder) = 0;
    // What taking the cut of the file cutName back will do (summary), with
    // "Appliquer" and "Annuler" and the choice of the cut's order (reorder,
    // which the answer sets); true for "Appliquer".
    // The scene's fields edited in the scene dialog titled title; false when
    // it was closed.
    virtual bool EditScene(QWidget* parent, const QString& title, TScene& scene) = 0;
    // One of the scenes, listed by their titles, chosen; nothing when the
    // choice was closed.
    virtual std::optional<int> ChooseScene(QWidget* parent, const QString& prompt, const QStringList& scenes,
                                           int current) = 0;
    // The screenplay to import: Fountain or Final Draft.
    virtual QString ChooseScriptToImport(QWidget* parent, const QString& startFolder) = 0;
    virtual bool AskApplyCut(QWidget* parent, const QString& cutName, const QString& summary, bool& reorder) = 0;
    // The preferences dialog; the settings it shows (automatic loading,
    // identity, backup, autosave interval) change only when accepted.
    virtual void EditPreferences(QWidget* parent, TAppSettings& settings) = 0;
    // The style dialog applies its changes to the style set itself.
    virtual void EditStyle(QWidget* parent, TStylePrefs& stylePrefs) = 0;
    // The page-layout dialog; true when accepted and prefs took its values.
    // noJSPlanSetting is the default its "valeurs par défaut" button gives.
    virtual bool EditLayout(QWidget* parent, THTMPrefs& prefs, bool noJSPlanSetting) = 0;
    // The About box of the menu, until it closes.
    virtual void ShowAbout(QWidget* parent) = 0;
    // Opens a file or address in the user's browser; false when no browser
    // took it.
    virtual bool OpenInBrowser(const QUrl& address) = 0;
    // Whether the style and page-layout dialogs are part of this build.
    virtual bool HasStyleDialog() const = 0;
    virtual bool HasLayoutDialog() const = 0;
};

} // namespace sw
