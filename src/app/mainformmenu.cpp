#include "app/mainform.h"

#include <functional>

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "app/documentcontroller.h"
#include "app/shoteditor.h"
#include "app/usercommand.h"
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
        {"Fichier", "mNew", QStringLiteral("Nouveau"), QKeySequence(Qt::CTRL | Qt::Key_N), [&document] { document.mNewClick(); }},
        {"Fichier", "mOuvrir", QStringLiteral("Ouvrir"), QKeySequence(Qt::CTRL | Qt::Key_O), [&document] { document.mOuvrirClick(); }},
        {"Fichier", "mSave", QStringLiteral("Enregistrer"), QKeySequence(Qt::CTRL | Qt::Key_S), [&document] { document.mSaveClick(); }},
        // The project and its pictures under another name, which it keeps.
        {"Fichier", "mSaveAs", QStringLiteral("Enregistrer sous..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), [&document] { document.mSaveAsClick(); }},
        {"Fichier", nullptr, QString(), QKeySequence(), nullptr},
        {"Fichier", "mExportPdf", QStringLiteral("Exporter en PDF..."), QKeySequence(), [&document] { document.ExportPdfClick(); }},
        {"Fichier", "mExportCsv", QStringLiteral("Exporter en CSV..."), QKeySequence(), [&document] { document.ExportCsvClick(); }},
        {"Fichier", "mPrint", QStringLiteral("Imprimer..."), QKeySequence(Qt::CTRL | Qt::Key_P), [&document] { document.PrintClick(); }},
        {"Fichier", nullptr, QString(), QKeySequence(), nullptr},
        {"Fichier", "mPrefs", QStringLiteral("Préférences..."), QKeySequence(), [&document] { document.mPrefsClick(); }},
        {"Fichier", nullptr, QString(), QKeySequence(), nullptr},
        {"Fichier", "mQuit", QStringLiteral("Quitter"), QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { close(); }},
        {"HTML", "Style1", QStringLiteral("Style..."), QKeySequence(), [&document] { document.Style1Click(); }},
        {"HTML", "miseenpage1", QStringLiteral("mise en page..."), QKeySequence(), [&document] { document.miseenpage1Click(); }},
        {"HTML", nullptr, QString(), QKeySequence(), nullptr},
        {"HTML", "publier1", QStringLiteral("Publier"), QKeySequence(Qt::Key_F4), [&document] { document.publier1Click(); }},
        {"HTML", "Navigateur1", QStringLiteral("Navigateur"), QKeySequence(Qt::Key_F5), [&document] { document.Navigateur1Click(); }},
        {"?", "propos1", QStringLiteral("à propos..."), QKeySequence(), [this] { propos1Click(); }},
        {"?", nullptr, QString(), QKeySequence(), nullptr},
        {"?", "aide1", QStringLiteral("aide ..."), QKeySequence(), [this] { aide1Click(); }},
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
    BuildEditMenu(findChild<QMenu*>(QStringLiteral("menuHTML"))->menuAction());
    // The shots' commands and the tabs, between "Édition" and "HTML".
    auto* shotMenu = new QMenu(QStringLiteral("&Plans"), this);
    shotMenu->setObjectName(QStringLiteral("menuPlans"));
    menuBar()->insertMenu(findChild<QMenu*>(QStringLiteral("menuHTML"))->menuAction(), shotMenu);
    shots_->AddShotActions(shotMenu);
    shotMenu->addSeparator();
    for (int tab = 0; tab < 4; ++tab) {
        QAction* action = shotMenu->addAction(QStringLiteral("Onglet « %1 »").arg(PageControl->tabText(tab)));
        action->setObjectName(QStringLiteral("mTab%1").arg(tab + 1));
        action->setShortcut(QKeySequence(Qt::ALT | static_cast<Qt::Key>(Qt::Key_1 + tab)));
        connect(action, &QAction::triggered, this, [this, tab] { PageControl->setCurrentIndex(tab); });
    }
    if (QAction* style = findChild<QAction*>(QStringLiteral("Style1")))
        style->setEnabled(prompts_.HasStyleDialog());
    if (QAction* layoutAction = findChild<QAction*>(QStringLiteral("miseenpage1")))
        layoutAction->setEnabled(prompts_.HasLayoutDialog());
}

} // namespace sw
