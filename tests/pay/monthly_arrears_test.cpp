#include "pay/monthly_arrears.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

namespace {

using pay::Day;
using pay::DayRange;
using pay::MonthShare;
using pay::PeriodMonth;

Day day(const char* text) {
    return *pay::parse_iso_day(text);
}

TEST(CalendarTest, IsoDaysAreReadStrictly) {
    EXPECT_EQ(pay::iso_day(day("2012-02-29")), "2012-02-29");
    for (const char* refused : {"2011-02-29", "2011-04-31", "2011-4-16", "2011-04-16 ",
                                "2011/04/16", "", "2011-00-10", "2011-13-01", "+011-04-16"}) {
        EXPECT_FALSE(pay::parse_iso_day(refused)) << refused;
    }
}

TEST(RoundedQuotientTest, HalvesGoAwayFromZero) {
    struct Case {
        std::int64_t numerator;
        std::int64_t denominator;
        std::int64_t expected;
    };
    for (const Case& c : std::array<Case, 7>{{{5, 2, 3},
                                              {-5, 2, -3},
                                              {4, 3, 1},
                                              {-4, 3, -1},
                                              {-1, 3, 0},  // never -0
                                              {0, 31, 0},
                                              {18130875, 30, 604363}}}) {
        EXPECT_EQ(pay::rounded_quotient(c.numerator, c.denominator), c.expected)
            << c.numerator << " / " << c.denominator;
    }
}

// The sets of these tests: one from 2010-01-01 and one from the 16th of April 2011.
const std::array<Day, 2> set_starts{day("2010-01-01"), day("2011-04-16")};

TEST(MonthsOfTest, ASetThatChangesMidMonthSharesTheMonthByCalendarDays) {
    const std::vector<PeriodMonth> months =
        pay::months_of({day("2011-03-01"), day("2011-05-31")}, set_starts);
    ASSERT_EQ(months.size(), 3U);
    EXPECT_EQ(months[0].days_in_month, 31);
    EXPECT_EQ(months[0].shares, (std::vector<MonthShare>{{0, 31}}));
    // April has 30 days: the 1st to the 15th under the first set, the 16th to the 30th under the
    // second.
    EXPECT_EQ(months[1].month, std::chrono::year{2011} / std::chrono::April);
    EXPECT_EQ(months[1].days_in_month, 30);
    EXPECT_EQ(months[1].days, 30);
    EXPECT_EQ(months[1].shares, (std::vector<MonthShare>{{0, 15}, {1, 15}}));
    EXPECT_EQ(months[2].shares, (std::vector<MonthShare>{{1, 31}}));

    // Monthly pays of 6033.13 and 6054.12:
    // (603313 x 15 + 605412 x 15) / 30 = 18130875 / 30 = 604362.5 -> 604363 cents.
    const std::array<std::int64_t, 2> monthly{603313, 605412};
    EXPECT_EQ(pay::month_amount(months[1], monthly), 604363);
    EXPECT_EQ(pay::month_amount(months[0], monthly), 603313);
    EXPECT_EQ(pay::month_amount(months[2], monthly), 605412);
}

TEST(MonthsOfTest, APeriodThatStartsOrEndsMidMonthCountsItsOwnDays) {
    // Arrives on the 16th of April: 15 of April's 30 days.
    const auto arrival = pay::months_of({day("2011-04-16"), day("2011-05-31")}, set_starts);
    ASSERT_EQ(arrival.size(), 2U);
    EXPECT_EQ(arrival[0].days, 15);
    EXPECT_EQ(arrival[0].shares, (std::vector<MonthShare>{{1, 15}}));
    // 603313 x 15 / 30 = 301656.5 -> 301657 cents.
    EXPECT_EQ(pay::month_amount(arrival[0], std::int64_t{603313}), 301657);

    // Leaves on the 10th of January: 10 of its 31 days.
    const auto departure = pay::months_of({day("2011-01-01"), day("2011-01-10")}, set_starts);
    ASSERT_EQ(departure.size(), 1U);
    EXPECT_EQ(departure[0].days, 10);
    // 603313 x 10 / 31 = 6033130 / 31 = 194617.09... -> 194617 cents.
    EXPECT_EQ(pay::month_amount(departure[0], std::int64_t{603313}), 194617);
}

TEST(MonthsOfTest, FebruaryOfALeapYearHas29Days) {
    const auto months = pay::months_of({day("2012-02-01"), day("2012-02-10")}, set_starts);
    ASSERT_EQ(months.size(), 1U);
    EXPECT_EQ(months[0].days_in_month, 29);
    EXPECT_EQ(months[0].days, 10);
    // 603313 x 10 / 29 = 6033130 / 29 = 208038.96... -> 208039 cents.
    EXPECT_EQ(pay::month_amount(months[0], std::int64_t{603313}), 208039);
    const auto whole = pay::months_of({day("2011-02-01"), day("2012-02-29")}, set_starts);
    EXPECT_EQ(whole.front().days_in_month, 28);
    EXPECT_EQ(whole.back().days_in_month, 29);
    EXPECT_EQ(whole.back().days, 29);
    EXPECT_EQ(whole.size(), 13U);
}

TEST(MonthsOfTest, APeriodAcrossTheYearsEndIsCutAtEachMonth) {
    const auto months = pay::months_of({day("2011-12-20"), day("2012-01-05")}, set_starts);
    ASSERT_EQ(months.size(), 2U);
    EXPECT_EQ(months[0].days, 12);  // the 20th to the 31st
    EXPECT_EQ(months[1].days, 5);
    EXPECT_EQ(months[1].month, std::chrono::year{2012} / std::chrono::January);
}

TEST(MonthsOfTest, ANegativeMonthlyAmountRoundsAwayFromZero) {
    const auto months = pay::months_of({day("2011-04-16"), day("2011-04-30")}, set_starts);
    // -603313 x 15 / 30 = -301656.5 -> -301657 cents.
    EXPECT_EQ(pay::month_amount(months[0], std::int64_t{-603313}), -301657);
}

}  // namespace
