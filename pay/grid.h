#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "pay/pay_inputs.h"

namespace pay {

struct PaySlip;

/// Index points and the four yearly amounts of one scale and rank.
struct GridRow {
    int index_points = 0;
    int hierarchy_allowance = 0;
    int charges_allowance = 0;
    int supervision_allowance = 0;
    int foundation_contribution = 0;

    friend bool operator==(const GridRow&, const GridRow&) = default;
};

struct GridEntry {
    Scale scale;
    std::string_view rank;
    GridRow row;
};

namespace grid_amounts {
// Several yearly amounts are set as monthly amounts times twelve.
inline constexpr int months = 12;
inline constexpr int scale_9_hierarchy = 25212;
inline constexpr int scale_9_charges = 3660;
inline constexpr int scale_9_foundation = 60;
inline constexpr int scale_10_low_hierarchy = 26604;
inline constexpr int scale_10_high_hierarchy = 27000;
inline constexpr int scale_10_supervision = 8400;
inline constexpr int scale_10_foundation = 70;
inline constexpr int charges = 12000;
inline constexpr int scale_11_low_hierarchy = 3600 * months;
inline constexpr int scale_11_low_supervision = 11400;
inline constexpr int scale_11_mid_hierarchy = 4591 * months;
inline constexpr int scale_11_high_hierarchy = 5041 * months;
inline constexpr int scale_11_supervision = 3600 * months;
inline constexpr int top_foundation = 80;
inline constexpr int out_of_scale_hierarchy = 6400 * months;
inline constexpr int out_of_scale_supervision = 5500 * months;
}  // namespace grid_amounts

/// The pay grid, in lookup order: every rank item of every scale's list, once.
extern const std::array<GridEntry, 43> PayGrid;

/// The row of the first entry whose scale text and rank text equal the given texts exactly.
std::optional<GridRow> lookup_grid(std::string_view scale, std::string_view rank);

/// The grid step: writes the five grid fields of `slip` when a row matches, else nothing.
void apply_grid(const PayInputs& inputs, PaySlip& slip);

}  // namespace pay
