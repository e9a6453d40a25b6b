#pragma once

#include <filesystem>
#include <memory>
#include <optional>

#include <QStringList>

#include "app/projectfileguard.h"

class QUrl;

class QWidget;

namespace sw {

class ProjectDocument;
class TAutoSaver;
class TDocumentOutputs;
class TScriptImporting;
class TTimelineExchange;
class TDocumentView;
class TProjectFileGuard;
class TEditorApp;
class TUserPrompts;
struct RecoveryEntry;
struct TRecoverySnapshot;

// The document commands over the application's one project: new, open,
// save, save as, publish and browse, the PDF and CSV exports and printing
// (in documentexports.cpp), the style and page-layout dialogs, the
// modified state, the current file and its folders, and the question before
// unsaved changes are dropped. The project and its modified state are the
// application's TDocument: the controller replaces the project there (new,
// open, recovered), reads it to save, publish and export, and sends it the
// style and layout dialogs' changes. It holds no widget: it tells the window
// through a TDocumentView and asks the user through TUserPrompts, whose
// boxes open over dialogParent. Commands throw sw::Error; the caller shows it.
//
// Its TAutoSaver keeps a recovery copy of the modified project in the
// application's recovery folder; the copy goes once the work is saved or
// dropped (a save, "Non" to the unsaved-changes question, a new or opened
// project, a normal quit).
class TDocumentController {
public:
    TDocumentController(TEditorApp& app, TUserPrompts& prompts, TDocumentView& view, QWidget* dialogParent);
    ~TDocumentController();

    bool IsModified() const;
    // The window's title from the current file: its name then " — Shotweave",
    // "Sans titre" for a project without a file, with the modified marker.
    void ShowTitle();
    TAutoSaver& AutoSaver() { return *autoSaver_; }
    // The project file's lock and the hash of its bytes last read or written.
    TProjectFileGuard& FileGuard() { return *fileGuard_; }

    // The project at start-up: the recovery copies are offered first (a
    // recovered one is the project), then the first argument's file, the
    // last file (automatic loading) or a new project with one shot. Errors
    // are shown.
    void StartUp(const QStringList& arguments);

    void mNewClick();
    void mOuvrirClick();
    // Opens one of the recent files, after the unsaved-changes question.
    void OpenRecentFile(const std::filesystem::path& file);
    void mSaveAsClick();
    void mSaveClick();
    void mPrefsClick();
    void Style1Click();
    void miseenpage1Click();
    // The site, the PDF and CSV exports and printing.
    TDocumentOutputs& Outputs() { return *outputs_; }
    TTimelineExchange& Exchange() { return *exchange_; }
    TScriptImporting& Script() { return *script_; }

    // Asks whether to save a modified project; false when the user cancels
    // or the save did not happen.
    bool MaySaveChanges();
    // Opens file as the project after the unsaved-changes question (drop).
    void OpenDroppedFile(const std::filesystem::path& file);
    // Whether the window may close: the unsaved-changes question, then the
    // settings are written. Errors are shown.
    bool MayClose();

private:
    // The current project emptied as before reading a file into it, so that
    // what cannot be read leaves the open project.
    ProjectDocument EmptyProjectToRead() const;
    // Opens file as the project, once the user chose how when another
    // editor holds it; a file that cannot be read changes nothing.
    void OpenCurrentFile(const std::filesystem::path& file);
    void ReadProjectFile(const std::filesystem::path& file, HoldMode mode);
    // The file is now the project's: held as mode, its lock's note shown.
    void HoldFile(const std::filesystem::path& file, std::optional<std::uint64_t> hash, HoldMode mode);
    // The recovery copies offered; true when one became the project.
    bool OfferRecovery();
    // The copy as the project, under its original file name and folders,
    // modified: the user decides when it replaces the original. False when
    // the user cancelled, the original being open in another editor.
    bool OpenRecovered(const RecoveryEntry& entry);
    // What an autosave writes; nothing when the project has no unsaved changes.
    std::optional<TRecoverySnapshot> RecoverySnapshot();
    // Removes this run's recovery copies; one that cannot be is reported.
    void DiscardRecoveryCopies();
    // Prepares the site and image folders of file and makes them the
    // project's. An opened project keeps its folders' names also when they
    // cannot be made (a folder others gave read-only): it opens, and what
    // needs them asks for a place to write; a saved one does not. Returns
    // the note that says why they could not be made, if they could not.
    enum class FolderNeed { Required, IfPossible };
    QString TakeProjectFolders(const std::filesystem::path& file, FolderNeed need = FolderNeed::Required);
    // The save commands; false when no file was chosen.
    bool SaveProjectFile();
    bool SaveProjectAs();
    // After a save failed in a folder that takes no files: the user is told
    // and offered to save elsewhere; whether the project was saved.
    bool OfferSaveElsewhere(const std::filesystem::path& file);
    // After a save under a new name: the shots' pictures copied from the
    // previous image folder into the new one, and those that could not be
    // reported.
    void CopyPicturesFrom(const std::filesystem::path& previousImgDir);
    QString DialogFolder() const;
    // A new project: the layout and styles kept, one shot, named by the
    // user when askName is set ("plan 1" otherwise), the author from the
    // settings when they say so.
    ProjectDocument NewProject(bool askName);

    TEditorApp& app_;
    TUserPrompts& prompts_;
    TDocumentView& view_;
    QWidget* dialogParent_;
    std::unique_ptr<TProjectFileGuard> fileGuard_;
    std::unique_ptr<TAutoSaver> autoSaver_;
    std::unique_ptr<TDocumentOutputs> outputs_;
    std::unique_ptr<TTimelineExchange> exchange_;
    std::unique_ptr<TScriptImporting> script_;
};

} // namespace sw
