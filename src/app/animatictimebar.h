#pragma once

#include <cstdint>

#include <QWidget>

namespace sw {

class TAnimaticPlayer;

// The film's time bar: each shot a band whose width is its time, with its
// number when it has room, the frame shown as a line; a click or a drag
// seeks there.
class TAnimaticTimeBar : public QWidget {
    Q_OBJECT
public:
    explicit TAnimaticTimeBar(TAnimaticPlayer& player, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    // The frame under x, and the x of a frame.
    std::int64_t FrameAt(int x) const;
    int XOf(std::int64_t frame) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    TAnimaticPlayer& player_;
};

} // namespace sw
