#include "app/documentcontroller.h"

#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include <QDir>
#include <QUrl>

#include "animatic/timelinecards.h"
#include "app/autosaver.h"
#include "app/documentoutputs.h"
#include "app/scriptimporting.h"
#include "app/timelineexchange.h"
#include "app/documentview.h"
#include "app/editorapp.h"
#include "app/recoveryoffer.h"
#include "app/usercommand.h"
#include "app/userprompts.h"
#include "document/projectfile.h"
#include "model/filebytes.h"
#include "model/filefailure.h"
#include "model/notifier.h"
#include "model/pictureimport.h"
#include "model/systemtext.h"
#include "publish/sitepublication.h"
#include "publish/varutil.h"
#include "qtshared/uitext.h"
#include "recovery/recoverystore.h"

namespace sw {

namespace fs = std::filesystem;

namespace {

// Tells the user what the folder helpers report in the status bar: a folder
// made for the project's site is worth a note, not a box to close.
class NoteNotifier : public Notifier {
public:
    explicit NoteNotifier(TDocumentView& view) : view_(view) {}
    void Inform(const std::string& message) override { view_.ShowNote(uitext::FromUtf8(message)); }

private:
    TDocumentView& view_;
};

} // namespace

TDocumentController::TDocumentController(TEditorApp& app, TUserPrompts& prompts, TDocumentView& view,
                                         QWidget* dialogParent)
    : app_(app), prompts_(prompts), view_(view), dialogParent_(dialogParent),
      fileGuard_(std::make_unique<TProjectFileGuard>(NewEditorIdentity(), prompts, dialogParent))
{
    // The recovery copies and the lock bear one name: this editor's.
    autoSaver_ = std::make_unique<TAutoSaver>(RecoveryStore(app.RecoveryFolder(), {}, fileGuard_->Self()),
                                              [this] { return RecoverySnapshot(); });
    QObject::connect(&app.Document(), &TDocument::modifiedChanged, autoSaver_.get(),
                     [this](bool modified) { view_.ShowModified(modified); });
    outputs_ = std::make_unique<TDocumentOutputs>(
        app, prompts, dialogParent, [this] { return SaveProjectFile(); }, [this] { return DialogFolder(); });
    exchange_ = std::make_unique<TTimelineExchange>(
        app, prompts, dialogParent, [this](const char* suffix) { return outputs_->SuggestedExportFile(suffix); },
        [this] { return DialogFolder(); }, animatic::TimelineCardWriter());
    script_ = std::make_unique<TScriptImporting>(app, prompts, dialogParent, [this] { return DialogFolder(); });
}

TDocumentController::~TDocumentController() = default;

// ---------------------------------------------------------------- start-up

void TDocumentController::StartUp(const QStringList& arguments)
{
    const auto run = [this](auto&& command) { RunUserCommand(prompts_, dialogParent_, command); };
    TAppSettings& settings = app_.Settings();
    ProjectDocument start = app_.Project();
    start.HTMPrefs.pageSpecs.SetDefaults(settings.noJSPlan);
    app_.Document().Reset(std::move(start));
    autoSaver_->SetIntervalSeconds(settings.AutoSaveSeconds);
    bool recovered = false;
    run([this, &recovered] { recovered = OfferRecovery(); });
    if (recovered)
        return;

    TProjectPaths& paths = app_.Paths();
    if (!arguments.isEmpty()) {
        const fs::path first = uitext::QStringToPath(arguments.first());
        std::error_code ignored;
        if (fs::is_regular_file(first, ignored)) {
            run([this, &first] { OpenCurrentFile(fs::absolute(first)); });
            return;
        }
    }
    if (!settings.AutoLoad) {
        paths.ClearProject();
        app_.Document().Reset(NewProject(false));
    } else if (!settings.LastFileName.empty()) {
        const fs::path last = settings.LastFileName;
        run([this, &last] { OpenCurrentFile(last); });
    }
    ShowTitle();
}

void TDocumentController::ShowTitle()
{
    const fs::path& file = app_.Paths().CurrentFile;
    QString name = file.empty() ? QStringLiteral("Sans titre") : uitext::PathToQString(file.filename());
    if (fileGuard_->IsReadOnly(file))
        name += QStringLiteral(" (lecture seule)");
    view_.ShowTitle(name + QStringLiteral("[*] — Shotweave"), file.empty() ? QString() : uitext::PathToQString(file));
}

bool TDocumentController::IsModified() const
{
    return app_.Document().IsModified();
}

ProjectDocument TDocumentController::NewProject(bool askName)
{
    ProjectDocument fresh = EmptyProjectToRead();
    fresh.FileVersion = kProjectFileVersion;
    fresh.UnknownTrailingBytes = 0;
    TEvent first = fresh.EventList.NewEvent();
    if (askName) {
        // A new project has its shot, whatever the dialog's answer.
        const std::optional<QString> name =
            prompts_.EditName(dialogParent_, QStringLiteral("nom du plan"), uitext::ToQString(first.name));
        if (name && !name->trimmed().isEmpty())
            first.name = uitext::FromLineText(*name);
    }
    fresh.EventList.InsertEvent(0, std::move(first));
    const TAppSettings& settings = app_.Settings();
    if (settings.SaveID)
        fresh.GenInfo.creator = settings.AuthorName;
    return fresh;
}

// ---------------------------------------------------------------- open

QString TDocumentController::TakeProjectFolders(const fs::path& file, FolderNeed need)
{
    QString note;
    NoteNotifier notifier(view_);
    SiteFolders folders;
    try {
        folders = PrepareSiteFolders(file, &notifier);
    } catch (const std::exception& error) {
        if (need == FolderNeed::Required)
            throw;
        // The project opens all the same; publishing or adding a picture
        // will say what stands in the way.
        folders.SiteDir = SiteFolderOf(file);
        folders.ImgDir = ImageFolderOf(folders.SiteDir);
        note = CanCreateFilesIn(file.parent_path())
                   ? uitext::FromUtf8(FrenchErrorMessage(error.what()))
                   : QStringLiteral("Le dossier « ") + uitext::PathToQString(file.parent_path())
                         + QStringLiteral(" » est en lecture seule : pour publier le projet ou lui ajouter des "
                                          "images, enregistrez-le ailleurs (Enregistrer sous...).");
    }
    TProjectPaths& paths = app_.Paths();
    paths.SiteDir = folders.SiteDir;
    paths.ImgDir = folders.ImgDir;
    return note;
}

ProjectDocument TDocumentController::EmptyProjectToRead() const
{
    // A copy that starts as the reset project would, so that a file that
    // cannot be read leaves the open project, its file and its folders.
    ProjectDocument empty = app_.Project();
    empty.ClearTexts();
    empty.EventList.Clear();
    return empty;
}

void TDocumentController::OpenCurrentFile(const fs::path& file)
{
    if (const std::optional<HoldMode> mode = fileGuard_->AskBeforeOpen(file))
        ReadProjectFile(file, *mode);
}

void TDocumentController::ReadProjectFile(const fs::path& file, HoldMode mode)
{
    ProjectDocument loaded = EmptyProjectToRead();
    std::uint64_t hash = 0;
    RunFileAction(FileAction::OpenProject, file, [&loaded, &file, &hash] { hash = LoadProject(loaded, file); });
    const QString folderNote = TakeProjectFolders(file, FolderNeed::IfPossible);
    // What a save cut short by a crash left beside the file goes now.
    RemoveLeftoverTemporaryFiles(FinalTarget(file));

    view_.ResetDocument();
    app_.Paths().CurrentFile = file;
    app_.Document().Reset(std::move(loaded));
    HoldFile(file, hash, mode);
    // A read-only folder also explains a missing lock.
    if (!folderNote.isEmpty())
        view_.ShowNote(folderNote);
    ShowTitle();
    DiscardRecoveryCopies();
    if (const std::size_t unknown = app_.Project().UnknownTrailingBytes; unknown > 0)
        prompts_.Inform(dialogParent_, uitext::FromUtf8(UnknownDataMessage(file, unknown)));
}

void TDocumentController::HoldFile(const fs::path& file, std::optional<std::uint64_t> hash, HoldMode mode)
{
    app_.Settings().NoteRecentFile(file);
    const std::string user = app_.Settings().AuthorName.empty() ? LoginName() : app_.Settings().AuthorName;
    const QString note = fileGuard_->Hold(file, hash, mode, user);
    if (!note.isEmpty())
        view_.ShowNote(note);
}

// ---------------------------------------------------------------- recovery

bool TDocumentController::OfferRecovery()
{
    const std::optional<RecoveryEntry> chosen = TRecoveryOffer(autoSaver_->Store(), prompts_, dialogParent_).Ask();
    return chosen && OpenRecovered(*chosen);
}

bool TDocumentController::OpenRecovered(const RecoveryEntry& entry)
{
    std::optional<HoldMode> mode = HoldMode::Normal;
    if (!entry.originalFile.empty() && !(mode = fileGuard_->AskBeforeOpen(entry.originalFile)))
        return false;
    ProjectDocument loaded = EmptyProjectToRead();
    autoSaver_->Store().Read(entry, loaded);
    TProjectPaths& paths = app_.Paths();
    if (entry.originalFile.empty())
        paths.ClearProject();
    else if (const QString note = TakeProjectFolders(entry.originalFile, FolderNeed::IfPossible); !note.isEmpty())
        view_.ShowNote(note);

    view_.ResetDocument();
    paths.CurrentFile = entry.originalFile;
    // The recovered work is not in its file: modified, with a history of its own.
    app_.Document().Reset(std::move(loaded), true);
    // The original as the copy's editor knew it: a save asks when it has
    // changed since.
    if (!entry.originalFile.empty())
        HoldFile(entry.originalFile, entry.originalHash, *mode);
    ShowTitle();
    // The copy stays until the work is saved or dropped, as this run's own.
    // One that cannot be renamed is told; the recovered work stays open.
    RunUserCommand(prompts_, dialogParent_, [this, &entry] { autoSaver_->Adopt(entry); });
    return true;
}

std::optional<TRecoverySnapshot> TDocumentController::RecoverySnapshot()
{
    if (!IsModified())
        return std::nullopt;
    const fs::path& file = app_.Paths().CurrentFile;
    return TRecoverySnapshot{app_.Project(), file, fileGuard_->KnownHash(file)};
}

void TDocumentController::DiscardRecoveryCopies()
{
    // The work itself is saved or dropped already: a copy left behind is
    // told, and does not undo the command.
    RunUserCommand(prompts_, dialogParent_, [this] { autoSaver_->DiscardCopies(); });
}

bool TDocumentController::MaySaveChanges()
{
    if (!IsModified())
        return true;
    switch (prompts_.AskSaveChanges(dialogParent_)) {
    case SaveAnswer::Yes:
        return SaveProjectFile();
    case SaveAnswer::No:
        DiscardRecoveryCopies();
        return true;
    case SaveAnswer::Cancel:
        break;
    }
    return false;
}

void TDocumentController::OpenDroppedFile(const fs::path& file)
{
    if (!MaySaveChanges())
        return;
    OpenCurrentFile(fs::absolute(file));
}

bool TDocumentController::MayClose()
{
    bool mayClose = false;
    RunUserCommand(prompts_, dialogParent_, [this, &mayClose] { mayClose = MaySaveChanges(); });
    if (!mayClose)
        return false;
    // A normal quit leaves no recovery copy behind, and no lock.
    autoSaver_->Stop();
    DiscardRecoveryCopies();
    fileGuard_->Forget();
    RunUserCommand(prompts_, dialogParent_, [this] { app_.WriteSettings(); });
    return true;
}

QString TDocumentController::DialogFolder() const
{
    const fs::path& current = app_.Paths().CurrentFile;
    if (!current.empty())
        return uitext::PathToQString(current.parent_path());
    // No project yet: the folder of the last one opened or saved.
    const std::vector<fs::path>& recent = app_.Settings().RecentFiles;
    std::error_code ignored;
    if (!recent.empty() && fs::is_directory(recent.front().parent_path(), ignored))
        return uitext::PathToQString(recent.front().parent_path());
    return QDir::homePath();
}

void TDocumentController::mNewClick()
{
    if (!MaySaveChanges())
        return;
    app_.Paths().ClearProject();
    fileGuard_->Forget();
    ShowTitle();
    view_.ResetDocument();
    app_.Document().Reset(NewProject(true));
    DiscardRecoveryCopies();
}

void TDocumentController::OpenRecentFile(const fs::path& file)
{
    if (!MaySaveChanges())
        return;
    OpenCurrentFile(file);
}

void TDocumentController::mOuvrirClick()
{
    if (!MaySaveChanges())
        return;
    const QString chosen = prompts_.ChooseProjectToOpen(dialogParent_, DialogFolder());
    if (!chosen.isEmpty())
        OpenCurrentFile(fs::absolute(uitext::QStringToPath(chosen)));
}

// ---------------------------------------------------------------- save

void TDocumentController::mSaveAsClick()
{
    SaveProjectAs();
}

void TDocumentController::mSaveClick()
{
    SaveProjectFile();
}

bool TDocumentController::SaveProjectAs()
{
    const QString chosen = prompts_.ChooseProjectToSave(dialogParent_, DialogFolder());
    if (chosen.isEmpty())
        return false;
    TProjectPaths& paths = app_.Paths();
    const fs::path previous = paths.CurrentFile;
    const fs::path previousImgDir = paths.ImgDir;
    paths.CurrentFile = fs::absolute(uitext::QStringToPath(chosen));
    bool saved = false;
    try {
        saved = SaveProjectFile();
    } catch (...) {
        paths.CurrentFile = previous;
        throw;
    }
    if (!saved) {
        paths.CurrentFile = previous;
        return false;
    }
    // The new name has a site folder of its own: the pictures come along.
    if (!previousImgDir.empty())
        CopyPicturesFrom(previousImgDir);
    return true;
}

bool TDocumentController::OfferSaveElsewhere(const fs::path& file)
{
    const QString text = QStringLiteral("Le projet « ") + uitext::PathToQString(file.filename())
                         + QStringLiteral(" » ne peut pas être enregistré dans le dossier « ")
                         + uitext::PathToQString(file.parent_path())
                         + QStringLiteral(" » : ce dossier est en lecture seule, ou vous ne pouvez pas y écrire.");
    if (!prompts_.AskYesNo(dialogParent_, text, QStringLiteral("L'enregistrer ailleurs (Enregistrer sous...) ?")))
        return false;
    return SaveProjectAs();
}

void TDocumentController::CopyPicturesFrom(const fs::path& previousImgDir)
{
    const fs::path& imgDir = app_.Paths().ImgDir;
    const std::vector<std::string> missed = CopyProjectPictures(app_.Project().EventList, previousImgDir, imgDir);
    if (missed.empty())
        return;
    QStringList names;
    for (const std::string& name : missed)
        names << uitext::ToQString(name);
    prompts_.Inform(dialogParent_, QStringLiteral("Ces images n'ont pas pu être copiées dans le dossier « ")
                                       + uitext::PathToQString(imgDir) + QStringLiteral(" » : ")
                                       + names.join(QStringLiteral(", ")));
}

bool TDocumentController::SaveProjectFile()
{
    TProjectPaths& paths = app_.Paths();
    // A file held read-only is saved under another name only.
    if (paths.CurrentFile.empty() || fileGuard_->IsReadOnly(paths.CurrentFile))
        return SaveProjectAs();
    SiteFolderOf(paths.CurrentFile); // a name without a site folder is refused before writing
    // Data of a later version that this one did not read is not written back.
    if (const std::size_t unknown = app_.Project().UnknownTrailingBytes; unknown > 0
        && !prompts_.AskYesNo(dialogParent_,
                              QStringLiteral("« ") + uitext::PathToQString(paths.CurrentFile.filename())
                                  + QStringLiteral(" » se termine par %1 octets que cette version de Shotweave ne "
                                                   "connaît pas : l'enregistrer les supprimera.")
                                        .arg(unknown),
                              QStringLiteral("Enregistrer quand même ?")))
        return false;
    bool keepBackup = app_.Settings().KeepBackup;
    switch (fileGuard_->CheckBeforeSave(paths.CurrentFile, BackupFileOf(paths.CurrentFile))) {
    case SaveCheck::Save:
        break;
    case SaveCheck::SaveKeepingOther:
        keepBackup = true;  // the other version is not lost
        break;
    case SaveCheck::Reload:
        ReadProjectFile(paths.CurrentFile, HoldMode::Normal);
        return false;
    case SaveCheck::Cancel:
        return false;
    }
    // A save under a new name keeps a backup only of a file it replaces.
    std::uint64_t hash = 0;
    try {
        RunFileAction(FileAction::SaveProject, paths.CurrentFile, [this, &paths, keepBackup, &hash] {
            hash = SaveProjectWithBackup(app_.Project(), paths.CurrentFile, keepBackup);
        });
    } catch (const std::exception&) {
        // A folder that takes no file at all is no matter of the backup.
        std::error_code ignored;
        const fs::path folder = paths.CurrentFile.parent_path();
        if (!fs::is_directory(folder, ignored) || CanCreateFilesIn(folder))
            throw;
        return OfferSaveElsewhere(paths.CurrentFile);
    }
    HoldFile(paths.CurrentFile, hash, HoldMode::Normal);
    TakeProjectFolders(paths.CurrentFile);
    ShowTitle();
    app_.Document().MarkSaved();
    DiscardRecoveryCopies();
    return true;
}

// ---------------------------------------------------------------- settings and dialogs

void TDocumentController::mPrefsClick()
{
    TAppSettings& settings = app_.Settings();
    const TAppSettings before = settings;
    prompts_.EditPreferences(dialogParent_, settings);
    autoSaver_->SetIntervalSeconds(settings.AutoSaveSeconds);
    // Kept at once: a run that ends in a crash does not lose them.
    if (!(settings == before))
        RunUserCommand(prompts_, dialogParent_, [this] { app_.WriteSettings(); });
}

void TDocumentController::Style1Click()
{
    // The dialog changes a copy of the style set; "Annuler" puts it back.
    TStylePrefs styles = app_.Project().StylePrefs;
    prompts_.EditStyle(dialogParent_, styles);
    app_.Document().SetStyles(styles);
}

void TDocumentController::miseenpage1Click()
{
    // "Accepter" keeps what was edited; "Annuler" brings the layout back as
    // it was.
    THTMPrefs layout = app_.Project().HTMPrefs;
    prompts_.EditLayout(dialogParent_, layout, app_.Settings().noJSPlan);
    app_.Document().SetLayout(layout);
}

} // namespace sw
