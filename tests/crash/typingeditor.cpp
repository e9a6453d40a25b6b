// The editor as the crash test runs it: the real window on the real start-up,
// which then types the text of its first argument at the end of the title,
// through key events as a user types it, so that the change takes the real
// input path. The other arguments are the editor's.
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStringList>

#include "app/dialogprompts.h"
#include "app/editorapp.h"
#include "app/editorstart.h"
#include "app/frenchtranslations.h"
#include "app/mainform.h"
#include "qtshared/uitext.h"

namespace {

void SendKey(QWidget* target, int key, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &release);
}

} // namespace

int main(int argc, char* argv[])
{
    Q_INIT_RESOURCE(editor);
    Q_INIT_RESOURCE(dialogs);
    QApplication application(argc, argv);
    sw::InstallFrenchTranslations(application);
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    const QString typed = arguments.isEmpty() ? QString() : arguments.takeFirst();

    sw::TDialogPrompts prompts;
    const std::unique_ptr<sw::TEditorApp> app =
        sw::MakeEditorApp(sw::uitext::QStringToPath(QApplication::applicationFilePath()));
    sw::TmainForm form(*app, prompts);
    sw::StartEditorWindow(form, arguments);
    if (auto* title = form.findChild<QLineEdit*>(QStringLiteral("titleEd"))) {
        title->setFocus();
        SendKey(title, Qt::Key_End, QString());
        for (const QChar character : typed)
            SendKey(title, 0, QString(character));
    }
    return application.exec();
}
