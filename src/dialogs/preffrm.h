#pragma once
// Use: sw::TPrefFrm dlg(settings.AutoLoad, settings.SaveID, this);
//      if (dlg.exec() == QDialog::Accepted) { settings.AutoLoad = dlg.AutoLoad(); settings.SaveID = dlg.SaveID(); }

#include <QDialog>

class QCheckBox;
class QPushButton;

namespace sw {

// The preferences dialog: automatic loading of the last file and keeping the
// author name for new projects.
class TPrefFrm : public QDialog {
    Q_OBJECT
public:
    TPrefFrm(bool autoLoad, bool saveID, QWidget* parent = nullptr);

    bool AutoLoad() const;
    bool SaveID() const;

    QCheckBox* AutoLoadCheck;
    QCheckBox* SaveIDCheck;
    QPushButton* OkBtn;
};

} // namespace sw
