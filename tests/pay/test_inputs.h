#pragma once

// Choices the core's tests build again and again.

#include <string>
#include <string_view>
#include <utility>

#include "pay/choices.h"
#include "pay/count_text.h"
#include "pay/pay_inputs.h"

namespace test_inputs {

/// A list item as the text a choice holds.
inline std::string item(std::string_view text) {
    return std::string(text);
}

/// Scale 9 with the other six choices as given.
inline pay::PayInputs scale_9(std::string rank, std::string_view zone, std::string_view special,
                              std::string children, std::string dependents,
                              std::string_view mutual) {
    return {.scale = item(pay::scale_text(pay::Scale::scale_9)),
            .rank = std::move(rank),
            .zone = item(zone),
            .special_charges = item(special),
            .children = std::move(children),
            .dependents = std::move(dependents),
            .mutual_member = item(mutual)};
}

/// Each text read on its own, as the steps see it, with no refusal: for the tests of one step.
/// A dependents text that is no count from 0 to 6 reads as 0.
inline pay::Choices typed(const pay::PayInputs& texts) {
    pay::Choices choices;
    choices.scale = pay::scale_from_text(texts.scale);
    if (choices.scale) {
        choices.grid_entry = pay::grid_entry_of(*choices.scale, texts.rank);
    }
    choices.zone = pay::zone_of(texts.zone);
    choices.special_charges = pay::read_yes_no(texts.special_charges);
    choices.children = pay::read_count(texts.children).count;
    choices.dependents = pay::read_count(texts.dependents).count.value_or(0);
    choices.mutual_member = pay::read_yes_no(texts.mutual_member);
    return choices;
}

}  // namespace test_inputs
