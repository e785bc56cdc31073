#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "pay/pay_inputs.h"

namespace pay {

struct PaySlip;

namespace earnings_rules {
/// Annual base salary: ((index points - 150) x 50.92 + 9885) + 3981.
inline constexpr double base_index_floor = 150;
inline constexpr double value_of_index_point = 50.92;
inline constexpr double base_first_addend = 9885;
inline constexpr double base_second_addend = 3981;

/// Residence allowance, percent of the base salary, in the order of the zone list.
inline constexpr std::array<double, 3> zone_rates{25, 15, 10};
/// Special-charges allowance, percent of the base salary.
inline constexpr double special_charges_rate = 85;

/// Yearly family allowance per child: one amount for each of the first three children, another
/// for each further child up to six.
inline constexpr int first_children = 3;
inline constexpr double allowance_first_children = 2400;
inline constexpr double allowance_further_children = 432;
inline constexpr int max_children = 6;

/// How many of `children` children count at the first amount, and how many at the further one.
struct ChildrenSplit {
    int first = 0;
    int further = 0;
};
constexpr ChildrenSplit split_children(int children) {
    const int first = children < first_children ? children : first_children;
    return {first, children - first};
}

/// The yearly family allowance for `children` children (0 to 6).
constexpr double family_allowance_for(int children) {
    const ChildrenSplit split = split_children(children);
    return split.first * allowance_first_children + split.further * allowance_further_children;
}
}  // namespace earnings_rules

/// The residence rate, percent, of a zone text; none when the text is no zone item.
std::optional<double> residence_rate(std::string_view zone);

/// The annual base salary of a number of index points.
double base_salary_for(double index_points);

/// Base salary, residence, special-charges and family allowances, and the two earnings totals.
/// Expects `slip.index_points` to hold a value.
void compute_earnings(const PayInputs& inputs, PaySlip& slip);

}  // namespace pay
