#pragma once

#include <string>

#include "pay/pay_inputs.h"
#include "pay/rules.h"

namespace test_support {

// Every number at the top of its range, the longest name and texts, and the most brackets; the
// contributions and the tax stay low enough for every choice to keep a pay of 0 or more.
inline pay::PayRules rules_at_the_edges() {
    pay::PayRules rules = pay::built_in_rules();
    rules.name = std::string(96, 'n') + "سن";  // 100 bytes
    // Tabs, line breaks and quotes are written escaped: the longest written form of a text.
    std::string longest_text;
    while (longest_text.size() < 4000) {
        longest_text += "\t\n\"\\";
    }
    for (std::string* text :
         {&rules.references.rule_set, &rules.references.base_salary,
          &rules.references.residence_allowance, &rules.references.special_charges_allowance,
          &rules.references.family_allowance, &rules.references.contributions,
          &rules.references.income_tax, &rules.references.monthly_pay, &rules.references.grid}) {
        *text = longest_text;
    }
    rules.base_salary = {0, 9999.99, {9999999.99, 9999999.99}};
    rules.zone_rates = {99.99, 99.99, 99.99};
    rules.special_charges_rate = 99.99;
    rules.family_allowance = {5, 9999999.99, 9999999.99};
    rules.contributions = {99.99, 0.01, 99.99, 9999999.99, 99.99, 9999999.99, 10000000};
    rules.income_tax.professional_deduction_rate = 99.99;
    rules.income_tax.professional_deduction_ceiling = 9999999.99;
    rules.income_tax.exemption_per_dependent = 9999999.99;
    rules.income_tax.brackets.resize(1);
    for (int i = 1; i <= 1000; ++i) {
        // 9999990.00 to 9999999.99, a cent apart.
        rules.income_tax.brackets.push_back(
            {(999999000.0 - 1 + i) / 100, 99.99, 9999999.99, pay::tax_rate_label(99.99)});
    }
    rules.months_per_year = 1;
    for (pay::GridEntry& entry : rules.grid) {
        entry.row = {10000, 10000000, 10000000, 10000000, 10000000};
    }
    return rules;
}

/// Choices that reach the largest amounts under `rules_at_the_edges`: special charges and six
/// children, in the first zone.
inline pay::PayInputs largest_amount_choices() {
    return {.scale = std::string(pay::scale_text(pay::Scale::out_of_scale)),
            .rank = std::string(pay::rank_items(pay::Scale::out_of_scale)[7]),
            .zone = std::string(pay::zone_items[0]),
            .special_charges = std::string(pay::yes_text),
            .children = "6",
            .dependents = "6",
            .mutual_member = std::string(pay::yes_text)};
}

}  // namespace test_support
