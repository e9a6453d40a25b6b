#include "dialogs/leditform.h"

#include <QLineEdit>
#include <QPushButton>

#include "dialogs/fixeddialog.h"
#include "qtshared/accelerators.h"

namespace sw {

TLEditForm::TLEditForm(const QString& prompt, const QString& text, QWidget* parent)
    : QDialog(parent)
{
    SetUpFixedDialog(*this, prompt.isEmpty() ? QStringLiteral("Ajouter un élément") : prompt, 276, 86);
    setFont(DialogFont(12));

    Edit1 = new QLineEdit(text, this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(12, 14, 252, 24);

    OkBtn = new QPushButton(QStringLiteral("Accepter"), this);
    OkBtn->setObjectName(QStringLiteral("OkBtn"));
    OkBtn->setGeometry(184, 50, 80, 26);
    OkBtn->setDefault(true);
    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);
    // Annuler, as Escape: no name.
    CancelBtn = new QPushButton(QStringLiteral("Annuler"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setGeometry(98, 50, 80, 26);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    RefuseBlankNames();
    // Alt and a letter for each button and field.
    widgets::GiveAccelerators(this);
}

void TLEditForm::RefuseBlankNames()
{
    // "Accepter" (and Enter, which presses it) stays off while the name is
    // empty or blank.
    const auto follow = [this](const QString& name) { OkBtn->setEnabled(!name.trimmed().isEmpty()); };
    connect(Edit1, &QLineEdit::textChanged, this, follow);
    follow(Edit1->text());
}

QString TLEditForm::Text() const
{
    return Edit1->text();
}

void TLEditForm::showEvent(QShowEvent* event)
{
    CenterOnPrimaryScreen(*this);
    QDialog::showEvent(event);
    // The whole name is selected, so that typing replaces it.
    Edit1->setFocus();
    Edit1->selectAll();
}

} // namespace sw
