#pragma once

#include <algorithm>
#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "pay/rules.h"

namespace pay {

/// A day of the calendar as a count of days, for spans and comparisons.
using Day = std::chrono::sys_days;

/// The day `date` names; the date must be a real one.
Day day_of(RulesDate date);

/// The date of `day`.
RulesDate date_of(Day day);

/// The day an ISO text names, "2011-04-16": four digits, two, two, and a day the calendar has.
/// None for anything else ("2011-4-16", "2011-02-30", " 2011-04-16").
std::optional<Day> parse_iso_day(std::string_view text);

/// "2011-04-16".
std::string iso_day(Day day);

/// Days `first` to `last`, both counted; empty when `last` comes before `first`.
struct DayRange {
    Day first;
    Day last;

    int days() const { return last < first ? 0 : static_cast<int>((last - first).count()) + 1; }
    DayRange overlap(DayRange other) const {
        return {std::max(first, other.first), std::min(last, other.last)};
    }
};

}  // namespace pay
