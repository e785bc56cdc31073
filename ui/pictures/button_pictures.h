#pragma once

#include "ui/pictures/picture_description.h"

namespace ui::pictures {

/// The OK button's small application window, 37 x 34.
PictureDescription ok_button_description();

/// The about button's question-mark disc on a green ground, 64 x 36.
PictureDescription about_button_description();

}  // namespace ui::pictures
