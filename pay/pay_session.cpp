#include "pay/pay_session.h"

#include "pay/trace.h"

namespace pay {

PaySession::PaySession(std::string_view decimal_separator, const PayRules& rules)
    : separator_(decimal_separator), rules_(&rules), shown_(start_texts()) {}

std::optional<Refusal> PaySession::press_ok(const PayInputs& inputs) {
    auto read = read_choices(inputs, slip_.index_points.has_value());
    if (const auto* refusal = std::get_if<Refusal>(&read)) {
        return *refusal;
    }
    return press_ok(inputs, std::get<Choices>(read));
}

std::optional<Refusal> PaySession::press_ok(const PayInputs& texts, const Choices& choices) {
    if (auto refusal = refusal_without_grid_row(choices, slip_.index_points.has_value())) {
        return refusal;
    }
    slip_before_ = slip_;
    NoTrace trace;
    compute_pay(choices, *rules_, slip_, trace);
    computed_slip_ = slip_;
    shown_ = show_and_settle(slip_, separator_);
    computed_inputs_ = texts;
    computed_choices_ = choices;
    return std::nullopt;
}

const std::string& PaySession::text(SlipField field) const {
    return shown_[static_cast<std::size_t>(field)];
}

}  // namespace pay
