#pragma once
// Use: auto* box = new sw::TFontCombo(parent); box->setEditable(true) for the
// editable style; it lists the installed font families.

#include <QComboBox>

namespace sw {

// A drop-down list of the fonts installed on the machine. Items put into it
// before it is first shown are replaced by the installed fonts at that moment.
class TFontCombo : public QComboBox {
    Q_OBJECT
public:
    explicit TFontCombo(QWidget* parent = nullptr);

    // Row of the entry equal to name, ignoring case; -1 when none.
    int FindFont(const QString& name) const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void LoadInstalledFonts();

    bool loaded_ = false;
};

} // namespace sw
