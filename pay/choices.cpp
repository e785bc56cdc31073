#include "pay/choices.h"

#include <algorithm>

#include "pay/count_text.h"

namespace pay {

std::size_t first_grid_entry(Scale scale) {
    std::size_t first = 0;
    for (const Scale each : all_scales) {
        if (each == scale) {
            break;
        }
        first += rank_items(each).size();
    }
    return first;
}

std::optional<std::size_t> grid_entry_of(Scale scale, std::string_view rank) {
    const std::span<const std::string_view> ranks = rank_items(scale);
    const auto found = std::find(ranks.begin(), ranks.end(), rank);
    if (found == ranks.end()) {
        return std::nullopt;
    }
    return first_grid_entry(scale) + static_cast<std::size_t>(found - ranks.begin());
}

std::optional<Refusal> refusal_without_grid_row(const Choices& choices, bool index_points_known) {
    if (index_points_known || choices.grid_entry) {
        return std::nullopt;
    }
    return Refusal{Refusal::Kind::refused, choices.scale ? Choice::rank : Choice::scale};
}

std::optional<std::size_t> zone_of(std::string_view zone) {
    const auto found = std::find(zone_items.begin(), zone_items.end(), zone);
    if (found == zone_items.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - zone_items.begin());
}

std::variant<Choices, Refusal> read_choices(const PayInputs& inputs, bool index_points_known) {
    return read_choices(inputs, scale_from_text(inputs.scale), index_points_known);
}

std::variant<Choices, Refusal> read_choices(const PayInputs& inputs, std::optional<Scale> scale,
                                            bool index_points_known) {
    Choices choices;
    choices.scale = scale;
    if (const auto missing = first_missing(inputs, choices.scale.has_value())) {
        return Refusal{Refusal::Kind::missing, *missing};
    }
    if (choices.scale) {
        choices.grid_entry = grid_entry_of(*choices.scale, inputs.rank);
    }
    if (const auto refusal = refusal_without_grid_row(choices, index_points_known)) {
        return *refusal;
    }
    const CountReading children = read_count(inputs.children);
    if (!children.is_number) {
        return Refusal{Refusal::Kind::refused, Choice::children};
    }
    const std::optional<int> dependents = read_count(inputs.dependents).count;
    if (!dependents) {
        return Refusal{Refusal::Kind::refused, Choice::dependents};
    }
    choices.zone = zone_of(inputs.zone);
    choices.special_charges = read_yes_no(inputs.special_charges);
    choices.children = children.count;
    choices.dependents = *dependents;
    choices.mutual_member = read_yes_no(inputs.mutual_member);
    return choices;
}

}  // namespace pay
