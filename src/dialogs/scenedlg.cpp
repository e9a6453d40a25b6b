#include "dialogs/scenedlg.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "qtshared/accelerators.h"
#include "qtshared/uitext.h"
#include "screenplay/fountain.h"

namespace sw {

using uitext::ToQString;

TSceneDlg::TSceneDlg(const QString& title, const TScene& scene, QWidget* parent) : QDialog(parent), scene_(scene)
{
    setWindowTitle(title);
    setObjectName(QStringLiteral("SceneDlg"));
    NumberEdit = new QLineEdit(ToQString(scene.number), this);
    NumberEdit->setObjectName(QStringLiteral("NumberEdit"));
    NumberEdit->setPlaceholderText(QStringLiteral("12A"));
    NumberEdit->setMaxLength(16);
    HeadingEdit = new QLineEdit(ToQString(scene.heading), this);
    HeadingEdit->setObjectName(QStringLiteral("HeadingEdit"));
    HeadingEdit->setPlaceholderText(QStringLiteral("INT. CUISINE - JOUR"));
    HeadingEdit->setMinimumWidth(HeadingEdit->fontMetrics().averageCharWidth() * 40);
    PartsLabel = new QLabel(this);
    PartsLabel->setObjectName(QStringLiteral("PartsLabel"));
    SynopsisEdit = new QPlainTextEdit(uitext::ToEditorText(scene.synopsis), this);
    SynopsisEdit->setObjectName(QStringLiteral("SynopsisEdit"));
    SynopsisEdit->setTabChangesFocus(true);
    SynopsisEdit->setFixedHeight(SynopsisEdit->fontMetrics().lineSpacing() * 5);
    OmittedBox = new QCheckBox(QStringLiteral("Omise (le scénario ne l'a plus)"), this);
    OmittedBox->setObjectName(QStringLiteral("OmittedBox"));
    OmittedBox->setChecked(scene.omitted);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Numéro"), NumberEdit);
    form->addRow(QStringLiteral("En-tête"), HeadingEdit);
    form->addRow(QString(), PartsLabel);
    form->addRow(QStringLiteral("Résumé"), SynopsisEdit);
    form->addRow(QString(), OmittedBox);

    OkBtn = new QPushButton(QStringLiteral("Accepter"), this);
    OkBtn->setObjectName(QStringLiteral("OkBtn"));
    OkBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("Annuler"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(CancelBtn);
    buttons->addWidget(OkBtn);

    auto* column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addLayout(buttons);
    connect(NumberEdit, &QLineEdit::textChanged, this, &TSceneDlg::FollowFields);
    connect(HeadingEdit, &QLineEdit::textChanged, this, &TSceneDlg::FollowFields);
    FollowFields();
    widgets::GiveAccelerators(this);
    HeadingEdit->setFocus();
}

void TSceneDlg::FollowFields()
{
    const HeadingParts parts = SplitSceneHeading(uitext::FromLineText(HeadingEdit->text()));
    QStringList shown;
    for (const std::string* part : {&parts.interiorExterior, &parts.place, &parts.timeOfDay})
        if (!part->empty())
            shown << ToQString(*part);
    PartsLabel->setText(shown.join(QStringLiteral(" · ")));
    OkBtn->setEnabled(!NumberEdit->text().trimmed().isEmpty() || !HeadingEdit->text().trimmed().isEmpty());
}

TScene TSceneDlg::Scene() const
{
    TScene scene = scene_;
    scene.number = uitext::FromLineText(NumberEdit->text().trimmed());
    scene.heading = uitext::FromLineText(HeadingEdit->text().trimmed());
    scene.synopsis = uitext::FromEditorText(SynopsisEdit->toPlainText());
    scene.omitted = OmittedBox->isChecked();
    return scene;
}

} // namespace sw
