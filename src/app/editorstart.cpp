#include "app/editorstart.h"

#include <exception>

#include <QApplication>

#include "app/dialogprompts.h"
#include "app/editorapp.h"
#include "app/mainform.h"
#include "dialogs/aboutfrm.h"
#include "qtshared/uitext.h"
#include "model/appsettings.h"

namespace sw {

void StartEditorWindow(TmainForm& form, const TAppSettings& settings, const QStringList& arguments)
{
    form.show();
    if (settings.ShowAboutAtStart)
        TAboutFrm::ShowWithoutWaiting(&form);
    form.FormShow(arguments);
}

int RunEditor(QApplication& application, const QStringList& arguments)
{
    TEditorApp app(uitext::QStringToPath(QApplication::applicationFilePath()), SettingsFilePath());
    TDialogPrompts prompts;
    app.ReadSettings();
    try {
        app.RegisterFileTypeOnce();
    } catch (const std::exception&) {
        // Tried again at the next start-up, as when the desktop refuses it.
    }
    TmainForm form(app, prompts);
    StartEditorWindow(form, app.Settings(), arguments);
    return application.exec();
}

} // namespace sw
