#include <iostream>
#include <string>
#include <vector>

#include <QApplication>
#include <QStringList>

#include "app/editorstart.h"
#include "app/frenchtranslations.h"
#include "publish/commandline.h"

int main(int argc, char* argv[])
{
    // The headless modes need no display: they run before any Qt object exists.
    std::vector<std::string> args(argv + 1, argv + argc);
    if (auto exitCode = sw::RunCommandLine(args, std::cout, std::cerr))
        return *exitCode;

    Q_INIT_RESOURCE(editor);
    Q_INIT_RESOURCE(dialogs);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Shotweave"));
    QApplication::setDesktopFileName(QStringLiteral("shotweave"));
    sw::InstallFrenchTranslations(application);
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    return sw::RunEditor(application, arguments);
}
