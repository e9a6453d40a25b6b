#pragma once

#include <QDialog>
#include <QString>

class QCheckBox;
class QPlainTextEdit;
class QPushButton;

namespace sw {

// What taking a film editor's cut back will do, before it is done: the
// summary (each shot's new duration, the clips and shots that met nothing)
// in a list that scrolls, the choice of the cut's order, "Appliquer" and
// "Annuler".
class TCutSummaryDlg : public QDialog {
    Q_OBJECT
public:
    TCutSummaryDlg(const QString& cutName, const QString& summary, bool reorder, QWidget* parent = nullptr);

    bool Reorder() const;

    QPlainTextEdit* SummaryMemo;
    QCheckBox* ReorderBox;
    QPushButton* ApplyBtn;
    QPushButton* CancelBtn;
};

} // namespace sw
