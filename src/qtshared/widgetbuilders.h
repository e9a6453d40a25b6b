#pragma once

#include <array>
#include <string>
#include <string_view>

#include <QComboBox>
#include <QFont>
#include <QString>

#include "qtshared/uitext.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

// The small builders of the editor's controls, placed by the caller's layouts. Each control
// carries its name as object name, so that tests and the hints find it.
namespace sw::widgets {

// The editor's 13-pixel Arial.
QFont WindowFont();
// The typewriter face of the text fields.
QFont FieldFont(int pixelSize = 13);

// A label whose size follows its text.
QLabel* AddLabel(QWidget* parent, const QString& text);
// A multi-line field that wraps its lines and never scrolls sideways; a
// layout never makes it lower than minimumLines lines of its font.
QPlainTextEdit* AddMemo(QWidget* parent, const char* name, int minimumLines, bool verticalScrollBar = false);
QLineEdit* AddEdit(QWidget* parent, const char* name);
QPushButton* AddButton(QWidget* parent, const char* name, const QString& caption);

// Shows a model text (CR LF breaks) in a multi-line field.
void SetEditorText(QPlainTextEdit* memo, const std::string& text);
// The main window shows a hint when the mouse enters a control with a tag.
void SetHintTag(QWidget* widget, int tag);

// A drop-down list of the model's entries, the first selected.
template <std::size_t N>
QComboBox* AddCombo(QWidget* parent, const char* name, const std::array<std::string_view, N>& entries)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    for (std::string_view entry : entries)
        combo->addItem(uitext::ToQString(entry));
    combo->setCurrentIndex(0);
    return combo;
}

} // namespace sw::widgets
