#include "dialogs/preffrm.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "dialogs/fixeddialog.h"
#include "model/appsettings.h"
#include "qtshared/accelerators.h"

namespace sw {

namespace {

TAppSettings SettingsWith(bool autoLoad, bool saveID)
{
    TAppSettings settings;
    settings.AutoLoad = autoLoad;
    settings.SaveID = saveID;
    return settings;
}

QCheckBox* AddCheck(QDialog* dialog, const char* name, const QString& caption, bool checked)
{
    auto* check = new QCheckBox(caption, dialog);
    check->setObjectName(QLatin1String(name));
    check->setChecked(checked);
    return check;
}

} // namespace

TPrefFrm::TPrefFrm(const TAppSettings& settings, QWidget* parent)
    : QDialog(parent)
{
    SetUpDialog(*this, QStringLiteral("Préférences"));
    setFont(DialogFont(12));

    AutoLoadCheck =
        AddCheck(this, "AutoLoadCheck", QStringLiteral("Chargement auto du dernier fichier"), settings.AutoLoad);
    SaveIDCheck =
        AddCheck(this, "SaveIDCheck", QStringLiteral("Conserver les paramètres d'identité"), settings.SaveID);
    KeepBackupCheck = AddCheck(this, "KeepBackupCheck", QStringLiteral("Garder une copie de la version précédente"),
                               settings.KeepBackup);

    AutoSaveLabel = new QLabel(QStringLiteral("Enregistrement de secours toutes les"), this);
    AutoSaveLabel->setObjectName(QStringLiteral("AutoSaveLabel"));
    AutoSaveSpin = new QSpinBox(this);
    AutoSaveSpin->setObjectName(QStringLiteral("AutoSaveSpin"));
    AutoSaveSpin->setRange(0, TAppSettings::kMaxAutoSaveSeconds);
    AutoSaveSpin->setSuffix(QStringLiteral(" s"));
    AutoSaveSpin->setValue(settings.AutoSaveSeconds);
    AutoSaveSpin->setToolTip(QStringLiteral("0 : pas d'enregistrement de secours"));
    AutoSaveLabel->setBuddy(AutoSaveSpin);

    OkBtn = new QPushButton(QStringLiteral("Accepter"), this);
    OkBtn->setObjectName(QStringLiteral("OkBtn"));
    OkBtn->setDefault(true);
    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);
    // Annuler, as Escape, keeps the settings as they were.
    CancelBtn = new QPushButton(QStringLiteral("Annuler"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(24, 18, 16, 14);
    for (QCheckBox* check : {AutoLoadCheck, SaveIDCheck, KeepBackupCheck})
        column->addWidget(check);
    auto* autoSaveRow = new QHBoxLayout;
    autoSaveRow->addWidget(AutoSaveLabel);
    autoSaveRow->addWidget(AutoSaveSpin);
    autoSaveRow->addStretch(1);
    column->addLayout(autoSaveRow);
    column->addSpacing(18);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(CancelBtn);
    buttons->addWidget(OkBtn);
    column->addLayout(buttons);
    // The dialog holds its texts and nothing more.
    column->setSizeConstraint(QLayout::SetFixedSize);
    // Alt and a letter for each button and field.
    widgets::GiveAccelerators(this);
}

TPrefFrm::TPrefFrm(bool autoLoad, bool saveID, QWidget* parent)
    : TPrefFrm(SettingsWith(autoLoad, saveID), parent)
{
}

bool TPrefFrm::AutoLoad() const
{
    return AutoLoadCheck->isChecked();
}

bool TPrefFrm::SaveID() const
{
    return SaveIDCheck->isChecked();
}

bool TPrefFrm::KeepBackup() const
{
    return KeepBackupCheck->isChecked();
}

int TPrefFrm::AutoSaveSeconds() const
{
    return AutoSaveSpin->value();
}

void TPrefFrm::ApplyTo(TAppSettings& settings) const
{
    settings.AutoLoad = AutoLoad();
    settings.SaveID = SaveID();
    settings.KeepBackup = KeepBackup();
    settings.AutoSaveSeconds = AutoSaveSeconds();
}

} // namespace sw
