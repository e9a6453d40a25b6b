#include "dialogs/hpanfrm.h"

#include <QLabel>

#include "qtshared/uitext.h"
#include "qtshared/widgetbuilders.h"
#include "dialogs/fixeddialog.h"

namespace sw {

namespace {

using uitext::FromLineText;
using uitext::ToQString;

TCheckString* CheckString(QWidget* parent, const QString& caption, const QString& edCaption,
                          int editWidth, int left, int top)
{
    auto* control = new TCheckString(parent);
    control->setGeometry(left, top, 200, 44);
    control->setCaption(caption);
    control->setEdCaption(edCaption);
    control->setEditWidth(editWidth);
    return control;
}

QCheckBox* CheckBox(QWidget* parent, const QString& caption, int left, int top)
{
    auto* box = new QCheckBox(caption, parent);
    box->setGeometry(left, top, 180, 18);
    return box;
}

} // namespace

THPanFrm::THPanFrm(THTMPrefs& prefs, bool noJSPlanSetting, QWidget* parent)
    : QDialog(parent), prefs_(prefs), before_(prefs), noJSPlanSetting_(noJSPlanSetting)
{
    SetUpFixedDialog(*this, QStringLiteral("Paramètres de mise en page HTML ... "), 505, 391);
    setFont(DialogFont());

    FrameGB = new QGroupBox(QStringLiteral("Frames (multi fenêtrage) "), this);
    FrameGB->setGeometry(8, 6, 240, 112);
    FMWidth = widgets::AddLabelledEdit(FrameGB, QStringLiteral("Hauteur du menu:"), 12, 24, 110, 40, 4);
    fBorderChk = CheckString(FrameGB, QStringLiteral("Bordure visible"), QStringLiteral("largeur:"),
                             20, 12, 56);

    menuGB = new QGroupBox(QStringLiteral("Menu "), this);
    menuGB->setGeometry(8, 126, 240, 196);
    GroupBox3 = new QGroupBox(QStringLiteral("Afficher: "), menuGB);
    GroupBox3->setGeometry(12, 22, 216, 100);
    mChk1 = CheckBox(GroupBox3, QStringLiteral("plan"), 12, 24);
    mChk2 = CheckBox(GroupBox3, QStringLiteral("story board"), 12, 48);
    mChk3 = CheckBox(GroupBox3, QStringLiteral("rapport"), 12, 72);
    mLnkChk = CheckString(menuGB, QStringLiteral("Lien de retour"), QStringLiteral("texte:"), 100,
                          12, 136);

    GroupBox2 = new QGroupBox(QStringLiteral("Page d'entrée "), this);
    GroupBox2->setGeometry(257, 6, 240, 124);
    fCoverChk = CheckString(GroupBox2, QStringLiteral(" Page couverture distincte:"),
                            QStringLiteral("nom:"), 100, 12, 22);
    CSepChkStr = CheckString(GroupBox2, QStringLiteral("Séparateur"), QStringLiteral("largeur:"), 40,
                             12, 72);

    GParamGroupBox = new QGroupBox(QStringLiteral("Pages "), this);
    GParamGroupBox->setGeometry(257, 138, 240, 184);
    GroupBox4 = new QGroupBox(QStringLiteral("Tableau: "), GParamGroupBox);
    GroupBox4->setGeometry(12, 22, 216, 92);
    pTableWidth = widgets::AddLabelledEdit(GroupBox4, QStringLiteral("largeur de tableau:"), 12, 26, 120, 60, 4);
    pTableMargin = widgets::AddLabelledEdit(GroupBox4, QStringLiteral("marge:"), 12, 56, 120, 60, 4);
    noJScriptChk = CheckBox(GParamGroupBox, QStringLiteral("Plan: pas de JavaScript"), 12, 132);
    noJScriptChk->resize(210, 18);

    btnDefVal = new QPushButton(QStringLiteral("valeurs par défaut"), this);
    btnDefVal->setGeometry(8, 346, 150, 25);
    btnDefVal->setToolTip(QStringLiteral("Tout réinitialiser"));
    okBtn = new QPushButton(QStringLiteral("Accepter"), this);
    okBtn->setGeometry(396, 346, 101, 25);
    okBtn->setDefault(true);

    connect(btnDefVal, &QPushButton::clicked, this, [this] { btnDefValClick(); });
    connect(okBtn, &QPushButton::clicked, this, &QDialog::accept);
    AddCancelButton();
}

void THPanFrm::AddCancelButton()
{
    cancelBtn = new QPushButton(QStringLiteral("Annuler"), this);
    cancelBtn->setObjectName(QStringLiteral("cancelBtn"));
    cancelBtn->setGeometry(288, 346, 101, 25);
    // Enter presses "Accepter", the default button, never this one.
    cancelBtn->setAutoDefault(false);
    connect(cancelBtn, &QPushButton::clicked, this, &THPanFrm::reject);
}

void THPanFrm::reject()
{
    prefs_ = before_;
    QDialog::reject();
}

void THPanFrm::showEvent(QShowEvent* event)
{
    FillDialog();
    QDialog::showEvent(event);
}

void THPanFrm::btnDefValClick()
{
    prefs_.SetDefaults(noJSPlanSetting_);
    FillDialog();
}

void THPanFrm::FillDialog()
{
    FMWidth->setText(ToQString(prefs_.frameSpecs.menuHeight));
    fBorderChk->setChecked(prefs_.frameSpecs.borderVisible);
    fBorderChk->setText(ToQString(prefs_.frameSpecs.borderWidth));
    mChk1->setChecked(prefs_.menuSpecs.showShots);
    mChk2->setChecked(prefs_.menuSpecs.showStoryboard);
    mChk3->setChecked(prefs_.menuSpecs.showReport);
    mLnkChk->setChecked(prefs_.menuSpecs.returnLink);
    mLnkChk->setText(ToQString(prefs_.menuSpecs.returnUrl));
    fCoverChk->setChecked(prefs_.coverSpecs.separateCover);
    fCoverChk->setText(ToQString(prefs_.coverSpecs.coverFile));
    CSepChkStr->setChecked(prefs_.coverSpecs.separator);
    CSepChkStr->setText(ToQString(prefs_.coverSpecs.separatorWidth));
    pTableWidth->setText(ToQString(prefs_.pageSpecs.tableWidth));
    pTableMargin->setText(ToQString(prefs_.pageSpecs.tableMargin));
    noJScriptChk->setChecked(prefs_.pageSpecs.noJSPlan);
}

void THPanFrm::ReadDialog()
{
    prefs_.frameSpecs.menuHeight = FromLineText(FMWidth->text());
    prefs_.frameSpecs.borderVisible = fBorderChk->Checked();
    prefs_.frameSpecs.borderWidth = FromLineText(fBorderChk->Text());
    prefs_.menuSpecs.showShots = mChk1->isChecked();
    prefs_.menuSpecs.showStoryboard = mChk2->isChecked();
    prefs_.menuSpecs.showReport = mChk3->isChecked();
    prefs_.menuSpecs.returnLink = mLnkChk->Checked();
    prefs_.menuSpecs.returnUrl = FromLineText(mLnkChk->Text());
    prefs_.coverSpecs.separateCover = fCoverChk->Checked();
    prefs_.coverSpecs.coverFile = FromLineText(fCoverChk->Text());
    prefs_.coverSpecs.separator = CSepChkStr->Checked();
    prefs_.coverSpecs.separatorWidth = FromLineText(CSepChkStr->Text());
    prefs_.pageSpecs.tableWidth = FromLineText(pTableWidth->text());
    prefs_.pageSpecs.tableMargin = FromLineText(pTableMargin->text());
    prefs_.pageSpecs.noJSPlan = noJScriptChk->isChecked();
}

} // namespace sw
