#include "dialogs/preffrm.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "dialogs/fixeddialog.h"
#include "model/appsettings.h"

namespace sw {

namespace {

// An hour between two copies is the longest wait the dialog offers.
constexpr int kMaxAutoSaveSeconds = 3600;

TAppSettings SettingsWith(bool autoLoad, bool saveID)
{
    TAppSettings settings;
    settings.AutoLoad = autoLoad;
    settings.SaveID = saveID;
    return settings;
}

QCheckBox* AddCheck(QDialog* dialog, const char* name, const QString& caption, int y, bool checked)
{
    auto* check = new QCheckBox(caption, dialog);
    check->setObjectName(QLatin1String(name));
    check->setGeometry(24, y, 330, 22);
    check->setChecked(checked);
    return check;
}

} // namespace

TPrefFrm::TPrefFrm(const TAppSettings& settings, QWidget* parent)
    : QDialog(parent)
{
    SetUpFixedDialog(*this, QStringLiteral("Préférences"), 380, 208);
    setFont(DialogFont(12));

    AutoLoadCheck = AddCheck(this, "AutoLoadCheck", QStringLiteral("Chargement auto du dernier fichier"), 24,
                             settings.AutoLoad);
    SaveIDCheck = AddCheck(this, "SaveIDCheck", QStringLiteral("Conserver les paramètres d'identité"), 54,
                           settings.SaveID);
    KeepBackupCheck = AddCheck(this, "KeepBackupCheck", QStringLiteral("Garder une copie de la version précédente"),
                               84, settings.KeepBackup);

    AutoSaveLabel = new QLabel(QStringLiteral("Enregistrement de secours toutes les"), this);
    AutoSaveLabel->setObjectName(QStringLiteral("AutoSaveLabel"));
    AutoSaveLabel->setGeometry(24, 118, 230, 22);
    AutoSaveSpin = new QSpinBox(this);
    AutoSaveSpin->setObjectName(QStringLiteral("AutoSaveSpin"));
    AutoSaveSpin->setGeometry(256, 116, 96, 24);
    AutoSaveSpin->setRange(0, kMaxAutoSaveSeconds);
    AutoSaveSpin->setSuffix(QStringLiteral(" s"));
    AutoSaveSpin->setValue(settings.AutoSaveSeconds);
    AutoSaveSpin->setToolTip(QStringLiteral("0 : pas d'enregistrement de secours"));
    AutoSaveLabel->setBuddy(AutoSaveSpin);

    OkBtn = new QPushButton(QStringLiteral("Accepter"), this);
    OkBtn->setObjectName(QStringLiteral("OkBtn"));
    OkBtn->setGeometry(284, 168, 80, 26);
    OkBtn->setDefault(true);
    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);
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
