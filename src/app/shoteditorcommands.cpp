// The shot editor's commands over the shots: each one a command on the
// document, which the list and the controls then follow.
#include "app/shoteditor.h"

#include <functional>
#include <utility>

#include <QAction>
#include <QKeySequence>
#include <QList>
#include <QListWidgetItem>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/shotlistbox.h"
#include "app/userprompts.h"
#include "editing/document.h"
#include "model/eventlist.h"
#include "qtshared/uitext.h"

namespace sw {

void TShotEditor::AddShot()
{
    PutNamedShotAt(Shots().Count(), "Ajouter");
}

void TShotEditor::InsertShot(Place place)
{
    if (CurIndex_ < 0)
        return;
    PutNamedShotAt(static_cast<std::size_t>(CurIndex_) + (place == Place::After ? 1 : 0), "Insérer");
}

void TShotEditor::PutNamedShotAt(std::size_t index, const char* verb)
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

void TShotEditor::DuplicateShot()
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

void TShotEditor::EditShotName(const QString& prompt)
{
    if (CurIndex_ < 0)
        return;
    const auto index = static_cast<std::size_t>(CurIndex_);
    if (const std::optional<std::string> name = AskShotName(prompt, Shots().EventName(index)))
        document_.RenameShot(index, *name);
}

std::optional<std::string> TShotEditor::AskShotName(const QString& prompt, const std::string& current)
{
    const std::optional<QString> edited = prompts_.EditName(dialogParent_, prompt, uitext::ToQString(current));
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
    if (CurIndex_ >= 0)
        document_.DeleteShot(static_cast<std::size_t>(CurIndex_));
}

void TShotEditor::MoveShot(int from, int to)
{
    const int count = vListBox->count();
    if (Filtering() || from < 0 || from >= count || to < 0 || to >= count || from == to)
        return;
    document_.MoveShot(static_cast<std::size_t>(from), static_cast<std::size_t>(to));
    SelectRow(to);
}

void TShotEditor::AddShotActions(QMenu* menu)
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
        {"mShotAdd", QStringLiteral("&Ajouter un plan..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A), addEvntBtn, {}},
        {"mShotInsertBefore", QStringLiteral("Insérer un plan a&vant..."), QKeySequence(Qt::SHIFT | Qt::Key_Insert),
         insEvntBtn, [this] { Run([this] { InsertShot(Place::Before); }); }},
        {"mShotInsertAfter", QStringLiteral("&Insérer un plan après..."), QKeySequence(Qt::Key_Insert), insEvntBtn, {}},
        {"mShotDuplicateCurrent", QStringLiteral("&Dupliquer le plan"), QKeySequence(Qt::CTRL | Qt::Key_D), dupEvntBtn, {}},
        {"mShotRenameCurrent", QStringLiteral("&Renommer le plan..."), QKeySequence(Qt::Key_F2), renamEvntBtn, {}},
        {"mShotDeleteCurrent", QStringLiteral("&Supprimer le plan"), QKeySequence(Qt::Key_Delete), DelEvntBtn, {}},
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

void TShotEditor::ShowNeighbour(int step)
{
    for (int row = CurIndex_ + step; row >= 0 && row < vListBox->count(); row += step) {
        if (!vListBox->isRowHidden(row)) {
            SelectRow(row);
            return;
        }
    }
}

void TShotEditor::ShowShotListMenu(const QPoint& pos)
{
    // A right click on a shot makes it the shown one first.
    if (QListWidgetItem* item = vListBox->itemAt(pos); item && vListBox->row(item) != CurIndex_)
        vListBox->setCurrentRow(vListBox->row(item));
    QMenu menu(vListBox);
    menu.setObjectName(QStringLiteral("shotListMenu"));
    QAction* before = menu.addAction(QStringLiteral("Insérer a&vant"));
    before->setObjectName(QStringLiteral("mShotInsertBefore"));
    before->setEnabled(insEvntBtn->isEnabled());
    connect(before, &QAction::triggered, this, [this] { Run([this] { InsertShot(Place::Before); }); });
    const std::pair<const char*, QPushButton*> entries[] = {
        {"mShotInsert", insEvntBtn}, {"mShotDuplicate", dupEvntBtn}, {"mShotRename", renamEvntBtn}, {"mShotDelete", DelEvntBtn}};
    for (const auto& [name, button] : entries) {
        QAction* action = menu.addAction(button == insEvntBtn ? QStringLiteral("&Insérer après") : button->text());
        action->setObjectName(QLatin1String(name));
        action->setEnabled(button->isEnabled());
        connect(action, &QAction::triggered, button, &QPushButton::click);
    }
    menu.exec(vListBox->viewport()->mapToGlobal(pos));
}

} // namespace sw
