#include "animatic/titlecard.h"

#include <algorithm>
#include <string>

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QSaveFile>

#include "model/error.h"
#include "model/event.h"
#include "qtshared/uitext.h"
#include "sanitize/htmltext.h"
#include "timeline/shottiming.h"

namespace sw::animatic {

namespace {

const QColor kCardBackground(0x22, 0x25, 0x2b);
const QColor kCardHeading(0xf2, 0xf2, 0xf2);
const QColor kCardText(0xc8, 0xcc, 0xd2);
const QColor kCardNote(0x9a, 0xa0, 0xa8);

QFont CardFont(double pixelSize, bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, static_cast<int>(pixelSize)));
    font.setBold(bold);
    return font;
}

// Draws text wrapped within the width, centred, from top; returns where it ends.
double DrawCentred(QPainter& painter, const QString& text, const QFont& font, const QColor& colour, double left,
                   double width, double top, double maxHeight)
{
    if (text.isEmpty() || maxHeight <= 0)
        return top;
    painter.setFont(font);
    painter.setPen(colour);
    const QRectF box(left, top, width, maxHeight);
    const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
    const QRectF used = painter.boundingRect(box, flags, text).intersected(box);
    painter.drawText(box, flags, text);
    return top + used.height();
}

} // namespace

QString VisibleText(const std::string& htmlField)
{
    return uitext::FromUtf8(HtmlPlainText(htmlField));
}

TitleCardText MakeTitleCardText(const TEvent& shot, std::size_t number, const ShotTime& time, int defaultSeconds)
{
    TitleCardText text;
    text.heading = QString::number(number) + QStringLiteral(". ") + uitext::ToQString(shot.name).trimmed();
    const QString action = VisibleText(shot.action);
    for (const QString& line : action.split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty()) {
            text.action = line.trimmed();
            break;
        }
    }
    if (time.defaulted)
        text.notes = QStringLiteral("durée par défaut : %1 s").arg(defaultSeconds);
    return text;
}

void DrawTitleCard(QPainter& painter, QSize size, const TitleCardText& text)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(QRect(QPoint(0, 0), size), kCardBackground);
    const double height = size.height();
    const double margin = size.width() * 0.08;
    const double width = size.width() - 2 * margin;
    // A thin rule above the heading marks the card as a card, not a black frame.
    const double ruleTop = height * 0.30;
    painter.fillRect(QRectF(size.width() * 0.5 - height * 0.06, ruleTop, height * 0.12, std::max(1.0, height * 0.006)),
                     kCardNote);
    double y = ruleTop + height * 0.05;
    y = DrawCentred(painter, text.heading, CardFont(height / 11, true), kCardHeading, margin, width, y,
                    height * 0.30);
    y += height * 0.04;
    y = DrawCentred(painter, text.action, CardFont(height / 24, false), kCardText, margin, width, y,
                    height * 0.88 - y);
    DrawCentred(painter, text.notes, CardFont(height / 34, false), kCardNote, margin, width,
                std::max(y + height * 0.03, height * 0.82), height * 0.16);
    painter.restore();
}

void WriteTitleCardPng(const std::filesystem::path& png, const TEvent& shot, std::size_t number,
                       const ShotTime& time, int defaultSeconds, QSize size)
{
    const auto cannotWrite = [&png](const QString& reason) {
        throw Error("Le fichier « " + png.filename().string() + " » ne peut pas être écrit : " +
                    uitext::ToUtf8(reason));
    };
    if (size.isEmpty())
        cannotWrite(QStringLiteral("la taille de l'image est vide"));
    QImage card(size, QImage::Format_RGB32);
    {
        QPainter painter(&card);
        DrawTitleCard(painter, size, MakeTitleCardText(shot, number, time, defaultSeconds));
    }
    // QSaveFile writes beside the file and renames on commit; a file it does
    // not commit is removed.
    QSaveFile file(uitext::PathToQString(png));
    if (!file.open(QIODevice::WriteOnly))
        cannotWrite(file.errorString());
    if (!card.save(&file, "PNG")) {
        const QString reason = file.errorString();
        file.cancelWriting();
        cannotWrite(reason);
    }
    if (!file.commit())
        cannotWrite(file.errorString());
}

} // namespace sw::animatic
