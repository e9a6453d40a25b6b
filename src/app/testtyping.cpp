#include "app/testtyping.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

namespace sw {

namespace {

void SendKey(QWidget* target, int key, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &release);
}

} // namespace

void TypeTestTitleIfAsked(QWidget& window)
{
    const QString text = qEnvironmentVariable("SHOTWEAVE_TEST_TYPE_TITLE");
    auto* title = window.findChild<QLineEdit*>(QStringLiteral("titleEd"));
    if (text.isEmpty() || !title)
        return;
    title->setFocus();
    SendKey(title, Qt::Key_End, QString());
    for (const QChar character : text)
        SendKey(title, 0, QString(character));
}

} // namespace sw
