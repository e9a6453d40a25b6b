#include "app/mainform.h"

#include <filesystem>
#include <functional>
#include <system_error>
#include <vector>

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "app/documentcontroller.h"
#include "app/shoteditor.h"
#include "app/editorapp.h"
#include "app/usercommand.h"
#include "qtshared/uitext.h"
#include "app/userprompts.h"

// The main window's menus: one table of entries, each with its object name,
// caption, shortcut and command.
namespace sw {

void TmainForm::BuildMenu()
{
    struct Item {
        const char* menu;
        const char* name;
        QString caption;
        QKeySequence shortcut;
        std::function<void()> command;
    };
    TDocumentController& document = *document_;
    const Item items[] = {
        {"Fichier", "mNew", QStringLiteral("&Nouveau"), QKeySequence(Qt::CTRL | Qt::Key_N), [&document] { document.mNewClick(); }},
        {"Fichier", "mOuvrir", QStringLiteral("&Ouvrir..."), QKeySequence(Qt::CTRL | Qt::Key_O), [&document] { document.mOuvrirClick(); }},
        {"Fichier", "mSave", QStringLiteral("&Enregistrer"), QKeySequence(Qt::CTRL | Qt::Key_S), [&document] { document.mSaveClick(); }},
        // The project and its pictures under another name, which it keeps.
        {"Fichier", "mSaveAs", QStringLiteral("Enregistrer &sous..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), [&document] { document.mSaveAsClick(); }},
        {"Fichier", nullptr, QString(), QKeySequence(), nullptr},
        {"Fichier", "mExportPdf", QStringLiteral("Exporter en P&DF..."), QKeySequence(), [&document] { document.ExportPdfClick(); }},
        {"Fichier", "mExportCsv", QStringLiteral("Exporter en &CSV..."), QKeySequence(), [&document] { document.ExportCsvClick(); }},
        {"Fichier", "mPrint", QStringLiteral("&Imprimer..."), QKeySequence(Qt::CTRL | Qt::Key_P), [&document] { document.PrintClick(); }},
        {"Fichier", nullptr, QString(), QKeySequence(), nullptr},
        {"Fichier", "mPrefs", QStringLiteral("Pré&férences..."), QKeySequence(), [&document] { document.mPrefsClick(); }},
        {"Fichier", nullptr, QString(), QKeySequence(), nullptr},
        {"Fichier", "mQuit", QStringLiteral("&Quitter"), QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { close(); }},
        {"HTML", "Style1", QStringLiteral("&Style..."), QKeySequence(), [&document] { document.Style1Click(); }},
        {"HTML", "miseenpage1", QStringLiteral("&Mise en page..."), QKeySequence(), [&document] { document.miseenpage1Click(); }},
        {"HTML", nullptr, QString(), QKeySequence(), nullptr},
        {"HTML", "publier1", QStringLiteral("&Publier"), QKeySequence(Qt::Key_F4), [&document] { document.publier1Click(); }},
        {"HTML", "Navigateur1", QStringLiteral("&Navigateur"), QKeySequence(Qt::Key_F5), [&document] { document.Navigateur1Click(); }},
        {"?", "propos1", QStringLiteral("À &propos..."), QKeySequence(), [this] { propos1Click(); }},
        {"?", nullptr, QString(), QKeySequence(), nullptr},
        {"?", "aide1", QStringLiteral("&Aide..."), QKeySequence(), [this] { aide1Click(); }},
    };
    QMenu* menu = nullptr;
    QString menuTitle;
    for (const Item& item : items) {
        if (menuTitle != QLatin1String(item.menu)) {
            menuTitle = QLatin1String(item.menu);
            // "&Fichier": Alt and the first letter open the menu; the caption reads the same.
            menu = menuBar()->addMenu(QLatin1Char('&') + menuTitle);
            menu->setObjectName(QStringLiteral("menu") + menuTitle);
        }
        if (!item.name) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(item.caption);
        action->setObjectName(QLatin1String(item.name));
        action->setShortcut(item.shortcut);
        connect(action, &QAction::triggered, this, [this, command = item.command] { RunUserCommand(prompts_, this, command); });
    }
    BuildRecentMenu(findChild<QMenu*>(QStringLiteral("menuFichier")), findChild<QAction*>(QStringLiteral("mSave")));
    BuildEditMenu(findChild<QMenu*>(QStringLiteral("menuHTML"))->menuAction());
    // The shots' commands and the tabs, between "Édition" and "HTML".
    auto* shotMenu = new QMenu(QStringLiteral("&Plans"), this);
    shotMenu->setObjectName(QStringLiteral("menuPlans"));
    menuBar()->insertMenu(findChild<QMenu*>(QStringLiteral("menuHTML"))->menuAction(), shotMenu);
    shots_->AddShotActions(shotMenu);
    shotMenu->addSeparator();
    for (int tab = 0; tab < 4; ++tab) {
        QAction* action = shotMenu->addAction(QStringLiteral("&%1 Onglet « %2 »").arg(tab + 1).arg(PageControl->tabText(tab)));
        action->setObjectName(QStringLiteral("mTab%1").arg(tab + 1));
        action->setShortcut(QKeySequence(Qt::ALT | static_cast<Qt::Key>(Qt::Key_1 + tab)));
        connect(action, &QAction::triggered, this, [this, tab] { PageControl->setCurrentIndex(tab); });
    }
    if (QAction* style = findChild<QAction*>(QStringLiteral("Style1")))
        style->setEnabled(prompts_.HasStyleDialog());
    if (QAction* layoutAction = findChild<QAction*>(QStringLiteral("miseenpage1")))
        layoutAction->setEnabled(prompts_.HasLayoutDialog());
}

void TmainForm::BuildRecentMenu(QMenu* fileMenu, QAction* before)
{
    auto* recent = new QMenu(QStringLiteral("Fichiers &récents"), fileMenu);
    recent->setObjectName(QStringLiteral("menuRecent"));
    fileMenu->insertMenu(before, recent);
    // Made again each time it opens: the list follows every open and save,
    // and a file gone since shows greyed.
    connect(recent, &QMenu::aboutToShow, this, [this, recent] {
        recent->clear();
        const std::vector<std::filesystem::path>& files = app_.Settings().RecentFiles;
        int n = 0;
        for (const std::filesystem::path& file : files) {
            ++n;
            QAction* action = recent->addAction(QStringLiteral("&%1 %2").arg(n).arg(uitext::PathToQString(file.filename())));
            action->setObjectName(QStringLiteral("mRecent%1").arg(n));
            const QString path = uitext::PathToQString(file);
            action->setToolTip(path);
            action->setStatusTip(path);
            std::error_code ignored;
            action->setEnabled(std::filesystem::is_regular_file(file, ignored));
            connect(action, &QAction::triggered, this,
                    [this, file] { RunUserCommand(prompts_, this, [this, &file] { document_->OpenRecentFile(file); }); });
        }
        if (files.empty())
            recent->addAction(QStringLiteral("(aucun)"))->setEnabled(false);
    });
}

} // namespace sw
