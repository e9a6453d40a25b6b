#pragma once
// Use: sw::TLEditForm dlg(QStringLiteral("nom du plan"), name, this);
//      if (dlg.exec() == QDialog::Accepted) name = dlg.Text();

#include <QDialog>
#include <QString>

class QLineEdit;
class QPushButton;

namespace sw {

// The one-line name entry; its caption is the prompt. An empty or blank name
// cannot be accepted.
class TLEditForm : public QDialog {
    Q_OBJECT
public:
    // An empty prompt keeps the form's own caption "Ajouter un élément".
    TLEditForm(const QString& prompt, const QString& text, QWidget* parent = nullptr);

    QString Text() const;

    QLineEdit* Edit1;
    QPushButton* OkBtn;
    QPushButton* CancelBtn;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void RefuseBlankNames();
};

} // namespace sw
