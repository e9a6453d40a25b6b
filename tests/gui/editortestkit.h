#pragma once

// What the editor's GUI tests share: a stand-in for the user's answers and a
// main window over a fresh application state, with settings and desktop files
// kept in temporary folders.

#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <utility>

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QListWidget>
#include <QMimeData>
#include <QPrinter>
#include <QStatusBar>
#include <QStringList>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include "app/editorapp.h"
#include "app/documentcontroller.h"
#include "app/hinttexts.h"
#include "dialogs/cutsummarydlg.h"
#include "app/mainform.h"
#include "app/shoteditor.h"
#include "app/shotlistbox.h"
#include "app/shotpictures.h"
#include "app/userprompts.h"
#include "dialogs/getfiledlg.h"
#include "dialogs/pdfexportdlg.h"
#include "dialogs/preffrm.h"
#include "document/projectfile.h"
#include "model/appsettings.h"

// The editor's pictures and the dialogs' icons, compiled into the program.
inline void InitEditorResources()
{
    Q_INIT_RESOURCE(editor);
    Q_INIT_RESOURCE(dialogs);
}

namespace swtest {

// The name a shot list entry "3. Escalier \u2014 4 s" shows, between its
// number and its duration.
inline QString EntryName(const QString& entry)
{
    const qsizetype start = entry.indexOf(QStringLiteral(". "));
    const qsizetype end = entry.lastIndexOf(QStringLiteral(" \u2014 "));
    if (start < 0 || end < start + 2)
        return entry;
    return entry.mid(start + 2, end - start - 2);
}

inline QStringList EntryNames(const QListWidget* list)
{
    QStringList names;
    for (int row = 0; row < list->count(); ++row)
        names << EntryName(list->item(row)->text());
    return names;
}

// Answers in place of the user and records what the editor showed.
class FakePrompts : public sw::TUserPrompts {
public:
    QStringList messages;                  // texts of the message boxes, in order
    int saveQuestions = 0;                 // times "Enregistrer les modifications ?" was asked
    std::deque<sw::SaveAnswer> saveAnswers;  // answers given, Cancel once empty
    QString fileToOpen;                    // empty: the open dialog is cancelled
    QString fileToSave;                    // empty: the save dialog is cancelled
    int saveDialogs = 0;
    std::optional<QString> nameAnswer;     // nothing: the name dialog is closed without "Accepter"
    QStringList namePrompts;
    // The folders the open dialog started in.
    QStringList openFolders;
    // The names the dialog offered.
    QStringList nameTexts;
    std::optional<QString> pictureAnswer;  // nothing: the chooser gives no file
    QString pictureFolder;
    // When set, the picture chooser is the real one, shown without waiting;
    // these steps act in it as the user would (OK closes it with its choice).
    std::function<void(sw::TGetFileDlg&)> chooserSteps;
    QString pictureToImport;               // empty: the import file dialog is cancelled
    QString importFolder;                  // where the import file dialog opened
    int importDialogs = 0;
    QStringList questions;                 // questions asked after a message (the message goes to messages)
    std::deque<bool> yesNoAnswers;         // answers to those questions, Non once empty
    std::optional<bool> layoutAccept;
    std::function<void(sw::THTMPrefs&)> layoutEdit; // what the layout dialog changes in place
    bool styleDialog = false;              // whether the build has the style dialog; read when the window is built
    std::function<void(sw::TStylePrefs&)> styleEdit; // what the style dialog changes in place
    int styleDialogs = 0;
    QList<QUrl> opened;                    // addresses sent to the browser
    bool browserOpens = true;              // false: no browser takes them
    int aboutShown = 0;
    // The PDF export dialog is the real one, shown without waiting; these
    // steps act in it as the user would (OK closes it with its choices).
    // Without steps it is closed unaccepted.
    std::function<void(sw::TPdfExportDlg&)> exportSteps;
    int exportDialogs = 0;
    QString exportFile;                    // empty: the export file dialog is cancelled
    QString cutToImport;                   // empty: the cut's file dialog is cancelled
    std::optional<sw::TScene> sceneAnswer;    // none: the scene dialog is closed
    QStringList sceneTitles;
    std::optional<int> sceneChoice;           // none: the choice of a scene is closed
    QList<QStringList> sceneChoices;
    QString scriptToImport;                  // empty: the screenplay's file dialog is cancelled
    QString soundtrack;                    // empty: the soundtrack's file dialog is cancelled
    QStringList cutSummaries;              // the summaries shown before a cut is applied
    // The cut's summary is the real dialog, shown without waiting; these
    // steps act in it as the user would and say whether "Appliquer" was
    // clicked. Without steps it is cancelled.
    std::function<bool(sw::TCutSummaryDlg&)> cutSteps;
    QStringList exportSuggestions;         // the files the export file dialog offered
    QList<sw::ExportFormat> exportFormats;
    // The print dialog's answer, given the printer; none: it is cancelled.
    std::function<bool(QPrinter&)> printAnswer;
    int printDialogs = 0;
    QStringList progressTexts;             // texts of the progress boxes, in order
    int cancelAtStep = 0;                  // "Annuler" clicked once this step is reported; 0: never
    int progressSteps = 0;                 // steps reported to the progress boxes
    QStringList recoveryQuestions;         // the recovery copies offered at start-up
    std::deque<sw::RecoveryAnswer> recoveryAnswers;  // answers given, Ignorer once empty
    QStringList lockedTexts;               // « … est déjà ouvert dans Shotweave par … »
    std::deque<sw::LockedAnswer> lockedAnswers;  // answers given, Annuler once empty
    QStringList diskChangeTexts;           // « Le fichier … a changé sur le disque … », then what the answers do
    std::deque<sw::DiskChangeAnswer> diskChangeAnswers;  // answers given, Annuler once empty
    // When set, the preferences dialog is the real one, shown without
    // waiting; these steps act in it as the user would.
    std::function<void(sw::TPrefFrm&)> preferenceSteps;

    void Inform(QWidget*, const QString& text) override { messages << text; }
    sw::SaveAnswer AskSaveChanges(QWidget*) override
    {
        ++saveQuestions;
        if (saveAnswers.empty())
            return sw::SaveAnswer::Cancel;
        const sw::SaveAnswer answer = saveAnswers.front();
        saveAnswers.pop_front();
        return answer;
    }
    QString ChooseProjectToOpen(QWidget*, const QString& folder) override
    {
        openFolders << folder;
        return fileToOpen;
    }
    QString ChooseProjectToSave(QWidget*, const QString&) override
    {
        ++saveDialogs;
        return fileToSave;
    }
    std::optional<QString> EditName(QWidget*, const QString& prompt, const QString& current) override
    {
        namePrompts << prompt;
        nameTexts << current;
        return nameAnswer;
    }
    sw::RecoveryAnswer AskRecovery(QWidget*, const QString& text) override
    {
        recoveryQuestions << text;
        if (recoveryAnswers.empty())
            return sw::RecoveryAnswer::Ignore;
        const sw::RecoveryAnswer answer = recoveryAnswers.front();
        recoveryAnswers.pop_front();
        return answer;
    }
    sw::LockedAnswer AskOpenLocked(QWidget*, const QString& text) override
    {
        lockedTexts << text;
        if (lockedAnswers.empty())
            return sw::LockedAnswer::Cancel;
        const sw::LockedAnswer answer = lockedAnswers.front();
        lockedAnswers.pop_front();
        return answer;
    }
    sw::DiskChangeAnswer AskChangedOnDisk(QWidget*, const QString& text, const QString& choices) override
    {
        diskChangeTexts << text << choices;
        if (diskChangeAnswers.empty())
            return sw::DiskChangeAnswer::Cancel;
        const sw::DiskChangeAnswer answer = diskChangeAnswers.front();
        diskChangeAnswers.pop_front();
        return answer;
    }
    bool AskYesNo(QWidget*, const QString& text, const QString& question) override
    {
        messages << text;
        questions << question;
        if (yesNoAnswers.empty())
            return false;
        const bool answer = yesNoAnswers.front();
        yesNoAnswers.pop_front();
        return answer;
    }
    std::optional<QString> ChoosePicture(QWidget* parent, const QString& imageFolder,
                                         const sw::TPictureImport& import) override
    {
        pictureFolder = imageFolder;
        if (!chooserSteps)
            return pictureAnswer;
        sw::TGetFileDlg chooser(imageFolder, parent, import);
        chooser.show();
        chooserSteps(chooser);
        if (chooser.result() != QDialog::Accepted)
            return std::nullopt;
        return chooser.ChosenFileName();
    }
    QString ChoosePictureToImport(QWidget*, const QString& startFolder) override
    {
        ++importDialogs;
        importFolder = startFolder;
        return pictureToImport;
    }
    QString ChooseCutToImport(QWidget*, const QString&) override { return cutToImport; }
    bool EditScene(QWidget*, const QString& title, sw::TScene& scene) override
    {
        sceneTitles << title;
        if (!sceneAnswer)
            return false;
        const std::string id = scene.id;
        scene = *sceneAnswer;
        scene.id = id;
        return true;
    }
    std::optional<int> ChooseScene(QWidget*, const QString&, const QStringList& scenes, int) override
    {
        sceneChoices << scenes;
        return sceneChoice;
    }
    QString ChooseScriptToImport(QWidget*, const QString&) override { return scriptToImport; }
    QString ChooseSoundtrack(QWidget*, const QString&) override { return soundtrack; }
    bool AskApplyCut(QWidget* parent, const QString& cutName, const QString& summary, bool& reorder) override
    {
        cutSummaries << summary;
        if (!cutSteps)
            return false;
        sw::TCutSummaryDlg dialog(cutName, summary, reorder, parent);
        dialog.show();
        const bool applied = cutSteps(dialog);
        reorder = dialog.Reorder();
        return applied;
    }
    void EditPreferences(QWidget* parent, sw::TAppSettings& settings) override
    {
        if (!preferenceSteps)
            return;
        sw::TPrefFrm dialog(settings, parent);
        dialog.show();
        preferenceSteps(dialog);
        if (dialog.result() == QDialog::Accepted)
            dialog.ApplyTo(settings);
    }
    void EditStyle(QWidget*, sw::TStylePrefs& stylePrefs) override
    {
        ++styleDialogs;
        if (styleEdit)
            styleEdit(stylePrefs);
    }
    bool EditLayout(QWidget*, sw::THTMPrefs& prefs, bool) override
    {
        if (layoutEdit)
            layoutEdit(prefs);
        return layoutAccept.value_or(false);
    }
    QString ChooseExportFile(QWidget*, sw::ExportFormat format, const QString& suggestedFile) override
    {
        exportFormats << format;
        exportSuggestions << suggestedFile;
        return exportFile;
    }
    bool ChoosePlanOptions(QWidget* parent, sw::PlanOptions& options) override
    {
        ++exportDialogs;
        sw::TPdfExportDlg dialog(options, parent);
        dialog.show();
        if (exportSteps)
            exportSteps(dialog);
        if (dialog.result() != QDialog::Accepted)
            return false;
        options = dialog.Options();
        return true;
    }
    bool ChoosePrinter(QWidget*, QPrinter& printer) override
    {
        ++printDialogs;
        return printAnswer && printAnswer(printer);
    }
    bool RunWithProgress(QWidget*, const QString& text, const sw::ProgressWork& work) override
    {
        progressTexts << text;
        return work([this](int done, int) {
            ++progressSteps;
            return cancelAtStep == 0 || done < cancelAtStep;
        });
    }
    void ShowAbout(QWidget*) override { ++aboutShown; }
    bool OpenInBrowser(const QUrl& address) override
    {
        opened << address;
        return browserOpens;
    }
    bool HasStyleDialog() const override { return styleDialog; }
    bool HasLayoutDialog() const override { return true; }
};

// Points the settings and the desktop files at temporary folders, so that no
// test touches the real home. Call before any editor object exists.
// Waits until the picture boxes of the window show what they were last asked
// to (pictures are decoded on a worker thread); false after five seconds.
inline bool PicturesShown(const QWidget* window)
{
    const auto* pictures = window->findChild<sw::TShotPictures*>();
    return pictures && QTest::qWaitFor([pictures] { return !pictures->IsDecoding(); }, 5000);
}

inline void UseTemporaryHome(QTemporaryDir& home)
{
    qputenv("XDG_CONFIG_HOME", QDir(home.path()).filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_DATA_HOME", QDir(home.path()).filePath(QStringLiteral("data")).toUtf8());
    qputenv("XDG_STATE_HOME", QDir(home.path()).filePath(QStringLiteral("state")).toUtf8());
    qputenv("HOME", home.path().toUtf8());
}

// What every suite of the editor starts with: its resources, and the
// settings and desktop files in home.
inline void StartEditorSuite(QTemporaryDir& home)
{
    ::InitEditorResources();
    UseTemporaryHome(home);
}

// A main window over a fresh application, started as without arguments and
// without automatic loading: one shot named "plan 1". Its recovery copies go
// to a folder of its own, RecoveryFolder().
struct Editor {
    QTemporaryDir folder;
    FakePrompts prompts;
    std::unique_ptr<sw::TEditorApp> app;
    std::unique_ptr<sw::TmainForm> form;

    // prepare sets the answers the window reads while it is built.
    explicit Editor(bool start = true, const std::function<void(FakePrompts&)>& prepare = {})
    {
        if (prepare)
            prepare(prompts);
        const std::filesystem::path base = folder.path().toStdString();
        app = std::make_unique<sw::TEditorApp>(base / "bin" / "shotweave", base / "shotweave.ini",
                                               base / "state" / "shotweave" / "recovery");
        form = std::make_unique<sw::TmainForm>(*app, prompts);
        form->show();
        if (start)
            form->FormShow({});
    }
    ~Editor()
    {
        // The window writes the settings when it closes; tests close it themselves.
        form.reset();
    }

    template <typename T>
    T* Find(const char* name) const
    {
        T* found = form->findChild<T*>(QLatin1String(name));
        if (!found)
            qWarning("no control named %s", name);
        return found;
    }
    void Trigger(const char* actionName) const { Find<QAction>(actionName)->trigger(); }
    QString Path(const QString& name) const { return QDir(folder.path()).filePath(name); }
    bool PicturesShown() const { return swtest::PicturesShown(form.get()); }
    // The note the status bar shows.
    QString Note() const { return Find<QStatusBar>("statusBar")->currentMessage(); }
    const sw::ProjectDocument& Project() const { return app->Project(); }
    std::filesystem::path RecoveryFolder() const { return app->RecoveryFolder(); }

    // What the user sees and does; these helpers only go through the
    // controls' names, mouse and keyboard events and drag events.

    QListWidget* ShotList() const { return Find<QListWidget>("vListBox"); }
    // The names the shot list's entries show.
    QStringList ShotNames() const { return EntryNames(ShotList()); }

    // A click on the tab's caption.
    void ClickTab(int index) const
    {
        QTabBar* bar = Find<QTabWidget>("PageControl")->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(index).center());
    }

    // A click on the shot's name in the list.
    void ClickShot(int row) const
    {
        QListWidget* list = ShotList();
        list->scrollToItem(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(list->item(row)).center());
    }

    // The entry below the current one, chosen with the arrow key.
    static void ChooseNextEntry(QComboBox* combo)
    {
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Down);
    }

    // The shot at row from dragged inside the list and dropped on the shot at
    // row to, with the data a drag out of the list carries.
    void DragShot(int from, int to) const
    {
        auto* list = qobject_cast<sw::TShotListBox*>(ShotList());
        QVERIFY(list);
        std::unique_ptr<QMimeData> mime(list->ShotMimeData(from));
        const QPoint target = list->visualItemRect(list->item(to)).center();
        QWidget* viewport = list->viewport();
        QDragEnterEvent enter(target, Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &enter);
        QVERIFY(enter.isAccepted());
        QDragMoveEvent move(target, Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &move);
        QVERIFY(move.isAccepted());
        QDropEvent drop(QPointF(target), Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &drop);
        QVERIFY(drop.isAccepted());
    }

    // Files dragged from outside and dropped on the window.
    void DropFiles(const QList<QUrl>& urls) const
    {
        QMimeData mime;
        mime.setUrls(urls);
        const QPoint target(20, 20);
        QDragEnterEvent enter(target, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(form.get(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(target), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(form.get(), &drop);
    }

    // Local files dragged from outside and dropped on one control.
    static void DropFilesOn(QWidget* target, const QList<QUrl>& urls)
    {
        QMimeData mime;
        mime.setUrls(urls);
        const QPoint at = target->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        QVERIFY(enter.isAccepted());
        QDragMoveEvent move(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &move);
        QVERIFY(move.isAccepted());
        QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &drop);
        QVERIFY(drop.isAccepted());
    }

    // Whether closing the window now asks to save the changes. The question
    // is answered "Annuler", so the window stays as it was; a window that
    // closes without asking is shown again.
    bool OffersToSave()
    {
        const int asked = prompts.saveQuestions;
        const std::deque<sw::SaveAnswer> answers = std::exchange(prompts.saveAnswers, {sw::SaveAnswer::Cancel});
        form->close();
        prompts.saveAnswers = answers;
        if (!form->isVisible())
            form->show();
        return prompts.saveQuestions > asked;
    }
};

// The main window's title for the project file at path ("court.vid[*] —
// Shotweave"), and for a project without a file.
inline QString WindowTitleFor(const QString& path)
{
    return QFileInfo(path).fileName() + QStringLiteral("[*] — Shotweave");
}
inline QString UntitledWindowTitle()
{
    return QStringLiteral("Sans titre[*] — Shotweave");
}

// The whole content of a file; empty when it cannot be read.
inline std::string ReadBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The bytes the core alone writes for file once loaded into a document
// prepared as a fresh editor prepares its project, after edit.
inline std::string CoreResavedBytes(const std::filesystem::path& file,
                                    const std::function<void(sw::ProjectDocument&)>& edit = {})
{
    sw::ProjectDocument document;
    document.StylePrefs.ApplyAppStyleTable();
    document.HTMPrefs.pageSpecs.SetDefaults(sw::TAppSettings().noJSPlan);
    document.GenInfo.Clear();
    document.Report.text.clear();
    document.Report.fileName = "rapport.htm";
    sw::LoadProject(document, file);
    if (edit)
        edit(document);
    return sw::ProjectFileBytes(document);
}

// Saves a picture of widget as name.png in the folder named by the
// SHOTWEAVE_SCREENSHOTS environment variable (by default a folder in the
// temporary directory), for a person to look at; it checks nothing.
// An action's text as a menu shows it: "&&" a "&", a single "&" marking
// the key, not shown.
inline QString ShownCaption(const QString& text)
{
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && ++i == text.size())
            break;
        shown += text[i];
    }
    return shown;
}

inline QString ShownCaption(const QAction* action)
{
    return ShownCaption(action->text());
}

inline void Screenshot(QWidget* widget, const QString& name)
{
    QString folder = qEnvironmentVariable("SHOTWEAVE_SCREENSHOTS");
    if (folder.isEmpty())
        folder = QDir::temp().filePath(QStringLiteral("shotweave-screenshots"));
    const QString file = QDir(folder).filePath(name + QStringLiteral(".png"));
    // The picture shows the widget as the user sees it, once the layouts
    // waiting to be redone (after a list was filled, say) are.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    if (!QDir().mkpath(folder) || !widget->grab().save(file))
        qWarning("could not save the screenshot %s", qPrintable(file));
}

} // namespace swtest
