#pragma once
// Use: auto* s = new sw::TColorSwatch(parent); s->SetColor(0x808000); s->SetColorName("teal");
// connect(s, &sw::TColorSwatch::pressed, ...).

#include <cstdint>

#include <QLabel>

namespace sw {

// A coloured panel that carries a colour value and a colour name (its hint) and
// reports presses; it may show a caption in a font and colour of its own.
class TColorSwatch : public QLabel {
    Q_OBJECT
public:
    explicit TColorSwatch(QWidget* parent = nullptr);

    std::int32_t Color() const { return color_; }
    void SetColor(std::int32_t value);
    QString ColorName() const { return toolTip(); }
    void SetColorName(const QString& name) { setToolTip(name); }
    std::int32_t FontColor() const { return fontColor_; }
    void SetFontColor(std::int32_t value);

signals:
    void pressed(Qt::MouseButton button);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void ApplyPalette();

    std::int32_t color_ = 0;
    std::int32_t fontColor_ = 0;
};

} // namespace sw
