// A window session: each input is a sequence of OK presses with seven texts each, mixing list
// items and arbitrary bytes. After every press the shown texts must be well formed, nothing may
// be NaN or infinite, and a refused press must change nothing.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "pay/explanation.h"
#include "pay/pay_inputs.h"
#include "pay/pay_session.h"
#include "pay/rules.h"
#include "pay/slip_view.h"
#include "wording/explanation_text.h"

namespace {

void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

std::vector<std::string> items_of(pay::Choice choice) {
    std::vector<std::string> items;
    const auto add = [&](const auto& list) {
        for (const auto& item : list) {
            items.emplace_back(item);
        }
    };
    switch (choice) {
        case pay::Choice::scale:
            add(pay::scale_items);
            break;
        case pay::Choice::rank:
            for (const pay::Scale scale : pay::all_scales) {
                add(pay::rank_items(scale));
            }
            break;
        case pay::Choice::zone:
            add(pay::zone_items);
            break;
        case pay::Choice::special_charges:
        case pay::Choice::mutual_member:
            add(pay::yes_no_items);
            break;
        case pay::Choice::children:
        case pay::Choice::dependents:
            add(pay::count_items);
            break;
    }
    return items;
}

// Mostly a list item, sometimes the empty text or arbitrary bytes.
std::string next_text(FuzzedDataProvider& data, pay::Choice choice) {
    const auto items = items_of(choice);
    const auto pick = data.ConsumeIntegralInRange<std::size_t>(0, items.size() + 1);
    if (pick < items.size()) {
        return items[pick];
    }
    return pick == items.size() ? std::string() : data.ConsumeRandomLengthString(24);
}

bool finite_slip(const pay::PaySlip& slip) {
    const auto finite = [](std::optional<double> amount) {
        return !amount || std::isfinite(*amount);
    };
    return finite(slip.gross_before_family) &&
           std::all_of(pay::slip_fields.begin(), pay::slip_fields.end(),
                       [&](const pay::SlipFieldInfo& info) {
                           return finite(pay::amount_of(slip, info.field));
                       });
}

void check_shown(const pay::PaySession& session) {
    static const std::regex amount_text("-?[0-9]+\\.[0-9]{2}");
    for (const pay::SlipFieldInfo& info : pay::slip_fields) {
        const std::string& text = session.text(info.field);
        if (text == info.start_text) {
            continue;
        }
        if (info.field == pay::SlipField::mutual_fund) {
            require(text == "0" || text == "1500");
        } else if (info.field == pay::SlipField::tax_rate_label) {
            const auto& brackets = pay::built_in_rules().income_tax.brackets;
            require(std::any_of(brackets.begin(), brackets.end(),
                                [&](const pay::TaxBracket& b) { return b.label == text; }));
        } else {
            require(std::regex_match(text, amount_text));
        }
    }
    require(finite_slip(session.slip()));
    // Each explanation, kept amounts included, ends in the text its field shows.
    if (session.computed_inputs()) {
        const pay::SlipView view = pay::view_slip(session, pay::ViewDetail::explained);
        for (const wording::Explanation& e :
             wording::explain_slip(view, session.decimal_separator())) {
            require(!e.terms.empty() && e.terms.back().value == session.text(e.field));
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    pay::PaySession session(".", pay::built_in_rules());
    while (data.remaining_bytes() > 0) {
        pay::PayInputs inputs;
        for (const pay::Choice choice : pay::all_choices) {
            pay::choice_text(inputs, choice) = next_text(data, choice);
        }
        const pay::PaySession before = session;
        if (session.press_ok(inputs)) {
            require(session.slip() == before.slip() && session.shown() == before.shown());
        }
        check_shown(session);
    }
    return 0;
}
