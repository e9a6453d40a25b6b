#pragma once

#include <array>
#include <exception>
#include <filesystem>
#include <string>

#include <QMainWindow>
#include <QList>
#include <QStringList>
#include <QUrl>

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QToolButton;
class QWidget;

namespace sw {

class TEditorApp;
class TShotListBox;
class TUserPrompts;

// The folders a project file gets beside it.
struct TProjectFolders {
    std::filesystem::path ProjectDir;
    std::filesystem::path SiteDir;
    std::filesystem::path ImgDir;
};

// The editor's main window: four tabs (idea, continuity, breakdown, report)
// over the application's project, the information panel, the menu and the
// document commands. Controls carry their names as object names.
class TmainForm : public QMainWindow {
    Q_OBJECT
public:
    TmainForm(TEditorApp& app, TUserPrompts& prompts, QWidget* parent = nullptr);
    ~TmainForm() override;

    // Start-up once the settings are read: first tab, page defaults, dropped
    // files accepted, then the project of the first argument, the last file
    // (automatic loading) or a new project with one shot.
    void FormShow(const QStringList& arguments);

    // Hints and control state.
    void ShowInfo(int n);
    QString InfoText() const;
    int CurIndex() const { return CurIndex_; }
    bool IsModified() const { return modified_; }
    static QString HintText(int n);

    void ClearControls();
    void ResetDocument();

    // Shots.
    void BindCameraControls();
    void AddShot();
    void AddFirstShot();
    void RefillShotList();
    void EditShotName(const QString& prompt);
    void StoreEvent(int i);
    void ShowEvent(int i);
    void ShowImage(int k, const std::string& fileName);
    // Moves the shot at from onto the place of to; dropping onto the last
    // item moves it to the end.
    void MoveShot(int from, int to);

    // Document commands; they throw sw::Error and are run from the menu
    // through RunCommand, which shows the message.
    void mNewClick();
    void mOuvrirClick();
    void mRenameClick();
    void mSaveClick();
    void mPrefsClick();
    void mQuitClick();
    void Style1Click();
    void miseenpage1Click();
    void publier1Click();
    void Navigateur1Click();
    void propos1Click();
    void aide1Click();
    void getImgBtnClick(int k);

    // Asks whether to save a modified project; false when the user cancels
    // or the save did not happen.
    bool MaySaveChanges();
    // Opens file as the project after the unsaved-changes question (drop,
    // command line).
    void OpenDroppedFile(const std::filesystem::path& file);
    // Files dropped on the window: the first one is opened, errors shown.
    void FilesDropped(const QList<QUrl>& urls);

    // Runs a user command: an error ends it and is shown once.
    template <typename Command>
    void RunCommand(Command&& command)
    {
        try {
            command();
        } catch (const std::exception& error) {
            ShowError(error.what());
        }
    }

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    class FillGuard;

    void BuildControls();
    void BuildIdeaTab(QWidget* page);
    void BuildContinuityTab(QWidget* page);
    void BuildBreakdownTab(QWidget* page);
    void BuildReportTab(QWidget* page);
    void BuildInfoPanel(QWidget* central);
    void BuildMenu();
    void ConnectEditors();
    void SetHintTag(QWidget* widget, int tag);
    // Shows the shot panel on the continuity (1) or breakdown (2) tab.
    void PlaceShotPanel(int tab);
    // Fills the shot list with the names of the shots, none selected.
    void FillShotNames();

    void PageControlChange(int index);
    void ShotSelected(int row);
    void ShotListReleased(Qt::MouseButton button);
    void camCheckClick(int k, bool checked);
    void extRapChckClick(bool checked);
    void DelEvntBtnClick();
    void addEvntBtnClick();
    void renamEvntBtnClick();

    // Opens file as the project; a file that cannot be read changes nothing.
    void OpenCurrentFile(const std::filesystem::path& file);
    TProjectFolders PrepareProjectFolders(const std::filesystem::path& file);
    void SetProjectFolders(const TProjectFolders& folders);
    void ShowLoadedProject();
    // The save commands; false when no file was chosen.
    bool SaveProjectFile();
    bool SaveProjectAs();
    QString DialogFolder() const;
    void SetEditorText(QPlainTextEdit* memo, const std::string& text);
    void MarkModified();
    void ShowError(const char* utf8Message);
    void CenterOnScreen();

    TEditorApp& app_;
    TUserPrompts& prompts_;
    int CurIndex_ = -1;
    bool browseAfterPublish = false;
    bool modified_ = false;
    int filling_ = 0;
    bool centred_ = false;

    QTabWidget* PageControl = nullptr;
    std::array<QWidget*, 4> tabPages{};
    // Idea tab.
    QLineEdit* titleEd = nullptr;
    QPlainTextEdit* CreatorMemo = nullptr;
    QPlainTextEdit* CommentMemo = nullptr;
    QPlainTextEdit* IdeaMemo = nullptr;
    QPlainTextEdit* SynopsMemo = nullptr;
    // Shot panel, shared by the continuity and breakdown tabs.
    QFrame* ActPanel = nullptr;
    QLabel* ENoLabel = nullptr;
    TShotListBox* vListBox = nullptr;
    QPushButton* addEvntBtn = nullptr;
    QPushButton* renamEvntBtn = nullptr;
    QPushButton* DelEvntBtn = nullptr;
    QPlainTextEdit* actionMemo = nullptr;
    QPlainTextEdit* sonMemo = nullptr;
    QPlainTextEdit* dlgMemo = nullptr;
    // Breakdown tab.
    QGroupBox* CamGroup = nullptr;
    QLineEdit* DEdit = nullptr;
    QLabel* cumLab = nullptr;
    QComboBox* CBCadre = nullptr;
    QComboBox* CBAngles = nullptr;
    std::array<QCheckBox*, 3> camChecks{};
    std::array<QComboBox*, 3> camCombos{};
    QPlainTextEdit* effetMemo = nullptr;
    QFrame* PictPanel = nullptr;
    std::array<QLabel*, 2> images{};
    std::array<QPushButton*, 2> imgButtons{};
    QLabel* finLabel = nullptr;
    // Report tab.
    QLabel* RapLabel = nullptr;
    QCheckBox* extRapChck = nullptr;
    QPlainTextEdit* rapMemo = nullptr;
    QLineEdit* extRapNameEd = nullptr;
    // Information panel and speed buttons.
    QLabel* infoLab = nullptr;
    QToolButton* publishSpeedBtn = nullptr;
    QToolButton* browseSpeedBtn = nullptr;
};

} // namespace sw
