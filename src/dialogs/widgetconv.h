#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include <QColor>
#include <QString>

#include "model/cp1252.h"

// Conversions at the boundary between the model and the dialogs' widgets.
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

// A Windows-1252 model text for a widget.
inline QString ToQString(std::string_view cp1252)
{
    const std::u16string utf16 = Cp1252ToUtf16(cp1252);
    return QString::fromUtf16(utf16.data(), static_cast<qsizetype>(utf16.size()));
}

// A widget's text for the model, in Windows-1252.
inline std::string ToCp1252(const QString& text)
{
    return Utf16ToCp1252(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                             static_cast<std::size_t>(text.size())));
}

} // namespace sw::widgetconv
