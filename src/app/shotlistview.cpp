#include "app/shotlistview.h"

#include <algorithm>
#include <functional>

#include <QLabel>
#include <QLineEdit>
#include <QListWidgetItem>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>

#include "app/scenecommands.h"
#include "app/shotlistbox.h"
#include "app/userprompts.h"
#include "editing/document.h"
#include "model/eventlist.h"
#include "model/shotentry.h"
#include "qtshared/fillguard.h"
#include "qtshared/uitext.h"

namespace sw {

using uitext::ToQString;

namespace {

const QString kAddAShot = QStringLiteral("Ajoutez un plan");
const QString kNoShotMatches = QStringLiteral("Aucun plan ne correspond au filtre");

} // namespace

TShotListView::TShotListView(TDocument& document, TUserPrompts& prompts, QWidget* parent)
    : QObject(parent), document_(document), prompts_(prompts), dialogParent_(parent->window())
{
    BuildPanel(parent);
    ConnectControls();
    ConnectDocument();
}

TShotListView::~TShotListView() = default;

const TEventList& TShotListView::Shots() const
{
    return document_.Shots();
}

// ---------------------------------------------------------------- the panel

void TShotListView::BuildPanel(QWidget* parent)
{
    panel_ = new TShotPanel(parent);
    groups_ = TShotListGroups(panel_->vListBox);
    scenes_ = new TSceneCommands(document_, prompts_, dialogParent_, [this] { return CurIndex_; }, this);
    SetCommandsEnabled(false);
    panel_->DelEvntBtn->setEnabled(false);
}

void TShotListView::ConnectControls()
{
    connect(panel_->vListBox, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!filling_)
            Run([this, row] { ShotSelected(groups_.ShotAt(row)); });
    });
    connect(panel_->vListBox, &TShotListBox::headerPressed, this,
            [this](int row) { groups_.ToggleFolded(row, document_.Project(), FilterText()); });
    connect(panel_->vListBox, &TShotListBox::foldPressed, this, [this](bool fold) {
        if (CurIndex_ >= 0)
            groups_.SetFolded(static_cast<std::size_t>(CurIndex_), fold, document_.Project(), FilterText());
    });
    connect(panel_->vListBox, &TShotListBox::buttonReleased, this, [this] {
        if (CurIndex_ >= 0)
            emit shotClicked(uitext::ToEditorText(Shots().EventAction(static_cast<std::size_t>(CurIndex_))));
    });
    connect(panel_->vListBox, &TShotListBox::shotDropped, this,
            [this](int from, int to) { Run([this, from, to] { DropShot(from, to); }); });
    // Delete in the list when the window's shortcut cannot take it (the
    // list of a window not active).
    connect(panel_->vListBox, &TShotListBox::deletePressed, this, [this] {
        if (panel_->DelEvntBtn->isEnabled())
            Run([this] { DeleteShot(); });
    });
    connect(panel_->ShotFilter, &QLineEdit::textChanged, this, [this] { Run([this] { ApplyFilter(); }); });
    connect(panel_->addEvntBtn, &QPushButton::clicked, this, [this] { Run([this] { AddShot(); }); });
    connect(panel_->insEvntBtn, &QPushButton::clicked, this, [this] { Run([this] { InsertShot(); }); });
    connect(panel_->dupEvntBtn, &QPushButton::clicked, this, [this] { Run([this] { DuplicateShot(); }); });
    panel_->vListBox->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(panel_->vListBox, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { Run([this, pos] { ShowShotListMenu(pos); }); });
    connect(panel_->renamEvntBtn, &QPushButton::clicked, this,
            [this] { Run([this] { EditShotName(QStringLiteral("Renommer le plan...")); }); });
    connect(panel_->DelEvntBtn, &QPushButton::clicked, this, [this] { Run([this] { DeleteShot(); }); });
}

void TShotListView::ConnectDocument()
{
    connect(&document_, &TDocument::shotChanged, this, &TShotListView::ShotChanged);
    connect(&document_, &TDocument::shotInserted, this, &TShotListView::ShotInserted);
    connect(&document_, &TDocument::shotRemoved, this, &TShotListView::ShotRemoved);
    connect(&document_, &TDocument::shotMoved, this, &TShotListView::ShotMoved);
    connect(&document_, &TDocument::shotStepShown, this, &TShotListView::StepShown);
    connect(&document_, &TDocument::projectReset, this, &TShotListView::ShowShots);
    connect(&document_, &TDocument::shotsReplaced, this, &TShotListView::ShowShots);
    connect(&document_, &TDocument::scenesChanged, this, &TShotListView::RefreshRows);
}

// ---------------------------------------------------------------- the document's shots

void TShotListView::ShotChanged(std::size_t index, ShotField field)
{
    if (field == ShotField::Name || field == ShotField::Duration)
        ShowEntry(static_cast<int>(index));
    // A scene's header shows its running time.
    if (field == ShotField::Duration && groups_.Grouped())
        groups_.ShowHeaderOf(index, document_.Project());
}

bool TShotListView::Grouped() const
{
    return groups_.Grouped() || !document_.Project().Scenes.empty();
}

void TShotListView::RefreshRows()
{
    {
        TFillGuard guard(filling_);
        groups_.Fill(document_.Project());
    }
    rowsStale_ = false;
    HideFilteredRows();
    if (CurIndex_ >= 0 && static_cast<std::size_t>(CurIndex_) < Shots().Count())
        FollowShot(CurIndex_);
}

void TShotListView::ShotInserted(std::size_t index)
{
    const int shot = static_cast<int>(index);
    if (CurIndex_ >= shot)
        ++CurIndex_;
    if (Grouped()) {
        RefreshRows();
    } else {
        {
            TFillGuard guard(filling_);
            panel_->vListBox->insertItem(shot, QString());
        }
        RenumberFrom(shot);
        HideFilteredRows();
    }
    if (CurIndex_ > shot)
        FollowShot(CurIndex_);
    else if (CurIndex_ < 0)
        SelectShot(shot);
}

void TShotListView::ShotRemoved(std::size_t index)
{
    const int shot = static_cast<int>(index);
    const bool shownGoes = CurIndex_ == shot;
    if (shownGoes)
        CurIndex_ = -1;
    else if (CurIndex_ > shot)
        --CurIndex_;
    if (Grouped()) {
        RefreshRows();
    } else {
        {
            TFillGuard guard(filling_);
            delete panel_->vListBox->takeItem(shot);
        }
        RenumberFrom(shot);
    }
    if (shownGoes)
        SelectShot(NearestSeenShot(shot > 0 ? shot - 1 : 0));
    else if (CurIndex_ >= shot)
        FollowShot(CurIndex_);
}

void TShotListView::ShotMoved(std::size_t from, std::size_t to)
{
    const int fromRow = static_cast<int>(from);
    const int toRow = static_cast<int>(to);
    if (Grouped()) {
        // The step tells the scenes once its shots are in place; the rows
        // follow then.
        rowsStale_ = true;
    } else {
        {
            TFillGuard guard(filling_);
            QListWidgetItem* item = panel_->vListBox->takeItem(fromRow);
            panel_->vListBox->insertItem(toRow, item);
        }
        // Every entry between the two places has a new number.
        for (int row = std::min(fromRow, toRow); row <= std::max(fromRow, toRow); ++row)
            ShowEntry(row);
    }
    // The shown shot stays the shown one, at its new place.
    int shown = CurIndex_;
    if (shown == fromRow)
        shown = toRow;
    else if (fromRow < shown && shown <= toRow)
        --shown;
    else if (toRow <= shown && shown < fromRow)
        ++shown;
    if (shown >= 0)
        FollowShot(shown);
}

void TShotListView::StepShown(std::size_t index)
{
    const int shot = static_cast<int>(index);
    // The shot a step undone or redone changed is seen, whatever the filter.
    if (!groups_.ShotSeen(index)) {
        ClearFilter();
        groups_.UnfoldSceneOf(index, document_.Project(), FilterText());
    }
    if (shot != CurIndex_)
        SelectShot(shot);
    else
        FollowShot(shot);
}

// ---------------------------------------------------------------- entries and the shown shot

void TShotListView::ShowShots()
{
    // The rows of the shots before are gone before the filter reads the list.
    {
        TFillGuard guard(filling_);
        panel_->vListBox->clear();
    }
    ClearFilter();
    {
        TFillGuard guard(filling_);
        groups_.Fill(document_.Project());
    }
    rowsStale_ = false;
    HideFilteredRows();
    SelectShot(Shots().Count() > 0 ? 0 : -1);
}

void TShotListView::ShowEntry(int i)
{
    if (QListWidgetItem* item = rowsStale_ ? nullptr : panel_->vListBox->item(groups_.RowOf(static_cast<std::size_t>(i))))
        item->setText(ToQString(ShotEntryText(static_cast<std::size_t>(i), Shots().Event(static_cast<std::size_t>(i)))));
}

void TShotListView::RenumberFrom(int shot)
{
    for (int s = std::max(shot, 0); static_cast<std::size_t>(s) < Shots().Count(); ++s)
        ShowEntry(s);
}

void TShotListView::ShowShot(int i)
{
    if (i < 0 || static_cast<std::size_t>(i) >= Shots().Count())
        return;
    CurIndex_ = i;
    panel_->ENoLabel->setText(QString::number(i + 1));
    panel_->ENoLabel->setToolTip(QString());
    SetCommandsEnabled(true);
    panel_->DelEvntBtn->setEnabled(true);
    emit shotShown(i);
}

void TShotListView::FollowShot(int i)
{
    CurIndex_ = i;
    if (!rowsStale_) {
        TFillGuard guard(filling_);
        panel_->vListBox->setCurrentRow(groups_.RowOf(static_cast<std::size_t>(i)));
    }
    panel_->ENoLabel->setText(QString::number(i + 1));
    SetCommandsEnabled(true);
    emit shotFollowed(i);
}

void TShotListView::ShowNoShot()
{
    CurIndex_ = -1;
    // "No" heads a list without shots; under a filter that matches none, the
    // list's place says so.
    const bool none = Shots().Count() == 0;
    panel_->ENoLabel->setText(none ? QStringLiteral("No") : QString());
    panel_->ENoLabel->setToolTip(none ? kAddAShot : kNoShotMatches);
    SetCommandsEnabled(false);
    panel_->DelEvntBtn->setEnabled(false);
    emit noShotShown(none ? kAddAShot : kNoShotMatches);
}

void TShotListView::SetCommandsEnabled(bool enabled)
{
    for (QPushButton* button : {panel_->insEvntBtn, panel_->dupEvntBtn, panel_->renamEvntBtn})
        button->setEnabled(enabled);
}

// ---------------------------------------------------------------- the filter and the selection

bool TShotListView::Filtering() const
{
    return !panel_->ShotFilter->text().trimmed().isEmpty();
}

std::string TShotListView::FilterText() const
{
    return uitext::FromLineText(panel_->ShotFilter->text());
}

void TShotListView::HideFilteredRows()
{
    const bool anySeen = groups_.Show(document_.Project(), FilterText());
    // Rows hidden by the filter would make a drop's place ambiguous.
    panel_->vListBox->SetReorderAllowed(!Filtering());
    panel_->listPlace->setCurrentWidget(Filtering() && !anySeen ? static_cast<QWidget*>(panel_->NoMatchLabel)
                                                                : static_cast<QWidget*>(panel_->vListBox));
}

int TShotListView::NearestSeenShot(int shot) const
{
    const int count = static_cast<int>(Shots().Count());
    if (count == 0)
        return -1;
    shot = std::clamp(shot, 0, count - 1);
    for (int s = shot; s >= 0; --s)
        if (groups_.ShotSeen(static_cast<std::size_t>(s)))
            return s;
    for (int s = shot + 1; s < count; ++s)
        if (groups_.ShotSeen(static_cast<std::size_t>(s)))
            return s;
    return -1;
}

void TShotListView::ApplyFilter()
{
    HideFilteredRows();
    if (CurIndex_ >= 0 && groups_.ShotSeen(static_cast<std::size_t>(CurIndex_)))
        return;
    SelectShot(NearestSeenShot(CurIndex_ >= 0 ? CurIndex_ : 0));
}

void TShotListView::ClearFilter()
{
    {
        const QSignalBlocker blocker(panel_->ShotFilter);
        panel_->ShotFilter->clear();
    }
    HideFilteredRows();
}

void TShotListView::SelectShot(int shot)
{
    {
        TFillGuard guard(filling_);
        panel_->vListBox->setCurrentRow(shot >= 0 ? groups_.RowOf(static_cast<std::size_t>(shot)) : -1);
    }
    ShotSelected(shot);
}

void TShotListView::ShotSelected(int shot)
{
    if (shot < 0)
        ShowNoShot();
    else
        ShowShot(shot);
}

void TShotListView::ShowNeighbour(int step)
{
    for (int shot = CurIndex_ + step; shot >= 0 && static_cast<std::size_t>(shot) < Shots().Count(); shot += step) {
        if (groups_.ShotSeen(static_cast<std::size_t>(shot))) {
            SelectShot(shot);
            return;
        }
    }
}

// ---------------------------------------------------------------- the commands

void TShotListView::AddShot()
{
    PutNamedShotAt(Shots().Count(), "Ajouter");
}

void TShotListView::InsertShot(Place place)
{
    if (CurIndex_ < 0)
        return;
    PutNamedShotAt(static_cast<std::size_t>(CurIndex_) + (place == Place::After ? 1 : 0), "Insérer");
}

void TShotListView::PutNamedShotAt(std::size_t index, const char* verb)
{
    // A full list is told before the name is asked.
    Shots().CheckInsert(index);
    TEvent shot = Shots().NewEvent();
    const std::optional<std::string> name = AskShotName(QStringLiteral("nom du plan"), shot.name);
    if (!name)
        return;
    shot.name = *name;
    // A new shot is seen at once, whatever the filter.
    ClearFilter();
    document_.PutShot(index, shot, verb);
    SelectShot(static_cast<int>(index));
}

void TShotListView::DuplicateShot()
{
    if (CurIndex_ < 0)
        return;
    const auto index = static_cast<std::size_t>(CurIndex_);
    // A full list is told before the filter goes.
    Shots().CheckInsert(index + 1);
    ClearFilter();
    document_.DuplicateShot(index);
    SelectShot(static_cast<int>(index) + 1);
}

void TShotListView::EditShotName(const QString& prompt)
{
    if (CurIndex_ < 0)
        return;
    const auto index = static_cast<std::size_t>(CurIndex_);
    if (const std::optional<std::string> name = AskShotName(prompt, Shots().EventName(index)))
        document_.RenameShot(index, *name);
}

std::optional<std::string> TShotListView::AskShotName(const QString& prompt, const std::string& current)
{
    const std::optional<QString> edited = prompts_.EditName(dialogParent_, prompt, uitext::ToQString(current));
    if (afterNaming_)
        afterNaming_();
    // A blank name would leave an entry with nothing to tell the shot by.
    if (!edited || edited->trimmed().isEmpty())
        return std::nullopt;
    return uitext::FromLineText(*edited);
}

void TShotListView::DeleteShot()
{
    if (CurIndex_ >= 0)
        document_.DeleteShot(static_cast<std::size_t>(CurIndex_));
}

void TShotListView::DropShot(int fromRow, int toRow)
{
    const int from = groups_.ShotAt(fromRow);
    const int count = static_cast<int>(Shots().Count());
    if (Filtering() || from < 0)
        return;
    // The dragged shot is the shown one where it lands.
    int to = groups_.ShotAt(toRow);
    if (const ShotListRow* header = groups_.HeaderAt(toRow)) {
        // Onto a header: the first shot of its scene.
        const std::vector<TScene>& scenes = document_.Project().Scenes;
        const int place = static_cast<int>(header->shot) - (from < static_cast<int>(header->shot) ? 1 : 0);
        to = std::clamp(place, 0, count - 1);
        document_.MoveShotToScene(static_cast<std::size_t>(from), static_cast<std::size_t>(to),
                                  header->scene < scenes.size() ? scenes[header->scene].id : std::string());
    } else if (to < 0 || to == from) {
        return;
    } else if (Grouped()) {
        // Onto a shot: its place, in its scene.
        document_.MoveShotToScene(static_cast<std::size_t>(from), static_cast<std::size_t>(to),
                                  Shots().Event(static_cast<std::size_t>(to)).scene);
    } else {
        document_.MoveShot(static_cast<std::size_t>(from), static_cast<std::size_t>(to));
    }
    SelectShot(to);
}

} // namespace sw
