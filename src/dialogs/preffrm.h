#pragma once
// Use: sw::TPrefFrm dlg(settings.AutoLoad, settings.SaveID, settings.ShowAboutAtStart, this);
//      if (dlg.exec() == QDialog::Accepted) { settings.AutoLoad = dlg.AutoLoad(); ... }

#include <QDialog>

class QCheckBox;
class QPushButton;

namespace sw {

// The preferences dialog: automatic loading of the last file, keeping the
// author name for new projects, and the About box at start-up.
class TPrefFrm : public QDialog {
    Q_OBJECT
public:
    TPrefFrm(bool autoLoad, bool saveID, bool showAboutAtStart = true, QWidget* parent = nullptr);

    bool AutoLoad() const;
    bool SaveID() const;
    bool ShowAboutAtStart() const;

    QCheckBox* AutoLoadCheck;
    QCheckBox* SaveIDCheck;
    QCheckBox* ShowAboutCheck;
    QPushButton* OkBtn;
};

} // namespace sw
