#include "pay/count_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

struct CountCase {
    const char* name;
    std::string text;
    bool is_number;
    std::optional<int> table_row;
};

class ReadCount : public testing::TestWithParam<CountCase> {};

TEST_P(ReadCount, ReadsTheText) {
    const pay::CountReading reading = pay::read_count(GetParam().text);
    EXPECT_EQ(reading.is_number, GetParam().is_number);
    EXPECT_EQ(reading.count, GetParam().table_row);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadCount,
    testing::Values(CountCase{"ListItemZero", "0", true, 0}, CountCase{"ListItemSix", "6", true, 6},
                    CountCase{"ArabicIndicThree", "\u0663", true, 3},
                    CountCase{"ExtendedArabicIndicFour", "\u06F4", true, 4},
                    CountCase{"PointZeroFraction", "2.0", true, 2},
                    CountCase{"CommaZeroFraction", "2,00", true, 2},
                    CountCase{"ArabicSeparatorZeroFraction", "\u0665\u066B\u0660", true, 5},
                    CountCase{"LeadingZeros", "006", true, 6}, CountCase{"PlusSign", "+1", true, 1},
                    CountCase{"NegativeZero", "-0", true, 0},
                    // Numbers outside the table: they read, but match no row.
                    CountCase{"Seven", "7", true, std::nullopt},
                    CountCase{"Fraction", "2.5", true, std::nullopt},
                    CountCase{"NegativeOne", "-1", true, std::nullopt},
                    CountCase{"Huge", "123456789012345678901234567890", true, std::nullopt},
                    CountCase{"TinyFraction", "2.0000000000000000000001", true, std::nullopt},
                    // Texts that are no number.
                    CountCase{"Empty", "", false, std::nullopt},
                    CountCase{"Space", " ", false, std::nullopt},
                    CountCase{"LeadingSpace", " 2", false, std::nullopt},
                    CountCase{"TrailingSpace", "2 ", false, std::nullopt},
                    CountCase{"Word", "two", false, std::nullopt},
                    CountCase{"SeparatorWithoutFraction", "2.", false, std::nullopt},
                    CountCase{"FractionWithoutWhole", ".5", false, std::nullopt},
                    CountCase{"TwoSigns", "--1", false, std::nullopt},
                    CountCase{"SignOnly", "-", false, std::nullopt},
                    CountCase{"Exponent", "1e0", false, std::nullopt},
                    CountCase{"TwoSeparators", "1.0.0", false, std::nullopt},
                    CountCase{"TruncatedArabicDigit", "\xD9", false, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
