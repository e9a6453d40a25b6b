#pragma once

// What the editor's GUI tests share: a stand-in for the user's answers and a
// main window over a fresh application state, with settings and desktop files
// kept in temporary folders.

#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include "app/editorapp.h"
#include "app/documentcontroller.h"
#include "app/hinttexts.h"
#include "app/mainform.h"
#include "app/shoteditor.h"
#include "app/userprompts.h"

namespace swtest {

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
    std::optional<QString> pictureAnswer;  // nothing: the chooser gives no file
    QString pictureFolder;
    std::optional<bool> layoutAccept;
    std::function<void(sw::THTMPrefs&)> layoutEdit; // what the layout dialog changes in place
    QList<QUrl> opened;                    // addresses sent to the browser
    int aboutShown = 0;

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
    QString ChooseProjectToOpen(QWidget*, const QString&) override { return fileToOpen; }
    QString ChooseProjectToSave(QWidget*, const QString&) override
    {
        ++saveDialogs;
        return fileToSave;
    }
    std::optional<QString> EditName(QWidget*, const QString& prompt, const QString&) override
    {
        namePrompts << prompt;
        return nameAnswer;
    }
    std::optional<QString> ChoosePicture(QWidget*, const QString& imageFolder) override
    {
        pictureFolder = imageFolder;
        return pictureAnswer;
    }
    void EditPreferences(QWidget*, bool&, bool&) override {}
    void EditStyle(QWidget*, sw::TStylePrefs&) override {}
    bool EditLayout(QWidget*, sw::THTMPrefs& prefs, bool) override
    {
        if (layoutEdit)
            layoutEdit(prefs);
        return layoutAccept.value_or(false);
    }
    void ShowAbout(QWidget*) override { ++aboutShown; }
    void OpenInBrowser(const QUrl& address) override { opened << address; }
    bool HasStyleDialog() const override { return false; }
    bool HasLayoutDialog() const override { return true; }
};

// Points the settings and the desktop files at temporary folders, so that no
// test touches the real home. Call before any editor object exists.
inline void UseTemporaryHome(QTemporaryDir& home)
{
    qputenv("XDG_CONFIG_HOME", QDir(home.path()).filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_DATA_HOME", QDir(home.path()).filePath(QStringLiteral("data")).toUtf8());
    qputenv("HOME", home.path().toUtf8());
}

// A main window over a fresh application, started as without arguments and
// without automatic loading: one shot named "plan 1".
struct Editor {
    QTemporaryDir folder;
    FakePrompts prompts;
    std::unique_ptr<sw::TEditorApp> app;
    std::unique_ptr<sw::TmainForm> form;

    explicit Editor(bool start = true)
    {
        const std::filesystem::path base = folder.path().toStdString();
        app = std::make_unique<sw::TEditorApp>(base / "bin" / "shotweave", base / "shotweave.ini");
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
    sw::ProjectDocument& Project() const { return app->Project(); }
};

} // namespace swtest
