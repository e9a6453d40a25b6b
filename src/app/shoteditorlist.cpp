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
#include <QStackedWidget>

#include "app/shotlistbox.h"
#include "app/shotpictures.h"
#include "app/usercommand.h"
#include "app/userprompts.h"
#include "editing/document.h"
#include "model/eventlist.h"
#include "model/shotentry.h"
#include "qtshared/fillguard.h"
#include "qtshared/uitext.h"

// The shot editor's list: its entries, the filter over them, the shot they
// select and the state of the shot controls that follows, and how the list
// follows the document's shots.
namespace sw {

using uitext::ToQString;

namespace {

const QString kAddAShot = QStringLiteral("Ajoutez un plan");
const QString kNoShotMatches = QStringLiteral("Aucun plan ne correspond au filtre");

} // namespace

// ---------------------------------------------------------------- wiring

void TShotEditor::ConnectControls()
{
    connect(vListBox, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!filling_)
            Run([this, row] { ShotSelected(row); });
    });
    connect(vListBox, &TShotListBox::buttonReleased, this,
            [this](Qt::MouseButton button) { Run([this, button] { ShotListReleased(button); }); });
    connect(vListBox, &TShotListBox::shotDropped, this,
            [this](int from, int to) { Run([this, from, to] { MoveShot(from, to); }); });
    connect(vListBox, &TShotListBox::deletePressed, this, [this] {
        if (DelEvntBtn->isEnabled())
            Run([this] { DelEvntBtnClick(); });
    });
    connect(ShotFilter, &QLineEdit::textChanged, this, [this] { Run([this] { ApplyFilter(); }); });
    connect(addEvntBtn, &QPushButton::clicked, this, [this] { Run([this] { AddShot(); }); });
    connect(insEvntBtn, &QPushButton::clicked, this, [this] { Run([this] { InsertShot(); }); });
    connect(dupEvntBtn, &QPushButton::clicked, this, [this] { Run([this] { DuplicateShot(); }); });
    vListBox->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(vListBox, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { Run([this, pos] { ShowShotListMenu(pos); }); });
    connect(renamEvntBtn, &QPushButton::clicked, this,
            [this] { Run([this] { EditShotName(QStringLiteral("Renommer le plan...")); }); });
    connect(DelEvntBtn, &QPushButton::clicked, this, [this] { Run([this] { DelEvntBtnClick(); }); });
}

void TShotEditor::ConnectDocument()
{
    connect(&document_, &TDocument::shotChanged, this, &TShotEditor::ShotChanged);
    connect(&document_, &TDocument::shotInserted, this, &TShotEditor::ShotInserted);
    connect(&document_, &TDocument::shotRemoved, this, &TShotEditor::ShotRemoved);
    connect(&document_, &TDocument::shotMoved, this, &TShotEditor::ShotMoved);
    connect(&document_, &TDocument::shotStepShown, this, &TShotEditor::StepShown);
    connect(&document_, &TDocument::projectReset, this, &TShotEditor::ShowShots);
}

// ---------------------------------------------------------------- the document's shots

void TShotEditor::ShotChanged(std::size_t index, ShotField field)
{
    const int row = static_cast<int>(index);
    if (field == ShotField::Name || field == ShotField::Duration)
        ShowEntry(row);
    if (row == CurIndex_)
        ShowField(field);
    else if (field == ShotField::Duration && row < CurIndex_)
        ShowCumulatedTime();
}

void TShotEditor::ShotInserted(std::size_t index)
{
    const int row = static_cast<int>(index);
    {
        TFillGuard guard(filling_);
        vListBox->insertItem(row, QString());
    }
    RenumberFrom(row);
    HideFilteredRows();
    if (CurIndex_ >= row) {
        ++CurIndex_;
        ShowShotState(CurIndex_);
    } else if (CurIndex_ < 0) {
        SelectRow(row);
    }
}

void TShotEditor::ShotRemoved(std::size_t index)
{
    const int row = static_cast<int>(index);
    {
        TFillGuard guard(filling_);
        delete vListBox->takeItem(row);
    }
    RenumberFrom(row);
    if (CurIndex_ == row) {
        CurIndex_ = -1;
        SelectRow(NearestVisibleRow(row > 0 ? row - 1 : 0));
    } else if (CurIndex_ > row) {
        --CurIndex_;
        TFillGuard guard(filling_);
        vListBox->setCurrentRow(CurIndex_);
        ShowShotState(CurIndex_);
    }
}

void TShotEditor::ShotMoved(std::size_t from, std::size_t to)
{
    const int fromRow = static_cast<int>(from);
    const int toRow = static_cast<int>(to);
    {
        TFillGuard guard(filling_);
        QListWidgetItem* item = vListBox->takeItem(fromRow);
        vListBox->insertItem(toRow, item);
    }
    // Every entry between the two places has a new number.
    for (int row = std::min(fromRow, toRow); row <= std::max(fromRow, toRow); ++row)
        ShowEntry(row);
    // The shown shot stays the shown one, at its new place.
    if (CurIndex_ == fromRow)
        CurIndex_ = toRow;
    else if (fromRow < CurIndex_ && CurIndex_ <= toRow)
        --CurIndex_;
    else if (toRow <= CurIndex_ && CurIndex_ < fromRow)
        ++CurIndex_;
    if (CurIndex_ >= 0) {
        TFillGuard guard(filling_);
        vListBox->setCurrentRow(CurIndex_);
        ShowShotState(CurIndex_);
    }
}

void TShotEditor::StepShown(std::size_t index)
{
    const int row = static_cast<int>(index);
    // The shot a step undone or redone changed is seen, whatever the filter.
    if (vListBox->isRowHidden(row))
        ClearFilter();
    if (row != CurIndex_)
        SelectRow(row);
    else
        ShowShotState(row);
}

// ---------------------------------------------------------------- entries and state

void TShotEditor::ShowEntry(int i)
{
    if (QListWidgetItem* item = vListBox->item(i))
        item->setText(ToQString(ShotEntryText(static_cast<std::size_t>(i), Shots().Event(static_cast<std::size_t>(i)))));
}

void TShotEditor::ShowShotState(int i)
{
    ENoLabel->setText(QString::number(i + 1));
    ShowCumulatedTime();
    SetShotControlsEnabled(true, QString());
}

void TShotEditor::ShowNoShotState()
{
    // "No" heads a list without shots; under a filter that matches none, the
    // list's place says so.
    ENoLabel->setText(Shots().Count() == 0 ? QStringLiteral("No") : QString());
    SetShotControlsEnabled(false, Shots().Count() == 0 ? kAddAShot : kNoShotMatches);
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
    if (CurIndex_ < 0 || static_cast<std::size_t>(CurIndex_) >= Shots().Count())
        return;
    const auto index = static_cast<std::size_t>(CurIndex_);
    cumLab->setText(ToQString(ElapsedTextOf(Shots().CumulSecondsWith(index, Shots().Event(index).cam.duration))));
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
        vListBox->setRowHidden(row, !ShotMatchesFilter(Shots().Event(static_cast<std::size_t>(row)), filter));
    // Rows hidden by the filter would make a drop's place ambiguous.
    vListBox->SetReorderAllowed(!Filtering());
    listPlace_->setCurrentWidget(Filtering() && NearestVisibleRow(0) < 0 ? static_cast<QWidget*>(NoMatchLabel)
                                                                         : static_cast<QWidget*>(vListBox));
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
    CurIndex_ = row;
    if (row < 0) {
        ClearControls();
        return;
    }
    ShowEvent(row);
    DelEvntBtn->setEnabled(true);
}

void TShotEditor::ShotListReleased(Qt::MouseButton)
{
    if (CurIndex_ >= 0)
        emit shotClicked(uitext::ToEditorText(Shots().EventAction(static_cast<std::size_t>(CurIndex_))));
}

void TShotEditor::FillShotNames()
{
    TFillGuard guard(filling_);
    vListBox->clear();
    for (std::size_t i = 0; i < Shots().Count(); ++i)
        vListBox->addItem(ToQString(ShotEntryText(i, Shots().Event(i))));
    HideFilteredRows();
}

void TShotEditor::ShowShots()
{
    // The rows of the shots before are gone before the filter reads the list.
    {
        TFillGuard guard(filling_);
        vListBox->clear();
    }
    ClearFilter();
    FillShotNames();
    const bool any = Shots().Count() > 0;
    if (any) {
        {
            TFillGuard guard(filling_);
            vListBox->setCurrentRow(0);
        }
        ShowEvent(0);
    } else {
        ClearControls();
    }
    for (QPushButton* button : {insEvntBtn, dupEvntBtn, renamEvntBtn, DelEvntBtn})
        button->setEnabled(any);
}

void TShotEditor::RenumberFrom(int row)
{
    for (int r = std::max(row, 0); r < vListBox->count(); ++r)
        ShowEntry(r);
}

} // namespace sw
