#include "app/animatictimebar.h"

#include <algorithm>

#include <QMouseEvent>
#include <QPainter>

#include "app/animaticplayer.h"

namespace sw {

TAnimaticTimeBar::TAnimaticTimeBar(TAnimaticPlayer& player, QWidget* parent) : QWidget(parent), player_(player)
{
    setObjectName(QStringLiteral("AnimaticTimeBar"));
    setMinimumHeight(28);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setCursor(Qt::PointingHandCursor);
    setToolTip(QStringLiteral("Cliquez ou glissez pour aller à un moment du film"));
    connect(&player_, &TAnimaticPlayer::frameChanged, this, qOverload<>(&QWidget::update));
    connect(&player_, &TAnimaticPlayer::filmChanged, this, qOverload<>(&QWidget::update));
}

QSize TAnimaticTimeBar::sizeHint() const
{
    return {400, 28};
}

std::int64_t TAnimaticTimeBar::FrameAt(int x) const
{
    const std::int64_t frames = player_.FrameCount();
    if (frames == 0 || width() <= 1)
        return 0;
    return std::clamp<std::int64_t>(static_cast<std::int64_t>(x) * frames / width(), 0, frames - 1);
}

int TAnimaticTimeBar::XOf(std::int64_t frame) const
{
    const std::int64_t frames = player_.FrameCount();
    return frames == 0 ? 0 : static_cast<int>(frame * width() / frames);
}

void TAnimaticTimeBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& colours = palette();
    painter.fillRect(rect(), colours.color(QPalette::Base));
    const auto& times = player_.Frames().Times();
    for (std::size_t shot = 0; shot < times.size(); ++shot) {
        const QRect band(QPoint(XOf(times[shot].firstFrame), 0), QPoint(XOf(times[shot].EndFrame()) - 1, height() - 1));
        painter.fillRect(band, shot % 2 == 0 ? colours.color(QPalette::AlternateBase) : colours.color(QPalette::Button));
        painter.setPen(colours.color(QPalette::Mid));
        painter.drawLine(band.topLeft(), band.bottomLeft());
        const QString number = QString::number(shot + 1);
        if (painter.fontMetrics().horizontalAdvance(number) + 6 < band.width()) {
            painter.setPen(colours.color(QPalette::Text));
            painter.drawText(band.adjusted(3, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, number);
        }
    }
    const int x = XOf(player_.Frame());
    painter.fillRect(QRect(x - 1, 0, 3, height()), colours.color(QPalette::Highlight));
}

void TAnimaticTimeBar::mousePressEvent(QMouseEvent* event)
{
    player_.Seek(FrameAt(event->position().toPoint().x()));
}

void TAnimaticTimeBar::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        player_.Seek(FrameAt(event->position().toPoint().x()));
}

} // namespace sw
