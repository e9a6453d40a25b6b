#include "dialogs/parallignbutton.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

// The glyph strip sits in the editor library's resources, which a static
// library must register itself.
static void InitGlyphResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(styledlg);
        return true;
    }();
    (void)registered;
}

namespace sw {

TParAlignButton::TParAlignButton(QWidget* parent)
    : QWidget(parent), caption_(QStringLiteral("Alignement: "))
{
    BuildGlyphs();
    UpdateGeometry();
    setFixedHeight(glyphSize);
}

void TParAlignButton::BuildGlyphs()
{
    InitGlyphResources();
    glyphStrip_ = QImage(QStringLiteral(":/PARBTNIMG"), "XPM");
    // White is the transparent colour of the strip.
    QImage strip = glyphStrip_.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < strip.height(); ++y)
        for (int x = 0; x < strip.width(); ++x)
            if ((strip.pixel(x, y) & 0xFFFFFFu) == 0xFFFFFFu)
                strip.setPixel(x, y, 0u);
    for (int i = 0; i < 4; ++i) {
        QImage cell(glyphSize, glyphSize, QImage::Format_ARGB32);
        cell.fill(Qt::transparent);
        if (!strip.isNull())
            cell = strip.copy(glyphSize * i, 0, glyphSize, glyphSize);
        glyphs_[static_cast<size_t>(i)] = QPixmap::fromImage(cell);
    }
}

QFont TParAlignButton::CaptionFont() const
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(9);
    return font;
}

void TParAlignButton::UpdateGeometry()
{
    captionWidth_ = QFontMetrics(CaptionFont()).horizontalAdvance(caption_) + 4;
    const int width = expanded_ ? 2 * glyphSize + captionWidth_ + 2
                                : captionWidth_ + glyphSize + 4;
    if (width != this->width()) {
        setFixedWidth(width);
        updateGeometry();
    }
}

QSize TParAlignButton::sizeHint() const
{
    return {width(), glyphSize};
}

void TParAlignButton::setParIndex(int index)
{
    if (index == parIndex_)
        return;
    parIndex_ = index;
    update();
}

void TParAlignButton::setParAlignType(TParAlignType type)
{
    if (type != parAlignType_) {
        parAlignType_ = type;
        parIndex_ = static_cast<int>(type);
    }
    update();
}

void TParAlignButton::paintEvent(QPaintEvent*)
{
    UpdateGeometry();
    QPainter painter(this);
    painter.setFont(CaptionFont());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRect(0, 0, captionWidth_, glyphSize), Qt::AlignLeft | Qt::AlignVCenter,
                     caption_);
    if (expanded_) {
        const int x0 = captionWidth_ - 2 * glyphSize;
        painter.setBrush(Qt::white);
        painter.setPen(Qt::black);
        painter.drawRect(x0 - 2, 0, 4 * glyphSize + 3, glyphSize - 1);
        for (int i = 0; i < 4; ++i)
            painter.drawPixmap(x0 + glyphSize * i, 0, glyphs_[static_cast<size_t>(i)]);
    } else if (parIndex_ >= 0 && parIndex_ < 4) {
        painter.drawPixmap(captionWidth_, 0, glyphs_[static_cast<size_t>(parIndex_)]);
    }
}

void TParAlignButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        expanded_ = true;
        // The strip reaches left over the caption; raise the control above its
        // neighbours while it is open.
        if (parentWidget() != nullptr)
            raise();
    }
    UpdateGeometry();
    update();
}

void TParAlignButton::mouseReleaseEvent(QMouseEvent* event)
{
    const int x = event->position().toPoint().x();
    const int b = captionWidth_ - 2 * glyphSize;
    if (x > b)
        parIndex_ = 0;
    if (x > b + glyphSize)
        parIndex_ = 1;
    if (x > b + 2 * glyphSize)
        parIndex_ = 2;
    if (x > b + 3 * glyphSize)
        parIndex_ = 3;
    expanded_ = false;
    UpdateGeometry();
    update();
}

} // namespace sw
