#pragma once

#include <QColor>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QStringList>

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

}  // namespace ui::pictures
