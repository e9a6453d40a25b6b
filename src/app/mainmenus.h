#pragma once

#include <functional>

#include <QObject>

class QAction;
class QMainWindow;
class QMenu;
class QTabWidget;

namespace sw {

class TAnimaticView;
class TDocumentController;
class TEditorApp;
class TShotEditor;
class TUserPrompts;

// The main window's menus: "Fichier" (with "Fichiers récents"), "Édition"
// (the document's undo and redo), "Plans" (the shot commands, the tabs
// and the "Animatique" window), "HTML" and "?", each entry with its object name, caption, key and
// command; about and help are the "?" menu's.
class TMainMenus : public QObject {
    Q_OBJECT
public:
    TMainMenus(QMainWindow& window, TEditorApp& app, TDocumentController& document, TUserPrompts& prompts,
               TShotEditor& shots, QTabWidget& tabs, std::function<void()> about, std::function<void()> help);

private:
    // "Fichiers récents" in menu, before the entry before.
    void BuildRecentMenu(QMenu* fileMenu, QAction* before);
    // The "Édition" menu, before the menu before.
    void BuildEditMenu(QAction* before);

    QMainWindow& window_;
    TEditorApp& app_;
    TDocumentController& document_;
    TUserPrompts& prompts_;
    // Made the first time "Animatique" is chosen.
    TAnimaticView* animatic_ = nullptr;
};

} // namespace sw
