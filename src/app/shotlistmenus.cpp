// The shot list's menus: the shot commands in the "Plans" menu with their
// keys, the scene commands, and the list's context menu.

#include <functional>

#include <QAction>
#include <QKeySequence>
#include <QList>
#include <QListWidgetItem>
#include <QMenu>
#include <QPushButton>

#include "app/scenecommands.h"
#include "app/shotlistbox.h"
#include "app/shotlistview.h"
#include "editing/document.h"

namespace sw {

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

void TShotListView::AddSceneActions(QMenu* menu)
{
    scenes_->AddSceneActions(menu);
}

void TShotListView::ShowShotListMenu(const QPoint& pos)
{
    // A right click on a shot makes it the shown one first.
    if (QListWidgetItem* item = panel_->vListBox->itemAt(pos)) {
        const int row = panel_->vListBox->row(item);
        if (const ShotListRow* header = groups_.HeaderAt(row)) {
            scenes_->ShowHeaderMenu(*header, panel_->vListBox->viewport()->mapToGlobal(pos),
                                    [this, row] { groups_.ToggleFolded(row, document_.Project(), FilterText()); });
            return;
        }
        if (row != groups_.RowOf(static_cast<std::size_t>(std::max(CurIndex_, 0))) || CurIndex_ < 0)
            panel_->vListBox->setCurrentRow(row);
    }
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
