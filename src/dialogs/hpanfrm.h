#pragma once
// Use: sw::THPanFrm dlg(htmPrefs, noJSPlanSetting, parent);
//      if (dlg.exec() == QDialog::Accepted) dlg.ReadDialog();
// noJSPlanSetting is the application setting "noJSPlan", the default that
// "valeurs par défaut" gives the no-JavaScript choice.

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "dialogs/checkstring.h"
#include "layout/htmprefs.h"

namespace sw {

// The page-layout dialog: frames, menu entries, cover page, tables and the
// no-JavaScript choice of the published site.
class THPanFrm : public QDialog {
    Q_OBJECT
public:
    THPanFrm(THTMPrefs& prefs, bool noJSPlanSetting, QWidget* parent = nullptr);

    // Puts the preferences into the controls.
    void FillDialog();
    // Takes the controls' values into the preferences.
    void ReadDialog();

    QGroupBox* FrameGB;
    QLineEdit* FMWidth;
    TCheckString* fBorderChk;
    QGroupBox* menuGB;
    QGroupBox* GroupBox3;
    QCheckBox* mChk1;
    QCheckBox* mChk2;
    QCheckBox* mChk3;
    TCheckString* mLnkChk;
    QGroupBox* GroupBox2;
    TCheckString* fCoverChk;
    TCheckString* CSepChkStr;
    QGroupBox* GParamGroupBox;
    QGroupBox* GroupBox4;
    QLineEdit* pTableWidth;
    QLineEdit* pTableMargin;
    QCheckBox* noJScriptChk;
    QPushButton* btnDefVal;
    QPushButton* okBtn;
    QPushButton* cancelBtn;

    // "Annuler", Escape and the window's close button: the preferences come
    // back as they were when the dialog was made, "valeurs par défaut" undone.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void btnDefValClick();
    void AddCancelButton();

    THTMPrefs& prefs_;
    const THTMPrefs before_;
    bool noJSPlanSetting_;
};

} // namespace sw
