#pragma once

#include <QString>

#include <vector>

#include "ui/pictures/picture_description.h"

namespace ui::pictures {

struct Cell {
    QString text{};
    int pixel_size = 16;
    bool bold = false;
    Qt::Alignment alignment = Qt::AlignCenter;
};

/// A ruled table that reads right to left: the first column is the rightmost.
struct Table {
    QPointF top_left{};
    std::vector<qreal> column_widths{};
    qreal header_height = 40;
    qreal row_height = 40;
    std::vector<Cell> header{};
    std::vector<std::vector<Cell>> rows{};
};

/// Adds the table's fills, rules and cell texts; returns the y of its bottom edge.
qreal add_table(PictureDescription& description, const Table& table);

}  // namespace ui::pictures
