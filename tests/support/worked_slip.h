#pragma once

#include <string>

#include "pay/pay_inputs.h"

namespace test_support {

/// The worked slip: scale 9, rank 1 (235 points), zone C, no special charges, 2 children,
/// 3 dependents, member of the mutual, as the window's lists hold them.
inline pay::PayInputs worked_slip_inputs() {
    return {.scale = std::string(pay::scale_text(pay::Scale::scale_9)),
            .rank = std::string(pay::rank_items(pay::Scale::scale_9)[0]),
            .zone = std::string(pay::zone_items[2]),
            .special_charges = std::string(pay::no_text),
            .children = "2",
            .dependents = "3",
            .mutual_member = std::string(pay::yes_text)};
}

/// Scale 9, rank 1, zone A, special charges, no children or dependents, not a member: a taxable
/// amount shown as 47553.15 that the computation holds a hair above it.
inline pay::PayInputs bracket_edge_inputs() {
    return {.scale = std::string(pay::scale_text(pay::Scale::scale_9)),
            .rank = std::string(pay::rank_items(pay::Scale::scale_9)[0]),
            .zone = std::string(pay::zone_items[0]),
            .special_charges = std::string(pay::yes_text),
            .children = "0",
            .dependents = "0",
            .mutual_member = std::string(pay::no_text)};
}

}  // namespace test_support
