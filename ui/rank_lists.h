#pragma once

#include <array>

#include "pay/pay_inputs.h"

class QComboBox;
class QLabel;

namespace ui {

/// The four rank lists, one per scale, sharing one place in the window. At start all four are
/// shown, stacked with the out-of-scale list on top; after the first pick of a scale only that
/// scale's list is shown. Switching never touches a list's text or selection.
class RankLists {
  public:
    /// The lists in the order of `pay::all_scales`; `label`, when given, is made the buddy of
    /// the list on screen, so screen readers relate it to the list a person can use.
    explicit RankLists(const std::array<QComboBox*, pay::all_scales.size()>& lists,
                       QLabel* label = nullptr);

    QComboBox* list(pay::Scale scale) const;

    /// Shows the rank list of the scale picked at `index` of the scale list, whose items are in
    /// the order of `pay::all_scales`, and hides the other three; leaves all four as they are
    /// for an index out of the list.
    void show_rank_list(int index) const;

    /// Shows the rank list of `scale` alone.
    void show_only(pay::Scale scale) const;

  private:
    std::array<QComboBox*, pay::all_scales.size()> lists_;
    QLabel* label_;
};

}  // namespace ui
