#include "qtshared/widgetbuilders.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

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

QLabel* AddLabel(QWidget* parent, const QString& text, int x, int y)
{
    auto* label = new QLabel(text, parent);
    label->move(x, y);
    label->adjustSize();
    return label;
}

QPlainTextEdit* AddMemo(QWidget* parent, const char* name, const QRect& geometry, bool verticalScrollBar)
{
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(QLatin1String(name));
    memo->setGeometry(geometry);
    memo->setFont(FieldFont());
    memo->setVerticalScrollBarPolicy(verticalScrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return memo;
}

QLineEdit* AddEdit(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setGeometry(geometry);
    edit->setFont(FieldFont());
    return edit;
}

QLineEdit* AddLabelledEdit(QWidget* parent, const QString& caption, int left, int top, int labelWidth,
                           int editWidth, int gap)
{
    auto* label = new QLabel(caption, parent);
    label->setGeometry(left, top + 2, labelWidth, 16);
    auto* edit = new QLineEdit(parent);
    edit->setGeometry(left + labelWidth + gap, top, editWidth, 21);
    label->setBuddy(edit);
    return edit;
}

QPushButton* AddButton(QWidget* parent, const char* name, const QString& caption, const QRect& geometry)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
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
