#include "pay/trace.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <variant>
#include <vector>

#include "pay/choices.h"
#include "pay/explanation.h"
#include "pay/pay_session.h"
#include "pay/rules.h"
#include "test_inputs.h"
#include "worded_slip.h"

namespace {

using pay::Choices;
using pay::PayInputs;
using pay::PaySlip;
using pay::Quantity;
using pay::SlipField;
using pay::TermTrace;
using test_inputs::scale_9;

Choices read(const PayInputs& inputs, const PaySlip& slip) {
    return std::get<Choices>(pay::read_choices(inputs, slip.index_points.has_value()));
}

// A press that keeps fields: a first press on list items, then typed texts on the same slip.
struct TwoPresses {
    PaySlip slip;
    Choices second;
};

TwoPresses typed_after_items() {
    TwoPresses presses;
    const PayInputs first =
        scale_9("2", pay::zone_items[2], pay::yes_text, "4", "1", pay::yes_text);
    pay::NoTrace none;
    pay::compute_pay(read(first, presses.slip), pay::built_in_rules(), presses.slip, none);
    presses.second = read(scale_9("0", "\u0627", "yes", "9", "3", "Yes"), presses.slip);
    return presses;
}

// Recording costs nothing in what is computed: a traced press gives the plain press's slip, for
// every combination of list items and for a press that keeps fields.
TEST(TermTrace, ATracedComputationComputesWhatAPlainOneDoes) {
    for (const PayInputs& inputs : pay::every_list_combination()) {
        PaySlip plain;
        PaySlip traced;
        const Choices choices = read(inputs, plain);
        pay::NoTrace none;
        TermTrace trace;
        pay::compute_pay(choices, pay::built_in_rules(), plain, none);
        pay::compute_pay(choices, pay::built_in_rules(), traced, trace);
        ASSERT_EQ(plain, traced) << inputs.scale << " " << inputs.rank;
    }
    TwoPresses presses = typed_after_items();
    PaySlip traced = presses.slip;
    pay::NoTrace none;
    TermTrace trace;
    pay::compute_pay(presses.second, pay::built_in_rules(), presses.slip, none);
    pay::compute_pay(presses.second, pay::built_in_rules(), traced, trace);
    EXPECT_EQ(presses.slip, traced);
}

// The trace says which fields a press wrote: none of those whose text matched no case.
TEST(TermTrace, RecordsTheFieldsThePressWrote) {
    TwoPresses presses = typed_after_items();
    TermTrace trace;
    pay::compute_pay(presses.second, pay::built_in_rules(), presses.slip, trace);
    const std::vector<SlipField> kept{SlipField::index_points,
                                      SlipField::hierarchy_allowance,
                                      SlipField::charges_allowance,
                                      SlipField::supervision_allowance,
                                      SlipField::foundation_contribution,
                                      SlipField::residence_allowance,
                                      SlipField::special_charges_allowance,
                                      SlipField::family_allowance,
                                      SlipField::general_mutual,
                                      SlipField::mutual_fund};
    EXPECT_FALSE(trace.line(Quantity::bracket_rate).empty());
    for (const pay::SlipFieldInfo& info : pay::slip_fields) {
        const bool is_kept = std::find(kept.begin(), kept.end(), info.field) != kept.end();
        EXPECT_EQ(trace.written(info.field), !is_kept) << info.name;
        // A written field ends a line of its own, but the rate label, whose line is the test of
        // the bracket; a kept one has none.
        if (info.field != SlipField::tax_rate_label) {
            EXPECT_EQ(trace.line(info.field).empty(), is_kept) << info.name;
        }
    }
}

// A rule changed in the rules the session computes with shows in the explanation at once: the
// explanation reads the computation, not a copy of the rules.
TEST(TermTrace, ExplanationsFollowTheRulesInEffect) {
    pay::PayRules rules = pay::built_in_rules();
    rules.contributions.health_insurance_ceiling = 1000;
    rules.contributions.health_insurance_rate = 3;
    rules.months_per_year = 13;
    pay::PaySession session(".", rules);
    // Scale 9 rank 1: contribution base 1819.42 + 18194.2 + 25212 + 3660 + 0 = 48885.62.
    ASSERT_EQ(
        session.press_ok(scale_9("1", pay::zone_items[0], pay::yes_text, "2", "1", pay::yes_text)),
        std::nullopt);
    const wording::Explanation health =
        worded_slip::explain_field(session, SlipField::health_insurance);
    EXPECT_EQ(health.formula,
              "18194.20 × 10 % + 18194.20 + 25212.00 + 3660.00 + 0.00 = 48885.62\n"
              "min(48885.62 × 3 % ; 1000.00) = 1000.00");
    EXPECT_NE(health.sentence.find("\u20661000.00\u2069"), std::string::npos) << health.sentence;
    const wording::Explanation monthly =
        worded_slip::explain_field(session, SlipField::monthly_pay);
    EXPECT_NE(monthly.formula.find(" ÷ 13 ≈ "), std::string::npos) << monthly.formula;
    EXPECT_EQ(monthly.terms.back().value, session.text(SlipField::monthly_pay));
}

// A ceiling that the amount does not reach is noted for the sentence, not put on the line.
TEST(TermTrace, ACeilingNotReachedIsNotedOffTheLine) {
    PaySlip slip;
    const Choices choices =
        read(scale_9("1", pay::zone_items[0], pay::yes_text, "2", "1", pay::yes_text), slip);
    TermTrace trace;
    pay::compute_pay(choices, pay::built_in_rules(), slip, trace);
    const auto health = trace.line(SlipField::health_insurance);
    EXPECT_TRUE(std::none_of(health.begin(), health.end(), [](const pay::TracedTerm& t) {
        return t.operation == pay::TermOperation::at_most;
    }));
    EXPECT_TRUE(trace.has(Quantity::health_insurance_ceiling));
    EXPECT_EQ(trace.value(Quantity::health_insurance_ceiling), 4800);
}

}  // namespace
