// A rule set unlike the built-in one in every section, for the tests that follow rules read from
// a file.
#pragma once

#include "pay/rules.h"

namespace test_rules {

/// Every section changed: other rates, ceilings, amounts and months, a family allowance with
/// fewer first children, three tax brackets at other bounds and rates, two grid rows changed, and
/// a name and references that need escaping in a file.
inline pay::PayRules changed_rules() {
    pay::PayRules rules = pay::built_in_rules();
    rules.name = "2027 \"draft\", with a quote";
    rules.effective = {2027, 3, 1};
    rules.references.grid = "Grid of the draft; line one\nline two";
    rules.base_salary = {.uncounted_index_points = 140,
                         .index_point_value = 52.75,
                         .fixed_amounts = {10000.5, 4100}};
    rules.zone_rates = {30, 12.5, 0};
    rules.special_charges_rate = 92.5;
    rules.family_allowance = {
        .first_children = 2, .first_child_amount = 2600, .further_child_amount = 500.5};
    rules.contributions.retirement_rate = 11.5;
    rules.contributions.health_insurance_rate = 3.25;
    rules.contributions.health_insurance_ceiling = 5000;
    rules.contributions.general_mutual_rate = 2;
    rules.contributions.general_mutual_ceiling = 650;
    rules.income_tax.professional_deduction_rate = 25;
    rules.income_tax.professional_deduction_ceiling = 32000;
    rules.income_tax.exemption_per_dependent = 420;
    rules.income_tax.brackets = {{0, 0, 0, pay::tax_rate_label(0)},
                                 {35000, 12.5, 0, pay::tax_rate_label(12.5)},
                                 {70000, 25, 4375, pay::tax_rate_label(25)},
                                 {150000, 40, 24375, pay::tax_rate_label(40)}};
    rules.months_per_year = 13;
    rules.grid[5].row.index_points += 7;
    rules.grid[20].row.supervision_allowance = 9000;
    return rules;
}

}  // namespace test_rules
