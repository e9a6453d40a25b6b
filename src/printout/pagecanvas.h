#pragma once

#include <filesystem>
#include <string>

#include <QFont>
#include <QRectF>
#include <QString>
#include <QStringList>

#include "printout/picturequeue.h"
#include "printout/printedtext.h"
#include "printout/printout.h"

class QPagedPaintDevice;
class QPainter;

namespace sw::printout {

// The pages of one printing, in device pixels from the top left corner of the
// printable area. The plan is laid out twice with the same measures: once
// without a painter to count the pages, then with one to draw them, so that
// every page header knows the page count.
class PageCanvas {
public:
    // painter null: measures only. totalPages: known when drawing, 0 when counting.
    PageCanvas(QPagedPaintDevice& device, QPainter* painter, QString title, int totalPages,
               std::filesystem::path imgDir, const PrintProgress& progress);

    double Mm(double millimetres) const;
    double PointsToPixels(double points) const;
    // The area below the page header.
    QRectF Body() const;
    double Bottom() const { return Body().bottom(); }
    double Y() const { return y_; }
    void SetY(double y) { y_ = y; }
    double SpaceLeft() const { return Bottom() - y_; }

    // Ends the current page, if any, and starts a new one under its header.
    // false when the progress asked to stop: the caller stops at once.
    bool StartPage();
    // Ends the last page. false when the progress asked to stop.
    bool Finish();
    int Pages() const { return pages_; }
    bool Drawing() const { return painter_ != nullptr; }

    // The lines of a text (paragraphs separated by line breaks) wrapped to the
    // width; a word longer than the width breaks anywhere, so nothing is cut.
    QStringList WrapLines(const QString& text, const QFont& font, double width) const;
    double LineHeight(const QFont& font) const;
    double Ascent(const QFont& font) const;
    double TextWidth(const QString& text, const QFont& font) const;
    QString Elided(const QString& text, const QFont& font, double width) const;

    // A text laid out at the width: an HTML field with its formatting, or a
    // plain text.
    PrintedText Text(const QString& text, bool html, const QFont& font, double width) const;
    // The band [from, to) of the text with its top at topLeft.
    void DrawText(const PrintedText& text, QPointF topLeft, double from, double to);

    void DrawTextLine(double x, double top, const QString& line, const QFont& font);
    void DrawFrame(const QRectF& rect, double penWidthMm = 0.2);
    void DrawRule(double y);
    // The rectangle filled in a grey of that lightness (0 black, 1 white).
    void FillRect(const QRectF& rect, double lightness);
    // The picture fitted in the box in its proportions and centred, decoded at
    // no more than 200 dpi of its printed size; a framed placeholder with its
    // name when it cannot be read.
    void DrawPicture(const QRectF& box, const std::string& pictureName);

    // Wrapped lines flowing over as many pages as they need, from Y(). false
    // when stopped.
    bool FlowLines(const QStringList& lines, const QFont& font, double x);
    // The text flowing over as many pages as it needs, from Y(), broken
    // between lines. false when stopped.
    bool FlowText(const PrintedText& text, double x);

    QFont BodyFont(double points, bool bold = false) const;

    // The counting pass notes every picture the plan draws, in order; the
    // drawing pass takes them, decoded ahead, from the queue.
    void NotePicturesInto(std::vector<PictureRequest>& requests) { notedPictures_ = &requests; }
    void TakePicturesFrom(PictureQueue& pictures) { pictures_ = &pictures; }

private:
    void DrawHeader();
    void DrawPlaceholder(const QRectF& box, const QString& name);
    bool ReportPage();

    QPagedPaintDevice& device_;
    QPainter* painter_;
    QString title_;
    int totalPages_;
    std::filesystem::path imgDir_;
    const PrintProgress& progress_;
    int pages_ = 0;
    double y_ = 0;
    std::vector<PictureRequest>* notedPictures_ = nullptr;
    PictureQueue* pictures_ = nullptr;
};

} // namespace sw::printout
