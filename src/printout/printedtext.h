#pragma once

#include <memory>
#include <vector>

#include <QFont>
#include <QPointF>
#include <QString>

class QPaintDevice;
class QPainter;
class QTextBlock;
class QTextDocument;

namespace sw::printout {

// A text laid out for the page at a width, in the device's pixels: a field
// that is HTML by design with its formatting (bold, italic, lists, line
// breaks, simple tables; cleaned first, nothing loaded), or a plain text as
// typed. It is drawn a band at a time, each band ending between two lines,
// so that it flows over as many pages as it needs and no line is ever cut.
class PrintedText {
public:
    PrintedText(const QString& text, bool html, const QFont& font, double width, QPaintDevice& device);
    ~PrintedText();
    PrintedText(PrintedText&&) noexcept;
    PrintedText& operator=(PrintedText&&) noexcept;

    bool Empty() const { return lineBottoms_.empty(); }
    double Height() const { return lineBottoms_.empty() ? 0 : lineBottoms_.back(); }
    // Where the band that starts at from ends at the latest: the lowest end
    // of a line no lower than limit that cuts no line (in a table, a line of
    // another cell); from when no line ends there.
    double BandEnd(double from, double limit) const;
    // The end of the first line below from: the least a band can take.
    double NextLineEnd(double from) const;
    // Draws the band [from, to) with its top at topLeft.
    void Draw(QPainter& painter, QPointF topLeft, double from, double to) const;
    // Where the last line ending at or above y ends, on that line's baseline:
    // for an ellipsis after the last line of a band.
    QPointF LineEndAbove(double y) const;

private:
    // The bullet or number before a list item's first line.
    void DrawListMarker(QPainter& painter, const QTextBlock& block, QPointF baselineStart) const;

    std::unique_ptr<QTextDocument> document_;
    // The ends of the lines where a band may end, in increasing order.
    std::vector<double> lineBottoms_;
    struct LineEnd {
        double bottom;
        QPointF end;
    };
    std::vector<LineEnd> lineEnds_;
};

} // namespace sw::printout
