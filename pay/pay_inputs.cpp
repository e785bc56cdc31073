#include "pay/pay_inputs.h"

#include <algorithm>

namespace pay {
namespace {

constexpr std::array<std::string_view, 10> ranks_9{"1", "2", "3", "4", "5",
                                                   "6", "7", "8", "9", "10"};
constexpr std::array<std::string_view, 11> ranks_10{
    "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", exceptional_rank};
constexpr std::array<std::string_view, 14> ranks_11{
    "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", exceptional_rank, "11", "12", "13"};
constexpr std::array<std::string_view, 8> ranks_out{"1", "2", "3", "4", "5", "6", "7", "8"};

struct ChoiceInfo {
    Choice choice;
    std::string PayInputs::*member;
    std::string_view name;
};

// Each choice's field and column name, in the order of `Choice`.
constexpr std::array<ChoiceInfo, all_choices.size()> choices{{
    {Choice::scale, &PayInputs::scale, "scale"},
    {Choice::rank, &PayInputs::rank, "rank"},
    {Choice::zone, &PayInputs::zone, "zone"},
    {Choice::special_charges, &PayInputs::special_charges, "special_charges"},
    {Choice::children, &PayInputs::children, "children"},
    {Choice::dependents, &PayInputs::dependents, "dependents"},
    {Choice::mutual_member, &PayInputs::mutual_member, "mutual_member"},
}};

constexpr bool in_choice_order() {
    for (std::size_t i = 0; i < choices.size(); ++i) {
        if (static_cast<std::size_t>(choices[i].choice) != i ||
            all_choices[i] != choices[i].choice) {
            return false;
        }
    }
    return true;
}
static_assert(in_choice_order(), "one row per choice, in the order of Choice");

// Validation looks at the rank last, although its list stands second in the window.
constexpr std::array validation_order{Choice::scale,    Choice::zone,       Choice::special_charges,
                                      Choice::children, Choice::dependents, Choice::mutual_member};

}  // namespace

std::string_view choice_name(Choice choice) {
    return choices[static_cast<std::size_t>(choice)].name;
}

const std::string& choice_text(const PayInputs& inputs, Choice choice) {
    return inputs.*choices[static_cast<std::size_t>(choice)].member;
}

std::string& choice_text(PayInputs& inputs, Choice choice) {
    return inputs.*choices[static_cast<std::size_t>(choice)].member;
}

std::string_view scale_text(Scale scale) {
    return scale_items[static_cast<std::size_t>(scale)];
}

std::optional<Scale> scale_from_text(std::string_view text) {
    const auto found = std::find(scale_items.begin(), scale_items.end(), text);
    if (found == scale_items.end()) {
        return std::nullopt;
    }
    return all_scales[static_cast<std::size_t>(found - scale_items.begin())];
}

std::span<const std::string_view> rank_items(Scale scale) {
    switch (scale) {
        case Scale::scale_9:
            return ranks_9;
        case Scale::scale_10:
            return ranks_10;
        case Scale::scale_11:
            return ranks_11;
        case Scale::out_of_scale:
            return ranks_out;
    }
    return {};
}

std::optional<Choice> first_missing(const PayInputs& inputs, bool scale_named) {
    for (const Choice choice : validation_order) {
        if (choice_text(inputs, choice).empty()) {
            return choice;
        }
    }
    if (scale_named && inputs.rank.empty()) {
        return Choice::rank;
    }
    return std::nullopt;
}

std::optional<Choice> validate_inputs(const PayInputs& inputs) {
    return first_missing(inputs, scale_from_text(inputs.scale).has_value());
}

std::vector<PayInputs> every_list_combination() {
    std::vector<PayInputs> all;
    for (const Scale scale : all_scales) {
        for (const std::string_view rank : rank_items(scale)) {
            for (const std::string_view zone : zone_items) {
                for (const std::string_view charges : yes_no_items) {
                    for (const std::string_view children : count_items) {
                        for (const std::string_view dependents : count_items) {
                            for (const std::string_view member : yes_no_items) {
                                all.push_back({.scale = std::string(scale_text(scale)),
                                               .rank = std::string(rank),
                                               .zone = std::string(zone),
                                               .special_charges = std::string(charges),
                                               .children = std::string(children),
                                               .dependents = std::string(dependents),
                                               .mutual_member = std::string(member)});
                            }
                        }
                    }
                }
            }
        }
    }
    return all;
}

}  // namespace pay
