#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "cli/batch.h"
#include "pay/calendar.h"
#include "pay/rules.h"
#include "pay/wide_integer.h"
#include "staff/rule_sets.h"

namespace cli {

/// The columns a run of arrears adds to each row, before the error.
inline constexpr std::array<std::string_view, 3> arrears_columns{"due", "paid", "arrears"};

/// The optional columns of a staff file that a run of arrears reads.
inline constexpr std::string_view from_column = "from";
inline constexpr std::string_view to_column = "to";
inline constexpr std::string_view paid_monthly_pay_column = "paid_monthly_pay";

/// What a run of arrears needs beyond a batch's input and output.
struct ArrearsOptions {
    /// The sets due, in date order, each in force from its effective day to the next one's.
    const std::vector<staff::KnownRuleSet>* sets = nullptr;
    /// The rules of what was paid, where a row has no paid_monthly_pay.
    const pay::PayRules* paid = nullptr;
    /// The run's period; it starts on or after the first set's day.
    pay::DayRange period{};
    /// Where the lines of each row and month go; none for no such file.
    std::ostream* detail = nullptr;
};

/// How a run of arrears ended: as a batch, with the sums in cents over the rows that succeeded.
struct ArrearsOutcome {
    BatchOutcome batch;
    pay::WideInteger due = 0;
    pay::WideInteger paid = 0;
    pay::WideInteger arrears = 0;
};

/// Reads a staff file and writes each row with what was due, what was paid and the arrears over
/// the row's months of `arrears.period`, reckoned month by month. The input's own columns come
/// first; a row's `from` and `to` (ISO days, empty for the whole period) mark a situation that
/// starts or ends inside the period.
ArrearsOutcome run_arrears(std::istream& input, std::ostream& output, const BatchOptions& options,
                           const ArrearsOptions& arrears);

/// What --summary tells after a run of arrears: the rows read and with errors, and the sums.
std::vector<std::string> arrears_summary_lines(const ArrearsOutcome& outcome,
                                               const BatchOptions& options);

}  // namespace cli
