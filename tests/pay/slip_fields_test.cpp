#include "pay/slip_fields.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

namespace {

using pay::SlipField;

TEST(AmountOf, ReadsTheAmountAFieldShows) {
    pay::PaySlip slip;
    slip.annual_base_salary = 18194.2;
    slip.mutual_fund = 1500;
    slip.monthly_pay = 5222.42;
    slip.tax_rate_label = "10 %";
    EXPECT_EQ(pay::amount_of(slip, SlipField::annual_base_salary), 18194.2);
    EXPECT_EQ(pay::amount_of(slip, SlipField::mutual_fund), 1500);
    EXPECT_EQ(pay::amount_of(slip, SlipField::monthly_pay), 5222.42);
    EXPECT_EQ(pay::amount_of(slip, SlipField::residence_allowance), 0);
}

TEST(AmountOf, HasNoneForAnEmptyFieldOrTheRateLabel) {
    const pay::PaySlip slip;
    EXPECT_EQ(pay::amount_of(slip, SlipField::index_points), std::nullopt);
    EXPECT_EQ(pay::amount_of(slip, SlipField::annual_pay), std::nullopt);
    EXPECT_EQ(pay::amount_of(slip, SlipField::tax_rate_label), std::nullopt);
}

struct TitleCase {
    SlipField field;
    std::string_view title;
};

class FieldTitle : public testing::TestWithParam<TitleCase> {};

TEST_P(FieldTitle, IsTheCaptionWithoutTatweelOrTrailingSpaces) {
    EXPECT_EQ(pay::field_title(GetParam().field), GetParam().title);
}

INSTANTIATE_TEST_SUITE_P(Captions, FieldTitle,
                         testing::Values(
                             // tatweel inside a word
                             TitleCase{SlipField::residence_allowance, "التعويض عن الإقامة"},
                             // a run of tatweel
                             TitleCase{SlipField::retirement, "التقاعد"},
                             // one trailing space
                             TitleCase{SlipField::gross_total, "مجموع الراتب الأساسي والتعويضات"},
                             // two trailing spaces
                             TitleCase{SlipField::total_deductions, "مجموع الاقتطاعات من الأجرة"},
                             // inner space kept
                             TitleCase{SlipField::foundation_contribution, "مؤسسة Orsanne"},
                             // already plain
                             TitleCase{SlipField::monthly_pay, "الأجرة الشهرية"}),
                         [](const testing::TestParamInfo<TitleCase>& info) {
                             return std::string(pay::field_info(info.param.field).name);
                         });

TEST(FieldTitles, NoTitleHoldsTatweelOrEndsInASpace) {
    for (const pay::SlipFieldInfo& info : pay::slip_fields) {
        const std::string_view title = pay::field_title(info.field);
        EXPECT_EQ(title.find("\u0640"), std::string_view::npos) << info.name;
        ASSERT_FALSE(title.empty()) << info.name;
        EXPECT_NE(title.back(), ' ') << info.name;
    }
}

TEST(FieldTitles, IsWorkedOutOnceAndKept) {
    // Views handed out earlier stay valid: each call returns the same text.
    EXPECT_EQ(pay::field_title(SlipField::retirement).data(),
              pay::field_title(SlipField::retirement).data());
}

}  // namespace
