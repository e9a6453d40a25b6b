#include "qtshared/tabkeys.h"

#include <QKeyEvent>
#include <QPlainTextEdit>

namespace sw {

TTabKeys::TTabKeys(QPlainTextEdit* memo) : QObject(memo), memo_(memo)
{
    memo->setTabChangesFocus(true);
    memo->installEventFilter(this);
}

void TTabKeys::MoveFocusOnTab(QPlainTextEdit* memo)
{
    new TTabKeys(memo);
}

bool TTabKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == memo_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab && key->modifiers() == Qt::ControlModifier) {
            if (!memo_->isReadOnly())
                memo_->insertPlainText(QStringLiteral("\t"));
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace sw
