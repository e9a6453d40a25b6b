#include "printout/pagecanvas.h"

#include <algorithm>
#include <cmath>

#include <QFontMetricsF>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>
#include <QTextLayout>
#include <QTextOption>

#include "model/picturename.h"
#include "pictures/picturefiles.h"
#include "qtshared/uitext.h"

namespace sw::printout {

namespace {

constexpr double kHeaderPoints = 8;
constexpr double kHeaderGapMm = 6;
// Pictures are embedded at this resolution of their printed size at most:
// sharp on paper, small in the file.
constexpr double kPictureDpi = 200;

} // namespace

PageCanvas::PageCanvas(QPagedPaintDevice& device, QPainter* painter, QString title, int totalPages,
                       std::filesystem::path imgDir, const PrintProgress& progress)
    : device_(device), painter_(painter), title_(std::move(title)), totalPages_(totalPages),
      imgDir_(std::move(imgDir)), progress_(progress)
{
}

double PageCanvas::Mm(double millimetres) const
{
    return millimetres * device_.logicalDpiY() / 25.4;
}

double PageCanvas::PointsToPixels(double points) const
{
    return points * device_.logicalDpiY() / 72.0;
}

QRectF PageCanvas::Body() const
{
    const double top = LineHeight(BodyFont(kHeaderPoints)) + Mm(kHeaderGapMm);
    return QRectF(0, top, device_.width(), device_.height() - top);
}

QFont PageCanvas::BodyFont(double points, bool bold) const
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

bool PageCanvas::StartPage()
{
    if (pages_ > 0) {
        if (!ReportPage())
            return false;
        if (Drawing() && !device_.newPage())
            return false;
    }
    ++pages_;
    DrawHeader();
    y_ = Body().top();
    return true;
}

bool PageCanvas::Finish()
{
    return pages_ == 0 || ReportPage();
}

bool PageCanvas::ReportPage()
{
    // Only the drawing pass reports: the counting pass is quick and knows no total.
    if (!Drawing() || !progress_)
        return true;
    return progress_(pages_, totalPages_);
}

void PageCanvas::DrawHeader()
{
    if (!Drawing())
        return;
    const QFont font = BodyFont(kHeaderPoints);
    const QString number = QStringLiteral("page %1 / %2").arg(pages_).arg(totalPages_);
    const QFontMetricsF metrics(font, &device_);
    const double numberWidth = metrics.horizontalAdvance(number);
    DrawTextLine(0, 0, Elided(title_, font, device_.width() - numberWidth - Mm(5)), font);
    DrawTextLine(device_.width() - numberWidth, 0, number, font);
    DrawRule(LineHeight(font) + Mm(1));
}

QStringList PageCanvas::WrapLines(const QString& text, const QFont& font, double width) const
{
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    plain.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    plain.replace(QLatin1Char('\t'), QLatin1Char(' '));
    QStringList lines;
    if (plain.isEmpty())
        return lines;
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    for (const QString& paragraph : plain.split(QLatin1Char('\n'))) {
        if (paragraph.isEmpty()) {
            lines.append(QString());
            continue;
        }
        QTextLayout layout(paragraph, font, &device_);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            lines.append(paragraph.mid(line.textStart(), line.textLength()));
        }
        layout.endLayout();
    }
    return lines;
}

double PageCanvas::LineHeight(const QFont& font) const
{
    return QFontMetricsF(font, &device_).lineSpacing();
}

double PageCanvas::Ascent(const QFont& font) const
{
    return QFontMetricsF(font, &device_).ascent();
}

double PageCanvas::TextWidth(const QString& text, const QFont& font) const
{
    return QFontMetricsF(font, &device_).horizontalAdvance(text);
}

QString PageCanvas::Elided(const QString& text, const QFont& font, double width) const
{
    return QFontMetricsF(font, &device_).elidedText(text, Qt::ElideRight, width);
}

PrintedText PageCanvas::Text(const QString& text, bool html, const QFont& font, double width) const
{
    return PrintedText(text, html, font, width, device_);
}

void PageCanvas::DrawText(const PrintedText& text, QPointF topLeft, double from, double to)
{
    if (Drawing())
        text.Draw(*painter_, topLeft, from, to);
}

void PageCanvas::DrawTextLine(double x, double top, const QString& line, const QFont& font)
{
    if (!Drawing() || line.isEmpty())
        return;
    painter_->setFont(font);
    painter_->setPen(Qt::black);
    painter_->drawText(QPointF(x, top + QFontMetricsF(font, &device_).ascent()), line);
}

void PageCanvas::DrawFrame(const QRectF& rect, double penWidthMm)
{
    if (!Drawing())
        return;
    painter_->setPen(QPen(QColor(0x55, 0x55, 0x55), Mm(penWidthMm)));
    painter_->setBrush(Qt::NoBrush);
    painter_->drawRect(rect);
}

void PageCanvas::FillRect(const QRectF& rect, double lightness)
{
    if (!Drawing())
        return;
    const int level = static_cast<int>(std::clamp(lightness, 0.0, 1.0) * 255 + 0.5);
    painter_->fillRect(rect, QColor(level, level, level));
}

void PageCanvas::DrawRule(double y)
{
    if (!Drawing())
        return;
    painter_->setPen(QPen(QColor(0x55, 0x55, 0x55), Mm(0.2)));
    painter_->drawLine(QPointF(0, y), QPointF(device_.width(), y));
}

void PageCanvas::DrawPicture(const QRectF& box, const std::string& pictureName)
{
    if (pictureName.empty())
        return;
    const double pixelsPerDot = device_.logicalDpiX() / kPictureDpi;
    const QSize pictureBox(std::max(1, static_cast<int>(std::floor(box.width() / pixelsPerDot))),
                           std::max(1, static_cast<int>(std::floor(box.height() / pixelsPerDot))));
    const PictureRequest request{PictureFile(imgDir_, pictureName).value_or(std::filesystem::path()), pictureBox};
    if (!Drawing()) {
        if (notedPictures_ && !request.file.empty())
            notedPictures_->push_back(request);
        return;
    }
    QImage picture;
    if (!request.file.empty())
        picture = pictures_ ? pictures_->Take(request) : LoadPictureForBox(request.file, request.box);
    if (picture.isNull()) {
        DrawPlaceholder(box, uitext::ToQString(pictureName));
        return;
    }
    QSizeF printed = QSizeF(picture.size()).scaled(box.size(), Qt::KeepAspectRatio);
    const QRectF target(box.x() + (box.width() - printed.width()) / 2,
                        box.y() + (box.height() - printed.height()) / 2, printed.width(), printed.height());
    painter_->drawImage(target, picture);
}

void PageCanvas::DrawPlaceholder(const QRectF& box, const QString& name)
{
    DrawFrame(box);
    const QFont font = BodyFont(7);
    const QStringList lines = WrapLines(QStringLiteral("image introuvable : %1").arg(name), font,
                                        box.width() - Mm(2));
    const double lineHeight = LineHeight(font);
    double top = box.center().y() - lines.size() * lineHeight / 2;
    for (const QString& line : lines) {
        if (top + lineHeight > box.bottom())
            break;
        const double width = QFontMetricsF(font, &device_).horizontalAdvance(line);
        DrawTextLine(box.center().x() - width / 2, top, line, font);
        top += lineHeight;
    }
}

bool PageCanvas::FlowLines(const QStringList& lines, const QFont& font, double x)
{
    const double lineHeight = LineHeight(font);
    for (const QString& line : lines) {
        if (y_ + lineHeight > Bottom() && !StartPage())
            return false;
        DrawTextLine(x, y_, line, font);
        y_ += lineHeight;
    }
    return true;
}

bool PageCanvas::FlowText(const PrintedText& text, double x)
{
    double from = 0;
    while (from < text.Height()) {
        double to = text.BandEnd(from, from + SpaceLeft());
        if (to <= from) {
            // Not one more line fits here: on a new page, or, on a page of
            // its own already, the line goes as it is.
            if (y_ > Body().top()) {
                if (!StartPage())
                    return false;
                continue;
            }
            to = text.NextLineEnd(from);
        }
        DrawText(text, QPointF(x, y_), from, to);
        y_ += to - from;
        from = to;
        if (from < text.Height() && !StartPage())
            return false;
    }
    return true;
}

} // namespace sw::printout
