#include "app/undohistory.h"

#include <QAction>
#include <QKeySequence>
#include <QUndoCommand>

namespace sw {

namespace {

const QString kUndoCaption = QStringLiteral("Annuler");
const QString kRedoCaption = QStringLiteral("Rétablir");

// "Annuler" alone, or followed by the step's text.
QString CaptionFor(const QString& verb, const QString& step)
{
    return step.isEmpty() ? verb : verb + QLatin1Char(' ') + step;
}

} // namespace

TUndoHistory::TUndoHistory()
{
    // No limit: the whole session can be undone.
    stack_.setUndoLimit(0);
    connect(&stack_, &QUndoStack::cleanChanged, this, [this] { TellModified(); });
    connect(&stack_, &QUndoStack::indexChanged, this, [this] { TellModified(); });
}

void TUndoHistory::Push(std::unique_ptr<QUndoCommand> step)
{
    if (applying_)
        return;
    stack_.push(step.release());
    TellModified();
}

void TUndoHistory::NoteEdit()
{
    if (applying_)
        return;
    pending_ = true;
    TellModified();
}

void TUndoHistory::MarkSaved()
{
    pending_ = false;
    stack_.setClean();
    TellModified();
}

void TUndoHistory::Clear()
{
    stack_.clear();
    pending_ = false;
    TellModified();
    emit cleared();
}

void TUndoHistory::Flush()
{
    if (flush_)
        flush_();
    pending_ = false;
    TellModified();
}

void TUndoHistory::Apply(const std::function<void()>& change)
{
    Flush();
    struct Applying {
        bool& flag;
        explicit Applying(bool& f) : flag(f) { flag = true; }
        ~Applying() { flag = false; }
    } applying(applying_);
    change();
}

void TUndoHistory::Undo()
{
    Apply([this] { stack_.undo(); });
    TellModified();
}

void TUndoHistory::Redo()
{
    Apply([this] { stack_.redo(); });
    TellModified();
}

void TUndoHistory::TellModified()
{
    const bool modified = IsModified();
    if (modified == shownModified_)
        return;
    shownModified_ = modified;
    emit modifiedChanged(modified);
}

QAction* TUndoHistory::CreateUndoAction(QObject* parent, const std::function<void(std::function<void()>)>& command)
{
    auto* action = new QAction(kUndoCaption, parent);
    action->setObjectName(QStringLiteral("mUndo"));
    action->setShortcut(QKeySequence::Undo);
    action->setEnabled(stack_.canUndo());
    connect(&stack_, &QUndoStack::canUndoChanged, action, &QAction::setEnabled);
    connect(&stack_, &QUndoStack::undoTextChanged, action,
            [action](const QString& text) { action->setText(CaptionFor(kUndoCaption, text)); });
    connect(action, &QAction::triggered, this, [this, command] { command([this] { Undo(); }); });
    return action;
}

QAction* TUndoHistory::CreateRedoAction(QObject* parent, const std::function<void(std::function<void()>)>& command)
{
    auto* action = new QAction(kRedoCaption, parent);
    action->setObjectName(QStringLiteral("mRedo"));
    // Ctrl+Maj+Z as the desktop has it, and Ctrl+Y as many programs do.
    action->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    action->setEnabled(stack_.canRedo());
    connect(&stack_, &QUndoStack::canRedoChanged, action, &QAction::setEnabled);
    connect(&stack_, &QUndoStack::redoTextChanged, action,
            [action](const QString& text) { action->setText(CaptionFor(kRedoCaption, text)); });
    connect(action, &QAction::triggered, this, [this, command] { command([this] { Redo(); }); });
    return action;
}

} // namespace sw
