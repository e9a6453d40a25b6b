#include "dialogs/cutsummarydlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "qtshared/accelerators.h"

namespace sw {

TCutSummaryDlg::TCutSummaryDlg(const QString& cutName, const QString& summary, bool reorder, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("CutSummaryDlg"));
    setWindowTitle(QStringLiteral("Importer un montage"));
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(QStringLiteral("Le montage « %1 » donne aux plans ces durées :").arg(cutName), this);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    SummaryMemo = new QPlainTextEdit(summary, this);
    SummaryMemo->setObjectName(QStringLiteral("SummaryMemo"));
    SummaryMemo->setReadOnly(true);
    SummaryMemo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    SummaryMemo->setMinimumSize(520, 260);
    layout->addWidget(SummaryMemo, 1);

    ReorderBox = new QCheckBox(QStringLiteral("Donner aussi aux plans l'ordre du montage"), this);
    ReorderBox->setObjectName(QStringLiteral("ReorderBox"));
    ReorderBox->setChecked(reorder);
    layout->addWidget(ReorderBox);

    auto* buttons = new QDialogButtonBox(this);
    ApplyBtn = buttons->addButton(QStringLiteral("Appliquer"), QDialogButtonBox::AcceptRole);
    ApplyBtn->setObjectName(QStringLiteral("ApplyBtn"));
    ApplyBtn->setDefault(true);
    CancelBtn = buttons->addButton(QStringLiteral("Annuler"), QDialogButtonBox::RejectRole);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    widgets::GiveAccelerators(this);
}

bool TCutSummaryDlg::Reorder() const
{
    return ReorderBox->isChecked();
}

} // namespace sw
