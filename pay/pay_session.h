#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "pay/pay_inputs.h"
#include "pay/pay_slip.h"
#include "pay/slip_fields.h"

namespace pay {

/// One open window: its slip and the texts its result fields show, from the start texts on.
/// Each press of OK either is refused and changes nothing, or computes, shows and settles.
class PaySession {
  public:
    explicit PaySession(std::string_view decimal_separator = ".");

    /// The OK action on the given choices.
    std::optional<Refusal> press_ok(const PayInputs& inputs);

    const PaySlip& slip() const { return slip_; }
    const ShownTexts& shown() const { return shown_; }
    const std::string& text(SlipField field) const;

  private:
    std::string separator_;
    PaySlip slip_;
    ShownTexts shown_;
};

}  // namespace pay
