// The bounds of a rules file: a rule set at their edges is shown as a file that reads back to it,
// and its largest amounts stay whole and exact to the cent; rule numbers never take exponent form.
#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "pay/amount_format.h"
#include "pay/pay_slip.h"
#include "pay/rules.h"
#include "pay/rules_file.h"
#include "pay/rules_writer.h"
#include "pay/slip_fields.h"
#include "pay/trace.h"
#include "rules_at_the_edges.h"

namespace {

using pay::PayRules;
using test_support::rules_at_the_edges;

TEST(RulesAtTheEdges, AreShownAsAFileThatReadsBackToThem) {
    const PayRules edges = rules_at_the_edges();
    const std::string written = pay::write_rules(edges);
    // The readers take files of up to 1 MiB.
    EXPECT_LT(written.size(), std::size_t{1} << 20);
    const pay::RulesReading read = pay::read_rules(written, "edges.toml");
    ASSERT_TRUE(std::holds_alternative<PayRules>(read))
        << pay::describe(std::get<pay::RulesFileError>(read));
    EXPECT_EQ(std::get<PayRules>(read), edges);
    EXPECT_EQ(pay::write_rules(std::get<PayRules>(read)), written);
}

TEST(RulesAtTheEdges, GiveAmountsThatStayWholeAndExact) {
    const PayRules edges = rules_at_the_edges();
    pay::Choices choices;
    double largest = 0;
    for (std::size_t entry = 0; entry < edges.grid.size(); ++entry) {
        choices.scale = edges.grid[entry].scale;
        choices.grid_entry = entry;
        for (std::size_t zone = 0; zone < pay::zone_items.size(); ++zone) {
            choices.zone = zone;
            for (const bool special : {true, false}) {
                choices.special_charges = special;
                for (const bool member : {true, false}) {
                    choices.mutual_member = member;
                    for (int children = 0; children <= pay::max_count; ++children) {
                        choices.children = children;
                        for (int dependents = 0; dependents <= pay::max_count; ++dependents) {
                            choices.dependents = dependents;
                            pay::PaySlip slip;
                            pay::NoTrace trace;
                            pay::compute_pay(choices, edges, slip, trace);
                            for (const pay::SlipFieldInfo& info : pay::slip_fields) {
                                const auto* member_of =
                                    std::get_if<double pay::PaySlip::*>(&info.member);
                                const double amount = member_of != nullptr ? slip.**member_of : 0.0;
                                EXPECT_GE(amount, 0) << info.name;
                                largest = std::max(largest, amount);
                            }
                        }
                    }
                }
            }
        }
    }
    // The largest amount any choice reaches, worked by hand: with 6 children and special
    // charges, base salary 10000 x 9999.99 + 9999999.99 + 9999999.99 = 119999899.98; residence
    // and special-charges allowances 99.99 % of it, 119987899.990002 each; three allowances of
    // 10000000; family allowance 6 x 9999999.99 = 59999999.94; gross total 449975699.900004.
    EXPECT_EQ(pay::format_amount(largest), "449975699.90");
    EXPECT_LT(largest, 4.5e8);
}

struct NumberText {
    double value;
    const char* text;
};

TEST(RuleNumberText, IsNeverInExponentForm) {
    for (const NumberText& each :
         {NumberText{0.00001, "0.00001"}, NumberText{150, "150"}, NumberText{50.92, "50.92"},
          NumberText{2.5, "2.5"}, NumberText{1e20, "100000000000000000000"}, NumberText{-0.0, "0"},
          NumberText{12345678.9, "12345678.9"}}) {
        EXPECT_EQ(pay::rule_number_text(each.value), each.text);
    }
    EXPECT_EQ(pay::tax_rate_label(0.00001), "0.00001 %");
}

}  // namespace
