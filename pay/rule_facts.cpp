#include "pay/rule_facts.h"

#include <algorithm>

#include "pay/pay_inputs.h"
#include "pay/pay_slip.h"

namespace pay {

double monthly_share(double yearly, const PayRules& rules) {
    return round_to_15_digits(yearly / rules.months_per_year);
}

std::vector<FamilyBand> family_bands(const PayRules& rules) {
    const FamilyAllowanceRule& family = rules.family_allowance;
    const auto band = [&](int first, int last, double yearly) {
        return FamilyBand{.first_child = first,
                          .last_child = last,
                          .per_child = {yearly, monthly_share(yearly, rules)}};
    };
    std::vector<FamilyBand> bands;
    if (family.first_children >= 1) {
        bands.push_back(
            band(1, std::min(family.first_children, max_count), family.first_child_amount));
    }
    if (family.first_children < max_count) {
        bands.push_back(band(family.first_children + 1, max_count, family.further_child_amount));
    }
    return bands;
}

double largest_family_exemption(const PayRules& rules) {
    return round_to_15_digits(max_count * rules.income_tax.exemption_per_dependent);
}

}  // namespace pay
