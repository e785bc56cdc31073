#include "ui/rank_lists.h"

#include <QComboBox>
#include <QLabel>

namespace ui {

RankLists::RankLists(const std::array<QComboBox*, pay::all_scales.size()>& lists, QLabel* label)
    : lists_(lists), label_(label) {
    if (label_ != nullptr) {
        // The out-of-scale list tops the start stack.
        label_->setBuddy(list(pay::Scale::out_of_scale));
    }
}

QComboBox* RankLists::list(pay::Scale scale) const {
    return lists_[static_cast<std::size_t>(scale)];
}

void RankLists::show_rank_list(int index) const {
    if (index >= 0 && static_cast<std::size_t>(index) < pay::all_scales.size()) {
        show_only(pay::all_scales[static_cast<std::size_t>(index)]);
    }
}

void RankLists::show_only(pay::Scale scale) const {
    for (const pay::Scale each : pay::all_scales) {
        list(each)->setVisible(each == scale);
    }
    if (label_ != nullptr) {
        label_->setBuddy(list(scale));
    }
}

}  // namespace ui
