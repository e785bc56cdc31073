#pragma once

#include <optional>
#include <vector>

#include "pay/rules.h"

namespace pay {

/// A yearly amount and the share of it paid each month, as the slip divides a yearly amount.
struct YearlyAndMonthly {
    double yearly = 0;
    double monthly = 0;

    friend bool operator==(const YearlyAndMonthly&, const YearlyAndMonthly&) = default;
};

/// The monthly share of a yearly amount: the amount divided by the rules' months, stored as a step
/// stores an amount.
double monthly_share(double yearly, const PayRules& rules);

/// The children one band of the family allowance covers (counted from 1, both ends included) and
/// what each of them brings.
struct FamilyBand {
    int first_child = 1;
    int last_child = 1;
    YearlyAndMonthly per_child;

    friend bool operator==(const FamilyBand&, const FamilyBand&) = default;
};

/// The bands of the family allowance up to the last count of the children list: the first
/// children, then the further ones. A band that covers no child is left out, so the list holds
/// one band when every counted child is paid alike.
std::vector<FamilyBand> family_bands(const PayRules& rules);

/// The largest family exemption a slip can show in a year: the exemption per dependent for the
/// last count of the dependents list (a slip grants less when its gross tax is smaller).
double largest_family_exemption(const PayRules& rules);

}  // namespace pay
