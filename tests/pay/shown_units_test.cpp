// Shown amounts read as whole numbers of their last place, and written back.
#include "pay/shown_units.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace {

struct ReadCase {
    const char* name;
    std::string text;
    std::optional<std::int64_t> units;
};

class ShownUnits : public testing::TestWithParam<ReadCase> {};

TEST_P(ShownUnits, AreTheDigitsOfTheText) {
    EXPECT_EQ(pay::shown_units(GetParam().text), GetParam().units);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ShownUnits,
    testing::Values(ReadCase{"two_decimals", "6033.13", 603313},
                    ReadCase{"decimal_comma", "6033,13", 603313}, ReadCase{"below_one", "0.05", 5},
                    ReadCase{"negative", "-0.50", -50}, ReadCase{"whole_number", "1500", 1500},
                    ReadCase{"zero", "0", 0}, ReadCase{"empty", "", std::nullopt},
                    ReadCase{"rate_label", "20 %", std::nullopt},
                    ReadCase{"sign_alone", "-", std::nullopt},
                    ReadCase{"two_separators", "1.000.00", std::nullopt},
                    ReadCase{"separator_last", "12.", std::nullopt},
                    ReadCase{"separator_first", ".5", std::nullopt},
                    // Nineteen digits could overflow a sum of rows.
                    ReadCase{"nineteen_digits", "1000000000000000000", std::nullopt},
                    ReadCase{"eighteen_digits", "9999999999999999.99", 999999999999999999}),
    [](const testing::TestParamInfo<ReadCase>& info) { return info.param.name; });

struct WriteCase {
    const char* name;
    pay::WideInteger units;
    int decimals;
    char separator;
    std::string amount;
    std::string difference;
};

class UnitsText : public testing::TestWithParam<WriteCase> {};

TEST_P(UnitsText, IsTheAmountAndTheSignedDifference) {
    const WriteCase& c = GetParam();
    EXPECT_EQ(pay::units_text(c.units, c.decimals, c.separator), c.amount);
    EXPECT_EQ(pay::difference_text(c.units, c.decimals, c.separator), c.difference);
}

INSTANTIATE_TEST_SUITE_P(
    Amounts, UnitsText,
    testing::Values(WriteCase{"positive", 2293, 2, '.', "22.93", "+22.93"},
                    WriteCase{"negative_cents", -5, 2, '.', "-0.05", "-0.05"},
                    // A sum of rows past 64 bits: (2^63 - 1) x 60000 hundredths.
                    WriteCase{"beyond_64_bits",
                              pay::WideInteger{std::numeric_limits<std::int64_t>::max()} * 60000, 2,
                              '.', "5534023222112865484200.00", "+5534023222112865484200.00"},
                    WriteCase{"most_negative_64_bits", std::numeric_limits<std::int64_t>::min(), 2,
                              ',', "-92233720368547758,08", "-92233720368547758,08"},
                    // No "-0.00": a zero difference has no sign.
                    WriteCase{"zero", 0, 2, '.', "0.00", "0.00"},
                    WriteCase{"decimal_comma", -123405, 2, ',', "-1234,05", "-1234,05"},
                    WriteCase{"whole_number", 1500, 0, '.', "1500", "+1500"},
                    WriteCase{"whole_zero", 0, 0, '.', "0", "0"}),
    [](const testing::TestParamInfo<WriteCase>& info) { return info.param.name; });

}  // namespace

namespace {

// The one reader of shown numbers, which the amounts above and the formula lines' numbers share:
// digits, decimals and how many digits, as the text writes them.
TEST(ReadShownDecimal, KeepsTheDigitsAndTheirPlaces) {
    const auto read = [](std::string_view text) {
        const std::optional<pay::ShownDecimal> number = pay::read_shown_decimal(text);
        EXPECT_TRUE(number.has_value()) << text;
        return number.value_or(pay::ShownDecimal{});
    };
    const pay::ShownDecimal negative = read("-12.50");
    EXPECT_TRUE(negative.digits == -1250);
    EXPECT_EQ(negative.decimals, 2);
    EXPECT_EQ(negative.digit_count, 4U);
    const pay::ShownDecimal comma = read("1,5");
    EXPECT_TRUE(comma.digits == 15);
    EXPECT_EQ(comma.decimals, 1);
    // Forty digits: all counted, the first thirty kept, none of them decimals.
    const pay::ShownDecimal long_number = read(std::string(40, '9'));
    EXPECT_EQ(long_number.digit_count, 40U);
    EXPECT_EQ(long_number.decimals, 0);
    for (const std::string_view text : {"", "-", ".5", "5.", "1.2.3", "1 000", "−5", "25 %"}) {
        EXPECT_FALSE(pay::read_shown_decimal(text).has_value()) << text;
    }
}

}  // namespace
