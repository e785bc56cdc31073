#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "pay/pay_inputs.h"

namespace pay {

/// Index points and the four yearly amounts of one scale and rank.
struct GridRow {
    int index_points = 0;
    int hierarchy_allowance = 0;
    int charges_allowance = 0;
    int supervision_allowance = 0;
    int foundation_contribution = 0;

    friend bool operator==(const GridRow&, const GridRow&) = default;
};

/// One entry of the pay grid: a rank item of a scale's list and its row.
struct GridEntry {
    Scale scale;
    std::string_view rank;
    GridRow row;

    friend bool operator==(const GridEntry&, const GridEntry&) = default;
};

/// The number of grid entries: every rank item of every scale's list, once.
inline constexpr std::size_t grid_size = 43;

/// Annual base salary: ((index points - uncounted points) x value of a point + first fixed
/// amount) + second fixed amount. The two fixed amounts are added one after the other, not as
/// their sum.
struct BaseSalaryRule {
    double uncounted_index_points = 0;
    double index_point_value = 0;
    std::array<double, 2> fixed_amounts{};

    friend bool operator==(const BaseSalaryRule&, const BaseSalaryRule&) = default;
};

/// Yearly family allowance: one amount for each of the first children, another for each further
/// child up to the last count of the children list.
struct FamilyAllowanceRule {
    int first_children = 0;
    double first_child_amount = 0;
    double further_child_amount = 0;

    friend bool operator==(const FamilyAllowanceRule&, const FamilyAllowanceRule&) = default;
};

/// The social contributions; rates are percent.
struct ContributionRules {
    /// Share of the base salary added into the contribution base.
    double base_salary_share = 0;
    double retirement_rate = 0;
    double health_insurance_rate = 0;
    double health_insurance_ceiling = 0;
    /// General mutual contribution of a member, percent of the base salary alone.
    double general_mutual_rate = 0;
    double general_mutual_ceiling = 0;
    /// The mutual fund contribution of a member, a fixed yearly amount.
    double mutual_fund_amount = 0;

    friend bool operator==(const ContributionRules&, const ContributionRules&) = default;
};

/// One row of the income-tax scale: T above `lower` (and up to the next row's lower bound) pays
/// `base_amount` plus `rate` percent of T - `lower`. The lowest row has rate 0 and no tax.
struct TaxBracket {
    double lower = 0;
    double rate = 0;
    double base_amount = 0;
    /// The rate as the window shows it: "10 %".
    std::string label;

    friend bool operator==(const TaxBracket&, const TaxBracket&) = default;
};

/// A number of the rules as a rules file and the explanations write it: the shortest text that
/// reads back to the same value, with no decimals when it is whole ("150", "50.92", "2.5"), and
/// never in exponent form ("0.00001").
std::string rule_number_text(double value);

/// The window's text of a bracket's rate: "10 %", "12.5 %".
std::string tax_rate_label(double rate);

struct IncomeTaxRules {
    double professional_deduction_rate = 0;
    double professional_deduction_ceiling = 0;
    /// Yearly exemption per dependent.
    double exemption_per_dependent = 0;
    /// In rising order of their lower bounds, the first one at 0.
    std::vector<TaxBracket> brackets;

    friend bool operator==(const IncomeTaxRules&, const IncomeTaxRules&) = default;
};

/// A day of the calendar, as a rules file gives the day its rules take effect.
struct RulesDate {
    int year = 0;
    int month = 0;
    int day = 0;

    friend bool operator==(const RulesDate&, const RulesDate&) = default;
};

/// "2010-01-01".
std::string iso_date(RulesDate date);

/// What each part of a rule set rests on, in its author's words; shown back with the rules.
struct RuleReferences {
    std::string rule_set;
    std::string base_salary;
    std::string residence_allowance;
    std::string special_charges_allowance;
    std::string family_allowance;
    std::string contributions;
    std::string income_tax;
    std::string monthly_pay;
    std::string grid;

    friend bool operator==(const RuleReferences&, const RuleReferences&) = default;
};

/// Every amount, rate, ceiling and bracket the computation applies, in one value.
struct PayRules {
    /// The rule set's name as its author wrote it, e.g. "2010".
    std::string name;
    RulesDate effective;
    RuleReferences references;
    /// In list order: each scale's ranks, the scales in the order of the scale list.
    std::array<GridEntry, grid_size> grid{};
    BaseSalaryRule base_salary;
    /// Residence allowance, percent of the base salary, in the order of the zone list.
    std::array<double, zone_items.size()> zone_rates{};
    /// Special-charges allowance, percent of the base salary.
    double special_charges_rate = 0;
    FamilyAllowanceRule family_allowance;
    ContributionRules contributions;
    IncomeTaxRules income_tax;
    /// The monthly pay is the annual pay divided by this.
    int months_per_year = 0;

    friend bool operator==(const PayRules&, const PayRules&) = default;
};

/// "2010 (2010-01-01)": the name and effective day, as the explanations, the printed slip and the
/// about window name a rule set.
std::string rule_set_title(const PayRules& rules);

/// The rules in force since 2010, which the program has built in: rules/2010.toml, read once.
const PayRules& built_in_rules();

}  // namespace pay
