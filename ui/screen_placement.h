#pragma once

class QWidget;

namespace ui {

/// Centres `window` on the screen of `anchor` (the window itself, or a dialog's parent), or on
/// the primary screen when `anchor` has none.
void centre_on_screen(QWidget& window, const QWidget* anchor);

}  // namespace ui
