#include "app/shotlistview.h"

#include <algorithm>
#include <functional>

#include <QAction>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QListWidgetItem>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>

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
    SetCommandsEnabled(false);
    panel_->DelEvntBtn->setEnabled(false);
}

void TShotListView::ConnectControls()
{
    connect(panel_->vListBox, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!filling_)
            Run([this, row] { ShotSelected(row); });
    });
    connect(panel_->vListBox, &TShotListBox::buttonReleased, this, [this] {
        if (CurIndex_ >= 0)
            emit shotClicked(uitext::ToEditorText(Shots().EventAction(static_cast<std::size_t>(CurIndex_))));
    });
    connect(panel_->vListBox, &TShotListBox::shotDropped, this,
            [this](int from, int to) { Run([this, from, to] { MoveShot(from, to); }); });
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
}

// ---------------------------------------------------------------- the document's shots

void TShotListView::ShotChanged(std::size_t index, ShotField field)
{
    if (field == ShotField::Name || field == ShotField::Duration)
        ShowEntry(static_cast<int>(index));
}

void TShotListView::ShotInserted(std::size_t index)
{
    const int row = static_cast<int>(index);
    {
        TFillGuard guard(filling_);
        panel_->vListBox->insertItem(row, QString());
    }
    RenumberFrom(row);
    HideFilteredRows();
    if (CurIndex_ >= row)
        FollowShot(CurIndex_ + 1);
    else if (CurIndex_ < 0)
        SelectRow(row);
}

void TShotListView::ShotRemoved(std::size_t index)
{
    const int row = static_cast<int>(index);
    {
        TFillGuard guard(filling_);
        delete panel_->vListBox->takeItem(row);
    }
    RenumberFrom(row);
    if (CurIndex_ == row) {
        CurIndex_ = -1;
        SelectRow(NearestVisibleRow(row > 0 ? row - 1 : 0));
    } else if (CurIndex_ > row) {
        {
            TFillGuard guard(filling_);
            panel_->vListBox->setCurrentRow(CurIndex_ - 1);
        }
        FollowShot(CurIndex_ - 1);
    }
}

void TShotListView::ShotMoved(std::size_t from, std::size_t to)
{
    const int fromRow = static_cast<int>(from);
    const int toRow = static_cast<int>(to);
    {
        TFillGuard guard(filling_);
        QListWidgetItem* item = panel_->vListBox->takeItem(fromRow);
        panel_->vListBox->insertItem(toRow, item);
    }
    // Every entry between the two places has a new number.
    for (int row = std::min(fromRow, toRow); row <= std::max(fromRow, toRow); ++row)
        ShowEntry(row);
    // The shown shot stays the shown one, at its new place.
    int shown = CurIndex_;
    if (shown == fromRow)
        shown = toRow;
    else if (fromRow < shown && shown <= toRow)
        --shown;
    else if (toRow <= shown && shown < fromRow)
        ++shown;
    if (shown >= 0) {
        {
            TFillGuard guard(filling_);
            panel_->vListBox->setCurrentRow(shown);
        }
        FollowShot(shown);
    }
}

void TShotListView::StepShown(std::size_t index)
{
    const int row = static_cast<int>(index);
    // The shot a step undone or redone changed is seen, whatever the filter.
    if (panel_->vListBox->isRowHidden(row))
        ClearFilter();
    if (row != CurIndex_)
        SelectRow(row);
    else
        FollowShot(row);
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
        for (std::size_t i = 0; i < Shots().Count(); ++i)
            panel_->vListBox->addItem(ToQString(ShotEntryText(i, Shots().Event(i))));
    }
    HideFilteredRows();
    SelectRow(Shots().Count() > 0 ? 0 : -1);
}

void TShotListView::ShowEntry(int i)
{
    if (QListWidgetItem* item = panel_->vListBox->item(i))
        item->setText(ToQString(ShotEntryText(static_cast<std::size_t>(i), Shots().Event(static_cast<std::size_t>(i)))));
}

void TShotListView::RenumberFrom(int row)
{
    for (int r = std::max(row, 0); r < panel_->vListBox->count(); ++r)
        ShowEntry(r);
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

void TShotListView::HideFilteredRows()
{
    const std::string filter = uitext::FromLineText(panel_->ShotFilter->text());
    for (int row = 0; row < panel_->vListBox->count(); ++row)
        panel_->vListBox->setRowHidden(row, !ShotMatchesFilter(Shots().Event(static_cast<std::size_t>(row)), filter));
    // Rows hidden by the filter would make a drop's place ambiguous.
    panel_->vListBox->SetReorderAllowed(!Filtering());
    panel_->listPlace->setCurrentWidget(Filtering() && NearestVisibleRow(0) < 0 ? static_cast<QWidget*>(panel_->NoMatchLabel)
                                                                         : static_cast<QWidget*>(panel_->vListBox));
}

int TShotListView::NearestVisibleRow(int row) const
{
    const int count = panel_->vListBox->count();
    if (count == 0)
        return -1;
    row = std::clamp(row, 0, count - 1);
    for (int r = row; r >= 0; --r)
        if (!panel_->vListBox->isRowHidden(r))
            return r;
    for (int r = row + 1; r < count; ++r)
        if (!panel_->vListBox->isRowHidden(r))
            return r;
    return -1;
}

void TShotListView::ApplyFilter()
{
    HideFilteredRows();
    if (CurIndex_ >= 0 && !panel_->vListBox->isRowHidden(CurIndex_))
        return;
    SelectRow(NearestVisibleRow(CurIndex_ >= 0 ? CurIndex_ : 0));
}

void TShotListView::ClearFilter()
{
    {
        const QSignalBlocker blocker(panel_->ShotFilter);
        panel_->ShotFilter->clear();
    }
    HideFilteredRows();
}

void TShotListView::SelectRow(int row)
{
    {
        TFillGuard guard(filling_);
        panel_->vListBox->setCurrentRow(row);
    }
    ShotSelected(row);
}

void TShotListView::ShotSelected(int row)
{
    if (row < 0)
        ShowNoShot();
    else
        ShowShot(row);
}

void TShotListView::ShowNeighbour(int step)
{
    for (int row = CurIndex_ + step; row >= 0 && row < panel_->vListBox->count(); row += step) {
        if (!panel_->vListBox->isRowHidden(row)) {
            SelectRow(row);
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
    SelectRow(static_cast<int>(index));
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
    SelectRow(static_cast<int>(index) + 1);
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

void TShotListView::MoveShot(int from, int to)
{
    const int count = panel_->vListBox->count();
    if (Filtering() || from < 0 || from >= count || to < 0 || to >= count || from == to)
        return;
    document_.MoveShot(static_cast<std::size_t>(from), static_cast<std::size_t>(to));
    SelectRow(to);
}

void TShotListView::AddShotActions(QMenu* menu)
{
    struct Entry {
        const char* name;
        QString caption;
        QKeySequence shortcut;
        QPushButton* button;  // the button whose command it is, or which allows it
        std::function<void()> run;  // a command of its own, without a button
    };
    const auto neighbour = [this](int step) { return [this, step] { ShowNeighbour(step); }; };
    const Entry entries[] = {
        {"mShotAdd", QStringLiteral("&Ajouter un plan..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A), panel_->addEvntBtn, {}},
        {"mShotInsertBefore", QStringLiteral("Insérer un plan a&vant..."), QKeySequence(Qt::SHIFT | Qt::Key_Insert),
         panel_->insEvntBtn, [this] { Run([this] { InsertShot(Place::Before); }); }},
        {"mShotInsertAfter", QStringLiteral("&Insérer un plan après..."), QKeySequence(Qt::Key_Insert), panel_->insEvntBtn, {}},
        {"mShotDuplicateCurrent", QStringLiteral("&Dupliquer le plan"), QKeySequence(Qt::CTRL | Qt::Key_D), panel_->dupEvntBtn, {}},
        {"mShotRenameCurrent", QStringLiteral("&Renommer le plan..."), QKeySequence(Qt::Key_F2), panel_->renamEvntBtn, {}},
        {"mShotDeleteCurrent", QStringLiteral("&Supprimer le plan"), QKeySequence(Qt::Key_Delete), panel_->DelEvntBtn, {}},
        {nullptr, QString(), QKeySequence(), nullptr, {}},
        {"mShotNext", QStringLiteral("Plan su&ivant"), QKeySequence(Qt::CTRL | Qt::Key_PageDown), nullptr, neighbour(1)},
        {"mShotPrevious", QStringLiteral("Plan &précédent"), QKeySequence(Qt::CTRL | Qt::Key_PageUp), nullptr, neighbour(-1)},
    };
    QList<std::pair<QAction*, QPushButton*>> withButtons;
    for (const Entry& entry : entries) {
        if (!entry.name) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(entry.caption);
        action->setObjectName(QLatin1String(entry.name));
        action->setShortcut(entry.shortcut);
        if (entry.run) {
            QPushButton* allowing = entry.button;
            connect(action, &QAction::triggered, this, [allowing, run = entry.run] {
                if (!allowing || allowing->isEnabled())
                    run();
            });
        } else {
            // The button's command: a disabled button does nothing.
            connect(action, &QAction::triggered, entry.button, &QPushButton::click);
            entry.button->setToolTip(QString(entry.caption).remove(QLatin1Char('&')).remove(QStringLiteral("..."))
                                     + QStringLiteral(" (") + entry.shortcut.toString(QKeySequence::NativeText)
                                     + QLatin1Char(')'));
        }
        if (entry.button)
            withButtons.append({action, entry.button});
    }
    // The menu shows the commands the buttons allow now.
    connect(menu, &QMenu::aboutToShow, this, [withButtons] {
        for (const auto& [action, button] : withButtons)
            action->setEnabled(button->isEnabled());
    });
}

void TShotListView::ShowShotListMenu(const QPoint& pos)
{
    // A right click on a shot makes it the shown one first.
    if (QListWidgetItem* item = panel_->vListBox->itemAt(pos); item && panel_->vListBox->row(item) != CurIndex_)
        panel_->vListBox->setCurrentRow(panel_->vListBox->row(item));
    QMenu menu(panel_->vListBox);
    menu.setObjectName(QStringLiteral("shotListMenu"));
    QAction* before = menu.addAction(QStringLiteral("Insérer a&vant"));
    before->setObjectName(QStringLiteral("mShotInsertBefore"));
    before->setEnabled(panel_->insEvntBtn->isEnabled());
    connect(before, &QAction::triggered, this, [this] { Run([this] { InsertShot(Place::Before); }); });
    const std::pair<const char*, QPushButton*> entries[] = {
        {"mShotInsert", panel_->insEvntBtn}, {"mShotDuplicate", panel_->dupEvntBtn}, {"mShotRename", panel_->renamEvntBtn}, {"mShotDelete", panel_->DelEvntBtn}};
    for (const auto& [name, button] : entries) {
        QAction* action = menu.addAction(button == panel_->insEvntBtn ? QStringLiteral("&Insérer après") : button->text());
        action->setObjectName(QLatin1String(name));
        action->setEnabled(button->isEnabled());
        connect(action, &QAction::triggered, button, &QPushButton::click);
    }
    menu.exec(panel_->vListBox->viewport()->mapToGlobal(pos));
}

} // namespace sw
