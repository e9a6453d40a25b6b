#pragma once
// Use: sw::TPdfExportDlg dlg(PlanOptionsFromSettings(settings), this);
//      if (dlg.exec() == QDialog::Accepted) options = dlg.Options();

#include <QDialog>

#include "export/planoptions.h"

class QCheckBox;
class QComboBox;
class QPushButton;

namespace sw {

// The choices of a PDF export: which parts of the plan, the storyboard's
// panels per page and the paper. "Accepter" needs at least one part.
class TPdfExportDlg : public QDialog {
    Q_OBJECT
public:
    TPdfExportDlg(const PlanOptions& options, QWidget* parent = nullptr);

    PlanOptions Options() const;

    QCheckBox* FirstPageChk;
    QCheckBox* ContinuityChk;
    QCheckBox* BreakdownChk;
    QCheckBox* StoryboardChk;
    QComboBox* GridCombo;
    QComboBox* PaperCombo;
    QPushButton* OkBtn;
    QPushButton* CancelBtn;

private:
    void BuildParts();
    void BuildPageChoices();
    void BuildButtons();
    void ShowOptions(const PlanOptions& options);
    // "Accepter" with a part at least; the grid only for the storyboard.
    void EnableControls();
};

} // namespace sw
