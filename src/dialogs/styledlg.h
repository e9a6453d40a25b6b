#pragma once
// Use: sw::TStyleDlg dlg(stylePrefs, parent); dlg.exec();
// The dialog edits the style set in place: "Accepter" keeps what it stored,
// "Annuler" (or Escape) puts back the set as it was when the dialog was made.

#include <functional>

#include <QAction>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include "dialogs/elementstylebox.h"
#include "dialogs/linkstylebox.h"
#include "style/netcolors.h"
#include "style/styleprefs.h"

namespace sw {

// The style editor: the page elements on the left, the link states on the
// right; export, import and defaults of the whole set.
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

    TElementStyleBox* FontGBox;
    TLinkStyleBox* LinkGroupBox;
    QGroupBox* GroupBox1;
    QLineEdit* StyleNameEd;
    QLabel* FNameLabel;
    QPushButton* okBtn;
    QPushButton* cancelBtn;
    QMenu* stylePopUp;
    QAction* mresetNames;
    // The picker's last choice, where it opens next time.
    TNetColors NetColor;

    // "Annuler", Escape and the window's close button.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildControls();
    void ConnectHandlers();
    // The file dialogs behind chooseExportFile and chooseImportFile.
    void UseFileDialogs();
    void ShowPageValues();
    void StorePageValues();
    void btnSavePrefsClick();
    void btnGetPrefsClick();
    void btnDefValClick();
    void okBtnClick();
    const TStyleBoxHost host_;
    TStylePrefs& prefs_;
    const TStylePrefs before_;
};

} // namespace sw
