#pragma once

#include <array>
#include <functional>

class QAction;
class QWidget;

namespace ui {

/// The panels of the main window whose context menu holds the comparison.
inline constexpr std::array<const char*, 2> compare_menu_panels{"Label31", "Label28"};

/// Adds the action "مقارنة" (Ctrl+K) to `window` and to the context menus of its panels; it calls
/// `open`.
QAction* add_compare_action(QWidget& window, std::function<void()> open);

}  // namespace ui
