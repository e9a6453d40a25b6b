#include "dialogs/checkstring.h"

#include <algorithm>

#include <QResizeEvent>

namespace sw {

namespace {

constexpr int kIndent = 20;
constexpr int kLabelTop = 20;
constexpr int kEditTop = 22;
constexpr int kEditHeight = 19;
constexpr int kGap = 10;

} // namespace

TCheckString::TCheckString(QWidget* parent) : QWidget(parent)
{
    resize(170, 40);
    check_ = new QCheckBox(this);
    check_->setGeometry(0, 0, width(), CheckHeight());
    label_ = new QLabel(this);
    label_->move(kIndent, kLabelTop);
    label_->adjustSize();
    label_->setEnabled(false);
    edit_ = new QLineEdit(this);
    edit_->setGeometry(kIndent, kEditTop, width() - 30, kEditHeight);
    edit_->setEnabled(false);
    QPalette colours = edit_->palette();
    colours.setColor(QPalette::Base, colours.color(QPalette::Button));
    edit_->setPalette(colours);
    connect(check_, &QCheckBox::clicked, this,
            [this] { setChecked(check_->checkState() == Qt::Checked); });
}

int TCheckString::CheckHeight() const
{
    // Down to the label's line, which starts below the box.
    return std::min(check_->sizeHint().height(), kLabelTop);
}

void TCheckString::setChecked(bool value)
{
    if (check_->isChecked() != value)
        check_->setChecked(value);
    label_->setEnabled(value);
    edit_->setEnabled(value);
    QPalette colours = edit_->palette();
    const QPalette standard = palette();
    colours.setColor(QPalette::All, QPalette::Base,
                     standard.color(QPalette::Active, value ? QPalette::Base : QPalette::Button));
    edit_->setPalette(colours);
    update();
}

void TCheckString::setCaption(const QString& caption)
{
    if (caption == check_->text())
        return;
    check_->setText(caption);
    // The box keeps its width from creation, but never cuts its caption.
    check_->resize(std::max(check_->width(), check_->sizeHint().width()), CheckHeight());
    Layout();
    updateGeometry();
    update();
}

void TCheckString::setText(const QString& text)
{
    edit_->setText(text);
    update();
}

void TCheckString::setEdCaption(const QString& caption)
{
    label_->setText(caption);
    Layout();
    updateGeometry();
}

void TCheckString::setEditWidth(int width)
{
    editWidth_ = width;
    edit_->resize(width, edit_->height());
    updateGeometry();
}

void TCheckString::Layout()
{
    label_->adjustSize();
    edit_->setGeometry(label_->x() + label_->width() + kGap, label_->y(), editWidth_, kEditHeight);
}

QSize TCheckString::sizeHint() const
{
    const int editRight = kIndent + label_->sizeHint().width() + kGap + editWidth_;
    return QSize(std::max(check_->sizeHint().width(), editRight), kEditTop + kEditHeight + 2);
}

QSize TCheckString::minimumSizeHint() const
{
    return sizeHint();
}

void TCheckString::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Layout();
}

} // namespace sw
