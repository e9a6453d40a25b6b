#include "app/mainmenus.h"

#include <filesystem>
#include <functional>
#include <vector>

#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>

#include "app/documentcontroller.h"
#include "app/animaticview.h"
#include "app/documentoutputs.h"
#include "app/scriptimporting.h"
#include "app/timelineexchange.h"
#include "app/editorapp.h"
#include "app/shoteditor.h"
#include "app/usercommand.h"
#include "app/userprompts.h"
#include "editing/document.h"
#include "model/filebytes.h"
#include "qtshared/uitext.h"

namespace sw {

namespace {

const QString kUndoCaption = QStringLiteral("&Annuler");
const QString kRedoCaption = QStringLiteral("&Rétablir");

// "Annuler" alone, or followed by the step's text, whose "&" (a shot named
// "Pierre & Marie") shows as typed rather than as a key.
QString CaptionFor(const QString& verb, const QString& step)
{
    return step.isEmpty() ? verb : verb + QLatin1Char(' ') + QString(step).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

TMainMenus::TMainMenus(QMainWindow& window, TEditorApp& app, TDocumentController& document, TUserPrompts& prompts,
                       TShotEditor& shots, QTabWidget& tabs, std::function<void()> about, std::function<void()> help)
    : QObject(&window), window_(window), app_(app), document_(document), prompts_(prompts)
{
    struct Item {
        const char* menu;
        const char* name;
        QString caption;
        QKeySequence shortcut;
        std::function<void()> command;
    };
    const Item items[] = {
        {"Fichier", "mNew", QStringLiteral("&Nouveau"), QKeySequence(Qt::CTRL | Qt::Key_N), [&document] { document.mNewClick(); }},
        {"Fichier", "mOuvrir", QStringLiteral("&Ouvrir..."), QKeySequence(Qt::CTRL | Qt::Key_O), [&document] { document.mOuvrirClick(); }},
        {"Fichier", "mSave", QStringLiteral("&Enregistrer"), QKeySequence(Qt::CTRL | Qt::Key_S), [&document] { document.mSaveClick(); }},
        // The project and its pictures under another name, which it keeps.
        {"Fichier", "mSaveAs", QStringLiteral("Enregistrer &sous..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), [&document] { document.mSaveAsClick(); }},
        {"Fichier", nullptr, QString(), QKeySequence(), nullptr},
        {"Fichier", "mExportPdf", QStringLiteral("Exporter en P&DF..."), QKeySequence(), [&document] { document.Outputs().ExportPdfClick(); }},
        {"Fichier", "mExportCsv", QStringLiteral("Exporter en &CSV..."), QKeySequence(), [&document] { document.Outputs().ExportCsvClick(); }},
        // The plan as one page a crew passes around and reads offline.
        {"Fichier", "mSharePlan", QStringLiteral("&Partager le plan…"), QKeySequence(), [&document] { document.Outputs().SharePlanClick(); }},
        // Each shot for its duration, as a video to watch the film's rhythm.
        {"Fichier", "mExportAnimatic", QStringLiteral("Exporter l'&animatique (vidéo)…"), QKeySequence(), [&document] { document.Outputs().ExportAnimaticClick(); }},
        // The hand-off to the film editor: the timeline out, the cut back in.
        {"Fichier", "mExportTimeline", QStringLiteral("Exporter une &timeline…"), QKeySequence(), [&document] { document.Exchange().ExportTimelineClick(); }},
        {"Fichier", "mImportCut", QStringLiteral("Importer un &montage…"), QKeySequence(), [&document] { document.Exchange().ImportCutClick(); }},
        {"Fichier", "mImportScript", QStringLiteral("Importer &un scénario…"), QKeySequence(), [&document] { document.Script().ImportScriptClick(); }},
        {"Fichier", "mPrint", QStringLiteral("&Imprimer..."), QKeySequence(Qt::CTRL | Qt::Key_P), [&document] { document.Outputs().PrintClick(); }},
        {"Fichier", nullptr, QString(), QKeySequence(), nullptr},
        {"Fichier", "mPrefs", QStringLiteral("Pré&férences..."), QKeySequence(), [&document] { document.mPrefsClick(); }},
        {"Fichier", nullptr, QString(), QKeySequence(), nullptr},
        {"Fichier", "mQuit", QStringLiteral("&Quitter"), QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { window_.close(); }},
        {"HTML", "Style1", QStringLiteral("&Style..."), QKeySequence(), [&document] { document.Style1Click(); }},
        {"HTML", "miseenpage1", QStringLiteral("&Mise en page..."), QKeySequence(), [&document] { document.miseenpage1Click(); }},
        {"HTML", nullptr, QString(), QKeySequence(), nullptr},
        {"HTML", "publier1", QStringLiteral("&Publier"), QKeySequence(Qt::Key_F4), [&document] { document.Outputs().publier1Click(); }},
        {"HTML", "Navigateur1", QStringLiteral("&Navigateur"), QKeySequence(Qt::Key_F5), [&document] { document.Outputs().Navigateur1Click(); }},
        {"?", "propos1", QStringLiteral("À &propos..."), QKeySequence(), about},
        {"?", nullptr, QString(), QKeySequence(), nullptr},
        {"?", "aide1", QStringLiteral("&Aide..."), QKeySequence(), help},
    };
    QMenu* menu = nullptr;
    QString menuTitle;
    for (const Item& item : items) {
        if (menuTitle != QLatin1String(item.menu)) {
            menuTitle = QLatin1String(item.menu);
            // "&Fichier": Alt and the first letter open the menu; the caption reads the same.
            menu = window_.menuBar()->addMenu(QLatin1Char('&') + menuTitle);
            menu->setObjectName(QStringLiteral("menu") + menuTitle);
        }
        if (!item.name) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(item.caption);
        action->setObjectName(QLatin1String(item.name));
        action->setShortcut(item.shortcut);
        connect(action, &QAction::triggered, this, [this, command = item.command] { RunUserCommand(prompts_, &window_, command); });
    }
    BuildRecentMenu(window_.findChild<QMenu*>(QStringLiteral("menuFichier")), window_.findChild<QAction*>(QStringLiteral("mSave")));
    BuildEditMenu(window_.findChild<QMenu*>(QStringLiteral("menuHTML"))->menuAction());
    // The shots' commands and the tabs, between "Édition" and "HTML".
    auto* shotMenu = new QMenu(QStringLiteral("&Plans"), &window_);
    shotMenu->setObjectName(QStringLiteral("menuPlans"));
    window_.menuBar()->insertMenu(window_.findChild<QMenu*>(QStringLiteral("menuHTML"))->menuAction(), shotMenu);
    shots.AddShotActions(shotMenu);
    shotMenu->addSeparator();
    for (int tab = 0; tab < 4; ++tab) {
        QAction* action = shotMenu->addAction(QStringLiteral("&%1 Onglet « %2 »").arg(tab + 1).arg(tabs.tabText(tab)));
        action->setObjectName(QStringLiteral("mTab%1").arg(tab + 1));
        action->setShortcut(QKeySequence(Qt::ALT | static_cast<Qt::Key>(Qt::Key_1 + tab)));
        connect(action, &QAction::triggered, this, [&tabs, tab] { tabs.setCurrentIndex(tab); });
    }
    shotMenu->addSeparator();
    // The shots played as a film, in a window of its own.
    QAction* animatic = shotMenu->addAction(QStringLiteral("A&nimatique"));
    animatic->setObjectName(QStringLiteral("mAnimatic"));
    animatic->setShortcut(QKeySequence(Qt::Key_F9));
    connect(animatic, &QAction::triggered, this, [this] {
        if (animatic_ == nullptr) {
            animatic_ = new TAnimaticView(app_, prompts_, &window_);
            animatic_->resize(window_.size() * 3 / 4);
        }
        animatic_->show();
        animatic_->raise();
        animatic_->activateWindow();
    });
    // The scenes' commands, after the shots'.
    auto* sceneMenu = new QMenu(QStringLiteral("S&cènes"), &window_);
    sceneMenu->setObjectName(QStringLiteral("menuScenes"));
    window_.menuBar()->insertMenu(window_.findChild<QMenu*>(QStringLiteral("menuHTML"))->menuAction(), sceneMenu);
    shots.AddSceneActions(sceneMenu);
    if (QAction* style = window_.findChild<QAction*>(QStringLiteral("Style1")))
        style->setEnabled(prompts_.HasStyleDialog());
    if (QAction* layoutAction = window_.findChild<QAction*>(QStringLiteral("miseenpage1")))
        layoutAction->setEnabled(prompts_.HasLayoutDialog());
}

void TMainMenus::BuildRecentMenu(QMenu* fileMenu, QAction* before)
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
            action->setEnabled(IsRegularFile(file));
            connect(action, &QAction::triggered, this,
                    [this, file] { RunUserCommand(prompts_, &window_, [this, &file] { document_.OpenRecentFile(file); }); });
        }
        if (files.empty())
            recent->addAction(QStringLiteral("(aucun)"))->setEnabled(false);
    });
}

// "Annuler" and "Rétablir" name the document's next step.
void TMainMenus::BuildEditMenu(QAction* before)
{
    TDocument& document = app_.Document();
    auto* menu = new QMenu(QStringLiteral("&Édition"), &window_);
    menu->setObjectName(QStringLiteral("menuEdition"));
    window_.menuBar()->insertMenu(before, menu);
    auto* undo = menu->addAction(kUndoCaption);
    undo->setObjectName(QStringLiteral("mUndo"));
    undo->setShortcut(QKeySequence::Undo);
    auto* redo = menu->addAction(kRedoCaption);
    redo->setObjectName(QStringLiteral("mRedo"));
    // Ctrl+Maj+Z as the desktop has it, and Ctrl+Y as many programs do.
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    const auto showHistory = [undo, redo, &document] {
        undo->setEnabled(document.CanUndo());
        undo->setText(CaptionFor(kUndoCaption, document.UndoText()));
        redo->setEnabled(document.CanRedo());
        redo->setText(CaptionFor(kRedoCaption, document.RedoText()));
    };
    showHistory();
    connect(&document, &TDocument::historyChanged, this, showHistory);
    connect(undo, &QAction::triggered, this, [this, &document] { RunUserCommand(prompts_, &window_, [&document] { document.Undo(); }); });
    connect(redo, &QAction::triggered, this, [this, &document] { RunUserCommand(prompts_, &window_, [&document] { document.Redo(); }); });
}

} // namespace sw
