#pragma once

#include <string>
#include <vector>

#include <QString>

#include "printout/pagecanvas.h"

namespace sw::printout {

struct TableColumn {
    QString heading;
    // The share of the body's width.
    double share = 1;
    // A picture column shows the cell's picture instead of its text.
    bool picture = false;
};

struct TableCell {
    QString text;
    std::string picture;
    // A field that is HTML by design, printed with its formatting.
    bool html = false;
};

// A table over as many pages as it needs, its headings repeated on each page.
// A row taller than what is left of the page goes on over the next pages, each
// cell's text broken between two of its lines, so that no text is ever cut.
class TablePrinter {
public:
    TablePrinter(PageCanvas& canvas, QString title, std::vector<TableColumn> columns);

    // A new page with the part's title and the headings. false when stopped.
    bool Start();
    bool AddRow(const std::vector<TableCell>& cells);
    // A line across the table heading the rows after it: the title on the
    // left, in bold, and aside on the right (a scene's running time). It
    // goes to the next page with room for a row's first line under it.
    bool AddHeadingRow(const QString& title, const QString& aside);

private:
    struct ColumnBox {
        double x;
        double width;
    };
    bool StartPage(bool first);
    void DrawHeadings();
    double PictureHeight() const;
    // Draws the band [from[c], to[c]) of each cell's text, the pictures
    // beside them on the row's first band, and the row's frames; returns the
    // height used.
    double DrawBand(const std::vector<TableCell>& cells, const std::vector<PrintedText>& texts,
                    const std::vector<double>& from, const std::vector<double>& to, bool first);

    PageCanvas& canvas_;
    QString title_;
    std::vector<TableColumn> columns_;
    std::vector<ColumnBox> boxes_;
    QFont font_;
    QFont headingFont_;
    double padding_;
    double lineHeight_;
};

} // namespace sw::printout
