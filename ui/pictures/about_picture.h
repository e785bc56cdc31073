#pragma once

#include "pay/rules.h"
#include "ui/pictures/picture_description.h"

namespace ui::pictures {

/// The about panel: title, edition and version, the rule set in effect, credit, contact and
/// state of development.
PictureDescription about_picture(const pay::PayRules& rules);

}  // namespace ui::pictures
