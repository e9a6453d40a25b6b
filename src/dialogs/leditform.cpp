#include "dialogs/leditform.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace sw {

TLEditForm::TLEditForm(const QString& prompt, const QString& text, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setFixedSize(276, 86);
    QFont formFont(QStringLiteral("Arial"));
    formFont.setPixelSize(12);
    setFont(formFont);
    setWindowTitle(prompt.isEmpty() ? QStringLiteral("Ajouter un élément") : prompt);

    Edit1 = new QLineEdit(text, this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(12, 14, 252, 24);

    OkBtn = new QPushButton(QStringLiteral("Accepter"), this);
    OkBtn->setObjectName(QStringLiteral("OkBtn"));
    OkBtn->setGeometry(184, 50, 80, 26);
    OkBtn->setDefault(true);
    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);
}

QString TLEditForm::Text() const
{
    return Edit1->text();
}

void TLEditForm::showEvent(QShowEvent* event)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
    // The whole name is selected, so that typing replaces it.
    Edit1->setFocus();
    Edit1->selectAll();
}

} // namespace sw
