#include "printout/printedtext.h"

#include <algorithm>

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextList>
#include <QVariant>

#include "qtshared/uitext.h"
#include "sanitize/htmlcleaner.h"
#include "sanitize/htmllines.h"

namespace sw::printout {

namespace {

// Rich text that loads nothing: a picture or a style sheet named in a
// project's HTML is neither read from the disk nor fetched.
class ClosedDocument : public QTextDocument {
protected:
    QVariant loadResource(int, const QUrl&) override { return {}; }
};

} // namespace

PrintedText::PrintedText(const QString& text, bool html, const QFont& font, double width, QPaintDevice& device)
    : document_(std::make_unique<ClosedDocument>())
{
    document_->documentLayout()->setPaintDevice(&device);
    document_->setDocumentMargin(0);
    document_->setDefaultFont(font);
    QTextOption option = document_->defaultTextOption();
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document_->setDefaultTextOption(option);
    if (html) {
        const std::string cleaned = CleanUserHtml(uitext::ToUtf8(text), HtmlReach::SelfContained);
        document_->setHtml(uitext::FromUtf8(WithTypedLineBreaks(cleaned)));
    } else {
        QString plain = text;
        plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        plain.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        document_->setPlainText(plain);
    }
    document_->setTextWidth(width);
    if (document_->toPlainText().trimmed().isEmpty())
        return;

    // Every line, as the document lays it out (table cells included).
    struct Line {
        double top;
        double bottom;
        QPointF end;
    };
    std::vector<Line> lines;
    for (QTextBlock block = document_->begin(); block.isValid(); block = block.next()) {
        const QTextLayout* blockLayout = block.layout();
        if (blockLayout == nullptr)
            continue;
        // Where the document draws the block's lines (a table cell's too).
        const QPointF origin = document_->documentLayout()->blockBoundingRect(block).topLeft();
        for (int i = 0; i < blockLayout->lineCount(); ++i) {
            const QTextLine line = blockLayout->lineAt(i);
            const double top = origin.y() + line.y();
            lines.push_back({top, top + line.height(),
                             QPointF(origin.x() + line.x() + line.naturalTextWidth(), top + line.ascent())});
        }
    }
    std::sort(lines.begin(), lines.end(), [](const Line& a, const Line& b) { return a.top < b.top; });
    // A line's end is a place to break when no other line spans it.
    std::vector<double> bottoms;
    for (const Line& line : lines)
        bottoms.push_back(line.bottom);
    std::sort(bottoms.begin(), bottoms.end());
    bottoms.erase(std::unique(bottoms.begin(), bottoms.end()), bottoms.end());
    std::size_t next = 0;
    double reach = 0;
    for (const double bottom : bottoms) {
        while (next < lines.size() && lines[next].top < bottom) {
            reach = std::max(reach, lines[next].bottom);
            ++next;
        }
        if (reach <= bottom + 0.01)
            lineBottoms_.push_back(bottom);
    }
    const double height = document_->size().height();
    if (lineBottoms_.empty() || lineBottoms_.back() < height)
        lineBottoms_.push_back(std::max(height, lineBottoms_.empty() ? 0.0 : lineBottoms_.back()));
    for (const Line& line : lines)
        lineEnds_.push_back({line.bottom, line.end});
    std::sort(lineEnds_.begin(), lineEnds_.end(),
              [](const LineEnd& a, const LineEnd& b) { return a.bottom < b.bottom; });
}

PrintedText::~PrintedText() = default;
PrintedText::PrintedText(PrintedText&&) noexcept = default;
PrintedText& PrintedText::operator=(PrintedText&&) noexcept = default;

double PrintedText::BandEnd(double from, double limit) const
{
    const auto after = std::upper_bound(lineBottoms_.begin(), lineBottoms_.end(), limit + 0.01);
    if (after == lineBottoms_.begin())
        return from;
    return std::max(from, *std::prev(after));
}

double PrintedText::NextLineEnd(double from) const
{
    const auto next = std::upper_bound(lineBottoms_.begin(), lineBottoms_.end(), from + 0.01);
    return next == lineBottoms_.end() ? Height() : *next;
}

void PrintedText::Draw(QPainter& painter, QPointF topLeft, double from, double to) const
{
    if (to <= from)
        return;
    // Line by line, each line of the band once: the document's own drawing
    // would put the whole of a long paragraph in the file, hidden or not,
    // on every page it crosses.
    painter.save();
    painter.translate(topLeft.x(), topLeft.y() - from);
    painter.setPen(Qt::black);
    QAbstractTextDocumentLayout* layout = document_->documentLayout();
    for (QTextBlock block = document_->begin(); block.isValid(); block = block.next()) {
        const QTextLayout* blockLayout = block.layout();
        if (blockLayout == nullptr || blockLayout->lineCount() == 0)
            continue;
        const QRectF box = layout->blockBoundingRect(block);
        if (box.bottom() <= from || box.top() >= to)
            continue;
        for (int i = 0; i < blockLayout->lineCount(); ++i) {
            const QTextLine line = blockLayout->lineAt(i);
            const double top = box.top() + line.y();
            if (top < from - 0.5 || top + line.height() > to + 0.5)
                continue;
            // The marker first, so that the file reads it before its item.
            if (i == 0 && block.textList() != nullptr)
                DrawListMarker(painter, block, box.topLeft() + QPointF(line.x(), line.y() + line.ascent()));
            line.draw(&painter, box.topLeft());
        }
    }
    painter.restore();
}

void PrintedText::DrawListMarker(QPainter& painter, const QTextBlock& block, QPointF baselineStart) const
{
    const QTextList* list = block.textList();
    const QTextListFormat::Style style = list->format().style();
    QString marker = list->itemText(block);
    if (style == QTextListFormat::ListDisc || marker.isEmpty())
        marker = QStringLiteral("•");
    else if (style == QTextListFormat::ListCircle)
        marker = QStringLiteral("◦");
    else if (style == QTextListFormat::ListSquare)
        marker = QStringLiteral("▪");
    const QFont font = block.charFormat().font();
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    painter.drawText(baselineStart - QPointF(metrics.horizontalAdvance(marker) + metrics.averageCharWidth(), 0), marker);
}

QPointF PrintedText::LineEndAbove(double y) const
{
    QPointF end;
    for (const LineEnd& line : lineEnds_) {
        if (line.bottom > y + 0.01)
            break;
        end = line.end;
    }
    return end;
}

} // namespace sw::printout
