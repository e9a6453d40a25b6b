#pragma once

#include <cstddef>
#include <string>

#include <QUndoCommand>

#include "model/event.h"

namespace sw {

class TShotEditor;

// A step's text over the shot named name: "Modifier le plan « Café »".
QString ShotStepText(const char* verb, const std::string& name);

// The steps over the shots. Each one holds only the shot it changes and its
// place, so that a step costs the same in a project of ten thousand shots as
// in one of ten. The shot editor has made the change when the step is
// pushed; undoing and redoing go through it, so that the list and the shown
// shot follow.

// A shot's fields or name, before and after.
class TShotEditStep : public QUndoCommand {
public:
    TShotEditStep(TShotEditor& editor, const QString& text, std::size_t index, TEvent before, TEvent after);
    void undo() override;
    void redo() override;

private:
    TShotEditor& editor_;
    std::size_t index_;
    TEvent before_;
    TEvent after_;
    bool done_ = false;
};

// A shot put at index (added, inserted, duplicated), or taken out of it
// (deleted) when removal is true.
class TShotPlaceStep : public QUndoCommand {
public:
    TShotPlaceStep(TShotEditor& editor, const QString& text, std::size_t index, TEvent shot, bool removal);
    void undo() override;
    void redo() override;

private:
    void Put();
    void Take();

    TShotEditor& editor_;
    std::size_t index_;
    TEvent shot_;
    bool removal_;
    bool done_ = false;
};

// A shot taken out at from and put at to, counted after the removal.
class TShotMoveStep : public QUndoCommand {
public:
    TShotMoveStep(TShotEditor& editor, const QString& text, std::size_t from, std::size_t to);
    void undo() override;
    void redo() override;

private:
    TShotEditor& editor_;
    std::size_t from_;
    std::size_t to_;
    bool done_ = false;
};

} // namespace sw
