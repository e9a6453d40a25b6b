#pragma once
// Use: sw::TPrefFrm dlg(settings, this);
//      if (dlg.exec() == QDialog::Accepted) dlg.ApplyTo(settings);

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace sw {

class TAppSettings;

// The preferences dialog: automatic loading of the last file, keeping the
// author name for new projects, keeping the
// previous version of a saved file, and the seconds between two recovery
// copies (0: none).
class TPrefFrm : public QDialog {
    Q_OBJECT
public:
    // The dialog shows the settings' values.
    explicit TPrefFrm(const TAppSettings& settings, QWidget* parent = nullptr);
    // The first settings as given, the others at their defaults.
    TPrefFrm(bool autoLoad, bool saveID, QWidget* parent = nullptr);

    bool AutoLoad() const;
    bool SaveID() const;
    bool KeepBackup() const;
    int AutoSaveSeconds() const;
    // Gives the settings the dialog's values.
    void ApplyTo(TAppSettings& settings) const;

    QCheckBox* AutoLoadCheck;
    QCheckBox* SaveIDCheck;
    QCheckBox* KeepBackupCheck;
    QLabel* AutoSaveLabel;
    QSpinBox* AutoSaveSpin;
    QPushButton* OkBtn;
    QPushButton* CancelBtn;
};

} // namespace sw
