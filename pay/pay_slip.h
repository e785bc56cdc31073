#pragma once

#include <optional>
#include <string>

#include "pay/choices.h"
#include "pay/pay_inputs.h"

namespace pay {

struct PayRules;

/// Every amount of one computation, one field per result field of the window. Amounts are
/// yearly, in the national currency, except `monthly_pay`.
struct PaySlip {
    std::optional<double> index_points;
    double annual_base_salary = 0;
    double residence_allowance = 0;
    double special_charges_allowance = 0;
    double hierarchy_allowance = 0;
    double charges_allowance = 0;
    double supervision_allowance = 0;
    double family_allowance = 0;
    double retirement = 0;
    double income_tax = 0;
    double foundation_contribution = 0;
    double health_insurance = 0;
    double general_mutual = 0;
    double mutual_fund = 0;
    double total_deductions = 0;
    double gross_total = 0;
    /// The earnings without the family allowance; never shown.
    std::optional<double> gross_before_family;
    double taxable_amount = 0;
    double family_exemption = 0;
    std::optional<double> monthly_pay;
    std::string tax_rate_label = "0";
    std::optional<double> annual_pay;

    friend bool operator==(const PaySlip&, const PaySlip&) = default;
};

/// Why `read_choices` refuses the inputs on this slip, or nothing when they compute.
std::optional<Refusal> check_inputs(const PayInputs& inputs, const PaySlip& slip);

/// The grid step, earnings, social deductions, income tax and net pay, in that order, on the
/// choices read once. Fields that a step leaves unwritten keep what `slip` held. `trace` is told
/// every term each step weighs (`TermTrace`), or nothing (`NoTrace`).
template <class Trace>
void compute_pay(const Choices& choices, const PayRules& rules, PaySlip& slip, Trace& trace);

/// Rounds an amount to 15 significant decimal digits, as a step stores it.
double round_to_15_digits(double amount);

}  // namespace pay
