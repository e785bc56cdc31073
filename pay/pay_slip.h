#pragma once

#include <optional>
#include <string>

#include "pay/pay_inputs.h"

namespace pay {

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

/// Why a press of OK is refused: a choice is missing, or its text cannot be computed with.
struct Refusal {
    enum class Kind { missing, refused };
    Kind kind;
    /// The list that receives the focus.
    Choice choice;

    friend bool operator==(const Refusal&, const Refusal&) = default;
};

/// The checks made before a computation, in order: the missing choices, then a first
/// computation with no grid row, a children text that is no number, and a dependents text that
/// is not a whole number from 0 to 6.
std::optional<Refusal> check_inputs(const PayInputs& inputs, const PaySlip& slip);

/// The grid step, earnings, social deductions, income tax and net pay, in that order. Fields
/// that a step leaves unwritten keep what `slip` held. Expects `check_inputs` to have passed.
void compute_pay(const PayInputs& inputs, PaySlip& slip);

/// Stores an amount as a step does: rounded to 15 significant decimal digits.
double stored(double amount);

}  // namespace pay
