#pragma once
// Use: auto* elements = new sw::TElementStyleBox(prefs, host, parent); elements->Fill();
// The box edits the page elements of the style set it is given, in place.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>

#include "dialogs/colorswatch.h"
#include "dialogs/fontcombo.h"
#include "dialogs/parallignbutton.h"
#include "dialogs/stylebox.h"
#include "style/styleprefs.h"

namespace sw {

// The style dialog's page elements: the list of elements, and for the chosen
// one its sample, colours, font, size, margins and further CSS options.
// Copying one element onto another goes through the list's menu. The box
// also holds the dialog's file and defaults buttons, which the dialog runs.
class TElementStyleBox : public QGroupBox {
    Q_OBJECT
public:
    TElementStyleBox(TStylePrefs& prefs, TStyleBoxHost host, QWidget* parent);

    int curElement() const { return curElement_; }

    QListWidget* ElemListBox;
    QLabel* styleInfoLab;
    QLabel* sNameLabel;
    QCheckBox* bgColChk;
    TColorSwatch* textPanel;
    QLabel* Label11;
    TColorSwatch* FntColShape;
    TParAlignButton* ParAlign;
    TFontCombo* FNameCBo;
    QComboBox* SizeEdit;
    QLineEdit* sMargin;
    QLineEdit* sPadding;
    QGroupBox* GroupBox4;
    QPlainTextEdit* OptionMemo;
    QPushButton* Button1;
    QPushButton* btnSavePrefs;
    QPushButton* btnGetPrefs;
    QPushButton* btnDefVal;
    QMenu* listPopUp;
    QAction* mLCopy;
    QAction* mLPaste;

    // The list filled from the set, the shown element's line chosen.
    void Fill();
    // Back to the first element, without storing what is shown.
    void Restart();
    // Stores the shown element, then shows the one at row.
    void GoToElement(int row);
    // The page background and default font, then the shown element.
    void ShowPageValues();
    void StorePageValues();
    void StoreElement();
    // Every element takes back the selector of its line.
    void ResetNames();

signals:
    // The page background was picked through a transparent element.
    void pageBackgroundChanged();

private:
    void BuildControls();
    QWidget* BuildElementPanel();
    void ConnectHandlers();
    void ShowElement();
    void ApplySize(const QString& sizeText);
    void ElemListBoxClick();
    void FNameCBoChange();
    void FontTyped();
    void SizeChanged();
    // A typed size that is no whole number is refused with a message and the
    // element's size comes back into the box.
    void SizeEditFinished();
    void FntColShapeMouseDown();
    void textPanelMouseDown();
    void mLPasteClick();
    // What the sample shows for the shown element in the font face.
    QString SampleText(const QString& face) const;
    void SetSampleFont(const QString& family);
    void SetSampleSize(int points);
    // Select a line of the list without storing or showing anything.
    void SelectElementLine(int row);

    TStylePrefs& prefs_;
    const TStyleBoxHost host_;
    int curElement_ = 0;
    int copiedElement_ = 0;
    bool selecting_ = false;
};

} // namespace sw
