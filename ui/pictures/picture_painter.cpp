#include "ui/pictures/picture_painter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "print/fonts.h"

namespace ui::pictures {

using print::window_font;

namespace {

// 96 dots per inch, so that point sizes mean the same on every device.
constexpr int dots_per_metre = 3780;

QImage blank_picture(QSize size) {
    QImage image(size, picture_format);
    image.setDotsPerMeterX(dots_per_metre);
    image.setDotsPerMeterY(dots_per_metre);
    return image;
}

QBrush fill_brush(const Shape& shape) {
    if (!shape.fill_to.isValid()) {
        return shape.fill;
    }
    QLinearGradient gradient(shape.rect.topLeft(), shape.rect.bottomLeft());
    gradient.setColorAt(0, shape.fill);
    gradient.setColorAt(1, shape.fill_to);
    return gradient;
}

void paint_shape(QPainter& painter, const Shape& shape) {
    painter.setPen(shape.outline.isValid() ? QPen(shape.outline, shape.outline_width)
                                           : QPen(Qt::NoPen));
    painter.setBrush(shape.fill.isValid() ? fill_brush(shape) : QBrush(Qt::NoBrush));
    switch (shape.kind) {
        case Shape::Kind::rectangle:
            painter.drawRect(shape.rect);
            break;
        case Shape::Kind::rounded_rectangle:
            painter.drawRoundedRect(shape.rect, shape.radius, shape.radius);
            break;
        case Shape::Kind::ellipse:
            painter.drawEllipse(shape.rect);
            break;
        case Shape::Kind::line:
            painter.drawLine(shape.rect.topLeft(), shape.rect.bottomRight());
            break;
    }
}

void paint_text(QPainter& painter, const Text& text) {
    painter.setFont(picture_font(text));
    painter.setPen(text.colour);
    painter.drawText(text.rect, text.text, text_option(text));
}

}  // namespace

QFont picture_font(const Text& text) {
    QFont font = window_font(12, text.bold);
    font.setPixelSize(text.pixel_size);
    // Pictures look the same whatever the screen's hinting and sub-pixel settings.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::NoSubpixelAntialias);
    return font;
}

QTextOption text_option(const Text& text) {
    QTextOption option(text.alignment);
    option.setTextDirection(text.direction);
    option.setWrapMode(text.break_anywhere ? QTextOption::WrapAtWordBoundaryOrAnywhere
                                           : QTextOption::WordWrap);
    return option;
}

QRectF text_extent(const Text& text) {
    QImage scratch = blank_picture({1, 1});
    QPainter painter(&scratch);
    painter.setFont(picture_font(text));
    return painter.boundingRect(text.rect, text.text, text_option(text));
}

QImage paint_picture(const PictureDescription& description) {
    QImage image = blank_picture(description.size);
    image.fill(description.ground);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const Item& item : description.items) {
        std::visit(
            [&painter](const auto& drawn) {
                if constexpr (std::is_same_v<std::decay_t<decltype(drawn)>, Shape>) {
                    paint_shape(painter, drawn);
                } else {
                    paint_text(painter, drawn);
                }
            },
            item);
    }
    return image;
}

}  // namespace ui::pictures
