#include "app/fieldundofirst.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace sw {

namespace {

enum class UndoKey { None, Undo, Redo };

UndoKey UndoKeyOf(const QKeyEvent* key)
{
    const QKeyCombination combination = key->keyCombination();
    if (combination == QKeyCombination(Qt::ControlModifier, Qt::Key_Z))
        return UndoKey::Undo;
    if (combination == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z)
        || combination == QKeyCombination(Qt::ControlModifier, Qt::Key_Y))
        return UndoKey::Redo;
    return UndoKey::None;
}

// Whether field has its own typing to undo or redo; does it when act is set.
bool FieldStep(QObject* field, UndoKey key, bool act)
{
    if (auto* line = qobject_cast<QLineEdit*>(field)) {
        const bool available = key == UndoKey::Undo ? line->isUndoAvailable() : line->isRedoAvailable();
        if (available && act)
            key == UndoKey::Undo ? line->undo() : line->redo();
        return available && !line->isReadOnly();
    }
    if (auto* memo = qobject_cast<QPlainTextEdit*>(field)) {
        const QTextDocument* document = memo->document();
        const bool available = key == UndoKey::Undo ? document->isUndoAvailable() : document->isRedoAvailable();
        if (available && act)
            key == UndoKey::Undo ? memo->undo() : memo->redo();
        return available && !memo->isReadOnly();
    }
    return false;
}

} // namespace

void TFieldUndoFirst::WatchFieldsOf(QWidget* window)
{
    for (QLineEdit* line : window->findChildren<QLineEdit*>())
        line->installEventFilter(this);
    for (QPlainTextEdit* memo : window->findChildren<QPlainTextEdit*>())
        memo->installEventFilter(this);
}

bool TFieldUndoFirst::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const UndoKey undoKey = UndoKeyOf(key);
    if (undoKey == UndoKey::None)
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        // The field's own step, which the override below kept from the menu.
        FieldStep(watched, undoKey, true);
        return true;
    }
    // Taken by the field while it has a step of its own; otherwise left
    // unaccepted, so that the menu's shortcut runs.
    key->setAccepted(FieldStep(watched, undoKey, false));
    return true;
}

} // namespace sw
