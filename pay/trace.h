#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "pay/slip_fields.h"

namespace pay {

/// How a term joins the terms before it on its formula line. A line is read strictly from left
/// to right: `first` starts it, each operation applies to everything before it, and `gives`
/// ends it with its result.
enum class TermOperation {
    first,
    plus,
    minus,
    times,
    divided_by,
    /// Times a rate in percent; the value is written with its percent sign ("25 %").
    percent_of,
    /// The smaller of what comes before and this ceiling.
    at_most,
    /// A bracket test: the first term is strictly above this lower bound.
    above,
    /// A bracket test: the first term is not above this upper bound.
    not_above,
    /// The result of the line.
    gives,
};

/// What a number that a step weighed stands for: a shown field of the slip, or one of the
/// rules' numbers and intermediate amounts.
enum class Quantity : std::uint8_t {
    field,
    grid_amount,
    uncounted_index_points,
    index_point_value,
    first_fixed_amount,
    second_fixed_amount,
    zone_rate,
    special_charges_rate,
    no_special_charges,
    children,
    first_children,
    first_child_amount,
    further_child_amount,
    first_children_allowance,
    last_child_count,
    base_salary_share,
    contribution_base,
    retirement_rate,
    health_insurance_rate,
    health_insurance_ceiling,
    no_general_mutual,
    general_mutual_rate,
    general_mutual_ceiling,
    no_mutual_fund,
    mutual_fund_amount,
    gross_before_family,
    professional_deduction_rate,
    professional_deduction_ceiling,
    professional_deduction,
    bracket_lower,
    bracket_upper,
    bracket_rate,
    bracket_base_amount,
    gross_tax,
    dependents,
    exemption_per_dependent,
    months,
};

inline constexpr std::size_t quantity_count = static_cast<std::size_t>(Quantity::months) + 1;

/// One number of a formula line, as a step weighed it.
struct TracedTerm {
    Quantity quantity = Quantity::field;
    /// The field, when `quantity` is `Quantity::field`.
    SlipField field = SlipField::index_points;
    TermOperation operation = TermOperation::first;
    double value = 0;
};

/// The trace of a plain press: records nothing, and compiles to nothing.
struct NoTrace {
    static constexpr bool enabled = false;
    void term(Quantity /*quantity*/, double /*value*/, TermOperation /*operation*/) {}
    void field(SlipField /*field*/, double /*value*/, TermOperation /*operation*/) {}
    void gives(Quantity /*quantity*/, double /*value*/) {}
    void gives(SlipField /*field*/, double /*value*/) {}
    void note(Quantity /*quantity*/, double /*value*/) {}
    void wrote(SlipField /*field*/) {}
    void bracket(std::size_t /*index*/) {}
};

/// The trace of an explained press: the formula lines each step worked, in order, each ending in
/// its result; the rules' numbers each step weighed, on a line or not (a ceiling not reached);
/// and which fields the press wrote.
class TermTrace {
  public:
    static constexpr bool enabled = true;

    void term(Quantity quantity, double value, TermOperation operation);
    void field(SlipField field, double value, TermOperation operation);
    void gives(Quantity quantity, double value);
    void gives(SlipField field, double value);
    void note(Quantity quantity, double value);
    void wrote(SlipField field) { written_[static_cast<std::size_t>(field)] = true; }
    /// The tax step took the bracket at this place of the rules' list.
    void bracket(std::size_t index) { bracket_ = index; }

    bool written(SlipField field) const { return written_[static_cast<std::size_t>(field)]; }

    /// The line whose result is the field, or the intermediate amount; empty when the press
    /// worked none.
    std::span<const TracedTerm> line(SlipField field) const;
    std::span<const TracedTerm> line(Quantity quantity) const;

    /// The last value noted of a quantity, on a line or not; 0 when none was.
    double value(Quantity quantity) const { return values_[index(quantity)]; }
    bool has(Quantity quantity) const { return noted_[index(quantity)]; }

    /// The place of the bracket the tax step took; none when it took none.
    std::optional<std::size_t> bracket() const { return bracket_; }

  private:
    struct Range {
        std::uint16_t begin = 0;
        std::uint16_t end = 0;
    };
    static constexpr std::size_t index(Quantity quantity) {
        return static_cast<std::size_t>(quantity);
    }
    void add(const TracedTerm& term);
    Range finish_line();
    std::span<const TracedTerm> terms_of(Range range) const;

    static constexpr std::size_t capacity = 192;
    std::array<TracedTerm, capacity> terms_{};
    std::size_t size_ = 0;
    std::size_t line_start_ = 0;
    std::array<Range, slip_field_count> field_lines_{};
    std::array<Range, quantity_count> quantity_lines_{};
    std::array<double, quantity_count> values_{};
    std::array<bool, quantity_count> noted_{};
    std::array<bool, slip_field_count> written_{};
    std::optional<std::size_t> bracket_;
};

}  // namespace pay
