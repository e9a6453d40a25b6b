#include "dialogs/hpanfrm.h"

#include <QBoxLayout>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>

#include "qtshared/uitext.h"
#include "dialogs/fixeddialog.h"
#include "qtshared/accelerators.h"

namespace sw {

namespace {

using uitext::FromLineText;
using uitext::ToQString;

TCheckString* CheckString(QWidget* parent, const QString& caption, const QString& edCaption, int editWidth)
{
    auto* control = new TCheckString(parent);
    control->setCaption(caption);
    control->setEdCaption(edCaption);
    control->setEditWidth(editWidth);
    return control;
}

// A one-line edit of width pixels with its label on its left, on one row of
// a form.
QLineEdit* AddFormEdit(QFormLayout* form, const QString& caption, int width)
{
    auto* edit = new QLineEdit;
    edit->setFixedWidth(width);
    form->addRow(caption, edit);
    return edit;
}

QVBoxLayout* ColumnOf(QGroupBox* group)
{
    return new QVBoxLayout(group);
}

} // namespace

THPanFrm::THPanFrm(THTMPrefs& prefs, bool noJSPlanSetting, QWidget* parent)
    : QDialog(parent), prefs_(prefs), before_(prefs), noJSPlanSetting_(noJSPlanSetting)
{
    SetUpDialog(*this, QStringLiteral("Paramètres de mise en page HTML ... "));
    setFont(DialogFont());

    FrameGB = new QGroupBox(QStringLiteral("Frames (multi fenêtrage) "), this);
    auto* frameForm = new QFormLayout;
    FMWidth = AddFormEdit(frameForm, QStringLiteral("Hauteur du menu:"), 40);
    fBorderChk = CheckString(FrameGB, QStringLiteral("Bordure visible"), QStringLiteral("largeur:"), 20);
    QVBoxLayout* frameColumn = ColumnOf(FrameGB);
    frameColumn->addLayout(frameForm);
    frameColumn->addWidget(fBorderChk);
    frameColumn->addStretch(1);

    menuGB = new QGroupBox(QStringLiteral("Menu "), this);
    GroupBox3 = new QGroupBox(QStringLiteral("Afficher: "), menuGB);
    mChk1 = new QCheckBox(QStringLiteral("plan"), GroupBox3);
    mChk2 = new QCheckBox(QStringLiteral("story board"), GroupBox3);
    mChk3 = new QCheckBox(QStringLiteral("rapport"), GroupBox3);
    QVBoxLayout* showColumn = ColumnOf(GroupBox3);
    for (QCheckBox* check : {mChk1, mChk2, mChk3})
        showColumn->addWidget(check);
    mLnkChk = CheckString(menuGB, QStringLiteral("Lien de retour"), QStringLiteral("texte:"), 100);
    QVBoxLayout* menuColumn = ColumnOf(menuGB);
    menuColumn->addWidget(GroupBox3);
    menuColumn->addWidget(mLnkChk);
    menuColumn->addStretch(1);

    GroupBox2 = new QGroupBox(QStringLiteral("Page d'entrée "), this);
    fCoverChk = CheckString(GroupBox2, QStringLiteral(" Page couverture distincte:"), QStringLiteral("nom:"), 100);
    CSepChkStr = CheckString(GroupBox2, QStringLiteral("Séparateur"), QStringLiteral("largeur:"), 40);
    QVBoxLayout* coverColumn = ColumnOf(GroupBox2);
    coverColumn->addWidget(fCoverChk);
    coverColumn->addWidget(CSepChkStr);
    coverColumn->addStretch(1);

    GParamGroupBox = new QGroupBox(QStringLiteral("Pages "), this);
    GroupBox4 = new QGroupBox(QStringLiteral("Tableau: "), GParamGroupBox);
    auto* tableForm = new QFormLayout(GroupBox4);
    pTableWidth = AddFormEdit(tableForm, QStringLiteral("largeur de tableau:"), 60);
    pTableMargin = AddFormEdit(tableForm, QStringLiteral("marge:"), 60);
    noJScriptChk = new QCheckBox(QStringLiteral("Plan: pas de JavaScript"), GParamGroupBox);
    QVBoxLayout* pagesColumn = ColumnOf(GParamGroupBox);
    pagesColumn->addWidget(GroupBox4);
    pagesColumn->addWidget(noJScriptChk);
    pagesColumn->addStretch(1);

    btnDefVal = new QPushButton(QStringLiteral("valeurs par défaut"), this);
    btnDefVal->setToolTip(QStringLiteral("Tout réinitialiser"));
    okBtn = new QPushButton(QStringLiteral("Accepter"), this);
    okBtn->setDefault(true);

    // Two columns of groups, the buttons below; the dialog is as large as its
    // texts need and no larger, since none of its fields grows.
    auto* grid = new QGridLayout(this);
    grid->addWidget(FrameGB, 0, 0);
    grid->addWidget(menuGB, 1, 0);
    grid->addWidget(GroupBox2, 0, 1);
    grid->addWidget(GParamGroupBox, 1, 1);
    grid->setRowStretch(1, 1);
    grid->setRowMinimumHeight(2, grid->spacing());
    grid->addWidget(btnDefVal, 3, 0, Qt::AlignLeft);
    grid->addWidget(okBtn, 3, 1, Qt::AlignRight);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    connect(btnDefVal, &QPushButton::clicked, this, [this] { btnDefValClick(); });
    connect(okBtn, &QPushButton::clicked, this, &QDialog::accept);
    AddCancelButton();
    // Alt and a letter for each button and field.
    widgets::GiveAccelerators(this);
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
