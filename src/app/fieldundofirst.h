#pragma once

#include <QObject>

class QEvent;
class QKeyEvent;
class QWidget;

namespace sw {

// Ctrl+Z, Ctrl+Maj+Z and Ctrl+Y in a text field undo and redo its own typing
// first; once the field has nothing left to undo (or redo), the keys go to
// the menu's "Annuler" and "Rétablir", the project's steps.
class TFieldUndoFirst : public QObject {
    Q_OBJECT
public:
    explicit TFieldUndoFirst(QObject* parent) : QObject(parent) {}
    // Watches every one-line and multi-line text field inside window.
    void WatchFieldsOf(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace sw
