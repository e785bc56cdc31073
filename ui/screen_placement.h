#pragma once

#include <QRect>
#include <QSize>

class QWidget;

namespace ui {

/// Centres `window` on the screen of `anchor` (the window itself, or a dialog's parent), or on
/// the primary screen when `anchor` has none.
void centre_on_screen(QWidget& window, const QWidget* anchor);

/// The place of a window that wants `wanted` (its frame included): no larger than `available`,
/// centred on `centre` where that keeps it inside `available`, else moved just inside it.
QRect fitted_rect(QSize wanted, QPoint centre, const QRect& available);

/// Resizes `window` to `wanted` (its inside) within the available area of `anchor`'s screen and
/// centres it on `anchor` where it fits (on that screen when `anchor` is none).
void fit_over(QWidget& window, const QWidget* anchor, QSize wanted);

}  // namespace ui
