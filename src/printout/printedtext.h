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
class QTextLayout;

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

    bool Empty() const { return breaks_.empty(); }
    double Height() const { return breaks_.empty() ? 0 : breaks_.back(); }
    // Where the band that starts at from ends at the latest: the lowest end
    // of a line no lower than limit that cuts no line (in a table, a line of
    // another cell); from when no line ends there.
    double BandEnd(double from, double limit) const;
    // The end of the first line below from: the least a band can take.
    double NextLineEnd(double from) const;
    // Draws the band [from, to) with its top at topLeft, line by line: each
    // line of a text split over pages is in the file once.
    void Draw(QPainter& painter, QPointF topLeft, double from, double to) const;
    // Where the last line ending at or above y ends, on that line's baseline:
    // for an ellipsis after the last line of a band.
    QPointF LineEndAbove(double y) const;

private:
    struct Line {
        const QTextLayout* layout;
        int index;
        QPointF origin;  // the layout's place in the text
        double top;
        double bottom;
        QPointF end;     // the end of its text, on its baseline
        // The block's list item marker goes before its first line.
        const QTextBlock* listItem;
    };
    void LayOutPlain(const QString& text, const QFont& font, double width, QPaintDevice& device);
    void LayOutHtml(const QString& html, const QFont& font, double width, QPaintDevice& device);
    void FindBreaks();
    void DrawListMarker(QPainter& painter, const QTextBlock& block, QPointF baselineStart) const;

    std::unique_ptr<QTextDocument> document_;
    std::vector<std::unique_ptr<QTextLayout>> paragraphs_;
    std::vector<std::unique_ptr<QTextBlock>> listItems_;
    std::vector<Line> lines_;     // in the order they are drawn
    std::vector<double> breaks_;  // where a band may end, in increasing order
};

} // namespace sw::printout
