#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "pay/pay_inputs.h"

namespace pay {

struct PaySlip;

/// One row of the income-tax scale: T above `lower` (and up to the next row's lower bound) pays
/// `base_amount` plus `rate` percent of T - `lower`.
struct TaxBracket {
    double lower;
    double rate;
    double base_amount;
    std::string_view label;
};

namespace tax_rules {
inline constexpr std::array<TaxBracket, 6> brackets{{
    {0, 0, 0, "0 %"},
    {30000, 10, 0, "10 %"},
    {50000, 20, 2000, "20 %"},
    {60000, 30, 4000, "30 %"},
    {80000, 34, 10000, "34 %"},
    {180000, 38, 44000, "38 %"},
}};
inline constexpr double professional_deduction_rate = 20;
inline constexpr double professional_deduction_ceiling = 30000;
/// Yearly exemption per person supported, up to six.
inline constexpr double exemption_per_dependent = 360;
inline constexpr int max_dependents = 6;
inline constexpr double exemption_ceiling = exemption_per_dependent * max_dependents;
inline constexpr double months_per_year = 12;
}  // namespace tax_rules

/// The bracket that a taxable amount falls in (thresholds are exclusive lower bounds).
const TaxBracket& bracket_for(double taxable_amount);

/// The professional deduction before its ceiling: its share of the earnings without the family
/// allowance.
double professional_share(double gross_before_family);

/// The professional deduction: its share, replaced by the ceiling when it reaches it.
double professional_deduction(double gross_before_family);

/// The tax by bracket, before the family exemption: none in the lowest bracket, else the base
/// amount plus the rate of what lies above the lower bound.
double gross_tax_for(double taxable_amount, const TaxBracket& bracket);

/// The upper bound of a bracket (the next one's lower bound); none for the last.
std::optional<double> upper_bound_of(const TaxBracket& bracket);

/// Taxable amount, rate label, family exemption and income tax.
void compute_income_tax(const PayInputs& inputs, PaySlip& slip);

/// Total deductions, annual pay and monthly pay.
void compute_net_pay(PaySlip& slip);

}  // namespace pay
