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
};

// A table over as many pages as it needs, its headings repeated on each page.
// A row taller than what is left of the page goes on over the next pages, its
// wrapped lines split between them, so that no text is ever cut.
class TablePrinter {
public:
    TablePrinter(PageCanvas& canvas, QString title, std::vector<TableColumn> columns);

    // A new page with the part's title and the headings. false when stopped.
    bool Start();
    bool AddRow(const std::vector<TableCell>& cells);

private:
    struct ColumnBox {
        double x;
        double width;
    };
    bool StartPage(bool first);
    void DrawHeadings();
    double PictureHeight() const;
    // Draws lines [from, from + count) of each cell, the pictures beside them
    // when from is 0, and the row's frames; returns the height used.
    double DrawFragment(const std::vector<TableCell>& cells, const std::vector<QStringList>& lines, int from,
                        int count);

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
