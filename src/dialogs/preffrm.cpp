#include "dialogs/preffrm.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QPushButton>

#include "dialogs/fixeddialog.h"

namespace sw {

TPrefFrm::TPrefFrm(bool autoLoad, bool saveID, bool showAboutAtStart, QWidget* parent)
    : QDialog(parent)
{
    SetUpDialog(*this, QStringLiteral("Préférences"));
    setFont(DialogFont(12));

    AutoLoadCheck = new QCheckBox(QStringLiteral("Chargement auto du dernier fichier"), this);
    AutoLoadCheck->setObjectName(QStringLiteral("AutoLoadCheck"));
    AutoLoadCheck->setChecked(autoLoad);

    SaveIDCheck = new QCheckBox(QStringLiteral("Conserver les paramètres d'identité"), this);
    SaveIDCheck->setObjectName(QStringLiteral("SaveIDCheck"));
    SaveIDCheck->setChecked(saveID);

    ShowAboutCheck = new QCheckBox(QStringLiteral("Afficher la fenêtre À propos au démarrage"), this);
    ShowAboutCheck->setObjectName(QStringLiteral("ShowAboutCheck"));
    ShowAboutCheck->setChecked(showAboutAtStart);

    OkBtn = new QPushButton(QStringLiteral("Accepter"), this);
    OkBtn->setObjectName(QStringLiteral("OkBtn"));
    OkBtn->setDefault(true);
    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(24, 18, 16, 14);
    for (QCheckBox* check : {AutoLoadCheck, SaveIDCheck, ShowAboutCheck})
        column->addWidget(check);
    column->addSpacing(18);
    column->addWidget(OkBtn, 0, Qt::AlignRight);
    // The dialog holds its texts and nothing more.
    column->setSizeConstraint(QLayout::SetFixedSize);
}

bool TPrefFrm::AutoLoad() const
{
    return AutoLoadCheck->isChecked();
}

bool TPrefFrm::SaveID() const
{
    return SaveIDCheck->isChecked();
}

} // namespace sw

namespace sw {

bool TPrefFrm::ShowAboutAtStart() const
{
    return ShowAboutCheck->isChecked();
}

} // namespace sw
