#include "pay/pay_slip.h"

#include <array>
#include <charconv>
#include <cmath>

#include "pay/count_text.h"
#include "pay/decimal15.h"
#include "pay/earnings.h"
#include "pay/grid.h"
#include "pay/income_tax.h"
#include "pay/social_deductions.h"

namespace pay {

double stored(double amount) {
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
    if (const auto missing = validate_inputs(inputs)) {
        return Refusal{Refusal::Kind::missing, *missing};
    }
    // Without a grid row found once, there are no index points to compute a base salary from.
    if (!slip.index_points && !lookup_grid(inputs.scale, inputs.rank)) {
        const Choice focus = scale_from_text(inputs.scale) ? Choice::rank : Choice::scale;
        return Refusal{Refusal::Kind::refused, focus};
    }
    if (!read_count(inputs.children).is_number) {
        return Refusal{Refusal::Kind::refused, Choice::children};
    }
    if (!read_count(inputs.dependents).table_row) {
        return Refusal{Refusal::Kind::refused, Choice::dependents};
    }
    return std::nullopt;
}

void compute_pay(const PayInputs& inputs, PaySlip& slip) {
    apply_grid(inputs, slip);
    compute_earnings(inputs, slip);
    compute_social_deductions(inputs, slip);
    compute_income_tax(inputs, slip);
    compute_net_pay(slip);
}

}  // namespace pay
