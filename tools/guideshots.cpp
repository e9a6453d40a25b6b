// Takes the pictures of the user guide from the editor itself: the window on
// a copy of the example film, each shot tab, the "Plans" menu and the style
// dialog, as PNG files in the folder given. Run on the offscreen platform at
// build time, with settings kept in a temporary home, so that the guide
// always shows the program it comes with.
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTemporaryDir>

#include "app/dialogprompts.h"
#include "app/editorapp.h"
#include "app/editorstart.h"
#include "app/frenchtranslations.h"
#include "app/mainform.h"
#include "app/shoteditor.h"
#include "dialogs/styledlg.h"
#include "qtshared/uitext.h"

namespace fs = std::filesystem;

namespace {

bool Save(QWidget* widget, const QDir& folder, const char* name)
{
    const QString file = folder.filePath(QString::fromLatin1(name));
    if (widget->grab().save(file))
        return true;
    std::fprintf(stderr, "guideshots: %s n'a pas pu être écrit\n", qPrintable(file));
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    Q_INIT_RESOURCE(editor);
    Q_INIT_RESOURCE(dialogs);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    for (const char* variable : {"XDG_CONFIG_HOME", "XDG_STATE_HOME", "XDG_DATA_HOME", "HOME"})
        qputenv(variable, home.path().toUtf8());
    QApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "Utilisation : guideshots EXEMPLE.vid DOSSIER\n");
        return 2;
    }
    sw::InstallFrenchTranslations(application);
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));

    // A copy of the example, which gets a lock file while it is open.
    const fs::path example = sw::uitext::QStringToPath(QString::fromLocal8Bit(argv[1]));
    const fs::path copy = fs::path(home.path().toStdString()) / "film";
    std::error_code error;
    fs::copy(example.parent_path(), copy, fs::copy_options::recursive, error);
    const QDir out(QString::fromLocal8Bit(argv[2]));
    if (error || !QDir().mkpath(out.path())) {
        std::fprintf(stderr, "guideshots: %s\n", error ? error.message().c_str() : "dossier de sortie");
        return 1;
    }

    sw::TDialogPrompts prompts;
    const std::unique_ptr<sw::TEditorApp> app =
        sw::MakeEditorApp(sw::uitext::QStringToPath(QApplication::applicationFilePath()));
    sw::TmainForm form(*app, prompts);
    sw::StartEditorWindow(form, {sw::uitext::PathToQString(copy / example.filename())});
    form.resize(1000, 640);
    QApplication::processEvents();

    bool saved = true;
    auto* tabs = form.findChild<QTabWidget*>(QStringLiteral("PageControl"));
    const char* names[] = {"onglet-idee.png", "onglet-continuite.png", "onglet-decoupage.png", "onglet-rapport.png"};
    for (int tab = 0; tab < 4; ++tab) {
        tabs->setCurrentIndex(tab);
        QApplication::processEvents();
        saved = Save(&form, out, names[tab]) && saved;
    }

    tabs->setCurrentIndex(1);
    if (auto* menu = form.findChild<QMenu*>(QStringLiteral("menuPlans"))) {
        menu->popup(form.mapToGlobal(QPoint(0, 0)));
        QApplication::processEvents();
        saved = Save(menu, out, "menu-plans.png") && saved;
        menu->close();
    }

    sw::TStylePrefs styles = app->Project().StylePrefs;
    sw::TStyleDlg styleDialog(styles);
    styleDialog.show();
    QApplication::processEvents();
    saved = Save(&styleDialog, out, "style.png") && saved;
    styleDialog.reject();

    form.close();
    return saved ? 0 : 1;
}
