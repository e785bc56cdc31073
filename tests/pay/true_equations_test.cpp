// Every formula line an explanation shows, read back from its text and worked exactly with the
// numbers it shows, gives the result it shows; a line marked approximate is indeed not exact.
#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <iostream>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "pay/amount_format.h"
#include "pay/explanation.h"
#include "pay/negative_amounts.h"
#include "pay/pay_inputs.h"
#include "pay/pay_session.h"
#include "pay/pay_slip.h"
#include "pay/rules.h"
#include "pay/shown_arithmetic.h"
#include "pay/trace.h"
#include "test_inputs.h"
#include "worded_slip.h"
#include "wording/formula.h"

namespace {

using pay::Fraction;

// The pieces of a formula line's text: numbers ("12.50", "2,5"), "%", the operators, brackets,
// "min(" and ";". The line writes a space between pieces, "(" and "min(" before a number and ")"
// after one.
std::vector<std::string> pieces_of(std::string_view text) {
    std::vector<std::string> pieces;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(' ', start), text.size());
        std::string_view word = text.substr(start, end - start);
        start = end + 1;
        std::vector<std::string> closing;
        while (word.starts_with("min(")) {
            pieces.emplace_back("min(");
            word.remove_prefix(4);
        }
        while (word.starts_with('(')) {
            pieces.emplace_back("(");
            word.remove_prefix(1);
        }
        while (word.size() > 1 && word.ends_with(')')) {
            closing.emplace_back(")");
            word.remove_suffix(1);
        }
        if (!word.empty()) {
            pieces.emplace_back(word);
        }
        pieces.insert(pieces.end(), closing.begin(), closing.end());
    }
    return pieces;
}

// Works a formula's pieces with the usual precedence; nothing for a text that does not parse.
class Evaluation {
  public:
    explicit Evaluation(std::vector<std::string> pieces) : pieces_(std::move(pieces)) {}

    std::optional<Fraction> whole() {
        std::optional<Fraction> value = sum();
        return value && at_ == pieces_.size() ? value : std::nullopt;
    }

  private:
    bool take(std::string_view piece) {
        if (at_ < pieces_.size() && pieces_[at_] == piece) {
            ++at_;
            return true;
        }
        return false;
    }
    std::optional<Fraction> sum() {
        std::optional<Fraction> value = product();
        while (value) {
            if (take("+")) {
                const auto next = product();
                value = next ? std::optional(*value + *next) : std::nullopt;
            } else if (take("−")) {
                const auto next = product();
                value = next ? std::optional(*value - *next) : std::nullopt;
            } else {
                break;
            }
        }
        return value;
    }
    std::optional<Fraction> product() {
        std::optional<Fraction> value = factor();
        while (value) {
            if (take("×")) {
                const auto next = factor();
                value = next ? std::optional(*value * *next) : std::nullopt;
            } else if (take("÷")) {
                const auto next = factor();
                value = next ? divided(*value, *next) : std::nullopt;
            } else {
                break;
            }
        }
        return value;
    }
    std::optional<Fraction> factor() {
        if (take("(")) {
            const std::optional<Fraction> inner = sum();
            return inner && take(")") ? inner : std::nullopt;
        }
        if (take("min(")) {
            const std::optional<Fraction> a = sum();
            if (!a || !take(";")) {
                return std::nullopt;
            }
            const std::optional<Fraction> b = sum();
            return b && take(")") ? std::optional(std::min(*a, *b)) : std::nullopt;
        }
        if (at_ >= pieces_.size()) {
            return std::nullopt;
        }
        std::optional<Fraction> number = pay::shown_number(pieces_[at_++]);
        if (number && take("%")) {
            number = *number * Fraction(1, 100);
        }
        return number;
    }

    std::vector<std::string> pieces_;
    std::size_t at_ = 0;
};

std::optional<Fraction> worked(std::string_view expression) {
    return Evaluation(pieces_of(expression)).whole();
}

// Checks one line of a formula; `where` names it in a failure.
void expect_true_line(std::string_view line, const std::string& where) {
    if (const std::size_t arrow = line.find(" → "); arrow != std::string_view::npos) {
        // A bracket test: "lower < amount ≤ upper → rate", either bound left out. A relation the
        // shown numbers do not bear out is written "≲", and holds only before rounding.
        const std::vector<std::string> pieces = pieces_of(line.substr(0, arrow));
        ASSERT_TRUE(pieces.size() == 1 || pieces.size() == 3 || pieces.size() == 5) << where;
        for (std::size_t i = 1; i + 1 < pieces.size(); i += 2) {
            const auto a = pay::shown_number(pieces[i - 1]);
            const auto b = pay::shown_number(pieces[i + 1]);
            ASSERT_TRUE(a && b) << where;
            const std::string& relation = pieces[i];
            const bool strict = i == 1 && pieces.size() == 5;
            if (relation == "<") {
                EXPECT_LT(*a, *b) << where;
            } else if (relation == "≤") {
                EXPECT_LE(*a, *b) << where;
            } else {
                ASSERT_EQ(relation, "≲") << where;
                // Only an amount just above a bound shows as the bound.
                EXPECT_EQ(*a, *b) << where;
                EXPECT_TRUE(strict || pieces.size() == 3) << where;
            }
        }
        return;
    }
    for (const std::string_view relation : {" = ", " ≈ "}) {
        const std::size_t at = line.find(relation);
        if (at == std::string_view::npos) {
            continue;
        }
        const std::optional<Fraction> left = worked(line.substr(0, at));
        const std::optional<Fraction> right = pay::shown_number(line.substr(at + relation.size()));
        ASSERT_TRUE(left && right) << where << ": does not read";
        if (relation == " = ") {
            EXPECT_EQ(*left, *right) << where;
        } else {
            EXPECT_NE(*left, *right) << where;
        }
        return;
    }
    // A value taken as it is.
    EXPECT_TRUE(pay::shown_number(line)) << where;
}

// How many lines of each kind were checked: a test that met no rounded line proved little.
struct LinesMet {
    int exact = 0;
    int rounded = 0;
    int rounded_bound = 0;
};

// Checks every line of every explanation of the session, and that a sentence whose lines round
// says so.
void expect_true_explanations(const pay::PaySession& session, const std::string& context,
                              LinesMet& met) {
    for (const wording::Explanation& e : worded_slip::explain_slip(session)) {
        const std::string where = context + " " + e.name + "\n" + e.formula;
        std::string_view formula = e.formula;
        while (!formula.empty()) {
            const std::size_t end = formula.find('\n');
            const std::string_view line = formula.substr(0, end);
            expect_true_line(line, where);
            met.exact += line.find(" = ") != std::string_view::npos ? 1 : 0;
            met.rounded += line.find(" ≈ ") != std::string_view::npos ? 1 : 0;
            met.rounded_bound += line.find(" ≲ ") != std::string_view::npos ? 1 : 0;
            formula = end == std::string_view::npos ? std::string_view() : formula.substr(end + 1);
        }
        for (const std::string_view sign : {"≈", "≲"}) {
            EXPECT_EQ(e.formula.find(sign) != std::string::npos,
                      e.sentence.find(sign) != std::string::npos)
                << where << "\n"
                << e.sentence;
        }
    }
}

std::string context_of(const pay::PayInputs& inputs) {
    return inputs.scale + " " + inputs.rank + " " + inputs.zone + " " + inputs.special_charges +
           " " + inputs.children + " " + inputs.dependents + " " + inputs.mutual_member;
}

TEST(TrueEquations, ReadLinesAsTheyAreWritten) {
    // The reader of lines itself, on lines worked by hand.
    EXPECT_EQ(worked("(235.00 − 150.00) × 50.93 + 12.00"), Fraction(434105, 100));
    EXPECT_EQ(worked("min(76769.01 × 2.5 % ; 1000.00)"), Fraction(1000, 1));
    EXPECT_EQ(worked("1000,10 ÷ 12"), Fraction(100010, 1200));
    EXPECT_EQ(worked("1572.57 + 4888.56 + 60.00 + 1222.14 + 327.50 + 1500"), Fraction(957077, 100));
}

// Each kind of line, from terms as the steps record them: "=" where the shown numbers give the
// shown result, worked by hand; the approximate relation where they do not.
struct RenderCase {
    const char* name;
    std::vector<wording::Term> terms;
    std::string line;
};

class RenderedLines : public testing::TestWithParam<RenderCase> {};

TEST_P(RenderedLines, SayWhetherTheirShownNumbersGiveTheResult) {
    EXPECT_EQ(wording::render_formula(GetParam().terms), GetParam().line);
}

using Op = pay::TermOperation;

wording::Term term_of(std::string value, Op operation) {
    return {"", std::move(value), operation};
}

INSTANTIATE_TEST_SUITE_P(
    Lines, RenderedLines,
    testing::Values(RenderCase{"exact_sum",
                               {term_of("1.10", Op::first), term_of("2.20", Op::plus),
                                term_of("3.30", Op::gives)},
                               "1.10 + 2.20 = 3.30"},
                    RenderCase{"rounded_sum",
                               {term_of("1.10", Op::first), term_of("2.20", Op::plus),
                                term_of("3.31", Op::gives)},
                               "1.10 + 2.20 ≈ 3.31"},
                    RenderCase{"rounded_difference",
                               {term_of("5.00", Op::first), term_of("1.25", Op::minus),
                                term_of("3.76", Op::gives)},
                               "5.00 − 1.25 ≈ 3.76"},
                    RenderCase{"exact_product",
                               {term_of("3", Op::first), term_of("2400.00", Op::times),
                                term_of("7200.00", Op::gives)},
                               "3 × 2400.00 = 7200.00"},
                    RenderCase{"rounded_percent",
                               {term_of("48885.62", Op::first), term_of("10 %", Op::percent_of),
                                term_of("4888.56", Op::gives)},
                               "48885.62 × 10 % ≈ 4888.56"},
                    RenderCase{"exact_percent_with_a_comma",
                               {term_of("200,00", Op::first), term_of("2,5 %", Op::percent_of),
                                term_of("5,00", Op::gives)},
                               "200,00 × 2,5 % = 5,00"},
                    RenderCase{"bracketed_sum_times",
                               {term_of("235.00", Op::first), term_of("150.00", Op::minus),
                                term_of("50.93", Op::times), term_of("12.00", Op::plus),
                                term_of("4341.05", Op::gives)},
                               "(235.00 − 150.00) × 50.93 + 12.00 = 4341.05"},
                    RenderCase{"rounded_division",
                               {term_of("100.00", Op::first), term_of("12", Op::divided_by),
                                term_of("8.33", Op::gives)},
                               "100.00 ÷ 12 ≈ 8.33"},
                    RenderCase{"exact_division",
                               {term_of("120.00", Op::first), term_of("12", Op::divided_by),
                                term_of("10.00", Op::gives)},
                               "120.00 ÷ 12 = 10.00"},
                    RenderCase{"ceiling_reached",
                               {term_of("90000.00", Op::first), term_of("20 %", Op::percent_of),
                                term_of("2500.00", Op::at_most), term_of("2500.00", Op::gives)},
                               "min(90000.00 × 20 % ; 2500.00) = 2500.00"},
                    RenderCase{"ceiling_not_reached_rounded",
                               {term_of("1000.05", Op::first), term_of("1.5 %", Op::percent_of),
                                term_of("2500.00", Op::at_most), term_of("15.00", Op::gives)},
                               "min(1000.05 × 1.5 % ; 2500.00) ≈ 15.00"},
                    RenderCase{"bracket_held",
                               {term_of("45725.66", Op::first), term_of("30000.00", Op::above),
                                term_of("50000.00", Op::not_above), term_of("10 %", Op::gives)},
                               "30000.00 < 45725.66 ≤ 50000.00 → 10 %"},
                    // 30000.004 lies above the bound and shows as the bound.
                    RenderCase{"amount_just_above_a_bound",
                               {term_of("30000.00", Op::first), term_of("30000.00", Op::above),
                                term_of("50000.00", Op::not_above), term_of("10 %", Op::gives)},
                               "30000.00 ≲ 30000.00 ≤ 50000.00 → 10 %"},
                    RenderCase{"lowest_bracket_at_its_bound",
                               {term_of("30000.00", Op::first), term_of("30000.00", Op::not_above),
                                term_of("0 %", Op::gives)},
                               "30000.00 ≤ 30000.00 → 0 %"},
                    RenderCase{"value_as_it_is",
                               {term_of("25212.00", Op::first), term_of("25212.00", Op::gives)},
                               "25212.00"}),
    [](const testing::TestParamInfo<RenderCase>& info) { return info.param.name; });

TEST(TrueEquations, TheBuiltInRulesOverEveryCombination) {
    LinesMet met;
    for (const pay::PayInputs& inputs : pay::every_list_combination()) {
        pay::PaySession session(".", pay::built_in_rules());
        ASSERT_EQ(session.press_ok(inputs), std::nullopt);
        expect_true_explanations(session, context_of(inputs), met);
        if (HasFailure()) {
            return;
        }
    }
    EXPECT_GT(met.exact, 0);
    EXPECT_GT(met.rounded, 0);
}

// A rule set drawn within the bounds a rules file takes: amounts in whole cents up to 10^7,
// rates with 2 decimals, brackets a cent apart at least. Magnitudes are drawn too, so that small
// and large amounts both come up.
class RandomRules {
  public:
    explicit RandomRules(unsigned seed) : random_(seed) {}

    pay::PayRules next() {
        pay::PayRules rules = pay::built_in_rules();
        for (pay::GridEntry& entry : rules.grid) {
            entry.row = {whole(150, 10000), whole(0, 100000), whole(0, 100000), whole(0, 100000),
                         whole(0, 100000)};
        }
        rules.base_salary = {
            static_cast<double>(whole(0, 150)), cents(1, 10000), {amount(), amount()}};
        rules.zone_rates = {rate(), rate(), rate()};
        rules.special_charges_rate = rate();
        rules.family_allowance = {whole(0, 5), amount(), amount()};
        // Contributions low enough that most sets keep every pay at 0 or more.
        rules.contributions = {rate(),
                               rate(30),
                               rate(10),
                               amount(),
                               rate(10),
                               amount(),
                               static_cast<double>(whole(0, 5000))};
        rules.income_tax.professional_deduction_rate = rate(30);
        rules.income_tax.professional_deduction_ceiling = amount();
        rules.income_tax.exemption_per_dependent = amount();
        rules.income_tax.brackets = {{0, 0, 0, pay::tax_rate_label(0)}};
        double lower = 0;
        for (int i = whole(1, 6); i > 0; --i) {
            // A cent apart now and then, so that the taxable amount falls near a bound.
            lower += whole(0, 3) == 0 ? 0.01 : cents(1, 100000);
            const double bracket_rate = rate(50);
            rules.income_tax.brackets.push_back(
                {lower, bracket_rate, amount(), pay::tax_rate_label(bracket_rate)});
        }
        rules.months_per_year = whole(1, 24);
        return rules;
    }

  private:
    int whole(int low, int high) { return std::uniform_int_distribution(low, high)(random_); }
    // A whole number of cents from `low` to `high` units.
    double cents(long long low, long long high) {
        return static_cast<double>(
                   std::uniform_int_distribution<long long>(low * 100, high * 100)(random_)) /
               100;
    }
    double amount() {
        static constexpr long long tops[] = {1, 100, 10000, 1000000, 10000000};
        return cents(0, tops[whole(0, 4)]);
    }
    double rate(int top = 100) { return cents(0, top); }

    std::mt19937 random_;
};

TEST(TrueEquations, RandomRulesWithinTheBounds) {
    RandomRules random_rules(20261211);
    const std::vector<pay::PayInputs> combinations = pay::every_list_combination();
    std::mt19937 pick(7);
    std::uniform_int_distribution<std::size_t> any(0, combinations.size() - 1);
    int sets = 0;
    LinesMet met;
    while (sets < 200) {
        const pay::PayRules rules = random_rules.next();
        // A file under which some choice gives a negative amount is refused at load.
        if (pay::first_negative_amount(rules)) {
            continue;
        }
        ++sets;
        const std::string separator = sets % 4 == 0 ? "," : ".";
        for (int n = 0; n < 40; ++n) {
            const pay::PayInputs& inputs = combinations[any(pick)];
            pay::PaySession session(separator, rules);
            ASSERT_EQ(session.press_ok(inputs), std::nullopt);
            expect_true_explanations(
                session, "set " + std::to_string(sets) + ": " + context_of(inputs), met);
            if (HasFailure()) {
                return;
            }
        }
    }
    EXPECT_GT(met.exact, 0);
    EXPECT_GT(met.rounded, 0);
    std::cout << met.exact << " exact lines, " << met.rounded << " rounded, " << met.rounded_bound
              << " rounded bounds\n";
}

TEST(TrueEquations, TheBuiltInLineThatRoundsSaysSo) {
    pay::PaySession session(".", pay::built_in_rules());
    const pay::PayInputs inputs =
        test_inputs::scale_9("1", pay::zone_items[0], pay::yes_text, "0", "0", pay::yes_text);
    ASSERT_EQ(session.press_ok(inputs), std::nullopt);
    const wording::Explanation total =
        worded_slip::explain_field(session, pay::SlipField::total_deductions);
    // 1572.57 + 4888.56 + 60.00 + 1222.14 + 327.50 + 1500 is 9570.77; the sum of the unrounded
    // amounts shows as 9570.76.
    EXPECT_EQ(total.formula, "1572.57 + 4888.56 + 60.00 + 1222.14 + 327.50 + 1500 ≈ 9570.76");
    EXPECT_NE(total.sentence.find("مقرّبة إلى السنتيم"), std::string::npos) << total.sentence;
}

// A taxable amount less than half a cent above a bracket's bound shows as the bound itself: the
// line says so with "≲", and its sentence names that sign.
TEST(TrueEquations, AnAmountJustAboveABoundSaysSo) {
    for (const pay::PayInputs& inputs : pay::every_list_combination()) {
        pay::PaySlip slip;
        pay::NoTrace no_trace;
        pay::compute_pay(test_inputs::typed(inputs), pay::built_in_rules(), slip, no_trace);
        // The bound: the taxable amount's whole cents, when less than half a cent lies above them.
        const double cents = std::floor(slip.taxable_amount * 100);
        const double above = slip.taxable_amount * 100 - cents;
        if (above < 0.01 || above > 0.4) {
            continue;
        }
        pay::PayRules rules = pay::built_in_rules();
        rules.income_tax.brackets = {{0, 0, 0, pay::tax_rate_label(0)},
                                     {cents / 100, 10, 0, pay::tax_rate_label(10)}};
        pay::PaySession session(".", rules);
        ASSERT_EQ(session.press_ok(inputs), std::nullopt);
        const std::string bound = pay::format_amount(cents / 100);
        const wording::Explanation rate =
            worded_slip::explain_field(session, pay::SlipField::tax_rate_label);
        EXPECT_EQ(rate.formula, bound + " ≲ " + bound + " → 10 %") << context_of(inputs);
        EXPECT_NE(rate.sentence.find("≲"), std::string::npos) << rate.sentence;
        LinesMet met;
        expect_true_explanations(session, context_of(inputs), met);
        EXPECT_GT(met.rounded_bound, 0);
        return;
    }
    FAIL() << "no taxable amount of the built-in rules lies less than half a cent above a cent";
}

}  // namespace
