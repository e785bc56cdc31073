#include "pay/amount_format.h"

#include <gtest/gtest.h>

#include <string>

#include "test_names.h"

namespace {

struct FormatCase {
    double amount;
    const char* point;
    const char* comma;
};

class DisplayFormat : public testing::TestWithParam<FormatCase> {};

TEST_P(DisplayFormat, ShowsTwoDecimalsRoundedHalfAwayFromZero) {
    EXPECT_EQ(pay::format_amount(GetParam().amount, "."), GetParam().point);
    EXPECT_EQ(pay::format_amount(GetParam().amount, ","), GetParam().comma);
}

INSTANTIATE_TEST_SUITE_P(
    Amounts, DisplayFormat,
    testing::Values(FormatCase{0, "0.00", "0,00"}, FormatCase{0.5, "0.50", "0,50"},
                    FormatCase{235, "235.00", "235,00"}, FormatCase{4800, "4800.00", "4800,00"},
                    // The decimal value is rounded, not the binary double below it.
                    FormatCase{1234.565, "1234.57", "1234,57"}, FormatCase{0.125, "0.13", "0,13"},
                    FormatCase{1819.425, "1819.43", "1819,43"}, FormatCase{0.005, "0.01", "0,01"},
                    FormatCase{0.0049, "0.00", "0,00"}, FormatCase{0.004, "0.00", "0,00"},
                    FormatCase{99.995, "100.00", "100,00"}, FormatCase{9.999, "10.00", "10,00"},
                    FormatCase{-1234.565, "-1234.57", "-1234,57"},
                    FormatCase{-0.5, "-0.50", "-0,50"},
                    // An amount that shows as zero never shows a minus sign.
                    FormatCase{-0.001, "0.00", "0,00"}, FormatCase{-0.0, "0.00", "0,00"},
                    FormatCase{1e-13, "0.00", "0,00"}, FormatCase{-1e-13, "0.00", "0,00"},
                    FormatCase{123456789012.345, "123456789012.35", "123456789012,35"},
                    FormatCase{1e20, "100000000000000000000.00", "100000000000000000000,00"}),
    [](const testing::TestParamInfo<FormatCase>& info) {
        return test_names::from_amount(info.param.amount);
    });

TEST(DisplayFormat, TakesAMultiByteSeparator) {
    EXPECT_EQ(pay::format_amount(2400.5, "٫"), "2400٫50");
}

TEST(WholeFormat, ShowsNoSeparator) {
    EXPECT_EQ(pay::format_whole(1500), "1500");
    EXPECT_EQ(pay::format_whole(0), "0");
    EXPECT_EQ(pay::format_whole(2.5), "3");
}

TEST(ShownValue, IsTheValueTheTextShows) {
    EXPECT_EQ(pay::shown_value(1819.425, 2), 1819.43);
    EXPECT_EQ(pay::shown_value(235, 2), 235.0);
    EXPECT_EQ(pay::shown_value(-0.001, 2), 0.0);
}

}  // namespace
