#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "pay/pay_slip.h"
#include "pay/rules.h"
#include "pay/slip_fields.h"

namespace pay {

/// A choice of the window's lists under which a rule set gives an amount below 0, and the slip
/// it gives, with no children and no dependents.
struct NegativeAmount {
    std::size_t grid_entry = 0;
    std::size_t zone = 0;
    bool special_charges = false;
    bool mutual_member = false;
    /// The first amount of the computation that falls below 0: the base salary, the taxable
    /// amount or the annual pay.
    SlipField field = SlipField::annual_base_salary;
    PaySlip slip;
};

/// The first choice of the lists, over every grid entry, zone, special charges and mutual
/// membership, under which `rules` give a negative amount; none when every choice of every list
/// gives amounts of 0 or more. `rules` hold no negative number.
std::optional<NegativeAmount> first_negative_amount(const PayRules& rules);

/// What brings the amount below 0, on one line: the choice, the amount and its terms, e.g.
/// "the deductions exceed the gross total of rank '1' of scale '...', zone '...', ...".
std::string negative_amount_message(const NegativeAmount& negative, const PayRules& rules);

/// The number of a rules file that takes the amount down the most: a path of the file's tables
/// ("contributions.retirement_rate", "income_tax.brackets[2].rate"), or, with `grid_key`, that
/// key of the grid row of the negative amount's entry. Empty for none.
struct Blame {
    std::string path;
    std::string_view grid_key;
};
Blame blame_for(const NegativeAmount& negative, const PayRules& rules);

}  // namespace pay
