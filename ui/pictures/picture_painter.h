#pragma once

#include <QFont>
#include <QImage>
#include <QTextOption>

#include "ui/pictures/picture_description.h"

namespace ui::pictures {

/// Pictures are 24-bit: three bytes a pixel, no alpha channel.
inline constexpr QImage::Format picture_format = QImage::Format_RGB888;

/// The font a text item is drawn with.
QFont picture_font(const Text& text);

/// The layout options a text item is drawn with.
QTextOption text_option(const Text& text);

/// The box that a text item's laid-out lines cover.
QRectF text_extent(const Text& text);

/// Paints a description onto a new picture of its size.
QImage paint_picture(const PictureDescription& description);

}  // namespace ui::pictures
