#include "pay/pay_session.h"

namespace pay {

PaySession::PaySession(std::string_view decimal_separator)
    : separator_(decimal_separator), shown_(start_texts()) {}

std::optional<Refusal> PaySession::press_ok(const PayInputs& inputs) {
    if (auto refusal = check_inputs(inputs, slip_)) {
        return refusal;
    }
    compute_pay(inputs, slip_);
    computed_slip_ = slip_;
    shown_ = show_and_settle(slip_, separator_);
    computed_inputs_ = inputs;
    return std::nullopt;
}

const std::string& PaySession::text(SlipField field) const {
    return shown_[static_cast<std::size_t>(field)];
}

}  // namespace pay
