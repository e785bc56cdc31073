#pragma once

#include <QFont>
#include <Qt>

namespace ui {

/// The font of a comparison table's amounts: fixed-width figures, so that in a right-aligned
/// column the decimal points of amounts with the same number of decimals line up.
QFont amount_font(bool bold);

/// Where a comparison table sets its amounts: against the right edge, whatever the table's
/// direction.
inline constexpr Qt::Alignment amount_alignment =
    Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter;

}  // namespace ui
