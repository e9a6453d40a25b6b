#include "app/shotlistgroups.h"

#include <algorithm>

#include <QBrush>
#include <QFont>
#include <QListWidgetItem>
#include <QPainter>
#include <QPalette>
#include <QStyledItemDelegate>

#include "app/shotlistbox.h"
#include "document/projectdocument.h"
#include "model/shotentry.h"
#include "model/shotfields.h"
#include "qtshared/uitext.h"

namespace sw {

using uitext::ToQString;

namespace {

constexpr int kTitleRole = Qt::UserRole + 1;
constexpr int kTimeRole = Qt::UserRole + 2;
constexpr int kOmittedRole = Qt::UserRole + 3;

// A scene's header: a band across the list, its title cut to the list's
// width on the left, the running time on the right, always seen whole.
class TSceneHeaderDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        if (index.flags() & Qt::ItemIsEnabled) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        painter->save();
        const QPalette& palette = option.palette;
        painter->fillRect(option.rect.adjusted(0, 1, 0, 0), palette.color(QPalette::Active, QPalette::Mid).lighter(135));
        QFont bold = option.font;
        bold.setBold(true);
        // A scene the screenplay no longer has is struck out, however
        // narrow the list: its "(omise)" may be cut.
        bold.setStrikeOut(index.data(kOmittedRole).toBool());
        painter->setFont(bold);
        painter->setPen(palette.color(QPalette::Active, QPalette::Text));
        const QFontMetrics metrics(bold);
        const QRect area = option.rect.adjusted(4, 0, -4, 0);
        const QString time = index.data(kTimeRole).toString();
        const int timeWidth = metrics.horizontalAdvance(time);
        painter->drawText(area, Qt::AlignVCenter | Qt::AlignRight, time);
        const QString title = metrics.elidedText(index.data(kTitleRole).toString(), Qt::ElideRight,
                                                 std::max(0, area.width() - timeWidth - metrics.averageCharWidth() * 2));
        painter->drawText(area, Qt::AlignVCenter | Qt::AlignLeft, title);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QSize size = QStyledItemDelegate::sizeHint(option, index);
        if (index.flags() & Qt::ItemIsEnabled)
            return size;
        // As wide as the list lets it be: the title is cut to fit.
        return {1, size.height() + 6};
    }
};

} // namespace

TShotListGroups::TShotListGroups(TShotListBox* list) : list_(list)
{
    if (list_)
        list_->setItemDelegate(new TSceneHeaderDelegate(list_));
}

void TShotListGroups::Fill(const ProjectDocument& project)
{
    const TEventList& shots = project.EventList;
    rows_ = project.Scenes.empty() ? std::vector<ShotListRow>() : ShotListRows(shots, project.Scenes);
    rowOfShot_.assign(rows_.empty() ? 0 : shots.Count(), -1);
    list_->clear();
    if (rows_.empty()) {
        for (std::size_t i = 0; i < shots.Count(); ++i)
            list_->addItem(ToQString(ShotEntryText(i, shots.Event(i))));
        return;
    }
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        const ShotListRow& entry = rows_[row];
        if (entry.kind == ShotListRow::Kind::Shot) {
            rowOfShot_[entry.shot] = static_cast<int>(row);
            list_->addItem(ToQString(ShotEntryText(entry.shot, shots.Event(entry.shot))));
            continue;
        }
        auto* header = new QListWidgetItem(list_);
        // Not selectable, and passed over by the arrow keys; drawn in the
        // list's own text colour rather than greyed out.
        header->setFlags(Qt::NoItemFlags);
        QFont bold = list_->font();
        bold.setBold(true);
        header->setFont(bold);
        header->setForeground(list_->palette().brush(QPalette::Active, QPalette::Text));
        ShowHeader(static_cast<int>(row), project);
    }
}

void TShotListGroups::ShowHeader(int row, const ProjectDocument& project)
{
    const ShotListRow& entry = rows_[static_cast<std::size_t>(row)];
    const TScene* scene = entry.scene < project.Scenes.size() ? &project.Scenes[entry.scene] : nullptr;
    const bool folded = folded_.count(HeaderKey(entry, project)) > 0;
    QListWidgetItem* item = list_->item(row);
    const QString title = (folded ? QStringLiteral("▸ ") : QStringLiteral("▾ ")) + ToQString(SceneTitle(scene));
    const QString full = (folded ? QStringLiteral("▸ ") : QStringLiteral("▾ ")) +
                         ToQString(SceneHeaderText(scene, entry.count, entry.seconds));
    item->setText(full);
    item->setData(kTitleRole, title);
    item->setData(kTimeRole, full.mid(title.size() + 3));
    item->setData(kOmittedRole, scene && scene->omitted);
    item->setToolTip(scene && !scene->synopsis.empty() ? ToQString(scene->synopsis) : QString());
    item->setData(Qt::AccessibleTextRole, item->text().mid(2));
}

void TShotListGroups::ShowHeaderOf(std::size_t shot, const ProjectDocument& project)
{
    for (int row = RowOf(shot); row-- > 0;) {
        if (rows_[static_cast<std::size_t>(row)].kind != ShotListRow::Kind::Header)
            continue;
        ShotListRow& header = rows_[static_cast<std::size_t>(row)];
        RunningTime time;
        for (std::size_t i = header.shot; i < header.shot + header.count; ++i)
            time.Add(project.EventList.Event(i).cam.duration);
        header.seconds = time.Seconds();
        ShowHeader(row, project);
        return;
    }
}

std::string TShotListGroups::HeaderKey(const ShotListRow& row, const ProjectDocument& project) const
{
    return row.scene < project.Scenes.size() ? project.Scenes[row.scene].id : "#" + std::to_string(row.shot);
}

int TShotListGroups::RowOf(std::size_t shot) const
{
    if (rows_.empty())
        return static_cast<int>(shot);
    return shot < rowOfShot_.size() ? rowOfShot_[shot] : -1;
}

int TShotListGroups::ShotAt(int row) const
{
    if (row < 0 || row >= list_->count())
        return -1;
    if (rows_.empty())
        return row;
    const ShotListRow& entry = rows_[static_cast<std::size_t>(row)];
    return entry.kind == ShotListRow::Kind::Shot ? static_cast<int>(entry.shot) : -1;
}

const ShotListRow* TShotListGroups::HeaderAt(int row) const
{
    if (rows_.empty() || row < 0 || static_cast<std::size_t>(row) >= rows_.size())
        return nullptr;
    const ShotListRow& entry = rows_[static_cast<std::size_t>(row)];
    return entry.kind == ShotListRow::Kind::Header ? &entry : nullptr;
}

bool TShotListGroups::Show(const ProjectDocument& project, const std::string& filter)
{
    const TEventList& shots = project.EventList;
    bool anySeen = false;
    if (rows_.empty()) {
        for (int row = 0; row < list_->count(); ++row) {
            const bool seen = ShotMatchesFilter(shots.Event(static_cast<std::size_t>(row)), filter);
            list_->setRowHidden(row, !seen);
            anySeen = anySeen || seen;
        }
        return anySeen;
    }
    const bool filtering = filter.find_first_not_of(" \t\r\n") != std::string::npos;
    // Backwards, so that each header knows whether its shots are seen.
    bool groupSeen = false;
    for (int row = static_cast<int>(rows_.size()); row-- > 0;) {
        const ShotListRow& entry = rows_[static_cast<std::size_t>(row)];
        const TScene* scene = entry.scene < project.Scenes.size() ? &project.Scenes[entry.scene] : nullptr;
        const bool sceneMatches = scene && SceneMatchesFilter(*scene, filter);
        if (entry.kind == ShotListRow::Kind::Header) {
            list_->setRowHidden(row, filtering && !groupSeen && !sceneMatches);
            groupSeen = false;
            continue;
        }
        const bool matches = sceneMatches || ShotMatchesFilter(shots.Event(entry.shot), filter);
        groupSeen = groupSeen || matches;
        anySeen = anySeen || matches;
        list_->setRowHidden(row, !matches);
    }
    // Without a filter, a folded header hides its shots.
    if (!filtering) {
        bool folded = false;
        for (std::size_t row = 0; row < rows_.size(); ++row) {
            if (rows_[row].kind == ShotListRow::Kind::Header)
                folded = folded_.count(HeaderKey(rows_[row], project)) > 0;
            else if (folded)
                list_->setRowHidden(static_cast<int>(row), true);
        }
    }
    return anySeen;
}

bool TShotListGroups::ShotSeen(std::size_t shot) const
{
    const int row = RowOf(shot);
    return row >= 0 && row < list_->count() && !list_->isRowHidden(row);
}

void TShotListGroups::ToggleFolded(int row, const ProjectDocument& project, const std::string& filter)
{
    const ShotListRow* header = HeaderAt(row);
    if (!header)
        return;
    const std::string key = HeaderKey(*header, project);
    if (!folded_.erase(key))
        folded_.insert(key);
    ShowHeader(row, project);
    Show(project, filter);
}

void TShotListGroups::SetFolded(std::size_t shot, bool fold, const ProjectDocument& project, const std::string& filter)
{
    for (int row = RowOf(shot); row-- > 0;) {
        if (const ShotListRow* header = HeaderAt(row)) {
            if ((folded_.count(HeaderKey(*header, project)) > 0) != fold)
                ToggleFolded(row, project, filter);
            return;
        }
    }
}

void TShotListGroups::UnfoldSceneOf(std::size_t shot, const ProjectDocument& project, const std::string& filter)
{
    SetFolded(shot, false, project, filter);
}

} // namespace sw
