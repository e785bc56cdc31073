#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "pay/calendar.h"
#include "pay/wide_integer.h"

// Arrears are reckoned month by month: in each calendar month, a monthly pay counts for the
// calendar days it covers, and the month's amount is rounded to the cent once.
namespace pay {

/// The days of one month that one rule set covers.
struct MonthShare {
    /// The set's place in the list of set starts.
    std::size_t set = 0;
    int days = 0;

    friend bool operator==(const MonthShare&, const MonthShare&) = default;
};

/// One calendar month of a period.
struct PeriodMonth {
    std::chrono::year_month month;
    /// All the days of the month, the weights' denominator.
    int days_in_month = 0;
    /// The days of the period in the month.
    int days = 0;
    /// The sets in force on those days, in date order, each with its days.
    std::vector<MonthShare> shares;
};

/// The calendar months of `period`, each with the days that each set covers. `set_starts` are
/// the first days of the sets, rising; each holds until the next one's first day, the last one
/// with no end. The period starts on or after the first set's first day.
std::vector<PeriodMonth> months_of(DayRange period, std::span<const Day> set_starts);

/// `numerator` / `denominator` rounded half away from zero; `denominator` is above 0.
std::int64_t rounded_quotient(WideInteger numerator, std::int64_t denominator);

/// The amount of one month in cents: each share's monthly amount (`monthly_cents[share.set]`)
/// times its days over the days of the month, summed, then rounded half away from zero once.
std::int64_t month_amount(const PeriodMonth& month, std::span<const std::int64_t> monthly_cents);

/// A whole-month amount for the days `month` covers, as `month_amount` weighs it.
std::int64_t month_amount(const PeriodMonth& month, std::int64_t monthly_cents);

}  // namespace pay
