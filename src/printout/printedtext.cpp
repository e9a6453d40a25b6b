#include "printout/printedtext.h"

#include <algorithm>

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextList>
#include <QTextOption>
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

QTextOption WrappingOption()
{
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    return option;
}

} // namespace

PrintedText::PrintedText(const QString& text, bool html, const QFont& font, double width, QPaintDevice& device)
{
    if (text.trimmed().isEmpty())
        return;
    // Most fields hold no markup at all: they are laid out as plain text,
    // which is many times quicker than a document.
    if (html && (text.contains(QLatin1Char('<')) || text.contains(QLatin1Char('&'))))
        LayOutHtml(text, font, width, device);
    else
        LayOutPlain(text, font, width, device);
    FindBreaks();
}

PrintedText::~PrintedText() = default;
PrintedText::PrintedText(PrintedText&&) noexcept = default;
PrintedText& PrintedText::operator=(PrintedText&&) noexcept = default;

void PrintedText::LayOutPlain(const QString& text, const QFont& font, double width, QPaintDevice& device)
{
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    plain.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    plain.replace(QLatin1Char('\t'), QLatin1Char(' '));
    const double lineSpacing = QFontMetricsF(font, &device).lineSpacing();
    const QTextOption option = WrappingOption();
    double y = 0;
    for (const QString& paragraph : plain.split(QLatin1Char('\n'))) {
        auto layout = std::make_unique<QTextLayout>(paragraph, font, &device);
        layout->setTextOption(option);
        layout->beginLayout();
        double lineY = 0;
        for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
            line.setLineWidth(width);
            line.setPosition(QPointF(0, lineY));
            lineY += lineSpacing;
        }
        layout->endLayout();
        const QPointF origin(0, y);
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            const double top = y + line.y();
            lines_.push_back({layout.get(), i, origin, top, top + lineSpacing,
                              QPointF(line.x() + line.naturalTextWidth(), top + line.ascent()), nullptr});
        }
        // An empty paragraph is an empty line.
        y += std::max(1, layout->lineCount()) * lineSpacing;
        if (layout->lineCount() == 0)
            lines_.push_back({nullptr, 0, origin, y - lineSpacing, y, QPointF(0, y - lineSpacing), nullptr});
        paragraphs_.push_back(std::move(layout));
    }
}

void PrintedText::LayOutHtml(const QString& html, const QFont& font, double width, QPaintDevice& device)
{
    document_ = std::make_unique<ClosedDocument>();
    document_->documentLayout()->setPaintDevice(&device);
    document_->setDocumentMargin(0);
    document_->setDefaultFont(font);
    document_->setDefaultTextOption(WrappingOption());
    const std::string cleaned = CleanUserHtml(uitext::ToUtf8(html), HtmlReach::SelfContained);
    document_->setHtml(uitext::FromUtf8(WithTypedLineBreaks(cleaned)));
    document_->setTextWidth(width);
    if (document_->toPlainText().trimmed().isEmpty())
        return;
    QAbstractTextDocumentLayout* layout = document_->documentLayout();
    for (QTextBlock block = document_->begin(); block.isValid(); block = block.next()) {
        const QTextLayout* blockLayout = block.layout();
        if (blockLayout == nullptr || blockLayout->lineCount() == 0)
            continue;
        // Where the document draws the block's lines (a table cell's too).
        const QPointF origin = layout->blockBoundingRect(block).topLeft();
        const QTextBlock* listItem = nullptr;
        if (block.textList() != nullptr)
            listItem = listItems_.emplace_back(std::make_unique<QTextBlock>(block)).get();
        for (int i = 0; i < blockLayout->lineCount(); ++i) {
            const QTextLine line = blockLayout->lineAt(i);
            const double top = origin.y() + line.y();
            lines_.push_back({blockLayout, i, origin, top, top + line.height(),
                              origin + QPointF(line.x() + line.naturalTextWidth(), line.y() + line.ascent()),
                              i == 0 ? listItem : nullptr});
        }
    }
}

void PrintedText::FindBreaks()
{
    // A line's end is a place to break when no other line spans it (the
    // cells of a table side by side).
    std::vector<std::pair<double, double>> spans;
    for (const Line& line : lines_)
        spans.emplace_back(line.top, line.bottom);
    std::sort(spans.begin(), spans.end());
    std::vector<double> bottoms;
    for (const auto& span : spans)
        bottoms.push_back(span.second);
    std::sort(bottoms.begin(), bottoms.end());
    bottoms.erase(std::unique(bottoms.begin(), bottoms.end()), bottoms.end());
    std::size_t next = 0;
    double reach = 0;
    for (const double bottom : bottoms) {
        while (next < spans.size() && spans[next].first < bottom) {
            reach = std::max(reach, spans[next].second);
            ++next;
        }
        if (reach <= bottom + 0.01)
            breaks_.push_back(bottom);
    }
    const double height = document_ ? document_->size().height() : 0;
    if (!breaks_.empty() && breaks_.back() < height)
        breaks_.push_back(height);
}

double PrintedText::BandEnd(double from, double limit) const
{
    const auto after = std::upper_bound(breaks_.begin(), breaks_.end(), limit + 0.01);
    if (after == breaks_.begin())
        return from;
    return std::max(from, *std::prev(after));
}

double PrintedText::NextLineEnd(double from) const
{
    const auto next = std::upper_bound(breaks_.begin(), breaks_.end(), from + 0.01);
    return next == breaks_.end() ? Height() : *next;
}

void PrintedText::Draw(QPainter& painter, QPointF topLeft, double from, double to) const
{
    if (to <= from)
        return;
    // Line by line: the document's own drawing would put the whole of a long
    // paragraph in the file, hidden or not, on every page it crosses.
    painter.save();
    painter.translate(topLeft.x(), topLeft.y() - from);
    painter.setPen(Qt::black);
    for (const Line& line : lines_) {
        if (line.layout == nullptr || line.top < from - 0.5 || line.bottom > to + 0.5)
            continue;
        // The marker first, so that the file reads it before its item.
        if (line.listItem != nullptr)
            DrawListMarker(painter, *line.listItem, QPointF(line.origin.x() + line.layout->lineAt(line.index).x(),
                                                            line.end.y()));
        line.layout->lineAt(line.index).draw(&painter, line.origin);
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
    painter.drawText(baselineStart - QPointF(metrics.horizontalAdvance(marker) + metrics.averageCharWidth(), 0),
                     marker);
}

QPointF PrintedText::LineEndAbove(double y) const
{
    QPointF end;
    double lowest = -1;
    for (const Line& line : lines_) {
        if (line.bottom <= y + 0.01 && line.bottom >= lowest) {
            lowest = line.bottom;
            end = line.end;
        }
    }
    return end;
}

} // namespace sw::printout
