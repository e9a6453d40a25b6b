#include "printout/tableprint.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace sw::printout {

namespace {

constexpr double kBodyPoints = 8.5;
constexpr double kTitlePoints = 14;
constexpr double kPaddingMm = 1.2;

} // namespace

TablePrinter::TablePrinter(PageCanvas& canvas, QString title, std::vector<TableColumn> columns)
    : canvas_(canvas), title_(std::move(title)), columns_(std::move(columns)),
      font_(canvas.BodyFont(kBodyPoints)), headingFont_(canvas.BodyFont(kBodyPoints, true)),
      padding_(canvas.Mm(kPaddingMm)),
      lineHeight_(std::max(canvas.LineHeight(font_), canvas.LineHeight(headingFont_)))
{
    const double shares = std::accumulate(columns_.begin(), columns_.end(), 0.0,
                                          [](double sum, const TableColumn& column) { return sum + column.share; });
    const double width = canvas_.Body().width();
    double x = 0;
    for (const TableColumn& column : columns_) {
        const double columnWidth = width * column.share / shares;
        boxes_.push_back({x, columnWidth});
        x += columnWidth;
    }
}

bool TablePrinter::Start()
{
    return StartPage(true);
}

bool TablePrinter::StartPage(bool first)
{
    if (!canvas_.StartPage())
        return false;
    if (first) {
        const QFont titleFont = canvas_.BodyFont(kTitlePoints, true);
        canvas_.DrawTextLine(0, canvas_.Y(), title_, titleFont);
        canvas_.SetY(canvas_.Y() + canvas_.LineHeight(titleFont) + canvas_.Mm(2));
    }
    DrawHeadings();
    return true;
}

void TablePrinter::DrawHeadings()
{
    const double top = canvas_.Y();
    const double height = lineHeight_ + 2 * padding_;
    for (std::size_t column = 0; column < columns_.size(); ++column) {
        const ColumnBox& box = boxes_[column];
        canvas_.DrawFrame(QRectF(box.x, top, box.width, height));
        canvas_.DrawTextLine(box.x + padding_, top + padding_,
                             canvas_.Elided(columns_[column].heading, headingFont_, box.width - 2 * padding_),
                             headingFont_);
    }
    canvas_.SetY(top + height);
}

double TablePrinter::PictureHeight() const
{
    for (std::size_t column = 0; column < columns_.size(); ++column)
        if (columns_[column].picture)
            return (boxes_[column].width - 2 * padding_) * 3 / 4;
    return 0;
}

bool TablePrinter::AddRow(const std::vector<TableCell>& cells)
{
    std::vector<QStringList> lines;
    int lineCount = 0;
    bool hasPicture = false;
    for (std::size_t column = 0; column < columns_.size() && column < cells.size(); ++column) {
        const QFont& font = column < 2 ? headingFont_ : font_;
        lines.push_back(canvas_.WrapLines(cells[column].text, font, boxes_[column].width - 2 * padding_));
        lineCount = std::max(lineCount, static_cast<int>(lines.back().size()));
        hasPicture = hasPicture || (columns_[column].picture && !cells[column].picture.empty());
    }
    // The row starts where its first line and its picture fit.
    const double pictureHeight = hasPicture ? PictureHeight() : 0;
    const double headHeight = std::max(lineHeight_, pictureHeight) + 2 * padding_;
    if (canvas_.SpaceLeft() < headHeight && !StartPage(false))
        return false;
    int from = 0;
    while (true) {
        const double textSpace = canvas_.SpaceLeft() - 2 * padding_;
        const int fitting = std::max(1, static_cast<int>(std::floor(textSpace / lineHeight_)));
        const int count = std::min(fitting, lineCount - from);
        canvas_.SetY(canvas_.Y() + DrawFragment(cells, lines, from, count));
        from += count;
        if (from >= lineCount)
            return true;
        if (!StartPage(false))
            return false;
    }
}

double TablePrinter::DrawFragment(const std::vector<TableCell>& cells, const std::vector<QStringList>& lines,
                                  int from, int count)
{
    const double top = canvas_.Y();
    const double pictureHeight = from == 0 ? PictureHeight() : 0;
    double used = std::max(count, 1) * lineHeight_;
    for (std::size_t column = 0; column < lines.size(); ++column) {
        const ColumnBox& box = boxes_[column];
        double textTop = top + padding_;
        if (from == 0 && columns_[column].picture && !cells[column].picture.empty()) {
            canvas_.DrawPicture(QRectF(box.x + padding_, textTop, box.width - 2 * padding_, pictureHeight),
                                cells[column].picture);
            used = std::max(used, pictureHeight);
            continue;
        }
        const QFont& font = column < 2 ? headingFont_ : font_;
        const QStringList& cellLines = lines[column];
        for (int line = from; line < from + count && line < cellLines.size(); ++line)
            canvas_.DrawTextLine(box.x + padding_, textTop + (line - from) * lineHeight_, cellLines[line], font);
    }
    const double height = used + 2 * padding_;
    for (const ColumnBox& box : boxes_)
        canvas_.DrawFrame(QRectF(box.x, top, box.width, height));
    return height;
}

} // namespace sw::printout
