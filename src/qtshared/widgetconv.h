#pragma once

#include <cstdint>

#include <QColor>

// Colour values at the boundary between the model and the dialogs' widgets.
// Texts go through sw::uitext (qtshared/uitext.h).
namespace sw::widgetconv {

// A colour value 0x00BBGGRR (red in the low byte) as a Qt colour.
inline QColor ToQColor(std::int32_t value)
{
    const auto v = static_cast<std::uint32_t>(value);
    return QColor(static_cast<int>(v & 0xFFu), static_cast<int>((v >> 8) & 0xFFu),
                  static_cast<int>((v >> 16) & 0xFFu));
}

inline std::int32_t ToColorValue(const QColor& colour)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(colour.red())
                                     | (static_cast<std::uint32_t>(colour.green()) << 8)
                                     | (static_cast<std::uint32_t>(colour.blue()) << 16));
}

} // namespace sw::widgetconv
