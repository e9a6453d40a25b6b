#include "app/fieldsteps.h"

#include <QEvent>
#include <QWidget>

namespace sw {

TFieldSteps::TFieldSteps(TUndoHistory& history, QObject* parent) : QObject(parent), history_(history)
{
    connect(&history_, &TUndoHistory::cleared, this, [this] { Resync(); });
}

void TFieldSteps::Add(const std::vector<QWidget*>& fields, Entry entry)
{
    entries_.push_back(std::move(entry));
    for (QWidget* field : fields) {
        entryOf_[field] = entries_.size() - 1;
        field->installEventFilter(this);
    }
}

void TFieldSteps::Commit(QObject* field)
{
    if (const auto found = entryOf_.find(field); found != entryOf_.end())
        entries_[found->second].commit();
}

void TFieldSteps::CommitAll()
{
    for (const Entry& entry : entries_)
        entry.commit();
}

void TFieldSteps::Resync()
{
    for (const Entry& entry : entries_)
        entry.resync();
}

bool TFieldSteps::eventFilter(QObject* watched, QEvent* event)
{
    // Any way of leaving the field ends its step, a menu opened over it too.
    if (event->type() == QEvent::FocusOut)
        Commit(watched);
    return QObject::eventFilter(watched, event);
}

} // namespace sw
