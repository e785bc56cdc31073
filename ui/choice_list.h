#pragma once

#include <span>
#include <string_view>

class QComboBox;
class QFont;
class QWidget;

namespace ui {

/// A drop-down list whose text can also be typed. Typed text stays exactly as typed: no
/// completion, no item inserted on Enter. `QComboBox::activated` reports picks only (mouse or
/// arrow keys), never a typed text that happens to equal an item. The list is in `font` from
/// the start: a list given a font once it has items lays them all out again.
QComboBox* make_choice_list(std::span<const std::string_view> items, const QFont& font,
                            QWidget* parent);

}  // namespace ui
