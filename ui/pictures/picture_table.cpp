#include "ui/pictures/picture_table.h"

#include <numeric>

#include "ui/pictures/picture_style.h"

namespace ui::pictures {

namespace {

constexpr qreal cell_padding = 8;

void add_row(PictureDescription& description, const Table& table, const std::vector<Cell>& cells,
             qreal top, qreal height, bool heading) {
    const qreal width =
        std::accumulate(table.column_widths.begin(), table.column_widths.end(), 0.0);
    qreal right = table.top_left.x() + width;
    for (std::size_t column = 0; column < cells.size(); ++column) {
        const qreal column_width = table.column_widths.at(column);
        const QRectF cell(right - column_width, top, column_width, height);
        const Cell& content = cells[column];
        description.add(Text{.rect = cell.adjusted(cell_padding, 0, -cell_padding, 0),
                             .text = content.text,
                             .pixel_size = content.pixel_size,
                             .bold = content.bold,
                             .colour = style::ink,
                             .alignment = content.alignment,
                             .cell = TableCell{static_cast<int>(column), heading}});
        right -= column_width;
    }
}

}  // namespace

qreal add_table(PictureDescription& description, const Table& table) {
    const qreal width =
        std::accumulate(table.column_widths.begin(), table.column_widths.end(), 0.0);
    const qreal left = table.top_left.x();
    const qreal top = table.top_left.y();
    const qreal bottom =
        top + table.header_height + table.row_height * static_cast<qreal>(table.rows.size());

    description.add(
        Shape{.rect = {left, top, width, table.header_height}, .fill = style::header_fill});
    for (std::size_t row = 1; row < table.rows.size(); row += 2) {
        const qreal row_top =
            top + table.header_height + table.row_height * static_cast<qreal>(row);
        description.add(
            Shape{.rect = {left, row_top, width, table.row_height}, .fill = style::row_fill});
    }

    // Rules: the frame, one under each row, one between columns.
    description.add(Shape{
        .rect = {left, top, width, bottom - top}, .outline = style::rule, .outline_width = 1.5});
    for (std::size_t row = 0; row < table.rows.size(); ++row) {
        const qreal y = top + table.header_height + table.row_height * static_cast<qreal>(row);
        description.add(Shape{.kind = Shape::Kind::line,
                              .rect = QRectF(QPointF(left, y), QPointF(left + width, y)),
                              .outline = style::rule});
    }
    qreal x = left + width;
    for (std::size_t column = 0; column + 1 < table.column_widths.size(); ++column) {
        x -= table.column_widths[column];
        description.add(Shape{.kind = Shape::Kind::line,
                              .rect = QRectF(QPointF(x, top), QPointF(x, bottom)),
                              .outline = style::rule});
    }

    add_row(description, table, table.header, top, table.header_height, true);
    for (std::size_t row = 0; row < table.rows.size(); ++row) {
        add_row(description, table, table.rows[row],
                top + table.header_height + table.row_height * static_cast<qreal>(row),
                table.row_height, false);
    }
    return bottom;
}

}  // namespace ui::pictures
