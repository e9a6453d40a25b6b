#include "dialogs/fontcombo.h"

#include <QFontDatabase>
#include <QSignalBlocker>

namespace sw {

TFontCombo::TFontCombo(QWidget* parent) : QComboBox(parent)
{
    setEditable(false);
    setInsertPolicy(QComboBox::NoInsert);
    LoadInstalledFonts();
}

void TFontCombo::LoadInstalledFonts()
{
    const QStringList families = QFontDatabase::families();
    QStringList current;
    current.reserve(count());
    for (int i = 0; i < count(); ++i)
        current << itemText(i);
    if (current == families)
        return;
    const QString selected = currentIndex() >= 0 ? currentText() : QString();
    const QSignalBlocker blocker(this);
    clear();
    addItems(families);
    setCurrentIndex(selected.isEmpty() ? -1 : FindFont(selected));
}

int TFontCombo::FindFont(const QString& name) const
{
    return findText(name, Qt::MatchFixedString);
}

void TFontCombo::showEvent(QShowEvent* event)
{
    if (!loaded_) {
        loaded_ = true;
        LoadInstalledFonts();
    }
    QComboBox::showEvent(event);
}

} // namespace sw
