#pragma once
// Use: auto* links = new sw::TLinkStyleBox(prefs, host, parent); links->ShowLinkState();
// The box edits the link states of the style set it is given, in place.

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "dialogs/colorswatch.h"
#include "dialogs/stylebox.h"
#include "style/styleprefs.h"

namespace sw {

// The style dialog's links: the three states of a link, the colour and
// underline of each, and an example link on the page background that shows
// them as the mouse moves over and presses it.
class TLinkStyleBox : public QGroupBox {
    Q_OBJECT
public:
    TLinkStyleBox(TStylePrefs& prefs, TStyleBoxHost host, QWidget* parent);

    int curLink() const { return curLink_; }

    QListWidget* LnkStateList;
    TColorSwatch* LinkColShape;
    QCheckBox* lnkDecCheck;
    QPushButton* LnkDefBtn;
    TColorSwatch* lnkExPanel;
    QLabel* LnkExLab;

    // Back to the first state, without storing what is shown.
    void Restart();
    void ShowLinkState();
    void StoreLinkState();
    // The set's link colour is the shown state's.
    void StoreLinkColour();
    // The example as a plain link on the page background.
    void ShowPlainExample();
    // The example's panel in the page background, after the page changed it.
    void ShowPageBackground();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void ConnectHandlers();
    void LnkStateListClick();
    void LinkColShapeMouseDown();
    void LnkDefBtnClick();
    void ShowLinkExample(int index);
    // The example label in the colour and underline of a link state.
    void ShowExampleLabel(int index);
    void SelectLinkLine(int row);

    TStylePrefs& prefs_;
    const TStyleBoxHost host_;
    int curLink_ = 0;
    bool selecting_ = false;
};

} // namespace sw
