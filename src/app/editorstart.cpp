#include "app/editorstart.h"

#include <exception>

#include <QApplication>

#include "app/dialogprompts.h"
#include "app/editorapp.h"
#include "app/mainform.h"
#include "model/appsettings.h"
#include "qtshared/uitext.h"
#include "recovery/recoverystore.h"

namespace sw {

std::unique_ptr<TEditorApp> MakeEditorApp(const std::filesystem::path& programFile)
{
    auto app = std::make_unique<TEditorApp>(programFile, SettingsFilePath(), RecoveryFolderPath());
    app->ReadSettings();
    try {
        app->RegisterFileTypeOnce();
    } catch (const std::exception&) {
        // Tried again at the next start-up, as when the desktop refuses it.
    }
    return app;
}

void StartEditorWindow(TmainForm& form, const QStringList& arguments)
{
    form.show();
    form.FormShow(arguments);
}

int RunEditor(QApplication& application, const QStringList& arguments)
{
    TDialogPrompts prompts;
    const std::unique_ptr<TEditorApp> app = MakeEditorApp(uitext::QStringToPath(QApplication::applicationFilePath()));
    TmainForm form(*app, prompts);
    StartEditorWindow(form, arguments);
    return application.exec();
}

} // namespace sw
