#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include <QObject>
#include <QString>

#include "app/usercommand.h"
#include "model/shotfields.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPoint;
class QPushButton;
class QSplitter;
class QStackedWidget;
class QWidget;

namespace sw {

class TAppSettings;
class TDocument;
class TEvent;
class TEventList;
class TShotListBox;
class TShotPanel;
class TShotPictures;
class TUserPrompts;
struct TProjectPaths;

// The shot editor, a view of the document's shots: the shot list with its
// buttons (a panel shown on the continuity or the breakdown tab), the shown
// shot's texts on the continuity tab, and its camera data and pictures on
// the breakdown tab. Every edit goes to the document as it is made (a
// field's value, a shot added, inserted, duplicated, renamed, deleted or
// moved); the controls show what the document announces. It holds no shot
// of its own: only which one it shows.
class TShotEditor : public QObject {
    Q_OBJECT
public:
    // Builds the controls into the two tab pages; pictures are looked up in
    // the image folder of paths, and imported as the settings say.
    TShotEditor(TDocument& document, const TProjectPaths& paths, const TAppSettings& settings, TUserPrompts& prompts,
                QWidget* continuityPage, QWidget* breakdownPage);
    ~TShotEditor() override;

    // The picture panel of the breakdown tab.
    TShotPictures& Pictures() { return *pictures_; }

    int CurIndex() const { return CurIndex_; }
    // Shows the shot list panel on a tab page.
    void PlaceShotPanel(QWidget* page);
    // The shot list's width as the user dragged it; 0 until then.
    int ShotListWidth() const;
    // Gives the shot list the width a user dragged it to in an earlier run.
    void SetShotListWidth(int width);

    // A new shot at the end, named by the user: nothing when the name
    // dialog is closed.
    void AddShot();
    void EditShotName(const QString& prompt);
    // Moves the shot at from onto the place of to; dropping onto the last
    // item moves it to the end.
    void MoveShot(int from, int to);
    // A new shot before or after the shown one, named by the user.
    enum class Place { Before, After };
    void InsertShot(Place place = Place::After);
    // A copy of the shown shot after it: "Café (copie)", "Café (copie 2)"…
    void DuplicateShot();

    // The shot commands in menu, with their shortcuts (also in the buttons'
    // tips): the buttons' commands, then the next and previous shot seen.
    void AddShotActions(QMenu* menu);

signals:
    // A click in the shot list has been handled; action is the shown shot's
    // action text.
    void shotClicked(const QString& action);

private:
    const TEventList& Shots() const;
    // The controls and their layouts (shoteditorcontrols.cpp).
    void BuildShotPanel(QWidget* page);
    void BuildContinuityControls(QWidget* page);
    QGroupBox* BuildCameraGroup(QWidget* page);
    void BuildBreakdownControls(QWidget* page);
    // The duration field takes whole seconds only.
    void TakeWholeSeconds();
    // The shot list width in splitter, the other panes sharing the rest.
    void FitShotPanel(QSplitter& splitter, int width);
    // The width the user drags the shot list to is kept.
    void KeepShotListWidth();
    void ConnectControls();
    // What the user does in a shot's controls, sent to the document.
    void ConnectFieldEdits();
    void ConnectDocument();
    // A user command: its error is shown, not thrown.
    template <typename Command>
    void Run(Command&& command)
    {
        RunUserCommand(prompts_, dialogParent_, std::forward<Command>(command));
    }

    // The memo of a text field; null for the other fields.
    QPlainTextEdit* MemoOf(ShotField field) const;
    // The combo box of a choice, and for a movement its check box.
    QComboBox* ComboOf(ShotField field) const;
    QCheckBox* CheckOf(ShotField field) const;
    // The field's value, as typed or chosen, to the shown shot.
    void SendField(ShotField field, const ShotFieldValue& value);
    // The shown shot's field in its control, unless it shows it already.
    void ShowField(ShotField field);

    // The shots' announcements (shoteditorlist.cpp).
    void ShotChanged(std::size_t index, ShotField field);
    void ShotInserted(std::size_t index);
    void ShotRemoved(std::size_t index);
    void ShotMoved(std::size_t from, std::size_t to);
    void StepShown(std::size_t index);

    // Empties the shot controls; no shot is shown.
    void ClearControls();
    void ShowEvent(int i);
    // Shows the document's shots, unfiltered, the first one selected and shown.
    void ShowShots();
    // Fills the shot list with the entries of the shots, none selected, the
    // filter applied.
    void FillShotNames();
    // The list entry of shot i: number, name and duration.
    void ShowEntry(int i);
    // The number label, the cumulated time and the enabled controls of shot i
    // on display.
    void ShowShotState(int i);
    // The controls of no shot: disabled, saying why.
    void ShowNoShotState();
    void SetShotControlsEnabled(bool enabled, const QString& placeholder);
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
    void DelEvntBtnClick();
    // A new shot at index, named by the user, as one step named after the verb.
    void PutNamedShotAt(std::size_t index, const char* verb);
    // The shot list's context menu at pos, with the buttons' commands.
    void ShowShotListMenu(const QPoint& pos);
    // The name the user gives a shot named current; nothing when the dialog
    // is closed or the name is blank.
    std::optional<std::string> AskShotName(const QString& prompt, const std::string& current);
    // Entries from row to the end show their new numbers.
    void RenumberFrom(int row);
    // The next (step 1) or previous (step -1) shot the list shows, if any.
    void ShowNeighbour(int step);

    TDocument& document_;
    const TProjectPaths& paths_;
    const TAppSettings& settings_;
    TUserPrompts& prompts_;
    QWidget* dialogParent_;
    int CurIndex_ = -1;
    int filling_ = 0;
    int listWidth_ = 0;

    // The rows of panes of the continuity and breakdown tabs.
    std::array<QSplitter*, 2> splitters_{};
    TShotPanel* ActPanel = nullptr;
    QLabel* ENoLabel = nullptr;
    QLineEdit* ShotFilter = nullptr;
    QStackedWidget* listPlace_ = nullptr;
    TShotListBox* vListBox = nullptr;
    QLabel* NoMatchLabel = nullptr;
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
