#pragma once

#include <QColor>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>
#include <variant>
#include <vector>

namespace ui::pictures {

/// A filled and/or outlined shape. An invalid colour draws nothing; a valid `fill_to` fades the
/// fill from top to bottom.
struct Shape {
    enum class Kind { rectangle, rounded_rectangle, ellipse, line };
    Kind kind = Kind::rectangle;
    QRectF rect{};  // for a line: from top-left to bottom-right
    QColor fill{};
    QColor fill_to{};
    QColor outline{};
    qreal outline_width = 1;
    qreal radius = 0;
};

/// Where a text stands in a table: its column (the first is the rightmost) and whether it heads
/// the column. Screen readers hear each row as one sentence with its columns' headings.
struct TableCell {
    int column = 0;
    bool heading = false;
};

/// One paragraph of text, wrapped at word boundaries inside `rect`.
struct Text {
    QRectF rect{};
    QString text{};
    int pixel_size = 16;
    bool bold = false;
    QColor colour = Qt::black;
    /// Horizontal alignment is absolute: right means right whatever the direction.
    Qt::Alignment alignment = Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignTop;
    Qt::LayoutDirection direction = Qt::RightToLeft;
    /// Whether a word too long for a line may be broken between two characters.
    bool break_anywhere = false;
    /// Set for the cells of a table.
    std::optional<TableCell> cell{};
};

using Item = std::variant<Shape, Text>;

/// A picture as data: its pixel size, ground and items, painted in order.
struct PictureDescription {
    QSize size{};
    QColor ground = Qt::white;
    std::vector<Item> items{};

    void add(Item item) { items.push_back(std::move(item)); }
};

/// The texts of a description, in painting order.
QStringList texts_of(const PictureDescription& description);

/// The text items of a description, in painting order.
std::vector<Text> text_items_of(const PictureDescription& description);

/// Everything a description draws as words, in reading order, one line a paragraph; each table
/// row reads as a sentence, "heading: cell" for each column. What a screen reader says of the
/// picture, so the words cannot drift from what it shows.
QString reading_text(const PictureDescription& description);

}  // namespace ui::pictures
