#pragma once

#include <QColor>
#include <QRect>
#include <QSize>

namespace ui {

/// Places are kept in twips of a window's client area, as the forms were drawn; 15 twips make
/// one pixel at 96 dots per inch. Qt's device-pixel ratio scales the pixels on dense screens.
inline constexpr int twips_per_pixel = 15;

/// Twips in whole pixels, to the nearest.
constexpr int twips_to_pixels(int twips) {
    return (twips + twips_per_pixel / 2) / twips_per_pixel;
}

/// A place (x, y, width, height) in twips, in pixels.
constexpr QRect twips_rect(int x, int y, int width, int height) {
    return {twips_to_pixels(x), twips_to_pixels(y), twips_to_pixels(width),
            twips_to_pixels(height)};
}

/// A place kept as a rectangle of twips, in pixels.
constexpr QRect twips_rect(const QRect& twips) {
    return twips_rect(twips.x(), twips.y(), twips.width(), twips.height());
}

/// A size in twips, in pixels.
constexpr QSize twips_size(int width, int height) {
    return {twips_to_pixels(width), twips_to_pixels(height)};
}

namespace colours {
inline constexpr QRgb blue = qRgb(0, 0, 255);
inline constexpr QRgb peach = qRgb(255, 224, 192);
inline constexpr QRgb light_green = qRgb(128, 255, 128);
inline constexpr QRgb light_cyan = qRgb(128, 255, 255);
inline constexpr QRgb light_yellow = qRgb(255, 255, 128);
/// The total bars and fields, the picture windows' title bands, the about button's picture.
inline constexpr QRgb green = qRgb(0, 192, 0);
inline constexpr QRgb pale_green = qRgb(133, 255, 128);
inline constexpr QRgb label_text = qRgb(0, 0, 0);
/// The focused control's frame, over its ground: dark enough to stand out on white (16:1), on
/// the green of the total fields (6.5:1) and on the buttons' grey.
inline constexpr QRgb focus_ring = qRgb(0, 0, 128);
/// The frame's outer line, over the control's own dark edge (the fields' blue: 12:1).
inline constexpr QRgb focus_ring_edge = qRgb(255, 255, 255);
}  // namespace colours

/// Point sizes of the window font.
namespace points {
inline constexpr qreal list = 12;
inline constexpr qreal row_field = 14.25;
/// Choice labels, total bars and fields, the two picture buttons.
inline constexpr qreal caption = 15.75;
inline constexpr qreal large = 18;
inline constexpr qreal title_band = 21.75;
}  // namespace points

}  // namespace ui
