#pragma once

#include "ui/pictures/picture_description.h"

namespace ui::pictures {

/// The about panel: title, edition and version, credit, contact and state of development.
PictureDescription about_picture();

}  // namespace ui::pictures
