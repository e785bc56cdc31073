#include "pay/monthly_arrears.h"

namespace pay {

std::vector<PeriodMonth> months_of(DayRange period, std::span<const Day> set_starts) {
    using std::chrono::days;
    using std::chrono::last;
    std::vector<PeriodMonth> months;
    if (period.days() == 0) {
        return months;
    }
    const std::chrono::year_month_day first{period.first};
    for (std::chrono::year_month month{first.year(), first.month()};;
         month += std::chrono::months{1}) {
        const Day month_first{month / 1};
        if (month_first > period.last) {
            break;
        }
        const DayRange whole{month_first, Day{month / last}};
        const DayRange covered = whole.overlap(period);
        PeriodMonth row_month{
            .month = month, .days_in_month = whole.days(), .days = covered.days(), .shares = {}};
        for (std::size_t set = 0; set < set_starts.size(); ++set) {
            const Day until =
                set + 1 < set_starts.size() ? set_starts[set + 1] - days{1} : Day::max();
            const int shared = covered.overlap({set_starts[set], until}).days();
            if (shared > 0) {
                row_month.shares.push_back({.set = set, .days = shared});
            }
        }
        months.push_back(std::move(row_month));
    }
    return months;
}

std::int64_t rounded_quotient(WideInteger numerator, std::int64_t denominator) {
    const WideInteger magnitude = numerator < 0 ? -numerator : numerator;
    const WideInteger rounded = (2 * magnitude + denominator) / (2 * WideInteger{denominator});
    return static_cast<std::int64_t>(numerator < 0 ? -rounded : rounded);
}

std::int64_t month_amount(const PeriodMonth& month, std::span<const std::int64_t> monthly_cents) {
    WideInteger weighted = 0;
    for (const MonthShare& share : month.shares) {
        weighted += WideInteger{monthly_cents[share.set]} * share.days;
    }
    return rounded_quotient(weighted, month.days_in_month);
}

std::int64_t month_amount(const PeriodMonth& month, std::int64_t monthly_cents) {
    return rounded_quotient(WideInteger{monthly_cents} * month.days, month.days_in_month);
}

}  // namespace pay
