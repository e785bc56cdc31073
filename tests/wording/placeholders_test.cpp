#include "wording/placeholders.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

struct FillCase {
    std::string_view name;
    std::string_view pattern;
    std::vector<std::string_view> arguments;
    std::string_view filled;
};

class Fill : public testing::TestWithParam<FillCase> {};

TEST_P(Fill, ReplacesEachNumberedPlaceholderByItsArgument) {
    std::string out = "> ";
    wording::fill(out, GetParam().pattern, GetParam().arguments);
    EXPECT_EQ(out, "> " + std::string(GetParam().filled));
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, Fill,
    testing::Values(FillCase{"none", "no placeholder", {"a"}, "no placeholder"},
                    FillCase{"in_order", "%1 then %2.", {"a", "b"}, "a then b."},
                    // Another language may need the arguments in another order.
                    FillCase{"reordered", "%2 before %1", {"a", "b"}, "b before a"},
                    FillCase{"twice", "%1 and %1", {"x"}, "x and x"},
                    FillCase{"at_the_ends", "%1%2", {"a", "b"}, "ab"},
                    FillCase{"percent_sign", "%1 %% of it", {"25"}, "25 % of it"},
                    // A rate's sign after a placeholder is no placeholder.
                    FillCase{"lone_percent", "%1 %", {"25"}, "25 %"},
                    FillCase{"beyond_the_arguments", "%1 %3", {"a", "b"}, "a %3"},
                    FillCase{"not_a_number", "%a %0 %", {"a"}, "%a %0 %"},
                    FillCase{"ninth", "%9", {"1", "2", "3", "4", "5", "6", "7", "8", "9"}, "9"},
                    // An argument is never read again for placeholders.
                    FillCase{"argument_with_percent", "%1 %2", {"%2", "b"}, "%2 b"},
                    FillCase{"arabic",
                             "التقاعد هو %1 من أساس الاقتطاع",
                             {"\u206610 %\u2069"},
                             "التقاعد هو \u206610 %\u2069 من أساس الاقتطاع"}),
    [](const testing::TestParamInfo<FillCase>& info) { return std::string(info.param.name); });

}  // namespace
