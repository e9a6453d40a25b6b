#include "qtshared/widgetbuilders.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

namespace sw::widgets {

QFont WindowFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    return font;
}

QFont FieldFont(int pixelSize)
{
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(pixelSize);
    return font;
}

QLabel* AddLabel(QWidget* parent, const QString& text)
{
    return new QLabel(text, parent);
}

QPlainTextEdit* AddMemo(QWidget* parent, const char* name, int minimumLines, bool verticalScrollBar)
{
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(QLatin1String(name));
    memo->setFont(FieldFont());
    memo->setVerticalScrollBarPolicy(verticalScrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The lines, the document's margins above and below, and the frame.
    const int documentMargin = static_cast<int>(memo->document()->documentMargin());
    memo->setMinimumHeight(minimumLines * memo->fontMetrics().lineSpacing() + 2 * documentMargin
                           + 2 * memo->frameWidth());
    return memo;
}

QLineEdit* AddEdit(QWidget* parent, const char* name)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setFont(FieldFont());
    return edit;
}

QPushButton* AddButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

void SetEditorText(QPlainTextEdit* memo, const std::string& text)
{
    memo->setPlainText(uitext::ToEditorText(text));
}

void SetHintTag(QWidget* widget, int tag)
{
    widget->setProperty("hintTag", tag);
}

} // namespace sw::widgets
