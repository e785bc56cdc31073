#pragma once

#include <QFont>

namespace print {

/// The family every window text asks for; Linux has no such font, so it is substituted.
inline constexpr const char* window_family = "Arabic Transparent";

/// The substitutes are wider than the window family: drawn at this stretch (percent), the
/// captions fit the boxes the form was drawn for, at the form's point sizes.
inline constexpr int substitute_stretch = 85;

/// Maps the window family to the installed Arabic sans fonts. Call once after the application
/// object exists.
void register_font_substitutions();

/// The window font at a size in points.
QFont window_font(qreal point_size, bool bold = false);

}  // namespace print
