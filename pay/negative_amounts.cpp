#include "pay/negative_amounts.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

#include "pay/amount_format.h"
#include "pay/ceiling.h"
#include "pay/income_tax.h"
#include "pay/percent.h"
#include "pay/rules_schema.h"
#include "pay/rules_text.h"
#include "pay/trace.h"

namespace pay {
namespace {

double value_of(const PaySlip& slip, const SlipFieldInfo& info) {
    if (const auto* amount = std::get_if<double PaySlip::*>(&info.member)) {
        return slip.**amount;
    }
    if (const auto* maybe = std::get_if<std::optional<double> PaySlip::*>(&info.member)) {
        return (slip.**maybe).value_or(0);
    }
    return 0;
}

// The amounts that can fall below 0 with rules of no negative number, each before those it
// brings down with it.
constexpr std::array first_to_fall{SlipField::annual_base_salary, SlipField::taxable_amount,
                                   SlipField::annual_pay};

std::optional<SlipField> negative_field(const PaySlip& slip) {
    for (const SlipField field : first_to_fall) {
        if (value_of(slip, slip_fields[static_cast<std::size_t>(field)]) < 0) {
            return field;
        }
    }
    for (const SlipFieldInfo& info : slip_fields) {
        if (value_of(slip, info) < 0) {
            return info.field;
        }
    }
    return std::nullopt;
}

// One term of a sum or difference, named as a message names it, and what in the rules sets it.
struct Term {
    std::string_view name;
    double amount = 0;
    Blame blame;
};

std::string section_key(std::string_view table, std::string_view key) {
    return std::string(table) + "." + std::string(key);
}

std::string terms_text(const std::vector<Term>& terms) {
    std::string text;
    for (const Term& term : terms) {
        text +=
            (text.empty() ? "" : ", ") + std::string(term.name) + " " + format_amount(term.amount);
    }
    return text;
}

std::string choice_text(const NegativeAmount& negative, const PayRules& rules) {
    const GridEntry& entry = rules.grid[negative.grid_entry];
    return "rank " + quoted(entry.rank) + " of scale " + quoted(scale_text(entry.scale)) +
           ", zone " + quoted(zone_items[negative.zone]) +
           (negative.special_charges ? ", with special charges" : ", without special charges") +
           (negative.mutual_member ? ", a member of the mutuals"
                                   : ", not a member of the mutuals") +
           ", no children and no dependents";
}

double professional_deduction_of(const PaySlip& slip, const IncomeTaxRules& rules) {
    const double deduction =
        percent(slip.gross_before_family.value_or(0), rules.professional_deduction_rate);
    return reaches_ceiling(deduction, rules.professional_deduction_ceiling)
               ? rules.professional_deduction_ceiling
               : deduction;
}

// The deductions the taxable amount subtracts from the gross pay.
std::vector<Term> tax_deductions(const PaySlip& slip, const PayRules& rules) {
    namespace schema = rules_schema;
    const auto contribution = [](std::string_view key) {
        return Blame{section_key(schema::contributions_table, key), {}};
    };
    return {
        {"retirement", slip.retirement, contribution("retirement_rate")},
        {"professional deduction", professional_deduction_of(slip, rules.income_tax),
         Blame{section_key(schema::income_tax_table, "professional_deduction_rate"), {}}},
        {"health insurance", slip.health_insurance, contribution("health_insurance_rate")},
        {"general mutual", slip.general_mutual, contribution("general_mutual_rate")},
        {"mutual fund", slip.mutual_fund, contribution("mutual_fund_amount")},
    };
}

// The deductions from the gross total; the income tax is set by the bracket of the taxable
// amount, by its rate or by its base amount, whichever weighs more.
std::vector<Term> all_deductions(const PaySlip& slip, const PayRules& rules) {
    namespace schema = rules_schema;
    const IncomeTaxRules& tax = rules.income_tax;
    const TaxBracket& bracket = bracket_for(slip.taxable_amount, tax);
    const auto index = static_cast<std::size_t>(&bracket - tax.brackets.data());
    const bool base_weighs_more =
        bracket.base_amount >= percent(slip.taxable_amount - bracket.lower, bracket.rate);
    // The file's brackets start after the untaxed one.
    const std::string bracket_path =
        std::string(schema::income_tax_table) + "." + std::string(schema::brackets_key) + "[" +
        std::to_string(index == 0 ? 0 : index - 1) + "]." +
        std::string(base_weighs_more ? schema::bracket_base_key : schema::bracket_rate_key);
    std::vector<Term> terms = tax_deductions(slip, rules);
    terms.erase(terms.begin() + 1);  // the professional deduction is no deduction from pay
    terms.insert(terms.begin(), Term{"income tax", slip.income_tax, Blame{bracket_path, {}}});
    terms.insert(terms.begin() + 2, Term{"foundation contribution", slip.foundation_contribution,
                                         Blame{{}, "foundation_contribution"}});
    return terms;
}

const Term& largest(const std::vector<Term>& terms) {
    return *std::max_element(terms.begin(), terms.end(),
                             [](const Term& a, const Term& b) { return a.amount < b.amount; });
}

}  // namespace

std::string negative_amount_message(const NegativeAmount& negative, const PayRules& rules) {
    const PaySlip& slip = negative.slip;
    const GridEntry& entry = rules.grid[negative.grid_entry];
    switch (negative.field) {
        case SlipField::annual_base_salary:
            return "'uncounted_index_points' " +
                   rule_number_text(rules.base_salary.uncounted_index_points) + " leaves rank " +
                   quoted(entry.rank) + " of scale " + quoted(scale_text(entry.scale)) + " (" +
                   std::to_string(entry.row.index_points) +
                   " index points) a negative base salary: " +
                   format_amount(slip.annual_base_salary);
        case SlipField::taxable_amount:
            return "the deductions before tax exceed the gross pay of " +
                   choice_text(negative, rules) + ": taxable amount " +
                   format_amount(slip.taxable_amount) + " = gross pay " +
                   format_amount(slip.gross_before_family.value_or(0)) + " less " +
                   terms_text(tax_deductions(slip, rules));
        case SlipField::annual_pay:
            return "the deductions exceed the gross total of " + choice_text(negative, rules) +
                   ": annual pay " + format_amount(slip.annual_pay.value_or(0)) +
                   " = gross total " + format_amount(slip.gross_total) + " less " +
                   terms_text(all_deductions(slip, rules));
        default:
            return std::string(slip_fields[static_cast<std::size_t>(negative.field)].name) +
                   " falls below 0 for " + choice_text(negative, rules);
    }
}

Blame blame_for(const NegativeAmount& negative, const PayRules& rules) {
    switch (negative.field) {
        case SlipField::annual_base_salary:
            return {section_key(rules_schema::base_salary_table, "uncounted_index_points"), {}};
        case SlipField::taxable_amount:
            return largest(tax_deductions(negative.slip, rules)).blame;
        case SlipField::annual_pay:
            return largest(all_deductions(negative.slip, rules)).blame;
        default:
            return {};
    }
}

// Children and dependents need no more than their count of 0. More children add a family
// allowance of 0 or more to the gross total and to nothing else, and more dependents an
// exemption of 0 or more that only lowers the income tax: each stored sum and difference is
// monotonic in them, rounding to 15 digits included, so the annual pay with any count is at
// least the one with none, and no other amount depends on them. The grid entries, zones,
// special charges and mutual membership are all tried: the brackets' base amounts need not
// join up, so the pay need not rise with the gross pay.
std::optional<NegativeAmount> first_negative_amount(const PayRules& rules) {
    Choices choices;
    choices.children = 0;
    choices.dependents = 0;
    for (std::size_t entry = 0; entry < rules.grid.size(); ++entry) {
        choices.scale = rules.grid[entry].scale;
        choices.grid_entry = entry;
        for (std::size_t zone = 0; zone < zone_items.size(); ++zone) {
            choices.zone = zone;
            for (const bool special_charges : {true, false}) {
                choices.special_charges = special_charges;
                for (const bool mutual_member : {true, false}) {
                    choices.mutual_member = mutual_member;
                    PaySlip slip;
                    NoTrace trace;
                    compute_pay(choices, rules, slip, trace);
                    if (const std::optional<SlipField> field = negative_field(slip)) {
                        return NegativeAmount{entry,         zone,   special_charges,
                                              mutual_member, *field, slip};
                    }
                }
            }
        }
    }
    return std::nullopt;
}

}  // namespace pay
