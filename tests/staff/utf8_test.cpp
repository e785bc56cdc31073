#include "staff/utf8.h"

#include <gtest/gtest.h>

#include <string>

#include "pay/pay_inputs.h"

namespace {

const std::string replacement = "\xEF\xBF\xBD";

struct Utf8Case {
    const char* name;
    std::string text;
    bool valid;
    std::string replaced;
};

class Utf8 : public testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8, IsCheckedAndIllFormedPartsAreReplaced) {
    EXPECT_EQ(staff::is_valid_utf8(GetParam().text), GetParam().valid);
    EXPECT_EQ(staff::replace_invalid_utf8(GetParam().text), GetParam().replaced);
}

const std::string arabic(pay::scale_items[3]);
const std::string emoji = "\xF0\x9F\x98\x80";

INSTANTIATE_TEST_SUITE_P(
    Texts, Utf8,
    testing::Values(
        Utf8Case{"ascii", "abc, 1", true, "abc, 1"}, Utf8Case{"empty", "", true, ""},
        Utf8Case{"arabic", arabic, true, arabic}, Utf8Case{"four_bytes", emoji, true, emoji},
        Utf8Case{"latin_1", "caf\xE9!", false, "caf" + replacement + "!"},
        Utf8Case{"lone_continuation",
                 "a\x80"
                 "b",
                 false, "a" + replacement + "b"},
        Utf8Case{"cut_at_the_end", arabic.substr(0, 3), false, arabic.substr(0, 2) + replacement},
        // One replacement for the well-begun part of a sequence.
        Utf8Case{"cut_three_byte_sequence", "\xE2\x82x", false, replacement + "x"},
        Utf8Case{"overlong_slash", "\xC0\xAF", false, replacement + replacement},
        Utf8Case{"overlong_three_bytes", "\xE0\x80\xAF", false,
                 replacement + replacement + replacement},
        Utf8Case{"surrogate", "\xED\xA0\x80", false, replacement + replacement + replacement},
        Utf8Case{"above_u10ffff", "\xF4\x90\x80\x80", false,
                 replacement + replacement + replacement + replacement},
        Utf8Case{"highest_code_point", "\xF4\x8F\xBF\xBF", true, "\xF4\x8F\xBF\xBF"}),
    [](const testing::TestParamInfo<Utf8Case>& info) { return info.param.name; });

}  // namespace
