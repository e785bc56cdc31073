#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "pay/rules.h"

// The keys of a rules file and what each may hold, for the reader that checks a file and the
// writer that shows one: a key is named, bounded and described once, here.
namespace pay::rules_schema {

/// Where a key's value goes in the rules.
using Place = std::variant<double*, int*>;

/// The values a key accepts.
struct Range {
    double min = 0;
    double max = 0;
    /// The most decimals a value may have; 0 for whole numbers only.
    int decimals = 0;
    /// What the message of a value outside the range asks for, e.g. "a percent from 0 to 100".
    std::string_view wanted;
};

// The bounds keep every amount that any choice of the lists can reach below 10^9 (the largest,
// a gross total, below 4.5 x 10^8): there, 15 significant digits keep 6 decimals and the
// doubles' error stays below 10^-6, so each amount is shown to the cent as computed. Amounts are
// in whole cents and rates have 2 decimals, so that the explanations show every rule in full.
// velnaro-rules(5) gives the reckoning.
inline constexpr double largest_amount = 1e7;
inline constexpr Range amount{0, largest_amount, 2, "an amount from 0 to 10000000"};
inline constexpr Range whole_amount{0, largest_amount, 0, "a whole amount from 0 to 10000000"};
inline constexpr Range rate{0, 100, 2, "a percent from 0 to 100"};
inline constexpr Range index_points{0, 10000, 0, "a whole number of points from 0 to 10000"};
inline constexpr Range index_point_value{0, 10000, 2, "an amount from 0 to 10000"};
// At least one count of the children list lies above the first children, so that the
// further child amount is always applied to some count.
inline constexpr Range first_children{0, max_count - 1, 0, "a whole number from 0 to 5"};
inline constexpr Range months{1, 24, 0, "a whole number of months from 1 to 24"};

/// The longest text of a file, and the most brackets: the written file (each byte of a text
/// escaped at most six times over) stays far below the readers' 1 MiB.
inline constexpr std::size_t longest_text = 4000;
inline constexpr std::size_t most_brackets = 1000;

/// One number of a section.
struct NumberKey {
    std::string_view key;
    /// The comment the writer puts after the value.
    std::string_view comment;
    Range range;
    Place (*place)(PayRules&);
};

/// A table of the file whose keys are a reference and numbers.
struct Section {
    std::string_view table;
    /// The comment lines the writer puts above the table, each without its "# ".
    std::span<const std::string_view> comment;
    std::string RuleReferences::*reference;
    std::span<const NumberKey> numbers;
};

inline constexpr std::string_view reference_key = "reference";
inline constexpr std::string_view name_key = "name";
inline constexpr std::string_view effective_key = "effective";

inline constexpr std::array<std::string_view, 2> base_salary_comment{
    "Yearly base salary = ((index points - uncounted_index_points) x index_point_value",
    "                      + first_fixed_amount) + second_fixed_amount"};
inline constexpr std::array base_salary_numbers{
    NumberKey{"uncounted_index_points", "index points that earn nothing", index_points,
              [](PayRules& r) -> Place { return &r.base_salary.uncounted_index_points; }},
    NumberKey{"index_point_value", "yearly value of one index point", index_point_value,
              [](PayRules& r) -> Place { return &r.base_salary.index_point_value; }},
    NumberKey{"first_fixed_amount", "", amount,
              [](PayRules& r) -> Place { return &r.base_salary.fixed_amounts[0]; }},
    NumberKey{"second_fixed_amount", "", amount,
              [](PayRules& r) -> Place { return &r.base_salary.fixed_amounts[1]; }},
};

inline constexpr std::array<std::string_view, 1> special_charges_comment{
    "Paid to those with special charges, as a percent of the base salary."};
inline constexpr std::array special_charges_numbers{
    NumberKey{"rate", "percent of the base salary", rate,
              [](PayRules& r) -> Place { return &r.special_charges_rate; }},
};

inline constexpr std::array<std::string_view, 2> family_comment{
    "Yearly, per child: first_child_amount for each of the first `first_children`,",
    "further_child_amount for each child after them."};
inline constexpr std::array family_numbers{
    NumberKey{"first_children", "from 0 to 5", first_children,
              [](PayRules& r) -> Place { return &r.family_allowance.first_children; }},
    NumberKey{"first_child_amount", "", amount,
              [](PayRules& r) -> Place { return &r.family_allowance.first_child_amount; }},
    NumberKey{"further_child_amount", "", amount,
              [](PayRules& r) -> Place { return &r.family_allowance.further_child_amount; }},
};

inline constexpr std::array<std::string_view, 3> contributions_comment{
    "Contribution base = base salary + base_salary_share % of it + the hierarchy, charges and",
    "supervision allowances. The general mutual contribution is a percent of the base salary",
    "alone; members pay it and the mutual fund amount, others pay neither."};
inline constexpr std::array contributions_numbers{
    NumberKey{"base_salary_share", "percent of the base salary added to the base", rate,
              [](PayRules& r) -> Place { return &r.contributions.base_salary_share; }},
    NumberKey{"retirement_rate", "percent of the contribution base", rate,
              [](PayRules& r) -> Place { return &r.contributions.retirement_rate; }},
    NumberKey{"health_insurance_rate", "percent of the contribution base", rate,
              [](PayRules& r) -> Place { return &r.contributions.health_insurance_rate; }},
    NumberKey{"health_insurance_ceiling", "yearly ceiling", amount,
              [](PayRules& r) -> Place { return &r.contributions.health_insurance_ceiling; }},
    NumberKey{"general_mutual_rate", "percent of the base salary", rate,
              [](PayRules& r) -> Place { return &r.contributions.general_mutual_rate; }},
    NumberKey{"general_mutual_ceiling", "yearly ceiling", amount,
              [](PayRules& r) -> Place { return &r.contributions.general_mutual_ceiling; }},
    NumberKey{"mutual_fund_amount", "yearly", whole_amount,
              [](PayRules& r) -> Place { return &r.contributions.mutual_fund_amount; }},
};

inline constexpr std::array<std::string_view, 6> income_tax_comment{
    "Taxable amount T = gross pay without the family allowance - retirement - professional",
    "deduction - health insurance - general mutual - mutual fund, where the professional",
    "deduction is professional_deduction_rate % of that gross pay, at most its ceiling.",
    "T up to the first bracket's `above` pays no tax. T above a bracket's `above` (and not",
    "above the next one's) pays base_amount + rate % of (T - above), less each dependent's",
    "exemption, down to no tax. `above` rises strictly from one bracket to the next."};
inline constexpr std::array income_tax_numbers{
    NumberKey{"professional_deduction_rate", "percent of the gross pay", rate,
              [](PayRules& r) -> Place { return &r.income_tax.professional_deduction_rate; }},
    NumberKey{"professional_deduction_ceiling", "yearly ceiling", amount,
              [](PayRules& r) -> Place { return &r.income_tax.professional_deduction_ceiling; }},
    NumberKey{"exemption_per_dependent", "yearly, per dependent", amount,
              [](PayRules& r) -> Place { return &r.income_tax.exemption_per_dependent; }},
};

inline constexpr std::array<std::string_view, 1> monthly_pay_comment{
    "The monthly pay is the yearly pay divided by months_per_year."};
inline constexpr std::array monthly_pay_numbers{
    NumberKey{"months_per_year", "", months,
              [](PayRules& r) -> Place { return &r.months_per_year; }},
};

inline constexpr std::string_view base_salary_table = "base_salary";
inline constexpr std::string_view residence_table = "residence_allowance";
inline constexpr std::string_view special_charges_table = "special_charges_allowance";
inline constexpr std::string_view family_table = "family_allowance";
inline constexpr std::string_view contributions_table = "contributions";
inline constexpr std::string_view income_tax_table = "income_tax";
inline constexpr std::string_view monthly_pay_table = "monthly_pay";
inline constexpr std::string_view grid_table = "grid";

/// The tables of numbers, in the order the writer writes them; the residence allowance (a rate
/// per zone), the brackets and the grid have their own shapes.
inline constexpr std::array<Section, 6> number_sections{{
    {base_salary_table, base_salary_comment, &RuleReferences::base_salary, base_salary_numbers},
    {special_charges_table, special_charges_comment, &RuleReferences::special_charges_allowance,
     special_charges_numbers},
    {family_table, family_comment, &RuleReferences::family_allowance, family_numbers},
    {contributions_table, contributions_comment, &RuleReferences::contributions,
     contributions_numbers},
    {income_tax_table, income_tax_comment, &RuleReferences::income_tax, income_tax_numbers},
    {monthly_pay_table, monthly_pay_comment, &RuleReferences::monthly_pay, monthly_pay_numbers},
}};

/// [residence_allowance]: `zone_rates`, a rate per item of the zone list.
inline constexpr std::string_view zone_rates_key = "zone_rates";
inline constexpr std::array<std::string_view, 1> residence_comment{
    "Percent of the base salary, for each zone of the zone list."};

/// [income_tax]: `brackets`, an array of {above, rate, base_amount}.
inline constexpr std::string_view brackets_key = "brackets";
inline constexpr std::string_view bracket_above_key = "above";
inline constexpr std::string_view bracket_rate_key = "rate";
inline constexpr std::string_view bracket_base_key = "base_amount";
inline constexpr Range bracket_rate{0, 100, 2, "a percent above 0 and at most 100"};

/// [grid]: a [[grid.scale]] table per item of the scale list, each with `scale` (the item's
/// text) and `ranks`, one {rank, index_points, ...} per item of that scale's rank list.
inline constexpr std::string_view grid_scale_key = "scale";
inline constexpr std::string_view grid_ranks_key = "ranks";
inline constexpr std::string_view grid_rank_key = "rank";
inline constexpr std::array<std::string_view, 3> grid_comment{
    "For each item of the scale list, one row per item of its rank list: index points and",
    "the yearly hierarchy, charges and supervision allowances and foundation contribution.",
    "The items are the window's own; a rules file sets their amounts, not the lists."};

/// One number of a grid row.
struct GridKey {
    std::string_view key;
    int GridRow::*member;
    Range range;
};
inline constexpr std::array<GridKey, 5> grid_keys{{
    {"index_points", &GridRow::index_points, index_points},
    {"hierarchy_allowance", &GridRow::hierarchy_allowance, whole_amount},
    {"charges_allowance", &GridRow::charges_allowance, whole_amount},
    {"supervision_allowance", &GridRow::supervision_allowance, whole_amount},
    {"foundation_contribution", &GridRow::foundation_contribution, whole_amount},
}};

}  // namespace pay::rules_schema
