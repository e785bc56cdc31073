#include "pay/slip_fields.h"

#include <type_traits>
#include <utility>

#include "pay/amount_format.h"

namespace pay {
namespace {

constexpr int shown_decimals = 2;

// The amount a member holds, or none for a text and for an amount that holds none yet.
template <typename Slip>
auto* amount_in(Slip& slip, const SlipMember& member) {
    using Amount = std::conditional_t<std::is_const_v<Slip>, const double, double>;
    Amount* found = nullptr;
    if (const auto* amount = std::get_if<double PaySlip::*>(&member)) {
        found = &(slip.**amount);
    } else if (const auto* optional = std::get_if<std::optional<double> PaySlip::*>(&member)) {
        auto& value = slip.**optional;
        found = value ? &*value : nullptr;
    }
    return found;
}

constexpr std::string_view tatweel = "\u0640";

}  // namespace

std::string caption_title(std::string_view caption) {
    std::string title;
    title.reserve(caption.size());
    for (std::size_t i = 0; i < caption.size();) {
        if (caption.substr(i, tatweel.size()) == tatweel) {
            i += tatweel.size();
        } else {
            title += caption[i++];
        }
    }
    title.erase(title.find_last_not_of(' ') + 1);
    title.erase(0, title.find_first_not_of(' ') == std::string::npos
                       ? title.size()
                       : title.find_first_not_of(' '));
    return title;
}

std::string_view field_title(SlipField field) {
    static const std::array<std::string, slip_field_count> titles = [] {
        std::array<std::string, slip_field_count> all;
        for (const SlipFieldInfo& info : slip_fields) {
            all[static_cast<std::size_t>(info.field)] = caption_title(info.label);
        }
        return all;
    }();
    return titles[static_cast<std::size_t>(field)];
}

std::optional<double> amount_of(const PaySlip& slip, SlipField field) {
    if (const double* amount = amount_in(slip, field_info(field).member)) {
        return *amount;
    }
    return std::nullopt;
}

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
            // A rate label ("10.5 %") is a number too, written with the amounts' separator.
            text = slip.*std::get<std::string PaySlip::*>(info.member);
            if (const std::size_t point = text.find('.'); point != std::string::npos) {
                text.replace(point, 1, separator);
            }
        } else if (double* amount = amount_in(slip, info.member)) {
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
