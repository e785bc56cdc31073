#pragma once

#include <QColor>

namespace ui::pictures::style {

// The explanation pictures: dark text on white, green rules like the window's title bands.
inline constexpr QColor ink{20, 20, 20};
inline constexpr QColor heading{0, 100, 40};
inline constexpr QColor note{80, 80, 80};
inline constexpr QColor rule{70, 120, 70};
inline constexpr QColor header_fill{200, 236, 200};
inline constexpr QColor row_fill{244, 250, 244};
inline constexpr QColor highlight_fill{226, 246, 226};
inline constexpr QColor highlight_outline{0, 150, 60};

inline constexpr int body_size = 16;
inline constexpr int note_size = 14;

}  // namespace ui::pictures::style
