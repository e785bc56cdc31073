#include "pay/slip_fields.h"

#include <utility>

#include "pay/amount_format.h"

namespace pay {
namespace {

constexpr int shown_decimals = 2;

// The amount a field shows, or none for a text and for an amount that holds none yet.
double* amount_of(PaySlip& slip, const SlipMember& member) {
    if (const auto* amount = std::get_if<double PaySlip::*>(&member)) {
        return &(slip.**amount);
    }
    if (const auto* optional = std::get_if<std::optional<double> PaySlip::*>(&member)) {
        std::optional<double>& value = slip.**optional;
        return value ? &*value : nullptr;
    }
    return nullptr;
}

}  // namespace

ShownTexts start_texts() {
    ShownTexts texts;
    for (const SlipFieldInfo& info : slip_fields) {
        texts[static_cast<std::size_t>(info.field)] = std::string(info.start_text);
    }
    return texts;
}

ShownTexts show_and_settle(PaySlip& slip, std::string_view separator) {
    ShownTexts texts;
    for (const SlipFieldInfo& info : slip_fields) {
        std::string& text = texts[static_cast<std::size_t>(info.field)];
        if (info.display == FieldDisplay::label) {
            text = slip.*std::get<std::string PaySlip::*>(info.member);
        } else if (double* amount = amount_of(slip, info.member)) {
            const bool whole = info.display == FieldDisplay::whole_number;
            ShownAmount shown =
                show_amount(*amount, whole ? 0 : shown_decimals, whole ? "" : separator);
            text = std::move(shown.text);
            *amount = shown.value;
        }
    }
    return texts;
}

}  // namespace pay
