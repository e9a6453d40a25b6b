#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include <QString>

// Conversions between the model's UTF-8 texts and paths and the widgets'
// texts.
namespace sw::uitext {

inline QString ToQString(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string ToUtf8(const QString& text)
{
    return text.toStdString();
}

// Multi-line model texts keep CR LF breaks; the text widgets work with LF.
inline QString ToEditorText(std::string_view utf8)
{
    QString text = ToQString(utf8);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

inline std::string FromEditorText(const QString& text)
{
    QString crlf = text;
    crlf.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    crlf.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return ToUtf8(crlf);
}

// A one-line edit's text for the model: a pasted line break becomes a blank,
// so that the text stays on its line in the line-based files.
inline std::string FromLineText(const QString& text)
{
    QString line = text;
    line.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return ToUtf8(line);
}

// UTF-8 messages (sw::Error, notifications) for message boxes.
inline QString FromUtf8(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline QString PathToQString(const std::filesystem::path& path)
{
    return QString::fromStdString(path.string());
}

inline std::filesystem::path QStringToPath(const QString& text)
{
    return std::filesystem::path(text.toStdString());
}

} // namespace sw::uitext
