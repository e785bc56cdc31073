#pragma once

#include <array>
#include <string_view>

#include "pay/pay_inputs.h"

namespace pay {

/// The captions of the seven choice rows, in the order of `pay::all_choices`.
inline constexpr std::array<std::string_view, pay::all_choices.size()> choice_captions{
    "السلم أو الدرجة",    "الرتبــــة",         "المنطقـــة", "الأعباء الخاصة",
    "التعويضات العائلية", "الأشخص المتكفل بهم", "التعاضديات",
};

/// The caption of a choice's row.
constexpr std::string_view choice_caption(pay::Choice choice) {
    return choice_captions[static_cast<std::size_t>(choice)];
}

/// The sub-headings of the earnings and deductions columns.
inline constexpr std::string_view earnings_heading = "التعويضــات النظاميـــة";
inline constexpr std::string_view deductions_heading = "التعاضديـــات";

}  // namespace pay
