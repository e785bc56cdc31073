#include "pay/grid.h"

#include "pay/pay_slip.h"

namespace pay {
namespace {

using namespace grid_amounts;

constexpr GridRow scale_9_row(int index_points) {
    return {index_points, scale_9_hierarchy, scale_9_charges, 0, scale_9_foundation};
}
constexpr GridRow scale_10_low_row(int index_points) {
    return {index_points, scale_10_low_hierarchy, charges, 0, scale_10_foundation};
}
constexpr GridRow scale_10_high_row(int index_points) {
    return {index_points, scale_10_high_hierarchy, charges, scale_10_supervision,
            scale_10_foundation};
}
constexpr GridRow scale_11_low_row(int index_points) {
    return {index_points, scale_11_low_hierarchy, charges, scale_11_low_supervision,
            top_foundation};
}
constexpr GridRow scale_11_mid_row(int index_points) {
    return {index_points, scale_11_mid_hierarchy, charges, scale_11_supervision, top_foundation};
}
constexpr GridRow scale_11_high_row(int index_points) {
    return {index_points, scale_11_high_hierarchy, charges, scale_11_supervision, top_foundation};
}
constexpr GridRow out_of_scale_row(int index_points) {
    return {index_points, out_of_scale_hierarchy, charges, out_of_scale_supervision,
            top_foundation};
}

}  // namespace

// The exceptional rank takes the amounts of ranks 6 to 10 of its scale, whatever its points.
const std::array<GridEntry, 43> PayGrid{{
    {Scale::scale_9, "1", scale_9_row(235)},
    {Scale::scale_9, "2", scale_9_row(253)},
    {Scale::scale_9, "3", scale_9_row(274)},
    {Scale::scale_9, "4", scale_9_row(296)},
    {Scale::scale_9, "5", scale_9_row(317)},
    {Scale::scale_9, "6", scale_9_row(339)},
    {Scale::scale_9, "7", scale_9_row(361)},
    {Scale::scale_9, "8", scale_9_row(382)},
    {Scale::scale_9, "9", scale_9_row(404)},
    {Scale::scale_9, "10", scale_9_row(438)},
    {Scale::scale_10, "1", scale_10_low_row(275)},
    {Scale::scale_10, "2", scale_10_low_row(300)},
    {Scale::scale_10, "3", scale_10_low_row(326)},
    {Scale::scale_10, "4", scale_10_low_row(351)},
    {Scale::scale_10, "5", scale_10_low_row(377)},
    {Scale::scale_10, "6", scale_10_high_row(402)},
    {Scale::scale_10, "7", scale_10_high_row(428)},
    {Scale::scale_10, "8", scale_10_high_row(456)},
    {Scale::scale_10, "9", scale_10_high_row(484)},
    {Scale::scale_10, "10", scale_10_high_row(512)},
    {Scale::scale_10, exceptional_rank, scale_10_high_row(564)},
    {Scale::scale_11, "1", scale_11_low_row(336)},
    {Scale::scale_11, "2", scale_11_low_row(369)},
    {Scale::scale_11, "3", scale_11_low_row(403)},
    {Scale::scale_11, "4", scale_11_low_row(436)},
    {Scale::scale_11, "5", scale_11_low_row(472)},
    {Scale::scale_11, "6", scale_11_mid_row(509)},
    {Scale::scale_11, "7", scale_11_mid_row(542)},
    {Scale::scale_11, "8", scale_11_mid_row(574)},
    {Scale::scale_11, "9", scale_11_mid_row(606)},
    {Scale::scale_11, "10", scale_11_mid_row(639)},
    {Scale::scale_11, exceptional_rank, scale_11_mid_row(704)},
    {Scale::scale_11, "11", scale_11_high_row(675)},
    {Scale::scale_11, "12", scale_11_high_row(690)},
    {Scale::scale_11, "13", scale_11_high_row(704)},
    {Scale::out_of_scale, "1", out_of_scale_row(704)},
    {Scale::out_of_scale, "2", out_of_scale_row(746)},
    {Scale::out_of_scale, "3", out_of_scale_row(779)},
    {Scale::out_of_scale, "4", out_of_scale_row(812)},
    {Scale::out_of_scale, "5", out_of_scale_row(840)},
    {Scale::out_of_scale, "6", out_of_scale_row(870)},
    {Scale::out_of_scale, "7", out_of_scale_row(900)},
    {Scale::out_of_scale, "8", out_of_scale_row(930)},
}};

std::optional<GridRow> lookup_grid(std::string_view scale, std::string_view rank) {
    // The scale text names at most one scale, so it is compared once, not for every entry.
    const std::optional<Scale> wanted = scale_from_text(scale);
    if (!wanted) {
        return std::nullopt;
    }
    for (const GridEntry& entry : PayGrid) {
        if (entry.scale == *wanted && entry.rank == rank) {
            return entry.row;
        }
    }
    return std::nullopt;
}

void apply_grid(const PayInputs& inputs, PaySlip& slip) {
    const std::optional<GridRow> row = lookup_grid(inputs.scale, inputs.rank);
    if (!row) {
        return;
    }
    slip.index_points = row->index_points;
    slip.hierarchy_allowance = row->hierarchy_allowance;
    slip.charges_allowance = row->charges_allowance;
    slip.supervision_allowance = row->supervision_allowance;
    slip.foundation_contribution = row->foundation_contribution;
}

}  // namespace pay
