#include "pay/comparison.h"

#include <algorithm>

#include "pay/amount_format.h"
#include "pay/choices.h"
#include "pay/trace.h"

namespace pay {
namespace {

constexpr std::array<std::string_view, all_compare_axes.size()> axis_names{
    "rank", "scale", "zone", "children", "dependents"};

// The difference of two amounts as the window shows them; both have two decimals, so the
// difference has too.
double shown_difference(std::optional<double> row, std::optional<double> own) {
    return shown_value(shown_value(row.value_or(0), 2) - shown_value(own.value_or(0), 2), 2);
}

// Whether a row's choices stand for the user's own on the axis: the same grid entry, zone or
// count, as the two were read.
bool same_on_axis(Choice choice, const Choices& own, const Choices& row) {
    switch (choice) {
        case Choice::scale:
        case Choice::rank:
            return own.grid_entry == row.grid_entry;
        case Choice::zone:
            return own.zone && own.zone == row.zone;
        case Choice::children:
            return own.children && own.children == row.children;
        case Choice::dependents:
            return own.dependents == row.dependents;
        default:
            return false;
    }
}

class RowMaker {
  public:
    RowMaker(Comparison& comparison, const Choices& own, const PayRules& rules,
             const PaySlip& start)
        : comparison_(comparison), own_(own), rules_(rules), start_(start) {}

    // Computes the user's choices with `choice` set to `item`; false when that row is refused.
    bool add(Choice choice, std::string_view item, std::string_view rank = {}) {
        ComparisonRow row{.inputs = comparison_.own, .slip = start_};
        choice_text(row.inputs, choice) = std::string(item);
        if (choice == Choice::scale) {
            row.inputs.rank = std::string(rank);
        }
        const auto read = read_choices(row.inputs, false);
        const auto* choices = std::get_if<Choices>(&read);
        if (choices == nullptr) {
            return false;
        }
        NoTrace trace;
        compute_pay(*choices, rules_, row.slip, trace);
        row.monthly_difference =
            shown_difference(row.slip.monthly_pay, comparison_.own_slip.monthly_pay);
        row.annual_difference =
            shown_difference(row.slip.annual_pay, comparison_.own_slip.annual_pay);
        if (same_on_axis(choice, own_, *choices) && !comparison_.current) {
            comparison_.current = comparison_.rows.size();
        }
        comparison_.rows.push_back(std::move(row));
        return true;
    }

  private:
    Comparison& comparison_;
    const Choices& own_;
    const PayRules& rules_;
    const PaySlip& start_;
};

}  // namespace

std::string_view axis_name(CompareAxis axis) {
    return axis_names[static_cast<std::size_t>(axis)];
}

std::optional<CompareAxis> axis_from_name(std::string_view name) {
    const auto found = std::find(axis_names.begin(), axis_names.end(), name);
    if (found == axis_names.end()) {
        return std::nullopt;
    }
    return all_compare_axes[static_cast<std::size_t>(found - axis_names.begin())];
}

Choice axis_choice(CompareAxis axis) {
    switch (axis) {
        case CompareAxis::rank:
            return Choice::rank;
        case CompareAxis::scale:
            return Choice::scale;
        case CompareAxis::zone:
            return Choice::zone;
        case CompareAxis::children:
            return Choice::children;
        case CompareAxis::dependents:
            return Choice::dependents;
    }
    return Choice::rank;
}

ComparisonOutcome compare_pay(const PayInputs& own, CompareAxis axis, const PayRules& rules) {
    const auto read = read_choices(own, false);
    if (const auto* refusal = std::get_if<Refusal>(&read)) {
        return {.comparison = std::nullopt, .refusal = *refusal};
    }
    return compare_pay(own, std::get<Choices>(read), axis, rules);
}

ComparisonOutcome compare_pay(const PayInputs& own, const Choices& own_choices, CompareAxis axis,
                              const PayRules& rules) {
    return compare_pay(own, own_choices, axis, rules, PaySlip{});
}

ComparisonOutcome compare_pay(const PayInputs& own, const Choices& own_choices, CompareAxis axis,
                              const PayRules& rules, const PaySlip& start) {
    Comparison comparison{
        .axis = axis, .own = own, .own_slip = start, .rows = {}, .current = {}, .left_out = {}};
    // Each row is computed alone, on its own copy of the start slip.
    if (auto refusal = refusal_without_grid_row(own_choices, false)) {
        return {.comparison = std::nullopt, .refusal = refusal};
    }
    NoTrace trace;
    compute_pay(own_choices, rules, comparison.own_slip, trace);

    // A fresh slip finds a grid row only for a scale and a rank that are list items.
    const auto own_ranks = rank_items(*own_choices.scale);
    RowMaker rows(comparison, own_choices, rules, start);
    const Choice choice = axis_choice(axis);
    switch (axis) {
        case CompareAxis::rank:
            for (const std::string_view rank : own_ranks) {
                rows.add(choice, rank);
            }
            break;
        case CompareAxis::scale: {
            const auto place = static_cast<std::size_t>(
                std::find(own_ranks.begin(), own_ranks.end(), own.rank) - own_ranks.begin());
            for (const Scale scale : all_scales) {
                const auto ranks = rank_items(scale);
                if (place >= ranks.size() || !rows.add(choice, scale_text(scale), ranks[place])) {
                    comparison.left_out.push_back(scale);
                }
            }
            break;
        }
        case CompareAxis::zone:
            for (const std::string_view zone : zone_items) {
                rows.add(choice, zone);
            }
            break;
        case CompareAxis::children:
        case CompareAxis::dependents:
            for (const std::string_view count : count_items) {
                rows.add(choice, count);
            }
            break;
    }
    return {.comparison = std::move(comparison), .refusal = std::nullopt};
}

std::string format_difference(double difference, std::string_view separator,
                              std::string_view minus) {
    ShownAmount shown = show_amount(difference, 2, separator);
    if (shown.value > 0) {
        return "+" + shown.text;
    }
    if (shown.value < 0) {
        // The shown text begins with its own minus sign.
        return std::string(minus) + shown.text.substr(1);
    }
    return std::move(shown.text);
}

}  // namespace pay
