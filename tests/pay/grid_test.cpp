#include "pay/grid.h"

#include <gtest/gtest.h>

#include "no_trace.h"

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "pay/pay_inputs.h"
#include "pay/pay_slip.h"
#include "test_inputs.h"

namespace {

using pay::GridRow;
using pay::Scale;

struct ExpectedEntry {
    Scale scale;
    std::string rank;
    GridRow row;
};

std::string exceptional() {
    return std::string(pay::exceptional_rank);
}

// The published grid, row by row; monthly amounts are written as they are set, times twelve.
std::vector<ExpectedEntry> published_grid() {
    std::vector<ExpectedEntry> grid;
    const int s9[] = {235, 253, 274, 296, 317, 339, 361, 382, 404, 438};
    for (int i = 0; i < 10; ++i) {
        grid.push_back({Scale::scale_9, std::to_string(i + 1), {s9[i], 25212, 3660, 0, 60}});
    }
    const int s10[] = {275, 300, 326, 351, 377, 402, 428, 456, 484, 512};
    for (int i = 0; i < 10; ++i) {
        const bool high = i >= 5;
        grid.push_back({Scale::scale_10,
                        std::to_string(i + 1),
                        {s10[i], high ? 27000 : 26604, 12000, high ? 8400 : 0, 70}});
    }
    grid.push_back({Scale::scale_10, exceptional(), {564, 27000, 12000, 8400, 70}});
    const int s11[] = {336, 369, 403, 436, 472, 509, 542, 574, 606, 639};
    for (int i = 0; i < 10; ++i) {
        const bool high = i >= 5;
        grid.push_back(
            {Scale::scale_11,
             std::to_string(i + 1),
             {s11[i], high ? 4591 * 12 : 3600 * 12, 12000, high ? 3600 * 12 : 11400, 80}});
    }
    grid.push_back({Scale::scale_11, exceptional(), {704, 4591 * 12, 12000, 3600 * 12, 80}});
    grid.push_back({Scale::scale_11, "11", {675, 5041 * 12, 12000, 3600 * 12, 80}});
    grid.push_back({Scale::scale_11, "12", {690, 5041 * 12, 12000, 3600 * 12, 80}});
    grid.push_back({Scale::scale_11, "13", {704, 5041 * 12, 12000, 3600 * 12, 80}});
    const int out[] = {704, 746, 779, 812, 840, 870, 900, 930};
    for (int i = 0; i < 8; ++i) {
        grid.push_back({Scale::out_of_scale,
                        std::to_string(i + 1),
                        {out[i], 6400 * 12, 12000, 5500 * 12, 80}});
    }
    return grid;
}

TEST(PayGrid, HoldsThePublishedRowsInListOrder) {
    const auto expected = published_grid();
    ASSERT_EQ(expected.size(), pay::built_in_rules().grid.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("entry " + std::to_string(i + 1));
        EXPECT_EQ(pay::built_in_rules().grid[i].scale, expected[i].scale);
        EXPECT_EQ(pay::built_in_rules().grid[i].rank, expected[i].rank);
        EXPECT_EQ(pay::built_in_rules().grid[i].row, expected[i].row);
    }
}

TEST(PayGrid, EveryRankItemOfEveryListHasExactlyOneRow) {
    std::set<std::pair<Scale, std::string>> seen;
    for (const pay::GridEntry& entry : pay::built_in_rules().grid) {
        EXPECT_TRUE(seen.emplace(entry.scale, std::string(entry.rank)).second) << entry.rank;
    }
    std::size_t items = 0;
    for (const Scale scale : pay::all_scales) {
        for (const std::string_view rank : pay::rank_items(scale)) {
            ++items;
            EXPECT_TRUE(seen.contains({scale, std::string(rank)})) << rank;
        }
    }
    EXPECT_EQ(items, seen.size());
}

TEST(LookupGrid, FindsEachRowByItsScaleTextAndRankText) {
    for (const ExpectedEntry& entry : published_grid()) {
        const auto row =
            pay::lookup_grid(pay::scale_text(entry.scale), entry.rank, pay::built_in_rules());
        ASSERT_TRUE(row.has_value()) << entry.rank;
        EXPECT_EQ(*row, entry.row);
    }
}

struct UnmatchedCase {
    const char* name;
    std::string scale;
    std::string rank;
};

class LookupGridUnmatched : public testing::TestWithParam<UnmatchedCase> {};

TEST_P(LookupGridUnmatched, FindsNoRow) {
    EXPECT_FALSE(
        pay::lookup_grid(GetParam().scale, GetParam().rank, pay::built_in_rules()).has_value());
}

std::string text_of(Scale scale) {
    return std::string(pay::scale_text(scale));
}

INSTANTIATE_TEST_SUITE_P(
    TextsCompareExactly, LookupGridUnmatched,
    testing::Values(UnmatchedCase{"LeadingZero", text_of(Scale::scale_9), "01"},
                    UnmatchedCase{"LeadingSpace", text_of(Scale::scale_9), " 1"},
                    UnmatchedCase{"TrailingSpace", text_of(Scale::scale_9), "1 "},
                    UnmatchedCase{"ArabicIndicOne", text_of(Scale::scale_9), "\u0661"},
                    UnmatchedCase{"RankOfAnotherScale", text_of(Scale::scale_10), "11"},
                    UnmatchedCase{"RankAboveOutOfScale", text_of(Scale::out_of_scale), "9"},
                    UnmatchedCase{"ExceptionalInScale9", text_of(Scale::scale_9),
                                  std::string(pay::exceptional_rank)},
                    UnmatchedCase{"TypedScaleNumber", "9", "1"},
                    UnmatchedCase{"ScaleWithTrailingSpace", text_of(Scale::scale_9) + " ", "1"},
                    UnmatchedCase{"EmptyRank", text_of(Scale::scale_9), ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ApplyGrid, WritesTheFiveFieldsOfAMatchingRow) {
    pay::PaySlip slip;
    pay::apply_grid(test_inputs::typed({.scale = text_of(Scale::out_of_scale), .rank = "8"}),
                    pay::built_in_rules(), slip, test_support::no_trace());
    EXPECT_EQ(slip.index_points, 930);
    EXPECT_EQ(slip.hierarchy_allowance, 6400 * 12);
    EXPECT_EQ(slip.charges_allowance, 12000);
    EXPECT_EQ(slip.supervision_allowance, 5500 * 12);
    EXPECT_EQ(slip.foundation_contribution, 80);
}

TEST(ApplyGrid, LeavesTheSlipAsItWasWithoutARow) {
    pay::PaySlip slip;
    pay::apply_grid(test_inputs::typed({.scale = text_of(Scale::scale_9), .rank = "1"}),
                    pay::built_in_rules(), slip, test_support::no_trace());
    const pay::PaySlip before = slip;
    pay::apply_grid(test_inputs::typed({.scale = "9", .rank = "1"}), pay::built_in_rules(), slip,
                    test_support::no_trace());
    EXPECT_EQ(slip, before);
}

}  // namespace
