#include "pay/explanation.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "changed_rules.h"
#include "pay/pay_inputs.h"
#include "pay/pay_session.h"
#include "pay/rules_file.h"
#include "pay/rules_writer.h"
#include "pay/slip_view.h"
#include "test_inputs.h"
#include "worded_slip.h"
#include "wording/formula.h"

namespace {

using pay::ExplanationKind;
using ExplanationTerm = wording::Term;
using FieldExplanation = wording::Explanation;
using pay::PayInputs;
using pay::PaySession;
using pay::SlipField;
using test_inputs::item;
using test_inputs::scale_9;
using Op = pay::TermOperation;

// A shown value: the number, and how far the number it stands for may lie from it.
struct Shown {
    double value = 0;
    double error = 0;
};

// "4548.55" stands for anything within half a cent; a rate ("2.5 %") and a whole count or
// amount ("12", "1500") are exact.
Shown read_shown(std::string text) {
    const bool rate = text.ends_with(" %");
    if (rate) {
        text.resize(text.size() - 2);
    }
    for (char& c : text) {
        c = c == ',' ? '.' : c;
    }
    Shown shown;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), shown.value);
    EXPECT_TRUE(error == std::errc() && end == text.data() + text.size())
        << "not a number: " << text;
    const std::size_t point = text.find('.');
    if (!rate && point != std::string::npos) {
        shown.error = 0.5 * std::pow(10.0, -static_cast<double>(text.size() - point - 1));
    }
    return shown;
}

// The income-tax scale as a table of its own: lower bound, upper bound (0: none), rate.
struct Bracket {
    double lower, upper, rate;
};
constexpr Bracket built_in_tax_scale[] = {{0, 30000, 0},       {30000, 50000, 10},
                                          {50000, 60000, 20},  {60000, 80000, 30},
                                          {80000, 180000, 34}, {180000, 0, 38}};

// Works every line of an explanation from its own shown terms, strictly left to right, and
// checks that each line gives its shown result within the rounding of what it was worked from.
void expect_lines_add_up(const FieldExplanation& e, const std::string& context,
                         std::span<const Bracket> tax_scale = built_in_tax_scale) {
    Shown acc;
    // The bounds of a bracket test; 0 where the line has none, as in the table.
    double lower = 0;
    double upper = 0;
    bool bracket_test = false;
    for (const ExplanationTerm& term : e.terms) {
        const Shown t = read_shown(term.value);
        switch (term.operation) {
            case Op::first:
                acc = t;
                lower = 0;
                upper = 0;
                bracket_test = false;
                break;
            case Op::plus:
                acc = {acc.value + t.value, acc.error + t.error};
                break;
            case Op::minus:
                acc = {acc.value - t.value, acc.error + t.error};
                break;
            case Op::times:
                acc = {acc.value * t.value, acc.error * std::fabs(t.value) +
                                                std::fabs(acc.value) * t.error +
                                                acc.error * t.error};
                break;
            case Op::percent_of:
                acc = {acc.value / 100 * t.value, acc.error / 100 * t.value};
                break;
            case Op::divided_by:
                acc = {acc.value / t.value, acc.error / t.value};
                break;
            case Op::at_most:
                acc = t.value < acc.value ? t : acc;
                acc.error = std::max(acc.error, t.error);
                break;
            case Op::above:
                lower = t.value;
                bracket_test = true;
                break;
            case Op::not_above:
                upper = t.value;
                bracket_test = true;
                break;
            case Op::gives:
                if (bracket_test) {
                    // The taxable amount lies in the bracket whose rate the line gives.
                    const double rate = read_shown(term.value).value;
                    const Bracket* bracket = nullptr;
                    for (const Bracket& b : tax_scale) {
                        bracket = b.rate == rate ? &b : bracket;
                    }
                    ASSERT_NE(bracket, nullptr) << context << ": no bracket of " << term.value;
                    EXPECT_EQ(lower, bracket->lower) << context;
                    EXPECT_EQ(upper, bracket->upper) << context;
                    EXPECT_GT(acc.value + acc.error, bracket->lower) << context;
                    if (bracket->upper != 0) {
                        EXPECT_LE(acc.value - acc.error, bracket->upper) << context;
                    }
                } else {
                    EXPECT_NEAR(acc.value, t.value, acc.error + t.error + 1e-9)
                        << context << ": " << term.name << "\n"
                        << e.formula;
                }
                break;
        }
    }
}

// Every explanation of the session ends in the amount its field shows, and adds up; returns them.
std::vector<FieldExplanation> expect_explains_what_is_shown(
    const PaySession& session, const std::string& context,
    std::span<const Bracket> tax_scale = built_in_tax_scale) {
    std::vector<FieldExplanation> all = worded_slip::explain_slip(session);
    if (all.size() != pay::slip_field_count) {
        ADD_FAILURE() << context << ": " << all.size() << " explanations";
        return all;
    }
    for (const pay::SlipFieldInfo& info : pay::slip_fields) {
        const FieldExplanation& e = all[static_cast<std::size_t>(info.field)];
        const std::string where = context + " " + std::string(info.name);
        EXPECT_EQ(e.field, info.field) << where;
        if (e.terms.empty()) {
            ADD_FAILURE() << where << ": no terms";
            continue;
        }
        EXPECT_EQ(e.terms.front().operation, Op::first) << where;
        // The last line ends in the amount the field shows.
        EXPECT_EQ(e.terms.back().operation, Op::gives) << where;
        EXPECT_EQ(e.terms.back().value, session.text(info.field)) << where;
        expect_lines_add_up(e, where, tax_scale);
    }
    return all;
}

TEST(ExplanationsOfAllCombinations, EveryFormulaAddsUpToItsShownAmount) {
    const std::vector<PayInputs> combinations = pay::every_list_combination();
    ASSERT_EQ(combinations.size(), std::size_t{43 * 3 * 2 * 7 * 7 * 2});
    for (const PayInputs& inputs : combinations) {
        PaySession session(".", pay::built_in_rules());
        ASSERT_EQ(session.press_ok(inputs), std::nullopt);
        const std::string context = inputs.scale + " " + inputs.rank + " " + inputs.zone + " " +
                                    inputs.special_charges + " " + inputs.children + " " +
                                    inputs.dependents + " " + inputs.mutual_member;
        for (const FieldExplanation& e : expect_explains_what_is_shown(session, context)) {
            EXPECT_EQ(e.kind, ExplanationKind::computed) << context;
        }
        if (HasFailure()) {
            return;
        }
    }
}

TEST(ExplanationsOfAllCombinations, FollowRulesReadFromAFile) {
    // Every section of the rules changed, written as a file and read back: each explanation's
    // terms still give the amount its field shows.
    const pay::RulesReading reading =
        pay::read_rules(pay::write_rules(test_rules::changed_rules()), "changed.toml");
    ASSERT_TRUE(std::holds_alternative<pay::PayRules>(reading));
    const pay::PayRules& rules = std::get<pay::PayRules>(reading);
    std::vector<Bracket> tax_scale;
    for (std::size_t i = 0; i < rules.income_tax.brackets.size(); ++i) {
        const bool last = i + 1 == rules.income_tax.brackets.size();
        tax_scale.push_back({rules.income_tax.brackets[i].lower,
                             last ? 0 : rules.income_tax.brackets[i + 1].lower,
                             rules.income_tax.brackets[i].rate});
    }
    for (const PayInputs& inputs : pay::every_list_combination()) {
        PaySession session(".", rules);
        ASSERT_EQ(session.press_ok(inputs), std::nullopt);
        const std::string context = inputs.scale + " " + inputs.rank + " " + inputs.zone + " " +
                                    inputs.special_charges + " " + inputs.children + " " +
                                    inputs.dependents + " " + inputs.mutual_member;
        expect_explains_what_is_shown(session, context, tax_scale);
        if (HasFailure()) {
            return;
        }
    }
}

std::string formula(const PaySession& session, SlipField field) {
    return worded_slip::explain_field(session, field).formula;
}

// Scale 9, rank 1 (235 points), zone A, special charges, two children, one dependent, member.
TEST(Explanation, AWorkedSlipShowsItsNumbers) {
    PaySession session(".", pay::built_in_rules());
    ASSERT_EQ(
        session.press_ok(scale_9("1", pay::zone_items[0], pay::yes_text, "2", "1", pay::yes_text)),
        std::nullopt);
    EXPECT_EQ(formula(session, SlipField::index_points), "235.00");
    EXPECT_EQ(formula(session, SlipField::annual_base_salary),
              "(235.00 − 150.00) × 50.92 + 9885.00 + 3981.00 = 18194.20");
    EXPECT_EQ(formula(session, SlipField::residence_allowance), "18194.20 × 25 % = 4548.55");
    EXPECT_EQ(formula(session, SlipField::family_allowance), "2 × 2400.00 = 4800.00");
    // Contribution base: 1819.42 + 18194.2 + 25212 + 3660 + 0.
    EXPECT_EQ(formula(session, SlipField::retirement),
              "18194.20 × 10 % + 18194.20 + 25212.00 + 3660.00 + 0.00 = 48885.62\n"
              "48885.62 × 10 % ≈ 4888.56");
    EXPECT_EQ(formula(session, SlipField::mutual_fund), "1500");
    // Professional deduction 67079.82 / 100 x 20 = 13415.964, below its ceiling.
    EXPECT_EQ(formula(session, SlipField::taxable_amount),
              "18194.20 + 4548.55 + 15465.07 + 25212.00 + 3660.00 + 0.00 = 67079.82\n"
              "67079.82 × 20 % ≈ 13415.96\n"
              "67079.82 − 4888.56 − 13415.96 − 1222.14 − 327.50 − 1500 = 45725.66");
    EXPECT_EQ(formula(session, SlipField::tax_rate_label), "30000.00 < 45725.66 ≤ 50000.00 → 10 %");
    // Gross tax (45725.6579 - 30000) / 100 x 10 + 0 = 1572.56579.
    EXPECT_EQ(formula(session, SlipField::income_tax),
              "30000.00 < 45725.66 ≤ 50000.00 → 10 %\n"
              "(45725.66 − 30000.00) × 10 % + 0.00 ≈ 1572.57\n"
              "1572.57 − 360.00 = 1212.57");
    EXPECT_EQ(formula(session, SlipField::family_exemption), "1 × 360.00 = 360.00");
    EXPECT_EQ(formula(session, SlipField::monthly_pay), "(71879.82 − 9210.76) ÷ 12 ≈ 5222.42");

    const FieldExplanation residence =
        worded_slip::explain_field(session, SlipField::residence_allowance);
    EXPECT_EQ(residence.terms, (std::vector<ExplanationTerm>{
                                   {"الراتب الأساسي السنوي", "18194.20", Op::first},
                                   {"نسبة المنطقة «\u2068أ\u2069»", "25 %", Op::percent_of},
                                   {"التعويض عن الإقامة", "4548.55", Op::gives}}));
    EXPECT_EQ(residence.sentence,
              "التعويض عن الإقامة هو نسبة المنطقة «\u2068أ\u2069»، أي \u206625 %\u2069، من "
              "الراتب الأساسي السنوي.");
}

// Out of scale, rank 8: 930 points, base salary (780 x 50.92 + 9885) + 3981 = 53583.6.
TEST(Explanation, CeilingsThatBiteAreTerms) {
    PaySession session(".", pay::built_in_rules());
    PayInputs inputs = scale_9("8", pay::zone_items[0], pay::yes_text, "0", "6", pay::yes_text);
    inputs.scale = item(pay::scale_text(pay::Scale::out_of_scale));
    ASSERT_EQ(session.press_ok(inputs), std::nullopt);
    // Contribution base 5358.36 + 53583.6 + 76800 + 12000 + 66000 = 213741.96; 2.5 % is 5343.549.
    EXPECT_EQ(formula(session, SlipField::health_insurance),
              "53583.60 × 10 % + 53583.60 + 76800.00 + 12000.00 + 66000.00 = 213741.96\n"
              "min(213741.96 × 2.5 % ; 4800.00) = 4800.00");
    // 1.8 % of 53583.6 is 964.5048.
    EXPECT_EQ(formula(session, SlipField::general_mutual),
              "min(53583.60 × 1.8 % ; 600.00) = 600.00");
    // Before family 53583.6 x 2.1 + 76800 + 12000 + 66000 = 267325.56; 20 % is 53465.112.
    const std::string taxable = formula(session, SlipField::taxable_amount);
    EXPECT_NE(taxable.find("\nmin(267325.56 × 20 % ; 30000.00) = 30000.00\n"), std::string::npos)
        << taxable;
}

TEST(Explanation, AnExemptionAboveTheGrossTaxIsLimitedToIt) {
    PaySession session(".", pay::built_in_rules());
    // Scale 9 rank 1, zone C, no special charges, a member: the lowest taxable amount of all,
    // 48885.62 - (4888.562 + 9777.124 + 1222.1405 + 327.4956 + 1500) = 31170.2979.
    ASSERT_EQ(
        session.press_ok(scale_9("1", pay::zone_items[2], pay::no_text, "0", "6", pay::yes_text)),
        std::nullopt);
    // Gross tax 1170.2979 / 100 x 10 = 117.02979, less than six times 360.
    EXPECT_EQ(formula(session, SlipField::family_exemption), "min(6 × 360.00 ; 117.03) = 117.03");
    EXPECT_EQ(formula(session, SlipField::income_tax),
              "30000.00 < 31170.30 ≤ 50000.00 → 10 %\n"
              "(31170.30 − 30000.00) × 10 % + 0.00 = 117.03\n"
              "117.03 − 117.03 = 0.00");
}

TEST(RenderFormula, BracketTestsReadAsInequalities) {
    using T = ExplanationTerm;
    EXPECT_EQ(
        wording::render_formula({T{"T", "20000.00", Op::first}, T{"U", "30000.00", Op::not_above},
                                 T{"r", "0 %", Op::gives}}),
        "20000.00 ≤ 30000.00 → 0 %");
    EXPECT_EQ(wording::render_formula({T{"T", "190000.00", Op::first},
                                       T{"L", "180000.00", Op::above}, T{"r", "38 %", Op::gives}}),
              "180000.00 < 190000.00 → 38 %");
}

TEST(Explanation, UsesTheSessionsDecimalSeparator) {
    PaySession session(",", pay::built_in_rules());
    PayInputs inputs = scale_9("8", pay::zone_items[0], pay::yes_text, "0", "6", pay::yes_text);
    inputs.scale = item(pay::scale_text(pay::Scale::out_of_scale));
    ASSERT_EQ(session.press_ok(inputs), std::nullopt);
    EXPECT_EQ(formula(session, SlipField::general_mutual),
              "min(53583,60 × 1,8 % ; 600,00) = 600,00");
    expect_explains_what_is_shown(session, "comma");
}

TEST(Explanation, NothingIsExplainedBeforeAComputation) {
    PaySession session(".", pay::built_in_rules());
    PayInputs refused = scale_9("1", pay::zone_items[0], pay::no_text, "0", "0", pay::no_text);
    refused.zone.clear();
    for (int press = 0; press < 2; ++press) {
        for (const FieldExplanation& e : worded_slip::explain_slip(session)) {
            EXPECT_EQ(e.kind, ExplanationKind::not_computed);
            EXPECT_EQ(e.sentence, "لم يُحسب أي مبلغ بعد: اختر الخيارات السبعة ثم اضغط «موافق».");
            EXPECT_TRUE(e.formula.empty());
            EXPECT_TRUE(e.terms.empty());
        }
        // A refused press computes nothing either.
        ASSERT_TRUE(session.press_ok(refused));
    }
}

// The second press types a scale, a zone, a special-charges answer, a children count and a
// mutual answer that match no case: exactly the fields those cases write are kept.
TEST(Explanation, ASessionExplainsExactlyTheUnwrittenFieldsAsKept) {
    PaySession session(".", pay::built_in_rules());
    ASSERT_EQ(
        session.press_ok(scale_9("2", pay::zone_items[2], pay::yes_text, "3", "2", pay::yes_text)),
        std::nullopt);
    const pay::ShownTexts first = session.shown();
    PayInputs typed = scale_9("2", "\u0627", "yes", "7", "2", "Y");
    typed.scale = "9";
    ASSERT_EQ(session.press_ok(typed), std::nullopt);

    const std::set<SlipField> kept{SlipField::index_points,
                                   SlipField::hierarchy_allowance,
                                   SlipField::charges_allowance,
                                   SlipField::supervision_allowance,
                                   SlipField::foundation_contribution,
                                   SlipField::residence_allowance,
                                   SlipField::special_charges_allowance,
                                   SlipField::family_allowance,
                                   SlipField::general_mutual,
                                   SlipField::mutual_fund};
    for (const FieldExplanation& e : worded_slip::explain_slip(session)) {
        const auto i = static_cast<std::size_t>(e.field);
        const std::string name(pay::field_info(e.field).name);
        if (kept.contains(e.field)) {
            EXPECT_EQ(e.kind, ExplanationKind::kept) << name;
            EXPECT_EQ(e.formula, first[i]) << name;
            EXPECT_NE(e.sentence.find("\u2066" + first[i] + "\u2069"), std::string::npos) << name;
        } else {
            EXPECT_EQ(e.kind, ExplanationKind::computed) << name;
        }
    }
    const auto sentence = [&](SlipField field) {
        return worded_slip::explain_field(session, field).sentence;
    };
    EXPECT_NE(sentence(SlipField::index_points).find("نص السلم «\u20689\u2069»"),
              std::string::npos);
    EXPECT_NE(sentence(SlipField::residence_allowance).find("«\u2068\u0627\u2069»"),
              std::string::npos);
    EXPECT_NE(sentence(SlipField::family_allowance).find("«\u20687\u2069»"), std::string::npos);
    EXPECT_NE(sentence(SlipField::mutual_fund).find("«\u2068Y\u2069»"), std::string::npos);
    // A computed field names the kept values it was worked from.
    const FieldExplanation base =
        worded_slip::explain_field(session, SlipField::annual_base_salary);
    EXPECT_EQ(base.terms.front().name, "النقطة الاستدلالية (محفوظ من قبل)");
    expect_explains_what_is_shown(session, "carried");
}

TEST(Explanation, ARankOutsideTheScalesListIsTheReason) {
    PaySession session(".", pay::built_in_rules());
    ASSERT_EQ(
        session.press_ok(scale_9("1", pay::zone_items[0], pay::no_text, "0", "0", pay::no_text)),
        std::nullopt);
    ASSERT_EQ(
        session.press_ok(scale_9("11", pay::zone_items[0], pay::no_text, "0", "0", pay::no_text)),
        std::nullopt);
    const FieldExplanation points = worded_slip::explain_field(session, SlipField::index_points);
    EXPECT_EQ(points.kind, ExplanationKind::kept);
    EXPECT_NE(points.sentence.find("الرتبة «\u206811\u2069»"), std::string::npos)
        << points.sentence;
}

}  // namespace

namespace {

using pay::MessageArgument;
using pay::MessageKey;
using pay::Quantity;
using pay::TermRole;
using pay::ValueKind;

MessageArgument number_of(ValueKind kind, double value) {
    return {.kind = kind, .number = value, .field = SlipField::index_points, .text = {}};
}

pay::FieldExplanation items_of(const PaySession& session, SlipField field) {
    return pay::view_slip(session, pay::ViewDetail::explained).field(field).explanation;
}

// Scale 9, rank 1, zone A, special charges, two children, one dependent, a member: the items
// carry the rules' numbers and the typed texts, not words.
TEST(ExplanationItems, CarryTheNumbersAndTextsOfTheRule) {
    PaySession session(".", pay::built_in_rules());
    ASSERT_EQ(
        session.press_ok(scale_9("1", pay::zone_items[0], pay::yes_text, "2", "1", pay::yes_text)),
        std::nullopt);
    const pay::FieldExplanation residence = items_of(session, SlipField::residence_allowance);
    EXPECT_EQ(residence.kind, ExplanationKind::computed);
    EXPECT_EQ(residence.items,
              (std::vector<pay::ExplanationItem>{{MessageKey::residence_allowance,
                                                  {{.kind = ValueKind::typed_text,
                                                    .number = 0,
                                                    .field = SlipField::index_points,
                                                    .text = std::string(pay::zone_items[0])},
                                                   number_of(ValueKind::rate, 25)}}}));
    ASSERT_EQ(residence.terms.size(), 3u);
    EXPECT_EQ(residence.terms[0].quantity, Quantity::field);
    EXPECT_EQ(residence.terms[0].field, SlipField::annual_base_salary);
    EXPECT_EQ(residence.terms[0].kind, ValueKind::field_text);
    EXPECT_EQ(residence.terms[1].quantity, Quantity::zone_rate);
    EXPECT_EQ(residence.terms[1].value, 25);
    EXPECT_EQ(residence.terms[1].operation, Op::percent_of);
    EXPECT_EQ(residence.terms[2].field, SlipField::residence_allowance);
    EXPECT_EQ(residence.terms[2].operation, Op::gives);

    // 2400 a year for each of the first 3 children, 432 for each after them up to 6; 2 here.
    EXPECT_EQ(items_of(session, SlipField::family_allowance).items.front().arguments,
              (std::vector<MessageArgument>{
                  number_of(ValueKind::amount, 2400), number_of(ValueKind::count, 3),
                  number_of(ValueKind::amount, 432), number_of(ValueKind::count, 6),
                  number_of(ValueKind::count, 2)}));
    EXPECT_EQ(items_of(session, SlipField::monthly_pay).items.front(),
              (pay::ExplanationItem{MessageKey::monthly_pay, {number_of(ValueKind::number, 12)}}));
    // 45725.66 lies above 30000 and not above 50000: 10 %.
    EXPECT_EQ(items_of(session, SlipField::tax_rate_label).items.front(),
              (pay::ExplanationItem{
                  MessageKey::tax_rate_bracket,
                  {number_of(ValueKind::amount, 30000), number_of(ValueKind::amount, 50000),
                   number_of(ValueKind::rate, 10)}}));
}

TEST(ExplanationItems, AKeptFieldNamesItselfItsTextAndWhatWasTyped) {
    PaySession session(".", pay::built_in_rules());
    ASSERT_EQ(
        session.press_ok(scale_9("1", pay::zone_items[0], pay::no_text, "0", "0", pay::no_text)),
        std::nullopt);
    ASSERT_EQ(session.press_ok(scale_9("1", "x", pay::no_text, "0", "0", pay::no_text)),
              std::nullopt);
    const pay::FieldExplanation kept = items_of(session, SlipField::residence_allowance);
    EXPECT_EQ(kept.kind, ExplanationKind::kept);
    ASSERT_EQ(kept.items.size(), 1u);
    EXPECT_EQ(kept.items[0].key, MessageKey::kept_zone);
    const std::vector<MessageArgument>& a = kept.items[0].arguments;
    ASSERT_EQ(a.size(), 4u);
    EXPECT_EQ(a[0].kind, ValueKind::field_name);
    EXPECT_EQ(a[0].field, SlipField::residence_allowance);
    EXPECT_EQ(a[1].kind, ValueKind::field_text);
    EXPECT_EQ(a[2].kind, ValueKind::typed_text);
    EXPECT_EQ(a[2].text, "x");
    EXPECT_EQ(a[3].kind, ValueKind::zone_items);
    ASSERT_EQ(kept.terms.size(), 2u);
    EXPECT_EQ(kept.terms[0].role, TermRole::shown_before);
    EXPECT_EQ(kept.terms[1].role, TermRole::weighed);
    EXPECT_EQ(kept.terms[1].quantity, Quantity::field);
}

}  // namespace
