#pragma once
// Use: sw::TStyleDlg dlg(stylePrefs, parent); dlg.exec();
// The dialog edits the style set in place: "Accepter" keeps what it stored,
// "Annuler" (or Escape) puts back the set as it was when the dialog was made.

#include <functional>

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
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
#include "style/netcolors.h"
#include "style/styleprefs.h"

namespace sw {

// The style editor: one style element at a time, the three link states and
// the page background; export, import, defaults, and copying one element onto
// another.
class TStyleDlg : public QDialog {
    Q_OBJECT
public:
    TStyleDlg(TStylePrefs& prefs, QWidget* parent = nullptr);

    // Replaceable for tests; by default the colour picker, the file dialogs
    // and a message box.
    std::function<bool(TNetColors&)> executePicker;
    std::function<QString(const QString& startFolder)> chooseExportFile;
    std::function<QString(const QString& startFolder)> chooseImportFile;
    std::function<void(const QString& message)> showMessage;

    int curElement() const { return curElement_; }
    int curLink() const { return curLink_; }

    QGroupBox* FontGBox;
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
    QGroupBox* LinkGroupBox;
    TColorSwatch* LinkColShape;
    QListWidget* LnkStateList;
    QCheckBox* lnkDecCheck;
    QPushButton* LnkDefBtn;
    TColorSwatch* lnkExPanel;
    QLabel* LnkExLab;
    QGroupBox* GroupBox1;
    QLineEdit* StyleNameEd;
    QLabel* FNameLabel;
    QPushButton* okBtn;
    QPushButton* cancelBtn;
    QMenu* stylePopUp;
    QAction* mresetNames;
    QMenu* listPopUp;
    QAction* mLCopy;
    QAction* mLPaste;
    TNetColors NetColor;

    void ElemListBoxClick();
    void FNameCBoChange();
    void FntColShapeMouseDown();
    void textPanelMouseDown();
    void LnkStateListClick();
    void lnkDecCheckClick();
    void LinkColShapeMouseDown();
    void LnkDefBtnClick();
    void LinkGroupBoxMouseMove();
    void LnkExLabMouseDown();
    void LnkExLabMouseUp();
    void btnSavePrefsClick();
    void btnGetPrefsClick();
    void btnDefValClick();
    void okBtnClick();
    void mresetNamesClick();
    void mLCopyClick();
    void mLPasteClick();

    // "Annuler", Escape and the window's close button.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void BuildControls();
    // What the sample shows for the shown element in the font face.
    QString SampleText(const QString& face) const;
    // The file dialogs behind chooseExportFile and chooseImportFile.
    void UseFileDialogs();
    // The parts of BuildControls: the elements' group and its settings
    // panel, the links' group.
    void BuildElementControls();
    QWidget* BuildElementPanel();
    void BuildLinkControls();
    // The element list made as wide as its longest line, once filled.
    void FitElementList();
    void ConnectHandlers();
    void FormShow();
    void ShowElement(int index);
    void StoreElement(int index);
    void ApplySize(const QString& sizeText);
    void SizeChanged();
    // A typed size that is no whole number is refused with a message and the
    // element's size comes back into the box.
    void SizeEditFinished();
    void FontTyped();
    void ShowPageValues();
    void StorePageValues();
    void StorePageBackground();
    void ShowLinkState(int index);
    void StoreLinkState(int index);
    void ShowLinkExample(int index);
    // The example label in the colour and underline of a link state.
    void ShowExampleLabel(int index);
    void SetSampleFont(const QString& family);
    void SetSampleSize(int points);
    // Select a line of the element or link-state list without storing or
    // showing anything.
    void SelectElementLine(int row);
    void SelectLinkLine(int row);
    // Runs a command; an error stops it and is shown once.
    void Command(const std::function<void()>& action);

    TStylePrefs& prefs_;
    const TStylePrefs before_;
    int curElement_ = 0;
    int curLink_ = 0;
    int copiedElement_ = 0;
    bool filling_ = false;
};

} // namespace sw
