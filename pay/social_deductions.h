#pragma once

#include "pay/pay_inputs.h"

namespace pay {

struct PaySlip;

namespace deduction_rules {
/// Share of the base salary added into the contribution base, percent.
inline constexpr double base_salary_share = 10;
inline constexpr double retirement_rate = 10;
inline constexpr double health_insurance_rate = 2.5;
inline constexpr double health_insurance_ceiling = 4800;
/// General mutual contribution of a member, percent of the base salary alone.
inline constexpr double general_mutual_rate = 1.8;
inline constexpr double general_mutual_ceiling = 600;
inline constexpr double mutual_fund_amount = 1500;
}  // namespace deduction_rules

/// The common base of retirement and health insurance: the base salary plus its share, and the
/// three grid allowances.
double contribution_base(const PaySlip& slip);

/// Retirement, health insurance, general mutual and mutual fund contributions.
void compute_social_deductions(const PayInputs& inputs, PaySlip& slip);

}  // namespace pay
