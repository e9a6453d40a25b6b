#include "app/fieldkeys.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "editing/document.h"

namespace sw {

namespace {

bool IsHistoryKey(const QKeyEvent* key)
{
    const QKeyCombination combination = key->keyCombination();
    return combination == QKeyCombination(Qt::ControlModifier, Qt::Key_Z)
           || combination == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z)
           || combination == QKeyCombination(Qt::ControlModifier, Qt::Key_Y);
}

} // namespace

TFieldKeys::TFieldKeys(TDocument& document, QObject* parent) : QObject(parent), document_(document) {}

void TFieldKeys::WatchFieldsOf(QWidget* window)
{
    for (QLineEdit* line : window->findChildren<QLineEdit*>())
        line->installEventFilter(this);
    for (QPlainTextEdit* memo : window->findChildren<QPlainTextEdit*>()) {
        // One history: the document's.
        memo->setUndoRedoEnabled(false);
        memo->installEventFilter(this);
    }
}

bool TFieldKeys::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::FocusOut:
        document_.EndTyping();
        break;
    case QEvent::ShortcutOverride:
        // Left unaccepted, so that the menu's shortcut runs instead of the
        // field's own undo.
        if (IsHistoryKey(static_cast<QKeyEvent*>(event))) {
            event->setAccepted(false);
            return true;
        }
        break;
    case QEvent::KeyPress:
        // A line edit would still undo its own typing on the key itself.
        if (IsHistoryKey(static_cast<QKeyEvent*>(event)))
            return true;
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace sw
