#include "pay/monthly_share.h"

#include "pay/amount_format.h"
#include "pay/pay_slip.h"
#include "pay/rules.h"

#include <variant>

namespace pay {

bool is_yearly_amount(SlipField field) {
    return field != SlipField::index_points && field != SlipField::tax_rate_label &&
           field != SlipField::monthly_pay;
}

std::optional<std::string> monthly_share_text(const PaySlip& slip, SlipField field,
                                              std::string_view separator, const PayRules& rules) {
    if (!is_yearly_amount(field)) {
        return std::nullopt;
    }
    const SlipMember& member = field_info(field).member;
    std::optional<double> yearly;
    if (const auto* amount = std::get_if<double PaySlip::*>(&member)) {
        yearly = slip.**amount;
    } else if (const auto* optional = std::get_if<std::optional<double> PaySlip::*>(&member)) {
        yearly = slip.**optional;
    }
    if (!yearly) {
        return std::nullopt;
    }
    return format_amount(round_to_15_digits(*yearly / rules.months_per_year), separator);
}

}  // namespace pay
