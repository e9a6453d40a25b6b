#pragma once

// What the animatic tests share: a scratch folder, pictures the tests draw,
// a WAV file the tests write, mean colours, and ffprobe and ffmpeg to read
// a video back.

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string>

#include <QColor>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRect>
#include <QString>

#include "commandrun.h"
#include "document/projectdocument.h"

namespace sw::animatic::test {

namespace fs = std::filesystem;

class ScratchFolder : public swtest::ScratchFolder {
public:
    ScratchFolder() : swtest::ScratchFolder("shotweave-animatic-") {}
};

using swtest::CommandOutput;
using swtest::Quoted;

inline QString ToQ(const fs::path& path)
{
    return QString::fromStdString(path.string());
}

inline void WriteSolidPicture(const fs::path& file, const QColor& colour, int width = 400, int height = 300)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(colour);
    picture.save(ToQ(file), "PNG");
}

// Dark on one side, bright on the other: from left to right when
// horizontal, from bottom to top otherwise.
inline void WriteGradientPicture(const fs::path& file, bool horizontal, int width = 400, int height = 300)
{
    QImage picture(width, height, QImage::Format_RGB32);
    QPainter painter(&picture);
    QLinearGradient gradient(horizontal ? QPointF(0, 0) : QPointF(0, height),
                             horizontal ? QPointF(width, 0) : QPointF(0, 0));
    gradient.setColorAt(0, Qt::black);
    gradient.setColorAt(1, Qt::white);
    painter.fillRect(picture.rect(), gradient);
    painter.end();
    picture.save(ToQ(file), "PNG");
}

// Four coloured quadrants and a white square in the middle: detail in every
// part of the frame.
inline void WriteQuadrantPicture(const fs::path& file, int width = 400, int height = 300)
{
    QImage picture(width, height, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.fillRect(0, 0, width / 2, height / 2, QColor(200, 40, 40));
    painter.fillRect(width / 2, 0, width - width / 2, height / 2, QColor(40, 200, 40));
    painter.fillRect(0, height / 2, width / 2, height - height / 2, QColor(40, 40, 200));
    painter.fillRect(width / 2, height / 2, width - width / 2, height - height / 2, QColor(220, 220, 40));
    painter.fillRect(width * 3 / 8, height * 3 / 8, width / 4, height / 4, Qt::white);
    painter.end();
    picture.save(ToQ(file), "PNG");
}

struct MeanColour {
    double red = 0;
    double green = 0;
    double blue = 0;
    double Brightness() const { return (red + green + blue) / 3; }
};

inline MeanColour MeanOf(const QImage& image, QRect area = {})
{
    if (area.isNull())
        area = image.rect();
    MeanColour mean;
    double count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor colour = image.pixelColor(x, y);
            mean.red += colour.red();
            mean.green += colour.green();
            mean.blue += colour.blue();
            ++count;
        }
    if (count > 0) {
        mean.red /= count;
        mean.green /= count;
        mean.blue /= count;
    }
    return mean;
}

// The mean difference of two images of the same size, per channel, 0 to 255.
inline double MeanDifference(const QImage& a, const QImage& b)
{
    double total = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y);
            const QColor q = b.pixelColor(x, y);
            total += std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) + std::abs(p.blue() - q.blue());
        }
    return total / (3.0 * a.width() * a.height());
}

// A 16-bit PCM WAV file of a 440 Hz tone.
inline void WriteWav(const fs::path& file, double seconds, int rate = 44100, int channels = 2)
{
    const auto samples = static_cast<std::uint32_t>(seconds * rate);
    const std::uint32_t dataBytes = samples * static_cast<std::uint32_t>(channels) * 2;
    std::ofstream out(file, std::ios::binary);
    const auto put32 = [&out](std::uint32_t value) {
        for (int i = 0; i < 4; ++i)
            out.put(static_cast<char>((value >> (8 * i)) & 0xff));
    };
    const auto put16 = [&out](std::uint16_t value) {
        out.put(static_cast<char>(value & 0xff));
        out.put(static_cast<char>(value >> 8));
    };
    out.write("RIFF", 4);
    put32(36 + dataBytes);
    out.write("WAVEfmt ", 8);
    put32(16);
    put16(1);
    put16(static_cast<std::uint16_t>(channels));
    put32(static_cast<std::uint32_t>(rate));
    put32(static_cast<std::uint32_t>(rate * channels * 2));
    put16(static_cast<std::uint16_t>(channels * 2));
    put16(16);
    out.write("data", 4);
    put32(dataBytes);
    for (std::uint32_t i = 0; i < samples; ++i) {
        const auto value = static_cast<std::int16_t>(8000 * std::sin(2 * 3.14159265358979 * 440 * i / rate));
        for (int channel = 0; channel < channels; ++channel)
            put16(static_cast<std::uint16_t>(value));
    }
}

inline std::string ReadBytes(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A shot of duration seconds with its pictures.
inline TEvent& AddShot(ProjectDocument& project, const std::string& duration, const std::string& start = {},
                       const std::string& end = {})
{
    TEvent& shot = project.EventList.AddEvent();
    shot.cam.duration = duration;
    shot.cam.startImage = start;
    shot.cam.endImage = end;
    return shot;
}

} // namespace sw::animatic::test
