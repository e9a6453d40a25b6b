#include "dialogs/preffrm.h"

#include <QCheckBox>
#include <QPushButton>

namespace sw {

TPrefFrm::TPrefFrm(bool autoLoad, bool saveID, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setFixedSize(327, 148);
    QFont formFont(QStringLiteral("Arial"));
    formFont.setPixelSize(12);
    setFont(formFont);
    setWindowTitle(QStringLiteral("Préférences"));

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
