#include "pay/calendar.h"

#include <charconv>
#include <string>

namespace pay {
namespace {

std::optional<int> digits(std::string_view text) {
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

Day day_of(RulesDate date) {
    return std::chrono::year_month_day{std::chrono::year{date.year},
                                       std::chrono::month{static_cast<unsigned>(date.month)},
                                       std::chrono::day{static_cast<unsigned>(date.day)}};
}

RulesDate date_of(Day day) {
    const std::chrono::year_month_day date{day};
    return {static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
            static_cast<int>(static_cast<unsigned>(date.day()))};
}

std::optional<Day> parse_iso_day(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
        return std::nullopt;
    }
    const auto year = digits(text.substr(0, 4));
    const auto month = digits(text.substr(5, 2));
    const auto day = digits(text.substr(8, 2));
    if (!year || !month || !day) {
        return std::nullopt;
    }
    const std::chrono::year_month_day date{std::chrono::year{*year},
                                           std::chrono::month{static_cast<unsigned>(*month)},
                                           std::chrono::day{static_cast<unsigned>(*day)}};
    if (!date.ok()) {
        return std::nullopt;
    }
    return Day{date};
}

std::string iso_day(Day day) {
    return iso_date(date_of(day));
}

}  // namespace pay
