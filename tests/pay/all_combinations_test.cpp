// Every combination of list items against an independent computation in exact decimal integers.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "pay/grid.h"
#include "pay/pay_inputs.h"
#include "pay/pay_session.h"

namespace {

using Exact = std::int64_t;  // an amount in units of 10^-8, enough for every rule's decimals
constexpr Exact unit = 100'000'000;

// Exact division; every rule divides amounts that stay within eight decimals.
Exact divide(Exact amount, Exact divisor) {
    EXPECT_EQ(amount % divisor, 0) << "an amount left eight decimals";
    return amount / divisor;
}

Exact percent(Exact amount, Exact rate_in_tenths) {
    return divide(amount * rate_in_tenths, 1000);
}

// Rounded half away from zero to hundredths; `divisor` divides the amount first.
std::string shown(Exact amount, Exact divisor = 1) {
    const Exact cents_unit = unit / 100 * divisor;
    const bool negative = amount < 0;
    const Exact magnitude = negative ? -amount : amount;
    const Exact cents = (2 * magnitude + cents_unit) / (2 * cents_unit);
    std::string digits = std::to_string(cents);
    if (digits.size() < 3) {
        digits.insert(0, 3 - digits.size(), '0');
    }
    std::string text = negative && cents != 0 ? "-" : "";
    return text + digits.substr(0, digits.size() - 2) + "." + digits.substr(digits.size() - 2);
}

struct Expected {
    std::string texts[pay::slip_field_count];
};

Expected reference(const pay::GridRow& row, int zone, bool special, int children, int dependents,
                   bool member) {
    const Exact base = (row.index_points - 150) * 5092 * unit / 100 + (9885 + 3981) * unit;
    const Exact zone_tenths[] = {250, 150, 100};
    const Exact residence = percent(base, zone_tenths[zone]);
    const Exact special_allowance = special ? percent(base, 850) : 0;
    const Exact family_amounts[] = {0, 2400, 4800, 7200, 7632, 8064, 8496};
    const Exact family = family_amounts[children] * unit;
    const Exact hierarchy = row.hierarchy_allowance * unit;
    const Exact charges = row.charges_allowance * unit;
    const Exact supervision = row.supervision_allowance * unit;
    const Exact before_family =
        base + residence + special_allowance + hierarchy + charges + supervision;
    const Exact gross_total = before_family + family;

    const Exact contribution_base = percent(base, 100) + base + hierarchy + charges + supervision;
    const Exact retirement = percent(contribution_base, 100);
    const Exact health = std::min(percent(contribution_base, 25), 4800 * unit);
    const Exact general_mutual = member ? std::min(percent(base, 18), 600 * unit) : 0;
    const Exact mutual_fund = member ? 1500 * unit : 0;

    const Exact professional = std::min(percent(before_family, 200), 30000 * unit);
    const Exact taxable =
        before_family - (retirement + professional + health + general_mutual + mutual_fund);
    struct Row {
        Exact lower, tenths, base;
        const char* label;
    };
    const Row rows[] = {{180000, 380, 44000, "38 %"}, {80000, 340, 10000, "34 %"},
                        {60000, 300, 4000, "30 %"},   {50000, 200, 2000, "20 %"},
                        {30000, 100, 0, "10 %"},      {0, 0, 0, "0 %"}};
    Exact gross_tax = 0;
    std::string label;
    for (const Row& r : rows) {
        if (taxable > r.lower * unit || r.lower == 0) {
            gross_tax =
                r.tenths == 0 ? 0 : percent(taxable - r.lower * unit, r.tenths) + r.base * unit;
            label = r.label;
            break;
        }
    }
    const Exact exemption = std::min<Exact>(dependents * 360 * unit, gross_tax);
    const Exact income_tax = gross_tax - exemption;
    const Exact total = income_tax + retirement + row.foundation_contribution * unit + health +
                        general_mutual + mutual_fund;
    const Exact net = gross_total - total;

    using pay::SlipField;
    Expected e;
    const auto set = [&](SlipField field, std::string text) {
        e.texts[static_cast<std::size_t>(field)] = std::move(text);
    };
    set(SlipField::index_points, shown(row.index_points * unit));
    set(SlipField::annual_base_salary, shown(base));
    set(SlipField::residence_allowance, shown(residence));
    set(SlipField::special_charges_allowance, shown(special_allowance));
    set(SlipField::hierarchy_allowance, shown(hierarchy));
    set(SlipField::charges_allowance, shown(charges));
    set(SlipField::supervision_allowance, shown(supervision));
    set(SlipField::family_allowance, shown(family));
    set(SlipField::gross_total, shown(gross_total));
    set(SlipField::retirement, shown(retirement));
    set(SlipField::health_insurance, shown(health));
    set(SlipField::general_mutual, shown(general_mutual));
    set(SlipField::mutual_fund, member ? "1500" : "0");
    set(SlipField::foundation_contribution, shown(row.foundation_contribution * unit));
    set(SlipField::taxable_amount, shown(taxable));
    set(SlipField::tax_rate_label, label);
    set(SlipField::family_exemption, shown(exemption));
    set(SlipField::income_tax, shown(income_tax));
    set(SlipField::total_deductions, shown(total));
    set(SlipField::annual_pay, shown(net));
    set(SlipField::monthly_pay, shown(net, 12));
    return e;
}

TEST(AllCombinations, ShowTheExactAmountsToTheCent) {
    int combinations = 0;
    for (const pay::GridEntry& entry : pay::built_in_rules().grid) {
        for (int zone = 0; zone < 3; ++zone) {
            for (const bool special : {true, false}) {
                for (int children = 0; children <= 6; ++children) {
                    for (int dependents = 0; dependents <= 6; ++dependents) {
                        for (const bool member : {true, false}) {
                            const pay::PayInputs inputs{
                                .scale = std::string(pay::scale_text(entry.scale)),
                                .rank = std::string(entry.rank),
                                .zone = std::string(pay::zone_items[zone]),
                                .special_charges =
                                    std::string(special ? pay::yes_text : pay::no_text),
                                .children = std::to_string(children),
                                .dependents = std::to_string(dependents),
                                .mutual_member =
                                    std::string(member ? pay::yes_text : pay::no_text)};
                            pay::PaySession session(".", pay::built_in_rules());
                            ASSERT_EQ(session.press_ok(inputs), std::nullopt);
                            const Expected expected =
                                reference(entry.row, zone, special, children, dependents, member);
                            for (const pay::SlipFieldInfo& info : pay::slip_fields) {
                                const auto i = static_cast<std::size_t>(info.field);
                                ASSERT_EQ(session.shown()[i], expected.texts[i])
                                    << info.name << " of scale " << static_cast<int>(entry.scale)
                                    << " rank " << entry.rank << " zone " << zone << " special "
                                    << special << " children " << children << " dependents "
                                    << dependents << " member " << member;
                            }
                            ++combinations;
                        }
                    }
                }
            }
        }
    }
    EXPECT_EQ(combinations, 43 * 3 * 2 * 7 * 7 * 2);
}

}  // namespace
