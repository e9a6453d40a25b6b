#pragma once

#include <array>
#include <filesystem>
#include <memory>
#include <string>

#include <QList>
#include <QMainWindow>
#include <QStringList>
#include <QUrl>

#include "app/documentview.h"

class QAction;
class QBoxLayout;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QTabWidget;
class QToolButton;
class QWidget;

namespace sw {

class TDocumentController;
class TEditorApp;
class TInfoView;
class TShotEditor;
class TUserPrompts;

// The editor's main window: four tabs (idea, continuity, breakdown, report),
// the information panel and the menus. It wires the views of the document
// (the general information and report, TInfoView; the shots, TShotEditor),
// the menus (TMainMenus) and the document controller, which runs the
// document commands.
// Controls carry their names as object names.
class TmainForm : public QMainWindow, private TDocumentView {
    Q_OBJECT
public:
    TmainForm(TEditorApp& app, TUserPrompts& prompts, QWidget* parent = nullptr);
    ~TmainForm() override;

    // Start-up once the settings are read: first tab, page defaults, dropped
    // files accepted, then the project of the first argument, the last file
    // (automatic loading) or a new project with one shot.
    void FormShow(const QStringList& arguments);

    TDocumentController& Document() { return *document_; }
    TShotEditor& Shots() { return *shots_; }

    // Hints.
    void ShowInfo(int n);
    QString InfoText() const;

    // Files dropped on the window: the first one is opened, errors shown.
    void FilesDropped(const QList<QUrl>& urls);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // The document controller's view of the window.
    void ResetDocument() override;
    void ShowTitle(const QString& title, const QString& fullPath) override;
    void ShowModified(bool modified) override;
    void ShowNote(const QString& note) override;

    // The controls and their layouts: everything grows with the window
    // except the one-line fields and the information panel's height.
    void BuildControls();
    void BuildInfoPanel(QWidget* central, QBoxLayout* column);
    // The tabs' changes, and the keys of undo and redo in the fields.
    void ConnectEditors();
    void ConnectShotEditor();
    // Alt and a letter for every button and field of the window.
    void GiveKeys();
    void WatchHintsAndDrops();
    // A failed autosave's message in the status bar, until one succeeds.
    void ShowAutoSaveProblems();
    template <typename Command>
    void RunCommand(Command&& command);

    void PageControlChange(int index);
    void propos1Click();
    void aide1Click();

    TEditorApp& app_;
    TUserPrompts& prompts_;
    std::unique_ptr<TDocumentController> document_;
    TShotEditor* shots_ = nullptr;
    TInfoView* info_ = nullptr;
    int filling_ = 0;
    bool shown_ = false;

    QTabWidget* PageControl = nullptr;
    std::array<QWidget*, 4> tabPages{};
    // Information panel and speed buttons.
    QLabel* infoLab = nullptr;
    QToolButton* publishSpeedBtn = nullptr;
    QToolButton* browseSpeedBtn = nullptr;
};

} // namespace sw
