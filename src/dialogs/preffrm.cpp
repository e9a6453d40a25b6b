#include "dialogs/preffrm.h"

#include <QCheckBox>
#include <QPushButton>

#include "dialogs/fixeddialog.h"

namespace sw {

TPrefFrm::TPrefFrm(bool autoLoad, bool saveID, QWidget* parent)
    : QDialog(parent)
{
    SetUpFixedDialog(*this, QStringLiteral("Préférences"), 327, 148);
    setFont(DialogFont(12));

    AutoLoadCheck = new QCheckBox(QStringLiteral("Chargement auto du dernier fichier"), this);
    AutoLoadCheck->setObjectName(QStringLiteral("AutoLoadCheck"));
    AutoLoadCheck->setGeometry(24, 24, 280, 22);
    AutoLoadCheck->setChecked(autoLoad);

    SaveIDCheck = new QCheckBox(QStringLiteral("Conserver les paramètres d'identité"), this);
    SaveIDCheck->setObjectName(QStringLiteral("SaveIDCheck"));
    SaveIDCheck->setGeometry(24, 54, 280, 22);
    SaveIDCheck->setChecked(saveID);

    OkBtn = new QPushButton(QStringLiteral("Accepter"), this);
    OkBtn->setObjectName(QStringLiteral("OkBtn"));
    OkBtn->setGeometry(231, 108, 80, 26);
    OkBtn->setDefault(true);
    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);
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
