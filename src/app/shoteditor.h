#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include <QObject>
#include <QString>

#include "model/event.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPoint;
class QPushButton;
class QWidget;

namespace sw {

class TAppSettings;
class TEventList;
class TShotListBox;
class TShotPictures;
class TUndoHistory;
class TUserPrompts;
struct TProjectPaths;

// The shot editor: the shot list with its buttons (a panel shown on the
// continuity or the breakdown tab), the shot's texts on the continuity tab,
// and its camera data and pictures on the breakdown tab. The shown shot's
// controls reach the model when the shot is stored: when the user leaves it
// for another shot, and when the window asks before saving or changing tab.
// Every change to the shots is a step of the undo history: a stored shot
// whose fields changed, an added, inserted, duplicated, renamed, deleted or
// moved shot (shoteditorsteps.cpp).
class TShotEditor : public QObject {
    Q_OBJECT
public:
    // Builds the controls into the two tab pages; pictures are looked up in
    // the image folder of paths, and imported as the settings say.
    TShotEditor(TEventList& events, const TProjectPaths& paths, const TAppSettings& settings, TUserPrompts& prompts,
                TUndoHistory& history, QWidget* continuityPage, QWidget* breakdownPage);
    ~TShotEditor() override;

    // The picture panel of the breakdown tab.
    TShotPictures& Pictures() { return *pictures_; }

    int CurIndex() const { return CurIndex_; }
    // Shows the shot list panel on a tab page.
    void PlaceShotPanel(QWidget* page);

    void StoreEvent(int i);
    void ShowEvent(int i);
    void ShowImage(int k, const std::string& fileName);
    // Stores the shown shot, if any.
    void StoreCurrentShot();

    // Empties the shot controls; no shot is shown.
    void ClearControls();
    // Forgets every shot: the list, the controls and the model's shots.
    void ClearShots();
    // Shows the model's shots, unfiltered, with the first one selected and
    // shown.
    void ShowShots();

    // A new shot at the end, named by the user at once.
    void AddShot();
    // The first shot of a new project, "plan 1", without asking.
    void AddFirstShot();
    void EditShotName(const QString& prompt);
    // Moves the shot at from onto the place of to; dropping onto the last
    // item moves it to the end.
    void MoveShot(int from, int to);
    // A new shot after the shown one, named by the user at once.
    void InsertShot();
    // A copy of the shown shot after it, named after it with " (copie)".
    void DuplicateShot();

    // What the undo history's steps do to the shots, showing the shot they
    // change (the filter is cleared so that it is seen, as a new shot is).
    void PutShotValues(std::size_t index, const TEvent& shot);
    void PutShotAt(std::size_t index, const TEvent& shot);
    void TakeShotAt(std::size_t index);
    void MoveShotRow(int from, int to);

signals:
    // The user changed a shot: its texts, camera data, pictures, name, or
    // the shots themselves.
    void changed();
    // A click in the shot list has been handled; action is the shown shot's
    // action text.
    void shotClicked(const QString& action);

private:
    // A new shot at index, named by the user, as one step named after the verb.
    void PutNamedShotAt(std::size_t index, const char* stepVerb);
    // The controls and their layouts (shoteditorcontrols.cpp).
    void BuildShotPanel(QWidget* page);
    void BuildContinuityControls(QWidget* page);
    QGroupBox* BuildCameraGroup(QWidget* page);
    void BuildBreakdownControls(QWidget* page);
    // The duration field takes whole seconds only.
    void TakeWholeSeconds();
    void ConnectControls();
    void BindCameraControls();
    template <typename Command>
    void Run(Command&& command);
    void NoteChange();
    // Fills the shot list with the entries of the shots, none selected, the
    // filter applied.
    void FillShotNames();
    void RefillShotList();
    // The list entry of shot i from the model: number, name and duration.
    void ShowEntry(int i);
    // The number label, the cumulated time and the enabled controls of shot i
    // on display.
    void ShowShotState(int i);
    // The controls of no shot: disabled, saying why.
    void ShowNoShotState();
    void SetShotControlsEnabled(bool enabled, const QString& placeholder);
    // The cumulated time with the duration as typed.
    void ShowCumulatedTime();

    // The filter: rows whose shot does not match are hidden, and the shown
    // shot is one of those still seen, or none.
    bool Filtering() const;
    void HideFilteredRows();
    void ApplyFilter();
    void ClearFilter();
    // The seen row nearest to row, looking up first; -1 when none is seen.
    int NearestVisibleRow(int row) const;
    // Makes row current and shows its shot, or no shot for -1.
    void SelectRow(int row);

    void ShotSelected(int row);
    void ShotListReleased(Qt::MouseButton button);
    void camCheckClick(int k, bool checked);
    void addEvntBtnClick();
    void renamEvntBtnClick();
    void DelEvntBtnClick();
    // The shot list's context menu at pos, with the buttons' commands.
    void ShowShotListMenu(const QPoint& pos);
    // The name the user gives the shown shot; nothing when the dialog is
    // closed or the name is blank.
    std::optional<std::string> AskShotName(const QString& prompt);
    // Entries from row to the end show their new numbers.
    void RenumberFrom(int row);

    TEventList& events_;
    const TProjectPaths& paths_;
    const TAppSettings& settings_;
    TUserPrompts& prompts_;
    QWidget* dialogParent_;
    TUndoHistory& history_;
    int CurIndex_ = -1;
    // The shown shot as the model had it when it was shown or last stored,
    // what a stored shot's step starts from.
    TEvent shownShot_;
    // Whether the user changed the shown shot since then.
    bool shotEdited_ = false;
    int filling_ = 0;

    QFrame* ActPanel = nullptr;
    QLabel* ENoLabel = nullptr;
    QLineEdit* ShotFilter = nullptr;
    TShotListBox* vListBox = nullptr;
    QPushButton* addEvntBtn = nullptr;
    QPushButton* insEvntBtn = nullptr;
    QPushButton* dupEvntBtn = nullptr;
    QPushButton* renamEvntBtn = nullptr;
    QPushButton* DelEvntBtn = nullptr;
    QPlainTextEdit* actionMemo = nullptr;
    QPlainTextEdit* sonMemo = nullptr;
    QPlainTextEdit* dlgMemo = nullptr;
    QGroupBox* CamGroup = nullptr;
    QLineEdit* DEdit = nullptr;
    QLabel* cumLab = nullptr;
    QComboBox* CBCadre = nullptr;
    QComboBox* CBAngles = nullptr;
    std::array<QCheckBox*, 3> camChecks{};
    std::array<QComboBox*, 3> camCombos{};
    QPlainTextEdit* effetMemo = nullptr;
    TShotPictures* pictures_ = nullptr;
};

} // namespace sw
