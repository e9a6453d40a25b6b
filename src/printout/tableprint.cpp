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
    const std::size_t count = std::min(columns_.size(), cells.size());
    std::vector<PrintedText> texts;
    bool hasPicture = false;
    double firstLine = lineHeight_;
    for (std::size_t column = 0; column < count; ++column) {
        const QFont& font = column < 2 ? headingFont_ : font_;
        texts.push_back(canvas_.Text(cells[column].text, cells[column].html, font, boxes_[column].width - 2 * padding_));
        firstLine = std::max(firstLine, texts.back().NextLineEnd(0));
        hasPicture = hasPicture || (columns_[column].picture && !cells[column].picture.empty());
    }
    // The row starts where its first lines and its picture fit.
    const double pictureHeight = hasPicture ? PictureHeight() : 0;
    if (canvas_.SpaceLeft() < std::max(firstLine, pictureHeight) + 2 * padding_ && !StartPage(false))
        return false;
    std::vector<double> from(count, 0.0);
    std::vector<double> to(count, 0.0);
    bool first = true;
    while (true) {
        const double space = canvas_.SpaceLeft() - 2 * padding_;
        bool done = true;
        bool moved = false;
        for (std::size_t column = 0; column < count; ++column) {
            to[column] = texts[column].BandEnd(from[column], from[column] + space);
            moved = moved || to[column] > from[column];
            done = done && to[column] >= texts[column].Height();
        }
        // A line taller than a whole page goes as it is rather than never.
        if (!moved && !done)
            for (std::size_t column = 0; column < count; ++column)
                if (from[column] < texts[column].Height())
                    to[column] = texts[column].NextLineEnd(from[column]);
        canvas_.SetY(canvas_.Y() + DrawBand(cells, texts, from, to, first));
        first = false;
        from = to;
        bool finished = true;
        for (std::size_t column = 0; column < count; ++column)
            finished = finished && from[column] >= texts[column].Height();
        if (finished)
            return true;
        if (!StartPage(false))
            return false;
    }
}

bool TablePrinter::AddHeadingRow(const QString& title, const QString& aside)
{
    const QFont font = canvas_.BodyFont(kBodyPoints + 1.5, true);
    const double height = canvas_.LineHeight(font) + 2 * padding_;
    if (canvas_.SpaceLeft() < height + lineHeight_ + 2 * padding_ && !StartPage(false))
        return false;
    const double top = canvas_.Y();
    const double width = canvas_.Body().width();
    const QRectF band(0, top, width, height);
    canvas_.FillRect(band, 0.9);
    canvas_.DrawFrame(band);
    const double asideWidth = aside.isEmpty() ? 0 : canvas_.TextWidth(aside, font) + 2 * padding_;
    canvas_.DrawTextLine(padding_, top + padding_, canvas_.Elided(title, font, width - asideWidth - 2 * padding_),
                         font);
    if (!aside.isEmpty())
        canvas_.DrawTextLine(width - asideWidth + padding_, top + padding_, aside, font);
    canvas_.SetY(top + height);
    return true;
}

double TablePrinter::DrawBand(const std::vector<TableCell>& cells, const std::vector<PrintedText>& texts,
                              const std::vector<double>& from, const std::vector<double>& to, bool first)
{
    const double top = canvas_.Y();
    double used = lineHeight_;
    for (std::size_t column = 0; column < texts.size(); ++column) {
        const ColumnBox& box = boxes_[column];
        if (first && columns_[column].picture && !cells[column].picture.empty()) {
            const double pictureHeight = PictureHeight();
            canvas_.DrawPicture(QRectF(box.x + padding_, top + padding_, box.width - 2 * padding_, pictureHeight),
                                cells[column].picture);
            used = std::max(used, pictureHeight);
            continue;
        }
        canvas_.DrawText(texts[column], QPointF(box.x + padding_, top + padding_), from[column], to[column]);
        used = std::max(used, to[column] - from[column]);
    }
    const double height = used + 2 * padding_;
    for (const ColumnBox& box : boxes_)
        canvas_.DrawFrame(QRectF(box.x, top, box.width, height));
    return height;
}

} // namespace sw::printout
