#include "app/editorstart.h"

#include <exception>

#include <QApplication>

#include "app/dialogprompts.h"
#include "app/editorapp.h"
#include "app/mainform.h"
#include "dialogs/aboutfrm.h"
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

void StartEditorWindow(TmainForm& form, const TAppSettings& settings, const QStringList& arguments)
{
    form.show();
    if (settings.ShowAboutAtStart)
        TAboutFrm::ShowWithoutWaiting(&form);
    form.FormShow(arguments);
}

int RunEditor(QApplication& application, const QStringList& arguments)
{
    TDialogPrompts prompts;
    const std::unique_ptr<TEditorApp> app = MakeEditorApp(uitext::QStringToPath(QApplication::applicationFilePath()));
    TmainForm form(*app, prompts);
    StartEditorWindow(form, app->Settings(), arguments);
    return application.exec();
}

} // namespace sw
