#include "wording/catalogue.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "pay/pay_inputs.h"
#include "pay/pay_session.h"
#include "pay/rules.h"
#include "pay/slip_view.h"
#include "rules_at_the_edges.h"
#include "wording/explanation_text.h"
#include "worked_slip.h"

namespace {

using pay::MessageKey;

// The numbers of the placeholders a sentence holds: "%2 and %1" gives {1, 2}.
std::set<int> placeholders(std::string_view pattern) {
    std::set<int> numbers;
    for (std::size_t at = pattern.find('%');
         at != std::string_view::npos && at + 1 < pattern.size(); at = pattern.find('%', at + 1)) {
        if (pattern[at + 1] == '%') {
            ++at;
        } else if (pattern[at + 1] >= '1' && pattern[at + 1] <= '9') {
            numbers.insert(pattern[at + 1] - '0');
        }
    }
    return numbers;
}

// The built-in rules with every bracket's bound a million higher: every taxable amount lies in
// the lowest bracket.
pay::PayRules untaxed_rules() {
    pay::PayRules rules = pay::built_in_rules();
    for (std::size_t i = 1; i < rules.income_tax.brackets.size(); ++i) {
        rules.income_tax.brackets[i].lower += 1e6;
    }
    return rules;
}

// How many arguments each message key came with, over every list combination under three rule
// sets and presses of typed texts that leave each kind of field kept.
std::map<MessageKey, std::set<std::size_t>> arguments_by_key() {
    std::map<MessageKey, std::set<std::size_t>> seen;
    const auto record = [&](const pay::PaySession& session) {
        const pay::SlipView view = pay::view_slip(session, pay::ViewDetail::explained);
        for (const pay::FieldView& field : view.fields) {
            for (const pay::ExplanationItem& item : field.explanation.items) {
                seen[item.key].insert(item.arguments.size());
            }
        }
    };
    const pay::PayRules untaxed = untaxed_rules();
    const pay::PayRules edges = test_support::rules_at_the_edges();
    for (const pay::PayRules* rules : {&pay::built_in_rules(), &untaxed, &edges}) {
        pay::PaySession session(".", *rules);
        record(session);
        for (const pay::PayInputs& inputs : pay::every_list_combination()) {
            if (!session.press_ok(inputs)) {
                record(session);
            }
        }
    }
    pay::PaySession session(".", pay::built_in_rules());
    pay::PayInputs typed = test_support::worked_slip_inputs();
    EXPECT_FALSE(session.press_ok(typed));
    typed.zone = "x";
    typed.special_charges = "x";
    typed.children = "9";
    typed.mutual_member = "x";
    typed.rank = "99";
    EXPECT_FALSE(session.press_ok(typed));
    record(session);
    typed.scale = "9";
    EXPECT_FALSE(session.press_ok(typed));
    record(session);
    return seen;
}

TEST(Catalogue, EverySentenceTakesExactlyTheArgumentsOfItsKey) {
    const std::map<MessageKey, std::set<std::size_t>> seen = arguments_by_key();
    const wording::Catalogue& arabic = wording::arabic_catalogue();
    for (std::size_t k = 0; k < pay::message_key_count; ++k) {
        const auto key = static_cast<MessageKey>(k);
        const auto found = seen.find(key);
        ASSERT_NE(found, seen.end()) << "message " << k << " never said";
        ASSERT_EQ(found->second.size(), 1u) << "message " << k << " with varying arguments";
        std::set<int> expected;
        for (int n = 1; n <= static_cast<int>(*found->second.begin()); ++n) {
            expected.insert(n);
        }
        EXPECT_EQ(placeholders(arabic.messages[k]), expected) << arabic.messages[k];
    }
}

// The worked slip in zone A: the residence allowance is 18194.20 × 25 % = 4548.55.
TEST(Catalogue, AnotherCatalogueWordsTheSameItems) {
    pay::PaySession session(".", pay::built_in_rules());
    pay::PayInputs inputs = test_support::worked_slip_inputs();
    inputs.zone = std::string(pay::zone_items[0]);
    ASSERT_FALSE(session.press_ok(inputs));
    wording::Catalogue english = wording::arabic_catalogue();
    english.messages[static_cast<std::size_t>(MessageKey::residence_allowance)] =
        "The residence allowance is %2 of the base salary, the rate of zone %1.";
    english.term_names[static_cast<std::size_t>(pay::Quantity::zone_rate)] = "rate of zone %1";
    const pay::SlipView view = pay::view_slip(session, pay::ViewDetail::explained);
    const wording::Explanation residence =
        wording::explain_field(view, pay::SlipField::residence_allowance, ".", english);
    EXPECT_EQ(residence.sentence,
              "The residence allowance is \u206625 %\u2069 of the base salary, the rate of zone "
              "«\u2068أ\u2069».");
    ASSERT_EQ(residence.terms.size(), 3u);
    EXPECT_EQ(residence.terms[1].name, "rate of zone «\u2068أ\u2069»");
    EXPECT_EQ(residence.terms[1].value, "25 %");
    // The same items in the program's own words.
    EXPECT_EQ(wording::explain_field(view, pay::SlipField::residence_allowance, ".").sentence,
              "التعويض عن الإقامة هو نسبة المنطقة «\u2068أ\u2069»، أي \u206625 %\u2069، من "
              "الراتب الأساسي السنوي.");
}

}  // namespace
