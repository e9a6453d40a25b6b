#include "app/shoteditor.h"

#include <algorithm>
#include <optional>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "app/shotlistbox.h"
#include "app/shotpictures.h"
#include "app/userprompts.h"
#include "model/eventlist.h"
#include "model/shotentry.h"
#include "qtshared/fillguard.h"
#include "qtshared/uitext.h"

// The shot editor's list: its entries, the filter over them, the shot they
// select and the state of the shot controls that follows.
namespace sw {

using uitext::ToQString;

namespace {

const QString kAddAShot = QStringLiteral("Ajoutez un plan");
const QString kNoShotMatches = QStringLiteral("Aucun plan ne correspond au filtre");

} // namespace

// ---------------------------------------------------------------- entries and state

void TShotEditor::ShowEntry(int i)
{
    if (QListWidgetItem* item = vListBox->item(i))
        item->setText(ToQString(ShotEntryText(static_cast<std::size_t>(i), events_.Event(static_cast<std::size_t>(i)))));
}

void TShotEditor::ShowShotState(int i)
{
    ENoLabel->setText(QString::number(i + 1));
    // The duration as shown, which may not be stored yet.
    const std::string shown = uitext::FromLineText(DEdit->text());
    cumLab->setText(ToQString(ElapsedTextOf(events_.CumulSecondsWith(static_cast<std::size_t>(i), shown))));
    SetShotControlsEnabled(true, QString());
}

void TShotEditor::ShowNoShotState()
{
    ENoLabel->setText(QStringLiteral("No"));
    SetShotControlsEnabled(false, events_.Count() == 0 ? kAddAShot : kNoShotMatches);
    DelEvntBtn->setEnabled(false);
}

void TShotEditor::SetShotControlsEnabled(bool enabled, const QString& placeholder)
{
    // Without a shot on display nothing typed could go anywhere.
    for (QPlainTextEdit* memo : {actionMemo, sonMemo, dlgMemo, effetMemo}) {
        memo->setEnabled(enabled);
        memo->setPlaceholderText(placeholder);
    }
    DEdit->setPlaceholderText(placeholder.isEmpty() ? QString() : QStringLiteral("-"));
    CamGroup->setEnabled(enabled);
    pictures_->SetEnabled(enabled);
    for (QPushButton* button : {insEvntBtn, dupEvntBtn, renamEvntBtn})
        button->setEnabled(enabled);
    ENoLabel->setToolTip(placeholder);
}

void TShotEditor::ShowCumulatedTime()
{
    if (CurIndex_ < 0 || static_cast<std::size_t>(CurIndex_) >= events_.Count())
        return;
    const std::string typed = uitext::FromLineText(DEdit->text());
    cumLab->setText(ToQString(ElapsedTextOf(events_.CumulSecondsWith(static_cast<std::size_t>(CurIndex_), typed))));
}

// ---------------------------------------------------------------- the filter

bool TShotEditor::Filtering() const
{
    return !ShotFilter->text().trimmed().isEmpty();
}

void TShotEditor::HideFilteredRows()
{
    const std::string filter = uitext::FromLineText(ShotFilter->text());
    for (int row = 0; row < vListBox->count(); ++row)
        vListBox->setRowHidden(row, !ShotMatchesFilter(events_.Event(static_cast<std::size_t>(row)), filter));
    // Rows hidden by the filter would make a drop's place ambiguous.
    vListBox->SetReorderAllowed(!Filtering());
}

int TShotEditor::NearestVisibleRow(int row) const
{
    const int count = vListBox->count();
    if (count == 0)
        return -1;
    row = std::clamp(row, 0, count - 1);
    for (int r = row; r >= 0; --r)
        if (!vListBox->isRowHidden(r))
            return r;
    for (int r = row + 1; r < count; ++r)
        if (!vListBox->isRowHidden(r))
            return r;
    return -1;
}

void TShotEditor::ApplyFilter()
{
    // The shown shot is matched with what is typed in it.
    StoreCurrentShot();
    HideFilteredRows();
    if (CurIndex_ >= 0 && !vListBox->isRowHidden(CurIndex_))
        return;
    SelectRow(NearestVisibleRow(CurIndex_ >= 0 ? CurIndex_ : 0));
}

void TShotEditor::ClearFilter()
{
    {
        const QSignalBlocker blocker(ShotFilter);
        ShotFilter->clear();
    }
    HideFilteredRows();
}

void TShotEditor::SelectRow(int row)
{
    {
        TFillGuard guard(filling_);
        vListBox->setCurrentRow(row);
    }
    CurIndex_ = row;
    if (row < 0) {
        ClearControls();
        return;
    }
    ShowEvent(row);
    DelEvntBtn->setEnabled(true);
}

// ---------------------------------------------------------------- the list

void TShotEditor::ShotSelected(int row)
{
    StoreCurrentShot();
    CurIndex_ = row;
    if (CurIndex_ < 0)
        return;
    ShowEvent(CurIndex_);
}

void TShotEditor::ShotListReleased(Qt::MouseButton button)
{
    // A click on the shot already current stores it and shows it again, which
    // brings its number and its cumulated time up to date.
    if (button != Qt::RightButton && CurIndex_ >= 0 && vListBox->currentRow() == CurIndex_) {
        StoreEvent(CurIndex_);
        ShowEvent(CurIndex_);
    }
    if (CurIndex_ >= 0)
        emit shotClicked(uitext::ToEditorText(events_.EventAction(static_cast<std::size_t>(CurIndex_))));
}

void TShotEditor::AddFirstShot()
{
    ClearFilter();
    events_.AddEvent();
    CurIndex_ = static_cast<int>(events_.Count()) - 1;
    TFillGuard guard(filling_);
    vListBox->addItem(QString());
    ShowEntry(CurIndex_);
    ShowEvent(CurIndex_);
    vListBox->setCurrentRow(CurIndex_);
    renamEvntBtn->setEnabled(true);
}

void TShotEditor::FillShotNames()
{
    TFillGuard guard(filling_);
    vListBox->clear();
    for (std::size_t i = 0; i < events_.Count(); ++i)
        vListBox->addItem(ToQString(ShotEntryText(i, events_.Event(i))));
    HideFilteredRows();
}

void TShotEditor::RefillShotList()
{
    FillShotNames();
    const bool any = events_.Count() > 0;
    if (any) {
        {
            TFillGuard guard(filling_);
            vListBox->setCurrentRow(0);
        }
        CurIndex_ = 0;
        ShowEvent(0);
    } else {
        ClearControls();
    }
    for (QPushButton* button : {insEvntBtn, dupEvntBtn, renamEvntBtn, DelEvntBtn})
        button->setEnabled(any);
}

void TShotEditor::ShowShots()
{
    ClearFilter();
    RefillShotList();
}

} // namespace sw
