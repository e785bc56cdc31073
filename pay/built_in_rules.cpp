#include "pay/rules.h"

namespace pay {
namespace {

// Several yearly amounts of the grid are set as monthly amounts times twelve.
constexpr int months = 12;

constexpr int scale_9_hierarchy = 25212;
constexpr int scale_9_charges = 3660;
constexpr int scale_9_foundation = 60;
constexpr int scale_10_low_hierarchy = 26604;
constexpr int scale_10_high_hierarchy = 27000;
constexpr int scale_10_supervision = 8400;
constexpr int scale_10_foundation = 70;
constexpr int charges = 12000;
constexpr int scale_11_low_hierarchy = 3600 * months;
constexpr int scale_11_low_supervision = 11400;
constexpr int scale_11_mid_hierarchy = 4591 * months;
constexpr int scale_11_high_hierarchy = 5041 * months;
constexpr int scale_11_supervision = 3600 * months;
constexpr int top_foundation = 80;
constexpr int out_of_scale_hierarchy = 6400 * months;
constexpr int out_of_scale_supervision = 5500 * months;

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

// The exceptional rank takes the amounts of ranks 6 to 10 of its scale, whatever its points.
constexpr std::array<GridEntry, grid_size> grid{{
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

PayRules make_built_in_rules() {
    PayRules rules;
    rules.grid = grid;
    rules.base_salary = {
        .uncounted_index_points = 150, .index_point_value = 50.92, .fixed_amounts = {9885, 3981}};
    rules.zone_rates = {25, 15, 10};
    rules.special_charges_rate = 85;
    rules.family_allowance = {
        .first_children = 3, .first_child_amount = 2400, .further_child_amount = 432};
    rules.contributions = {.base_salary_share = 10,
                           .retirement_rate = 10,
                           .health_insurance_rate = 2.5,
                           .health_insurance_ceiling = 4800,
                           .general_mutual_rate = 1.8,
                           .general_mutual_ceiling = 600,
                           .mutual_fund_amount = 1500};
    rules.income_tax.professional_deduction_rate = 20;
    rules.income_tax.professional_deduction_ceiling = 30000;
    rules.income_tax.exemption_per_dependent = 360;
    rules.income_tax.brackets = {
        {0, 0, 0, "0 %"},          {30000, 10, 0, "10 %"},     {50000, 20, 2000, "20 %"},
        {60000, 30, 4000, "30 %"}, {80000, 34, 10000, "34 %"}, {180000, 38, 44000, "38 %"},
    };
    rules.months_per_year = months;
    return rules;
}

}  // namespace

const PayRules& built_in_rules() {
    static const PayRules rules = make_built_in_rules();
    return rules;
}

}  // namespace pay
