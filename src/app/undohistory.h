#pragma once

#include <functional>
#include <memory>

#include <QObject>
#include <QString>
#include <QUndoStack>

class QAction;
class QUndoCommand;

namespace sw {

// The project's undo history for the session: the steps of the undo stack,
// and whether the project differs from its file. That is so when the stack is
// away from its saved place, or while an edit in progress has not yet become
// a step (typing in a field before it is left, a shot before it is stored).
// Every step is pushed once the editor has made its change; the stack only
// undoes and redoes it.
class TUndoHistory : public QObject {
    Q_OBJECT
public:
    TUndoHistory();

    // Adds a step already done; ignored while a step is being undone or
    // redone, whose showing must not make new steps.
    void Push(std::unique_ptr<QUndoCommand> step);
    // An edit that is not yet a step makes the project modified.
    void NoteEdit();
    bool IsModified() const { return pending_ || !stack_.isClean(); }
    // The project has just been written: this place of the stack is the
    // file's.
    void MarkSaved();
    // A new or opened project starts a new history, unmodified.
    void Clear();
    bool Applying() const { return applying_; }

    // What turns the edits in progress into steps, run before a step is
    // undone or redone; after it nothing is pending any more.
    void SetFlush(std::function<void()> flush) { flush_ = std::move(flush); }
    void Flush();
    void Undo();
    void Redo();
    QUndoStack& Stack() { return stack_; }

    // The menu entries "Annuler" and "Rétablir", whose captions name the
    // step they would undo or redo. command runs them (as a user command).
    QAction* CreateUndoAction(QObject* parent, const std::function<void(std::function<void()>)>& command);
    QAction* CreateRedoAction(QObject* parent, const std::function<void(std::function<void()>)>& command);

signals:
    void modifiedChanged(bool modified);
    // The history was cleared: what the steps compare with is the project
    // as it now is.
    void cleared();

private:
    void Apply(const std::function<void()>& change);
    void TellModified();

    QUndoStack stack_;
    std::function<void()> flush_;
    bool pending_ = false;
    bool applying_ = false;
    bool shownModified_ = false;
};

} // namespace sw
