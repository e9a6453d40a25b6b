#include "qtshared/accelerators.h"

#include <QAbstractButton>
#include <QLabel>
#include <QList>
#include <QWidget>

namespace sw::widgets {

namespace {

// A letter the keyboard has as it is: accented letters are left out, since
// on most keyboards they take a dead key.
bool CanBeKey(QChar c)
{
    return c.unicode() < 0x80 && c.isLetterOrNumber();
}

// The caption with a key marked on a free letter, or as it was when none
// is free.
QString WithKey(const QString& caption, QString& taken)
{
    int chosen = -1;
    // The start of a word first, then any letter.
    for (const bool wordStart : {true, false}) {
        for (qsizetype i = 0; i < caption.size() && chosen < 0; ++i) {
            const QChar c = caption[i].toLower();
            const bool startsWord = i == 0 || !caption[i - 1].isLetterOrNumber();
            if (CanBeKey(c) && (startsWord || !wordStart) && !taken.contains(c))
                chosen = static_cast<int>(i);
        }
        if (chosen >= 0)
            break;
    }
    if (chosen < 0)
        return caption;
    taken += caption[chosen].toLower();
    QString marked = caption;
    marked.insert(chosen, QLatin1Char('&'));
    return marked;
}

bool TakesKey(const QWidget* widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->buddy() && label->textFormat() != Qt::RichText && !label->text().isEmpty();
    const auto* button = qobject_cast<const QAbstractButton*>(widget);
    return button && !button->text().trimmed().isEmpty();
}

QString TextOf(const QWidget* widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    return qobject_cast<const QAbstractButton*>(widget)->text();
}

void SetTextOf(QWidget* widget, const QString& text)
{
    if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(text);
    else
        qobject_cast<QAbstractButton*>(widget)->setText(text);
}

} // namespace

QChar AcceleratorOf(const QString& caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&'))
            continue;
        if (caption[i + 1] != QLatin1Char('&'))
            return caption[i + 1].toLower();
        ++i;
    }
    return {};
}

QString GiveAccelerators(QWidget* scope, QString taken)
{
    taken = taken.toLower();
    QList<QWidget*> controls;
    for (QWidget* widget : scope->findChildren<QWidget*>())
        if (TakesKey(widget))
            controls.append(widget);
    for (const QWidget* control : controls)
        if (const QChar key = AcceleratorOf(TextOf(control)); !key.isNull())
            taken += key;
    // Buttons before labels: a command's key is the one users learn first.
    for (const bool buttons : {true, false})
        for (QWidget* control : controls)
            if ((qobject_cast<QAbstractButton*>(control) != nullptr) == buttons && AcceleratorOf(TextOf(control)).isNull())
                SetTextOf(control, WithKey(TextOf(control), taken));
    return taken;
}

} // namespace sw::widgets
