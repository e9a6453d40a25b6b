#include "app/shotsteps.h"

#include <utility>

#include "app/shoteditor.h"
#include "qtshared/uitext.h"

namespace sw {

QString ShotStepText(const char* verb, const std::string& name)
{
    return QString::fromUtf8(verb) + QStringLiteral(" le plan « ") + uitext::ToQString(name) + QStringLiteral(" »");
}

TShotEditStep::TShotEditStep(TShotEditor& editor, const QString& text, std::size_t index, TEvent before, TEvent after)
    : QUndoCommand(text), editor_(editor), index_(index), before_(std::move(before)), after_(std::move(after))
{
}

void TShotEditStep::undo()
{
    editor_.PutShotValues(index_, before_);
}

void TShotEditStep::redo()
{
    // The first redo is the push, after the editor made the change.
    if (done_)
        editor_.PutShotValues(index_, after_);
    done_ = true;
}

TShotPlaceStep::TShotPlaceStep(TShotEditor& editor, const QString& text, std::size_t index, TEvent shot, bool removal)
    : QUndoCommand(text), editor_(editor), index_(index), shot_(std::move(shot)), removal_(removal)
{
}

void TShotPlaceStep::Put()
{
    editor_.PutShotAt(index_, shot_);
}

void TShotPlaceStep::Take()
{
    editor_.TakeShotAt(index_);
}

void TShotPlaceStep::undo()
{
    if (removal_)
        Put();
    else
        Take();
}

void TShotPlaceStep::redo()
{
    if (done_) {
        if (removal_)
            Take();
        else
            Put();
    }
    done_ = true;
}

TShotMoveStep::TShotMoveStep(TShotEditor& editor, const QString& text, std::size_t from, std::size_t to)
    : QUndoCommand(text), editor_(editor), from_(from), to_(to)
{
}

void TShotMoveStep::undo()
{
    editor_.MoveShotRow(static_cast<int>(to_), static_cast<int>(from_));
}

void TShotMoveStep::redo()
{
    if (done_)
        editor_.MoveShotRow(static_cast<int>(from_), static_cast<int>(to_));
    done_ = true;
}

} // namespace sw
