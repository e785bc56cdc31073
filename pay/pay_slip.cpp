#include "pay/pay_slip.h"

#include <array>
#include <charconv>
#include <cmath>

#include "pay/decimal15.h"
#include "pay/earnings.h"
#include "pay/grid.h"
#include "pay/income_tax.h"
#include "pay/rules.h"
#include "pay/social_deductions.h"
#include "pay/trace.h"

namespace pay {

double round_to_15_digits(double amount) {
    if (const auto decimal = fast_decimal15(std::fabs(amount))) {
        const double magnitude =
            static_cast<double>(decimal->digits) / power_of_ten(decimal->scale);
        return amount < 0 ? -magnitude : magnitude;
    }
    // "d.dddddddddddddde+ddd" holds 15 significant digits; reading it back gives the double
    // nearest to that decimal value.
    std::array<char, 32> text{};
    const auto written = std::to_chars(text.data(), text.data() + text.size(), amount,
                                       std::chars_format::scientific, 14);
    double result = amount;
    std::from_chars(text.data(), written.ptr, result);
    return result;
}

std::optional<Refusal> check_inputs(const PayInputs& inputs, const PaySlip& slip) {
    auto read = read_choices(inputs, slip.index_points.has_value());
    if (auto* refusal = std::get_if<Refusal>(&read)) {
        return *refusal;
    }
    return std::nullopt;
}

template <class Trace>
void compute_pay(const Choices& choices, const PayRules& rules, PaySlip& slip, Trace& trace) {
    apply_grid(choices, rules, slip, trace);
    compute_earnings(choices, rules, slip, trace);
    compute_social_deductions(choices, rules, slip, trace);
    compute_income_tax(choices, rules, slip, trace);
    compute_net_pay(rules, slip, trace);
}

template void compute_pay(const Choices&, const PayRules&, PaySlip&, NoTrace&);
template void compute_pay(const Choices&, const PayRules&, PaySlip&, TermTrace&);

}  // namespace pay
