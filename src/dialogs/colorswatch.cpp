#include "dialogs/colorswatch.h"

#include <QMouseEvent>

#include "qtshared/widgetconv.h"

namespace sw {

TColorSwatch::TColorSwatch(QWidget* parent) : QLabel(parent)
{
    setAutoFillBackground(true);
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    ApplyPalette();
}

void TColorSwatch::SetColor(std::int32_t value)
{
    color_ = value;
    ApplyPalette();
}

void TColorSwatch::SetFontColor(std::int32_t value)
{
    fontColor_ = value;
    ApplyPalette();
}

void TColorSwatch::ApplyPalette()
{
    QPalette colours = palette();
    colours.setColor(QPalette::Window, widgetconv::ToQColor(color_));
    colours.setColor(QPalette::WindowText, widgetconv::ToQColor(fontColor_));
    setPalette(colours);
}

void TColorSwatch::mousePressEvent(QMouseEvent* event)
{
    QLabel::mousePressEvent(event);
    emit pressed(event->button());
}

} // namespace sw
