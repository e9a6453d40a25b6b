#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include <QObject>
#include <QString>

#include "app/shotlistgroups.h"
#include "app/usercommand.h"
#include "model/shotfields.h"

class QMenu;
class QPoint;
class QPushButton;
class QWidget;

namespace sw {

class TDocument;
class TSceneCommands;
class TEventList;
class TShotListBox;
class TShotPanel;
class TUserPrompts;

// The shot list, a view of the document's shots: the number of the shown
// shot, the filter, one entry per shot (number, name, duration) and the
// buttons of the shot commands, in a panel that the shot tabs share. It
// says which shot is shown; each command goes to the document, and the list
// follows what the document announces.
class TShotListView : public QObject {
    Q_OBJECT
public:
    TShotListView(TDocument& document, TUserPrompts& prompts, QWidget* parent);
    ~TShotListView() override;

    TShotPanel* Panel() const { return panel_; }
    // The shown shot; -1 for none.
    int CurIndex() const { return CurIndex_; }
    // Called once a name was asked, to give the focus back to the texts.
    void SetAfterNaming(std::function<void()> afterNaming) { afterNaming_ = std::move(afterNaming); }
    // Where Insérer puts its shot.
    enum class Place { Before, After };

    // Shows the document's shots, unfiltered, the first one selected and shown.
    void ShowShots();
    // The shot commands in menu, with their shortcuts (also in the buttons'
    // tips): the buttons' commands, then the next and previous shot seen.
    void AddShotActions(QMenu* menu);
    // The scene commands in menu.
    void AddSceneActions(QMenu* menu);

signals:
    // Shot index is shown, or the shown shot now stands at index.
    void shotShown(int index);
    void shotFollowed(int index);
    // No shot is shown, for reason.
    void noShotShown(const QString& reason);
    // A click in the list has been handled; action is the shown shot's
    // action text.
    void shotClicked(const QString& action);

private:
    const TEventList& Shots() const;
    // A new shot at the end, named by the user: nothing when the name
    // dialog is closed.
    void AddShot();
    void EditShotName(const QString& prompt);
    // The shot at row fromRow dropped onto row toRow: onto a shot, it takes
    // its place (and its scene); onto a scene's header, it becomes the
    // scene's first shot. Dropping onto the last row moves it to the end.
    void DropShot(int fromRow, int toRow);
    // A new shot before or after the shown one, named by the user.
    void InsertShot(Place place = Place::After);
    // A copy of the shown shot after it: "Café (copie)", "Café (copie 2)"…
    void DuplicateShot();

    void BuildPanel(QWidget* parent);
    void ConnectControls();
    void ConnectDocument();
    template <typename Command>
    void Run(Command&& command)
    {
        RunUserCommand(prompts_, dialogParent_, std::forward<Command>(command));
    }

    // The document's announcements.
    void ShotChanged(std::size_t index, ShotField field);
    void ShotInserted(std::size_t index);
    void ShotRemoved(std::size_t index);
    void ShotMoved(std::size_t from, std::size_t to);
    void StepShown(std::size_t index);

    // The list entry of shot i: number, name and duration.
    void ShowEntry(int i);
    // Entries from shot to the end show their new numbers.
    void RenumberFrom(int shot);
    // Shot i shown (again), or the shown shot now at i.
    void ShowShot(int i);
    void FollowShot(int i);
    // No shot shown: the controls say why.
    void ShowNoShot();
    void SetCommandsEnabled(bool enabled);

    // The filter: rows whose shot does not match are hidden, and the shown
    // shot is one of those still seen, or none.
    bool Filtering() const;
    void HideFilteredRows();
    void ApplyFilter();
    void ClearFilter();
    std::string FilterText() const;
    // The seen shot nearest to shot, looking up first; -1 when none is seen.
    int NearestSeenShot(int shot) const;
    // Makes the shot's row current and shows it, or no shot for -1.
    void SelectShot(int shot);
    void ShotSelected(int shot);
    // Whether the list groups the shots under scene headers, or is to.
    bool Grouped() const;
    // The rows again, as the scenes now group the shots.
    void RefreshRows();
    // The next (step 1) or previous (step -1) shot the list shows, if any.
    void ShowNeighbour(int step);

    void DeleteShot();
    // A new shot at index, named by the user, as one step named after the verb.
    void PutNamedShotAt(std::size_t index, const char* verb);
    // The name the user gives a shot named current; nothing when the dialog
    // is closed or the name is blank.
    std::optional<std::string> AskShotName(const QString& prompt, const std::string& current);
    // The list's context menu at pos, with the buttons' commands.
    void ShowShotListMenu(const QPoint& pos);

    TDocument& document_;
    TUserPrompts& prompts_;
    QWidget* dialogParent_;
    std::function<void()> afterNaming_;
    int CurIndex_ = -1;
    int filling_ = 0;

    TShotPanel* panel_ = nullptr;
    TShotListGroups groups_{nullptr};
    // Shots moved since the rows were filled: the rows wait for the step's
    // scenes.
    bool rowsStale_ = false;
    TSceneCommands* scenes_ = nullptr;
};

} // namespace sw
