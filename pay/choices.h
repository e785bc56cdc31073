#pragma once

#include <cstddef>
#include <optional>
#include <variant>

#include "pay/pay_inputs.h"

namespace pay {

/// Why a press of OK is refused: a choice is missing, or its text cannot be computed with.
struct Refusal {
    enum class Kind { missing, refused };
    Kind kind;
    /// The list that receives the focus.
    Choice choice;

    friend bool operator==(const Refusal&, const Refusal&) = default;
};

/// The seven choices of one press of OK, read once: what every step computes from. A choice
/// that the rules leave unwritten when its text is no list item holds none.
struct Choices {
    /// The scale the scale text names.
    std::optional<Scale> scale;
    /// The place of the scale and rank in the pay grid; none when no entry matches, and the
    /// five grid fields keep what they held.
    std::optional<std::size_t> grid_entry;
    /// The place of the zone in the zone list.
    std::optional<std::size_t> zone;
    std::optional<bool> special_charges;
    /// From 0 to `max_count`; none for a number outside the list, which keeps the family
    /// allowance.
    std::optional<int> children;
    /// From 0 to `max_count`: any other text is refused.
    int dependents = 0;
    std::optional<bool> mutual_member;

    friend bool operator==(const Choices&, const Choices&) = default;
};

/// The place in the pay grid of a scale's first rank: the grid holds each scale's ranks in list
/// order, the scales in the order of their list.
std::size_t first_grid_entry(Scale scale);

/// The place of a scale's rank item in the pay grid, or none when `rank` is no item of its list.
std::optional<std::size_t> grid_entry_of(Scale scale, std::string_view rank);

/// The refusal of choices with no grid row when no index points are known yet (a first
/// computation, or a fresh slip): there is nothing to compute a base salary from.
std::optional<Refusal> refusal_without_grid_row(const Choices& choices, bool index_points_known);

/// The place of a zone text in the zone list, or none.
std::optional<std::size_t> zone_of(std::string_view zone);

/// Reads the seven texts into one typed value, or tells why the press is refused, checking in
/// order: the missing choices (`validate_inputs`), a first computation with no grid row (when
/// `index_points_known` is false), a children text that is no number, and a dependents text
/// that is not a whole number from 0 to `max_count`.
std::variant<Choices, Refusal> read_choices(const PayInputs& inputs, bool index_points_known);

/// The same with `scale`, what the scale text names, already read.
std::variant<Choices, Refusal> read_choices(const PayInputs& inputs, std::optional<Scale> scale,
                                            bool index_points_known);

}  // namespace pay
