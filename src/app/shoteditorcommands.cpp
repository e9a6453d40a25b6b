// The shot editor's changes to the shots, each one a step of the undo
// history, and what the steps do when they are undone and redone.
#include "app/shoteditor.h"

#include <algorithm>
#include <memory>
#include <utility>

#include <QListWidgetItem>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/shotlistbox.h"
#include "app/shotsteps.h"
#include "app/undohistory.h"
#include "app/userprompts.h"
#include "model/eventlist.h"
#include "model/shotentry.h"
#include "qtshared/fillguard.h"
#include "qtshared/uitext.h"

namespace sw {

using uitext::ToQString;

// ---------------------------------------------------------------- the user's changes

void TShotEditor::AddShot()
{
    PutNamedShotAt(events_.Count(), "Ajouter");
}

void TShotEditor::InsertShot()
{
    if (CurIndex_ < 0)
        return;
    StoreCurrentShot();
    PutNamedShotAt(static_cast<std::size_t>(CurIndex_) + 1, "Insérer");
}

void TShotEditor::PutNamedShotAt(std::size_t index, const char* stepVerb)
{
    // A new shot is seen at once, whatever its name.
    PutShotAt(index, events_.NewEvent());
    NoteChange();
    TEvent& shot = events_.Event(index);
    if (const std::optional<std::string> name = AskShotName(QStringLiteral("nom du plan"))) {
        shot.name = *name;
        ShowEntry(CurIndex_);
        shownShot_ = shot;
    }
    history_.Push(std::make_unique<TShotPlaceStep>(*this, ShotStepText(stepVerb, shot.name), index, shot, false));
}

void TShotEditor::DuplicateShot()
{
    if (CurIndex_ < 0)
        return;
    StoreCurrentShot();
    TEvent copy = events_.Event(static_cast<std::size_t>(CurIndex_));
    const std::string original = copy.name;
    copy.name += " (copie)";
    const std::size_t index = static_cast<std::size_t>(CurIndex_) + 1;
    PutShotAt(index, copy);
    NoteChange();
    history_.Push(std::make_unique<TShotPlaceStep>(*this, ShotStepText("Dupliquer", original), index, copy, false));
}

void TShotEditor::addEvntBtnClick()
{
    StoreCurrentShot();
    AddShot();
}

void TShotEditor::renamEvntBtnClick()
{
    EditShotName(QStringLiteral("Renommer le plan..."));
}

void TShotEditor::EditShotName(const QString& prompt)
{
    if (CurIndex_ < 0)
        return;
    // What was typed in the shot is a step of its own, before the new name.
    StoreCurrentShot();
    const std::optional<std::string> name = AskShotName(prompt);
    TEvent& shot = events_.Event(static_cast<std::size_t>(CurIndex_));
    if (!name || *name == shot.name)
        return;
    const TEvent before = shot;
    shot.name = *name;
    ShowEntry(CurIndex_);
    shownShot_ = shot;
    NoteChange();
    history_.Push(std::make_unique<TShotEditStep>(*this, ShotStepText("Renommer", before.name),
                                                  static_cast<std::size_t>(CurIndex_), before, shot));
}

std::optional<std::string> TShotEditor::AskShotName(const QString& prompt)
{
    const QString current = ToQString(events_.EventName(static_cast<std::size_t>(CurIndex_)));
    const std::optional<QString> edited = prompts_.EditName(dialogParent_, prompt, current);
    // Back to typing the action when the continuity tab is the one shown.
    if (actionMemo->isVisibleTo(actionMemo->window()))
        actionMemo->setFocus();
    // A blank name would leave an entry with nothing to tell the shot by.
    if (!edited || edited->trimmed().isEmpty())
        return std::nullopt;
    return uitext::FromLineText(*edited);
}

void TShotEditor::DelEvntBtnClick()
{
    if (CurIndex_ < 0)
        return;
    // The shot comes back as it was shown when the deletion is undone.
    StoreCurrentShot();
    const std::size_t index = static_cast<std::size_t>(CurIndex_);
    const TEvent deleted = events_.Event(index);
    TakeShotAt(index);
    NoteChange();
    history_.Push(std::make_unique<TShotPlaceStep>(*this, ShotStepText("Supprimer", deleted.name), index, deleted, true));
}

void TShotEditor::MoveShot(int from, int to)
{
    const int count = vListBox->count();
    if (Filtering() || from < 0 || from >= count || to < 0 || to >= count || from == to)
        return;
    StoreCurrentShot();
    MoveShotRow(from, to);
    NoteChange();
    history_.Push(std::make_unique<TShotMoveStep>(*this, ShotStepText("Déplacer", events_.EventName(static_cast<std::size_t>(to))),
                                                  static_cast<std::size_t>(from), static_cast<std::size_t>(to)));
}

void TShotEditor::ShowShotListMenu(const QPoint& pos)
{
    // A right click on a shot makes it the shown one first.
    if (QListWidgetItem* item = vListBox->itemAt(pos); item && vListBox->row(item) != CurIndex_)
        vListBox->setCurrentRow(vListBox->row(item));
    QMenu menu(vListBox);
    menu.setObjectName(QStringLiteral("shotListMenu"));
    const std::pair<const char*, QPushButton*> entries[] = {
        {"mShotInsert", insEvntBtn}, {"mShotDuplicate", dupEvntBtn}, {"mShotRename", renamEvntBtn}, {"mShotDelete", DelEvntBtn}};
    for (const auto& [name, button] : entries) {
        QAction* action = menu.addAction(button->text());
        action->setObjectName(QLatin1String(name));
        action->setEnabled(button->isEnabled());
        connect(action, &QAction::triggered, button, &QPushButton::click);
    }
    menu.exec(vListBox->viewport()->mapToGlobal(pos));
}

// ---------------------------------------------------------------- what the steps do

void TShotEditor::RenumberFrom(int row)
{
    for (int r = std::max(row, 0); r < vListBox->count(); ++r)
        ShowEntry(r);
}

void TShotEditor::PutShotValues(std::size_t index, const TEvent& shot)
{
    ClearFilter();
    events_.Event(index) = shot;
    ShowEntry(static_cast<int>(index));
    SelectRow(static_cast<int>(index));
}

void TShotEditor::PutShotAt(std::size_t index, const TEvent& shot)
{
    // A full list refuses the shot before anything changes.
    events_.InsertEvent(index, shot);
    {
        TFillGuard guard(filling_);
        vListBox->insertItem(static_cast<int>(index), QString());
    }
    // Rows stay the shots' indexes: the filter goes, as for a new shot.
    ClearFilter();
    RenumberFrom(static_cast<int>(index));
    SelectRow(static_cast<int>(index));
}

void TShotEditor::TakeShotAt(std::size_t index)
{
    events_.DeleteEvent(index);
    CurIndex_ = -1; // the deleted shot is not stored back
    {
        TFillGuard guard(filling_);
        delete vListBox->takeItem(static_cast<int>(index));
    }
    RenumberFrom(static_cast<int>(index));
    SelectRow(NearestVisibleRow(index > 0 ? static_cast<int>(index) - 1 : 0));
}

void TShotEditor::MoveShotRow(int from, int to)
{
    ClearFilter();
    {
        TFillGuard guard(filling_);
        QListWidgetItem* item = vListBox->takeItem(from);
        vListBox->insertItem(to, item);
    }
    events_.MoveEvent(static_cast<std::size_t>(from), static_cast<std::size_t>(to));
    // Every entry between the two places has a new number.
    for (int row = std::min(from, to); row <= std::max(from, to); ++row)
        ShowEntry(row);
    SelectRow(to);
}

} // namespace sw
