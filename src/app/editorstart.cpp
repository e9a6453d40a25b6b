#include "app/editorstart.h"

#include <exception>

#include <QApplication>

#include "app/dialogprompts.h"
#include "app/editorapp.h"
#include "app/mainform.h"
#include "qtshared/uitext.h"
#include "model/appsettings.h"

namespace sw {

int RunEditor(QApplication& application, const QStringList& arguments)
{
    TEditorApp app(uitext::QStringToPath(QApplication::applicationFilePath()), SettingsFilePath());
    TDialogPrompts prompts;
    prompts.ShowAbout(nullptr);
    app.ReadSettings();
    try {
        app.RegisterFileTypeOnce();
    } catch (const std::exception&) {
        // Tried again at the next start-up, as when the desktop refuses it.
    }
    TmainForm form(app, prompts);
    form.show();
    form.FormShow(arguments);
    return application.exec();
}

} // namespace sw
