#pragma once
// Use: auto* c = new sw::TCheckString(parent); c->setCaption("Bordure visible");
// c->setEdCaption("largeur:"); c->setEditWidth(20); c->setChecked(true); c->setText("1").

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace sw {

// An on/off choice paired with a short text: a check box and, under it, a
// labelled edit that is enabled only while the box is checked. The text is kept
// while the box is unchecked.
class TCheckString : public QWidget {
    Q_OBJECT
public:
    explicit TCheckString(QWidget* parent = nullptr);

    bool Checked() const { return check_->isChecked(); }
    void setChecked(bool value);
    QString Caption() const { return check_->text(); }
    void setCaption(const QString& caption);
    // The edit's current content.
    QString Text() const { return edit_->text(); }
    void setText(const QString& text);
    void setEdCaption(const QString& caption);
    int EditWidth() const { return editWidth_; }
    void setEditWidth(int width);

    QCheckBox* checkBox() const { return check_; }
    QLabel* label() const { return label_; }
    QLineEdit* edit() const { return edit_; }

    // Room for the caption and for the labelled edit, for a layout.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // The edit follows the label on its line, 10 pixels after it.
    void Layout();
    int CheckHeight() const;

    QCheckBox* check_;
    QLabel* label_;
    QLineEdit* edit_;
    int editWidth_ = 100;
};

} // namespace sw
