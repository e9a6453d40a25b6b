#pragma once

// What the printout tests share: a scratch folder, a project with pictures,
// and the poppler tools that read a PDF back.

#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <string>

#include <QColor>
#include <QImage>
#include <QRegularExpression>
#include <QPainter>
#include <QString>

#include "commandrun.h"
#include "document/projectdocument.h"

namespace sw::printout::test {

namespace fs = std::filesystem;

class ScratchFolder : public swtest::ScratchFolder {
public:
    ScratchFolder() : swtest::ScratchFolder("shotweave-printout-") {}
};

using swtest::CommandOutput;
using swtest::Quoted;

// A picture that a JPEG keeps in some detail: bands of colour and a frame.
inline void WritePicture(const fs::path& file, int width, int height, int seed)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(QColor::fromHsv((seed * 37) % 360, 120, 230));
    QPainter painter(&picture);
    for (int band = 0; band < 8; ++band)
        painter.fillRect(0, band * height / 8, width / (band + 2), height / 16,
                         QColor::fromHsv((seed * 37 + band * 40) % 360, 200, 150));
    painter.setPen(QPen(Qt::black, 8));
    painter.drawRect(4, 4, width - 8, height - 8);
    painter.end();
    picture.save(QString::fromStdString(file.string()), "JPG", 85);
}

// Everything but blanks and line breaks, so that texts wrapped over lines and
// pages compare with the texts themselves.
inline std::string WithoutBlanks(const std::string& text)
{
    std::string compact;
    for (char c : text)
        if (c != ' ' && c != '\n' && c != '\r' && c != '\t' && c != '\f')
            compact += c;
    return compact;
}

// Qt's regular expressions: the standard library's do not build cleanly
// under the sanitizers with warnings as errors.
inline QRegularExpressionMatch Search(const std::string& text, const std::string& pattern)
{
    return QRegularExpression(QString::fromStdString(pattern)).match(QString::fromStdString(text));
}

inline bool Contains(const std::string& text, const std::string& pattern)
{
    return Search(text, pattern).hasMatch();
}

inline std::string ReplaceAll(const std::string& text, const std::string& pattern, const std::string& by)
{
    return QString::fromStdString(text)
        .replace(QRegularExpression(QString::fromStdString(pattern)), QString::fromStdString(by))
        .toStdString();
}

inline int PageCount(const fs::path& pdf)
{
    const QRegularExpressionMatch match = Search(CommandOutput("pdfinfo " + Quoted(pdf)), "Pages:\\s+(\\d+)");
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

} // namespace sw::printout::test
