#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "pay/choices.h"
#include "pay/pay_inputs.h"
#include "pay/pay_slip.h"
#include "pay/rules.h"

namespace pay {

/// The choice that changes from row to row of a comparison.
enum class CompareAxis { rank, scale, zone, children, dependents };

inline constexpr std::array all_compare_axes{CompareAxis::rank, CompareAxis::scale,
                                             CompareAxis::zone, CompareAxis::children,
                                             CompareAxis::dependents};

/// The axis's name: "rank", "scale", "zone", "children", "dependents".
std::string_view axis_name(CompareAxis axis);

/// The axis whose name is `name` exactly, or none.
std::optional<CompareAxis> axis_from_name(std::string_view name);

/// The choice an axis changes.
Choice axis_choice(CompareAxis axis);

/// One row of a comparison: the user's choices with one of them changed to a list item,
/// computed alone on the comparison's start slip.
struct ComparisonRow {
    PayInputs inputs;
    PaySlip slip;
    /// Shown monthly and annual pay of this row less those of the user's own choices, as the
    /// window shows them (two decimals), so that a difference is the difference of the shown
    /// figures.
    double monthly_difference = 0;
    double annual_difference = 0;
};

/// The pay of every list item along one axis beside the user's own.
struct Comparison {
    CompareAxis axis = CompareAxis::rank;
    /// The user's own choices and their slip, computed alone on the start slip.
    PayInputs own;
    PaySlip own_slip;
    std::vector<ComparisonRow> rows;
    /// The row that stands for the user's own choices; none when the user's text on this axis is
    /// no list item (a typed zone, say).
    std::optional<std::size_t> current;
    /// Scales left out of a scale comparison because their rank list has no rank at the place
    /// of the user's rank.
    std::vector<Scale> left_out;
};

/// The comparison, or why the user's choices cannot be computed alone on a fresh slip.
struct ComparisonOutcome {
    std::optional<Comparison> comparison;
    std::optional<Refusal> refusal;
};

/// The rows along `axis` for the user's choices `own`, in list order:
/// - rank: every rank of the chosen scale;
/// - scale: every scale with the rank at the same place in its list, where there is one;
/// - zone: the three zones; children and dependents: 0 to 6.
/// Every row, and the user's own choices, go through `check_inputs` and `compute_pay` on a
/// fresh slip, so nothing carries from one row, or from an earlier computation, to the next.
/// Refused when `own` does not compute on a fresh slip (a missing choice, a typed scale or rank
/// with no grid row, a count that reads as no number).
ComparisonOutcome compare_pay(const PayInputs& own, CompareAxis axis, const PayRules& rules);

/// The same, for choices already read: `own` are the texts, `choices` what they read as.
ComparisonOutcome compare_pay(const PayInputs& own, const Choices& choices, CompareAxis axis,
                              const PayRules& rules);

/// The same, with every row and the user's own choices computed on a copy of `start` instead of
/// a fresh slip: the amounts a choice that is no list item leaves unwritten (the residence
/// allowance of a typed zone, say) keep what `start` holds. A window passes the slip its last
/// computation found, so that the own row shows what the window shows. Still refused when `own`
/// has no grid row of its own.
ComparisonOutcome compare_pay(const PayInputs& own, const Choices& choices, CompareAxis axis,
                              const PayRules& rules, const PaySlip& start);

/// A difference as shown: "#0.00" with `separator`, a plus sign before a positive difference,
/// `minus` before a negative one and no sign for zero.
std::string format_difference(double difference, std::string_view separator = ".",
                              std::string_view minus = "-");

}  // namespace pay
