#pragma once

// Choices the core's tests build again and again.

#include <string>
#include <string_view>
#include <utility>

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

}  // namespace test_inputs
