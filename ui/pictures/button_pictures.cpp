#include "ui/pictures/button_pictures.h"

#include "ui/form_style.h"

namespace ui::pictures {

namespace {

Shape filled(QRectF rect, QColor fill, QColor fill_to = {}) {
    return Shape{.rect = rect, .fill = fill, .fill_to = fill_to};
}

}  // namespace

PictureDescription ok_button_description() {
    // The window fills the picture, so no ground shows beside the button's own face.
    PictureDescription picture{.size = {37, 34}, .ground = {0, 0, 96}};
    picture.add(filled({1, 1, 35, 8}, {0, 40, 160}, {40, 140, 230}));
    for (const qreal x : {20.0, 25.0, 30.0}) {
        picture.add(filled({x, 3, 4, 4}, {220, 220, 220}));
    }
    picture.add(filled({1, 9, 35, 24}, {255, 255, 255}));
    picture.add(filled({4, 12, 29, 4}, {0, 160, 60}));
    for (const qreal y : {19.0, 23.0, 27.0}) {
        picture.add(filled({4, y, y == 27.0 ? 18.0 : 29.0, 2}, {150, 150, 150}));
    }
    return picture;
}

PictureDescription about_button_description() {
    PictureDescription picture{.size = {64, 36}, .ground = QColor(colours::green)};
    picture.add(Shape{.kind = Shape::Kind::ellipse,
                      .rect = {16, 2, 32, 32},
                      .fill = {70, 130, 255},
                      .fill_to = {0, 20, 150},
                      .outline = {255, 255, 255},
                      .outline_width = 1.5});
    Text mark{.rect = {16, 2, 32, 32},
              .text = QStringLiteral("?"),
              .pixel_size = 26,
              .bold = true,
              .colour = Qt::white,
              .alignment = Qt::AlignCenter,
              .direction = Qt::LeftToRight};
    picture.add(mark);
    return picture;
}

}  // namespace ui::pictures
