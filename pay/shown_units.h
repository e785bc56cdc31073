#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "pay/slip_fields.h"
#include "pay/wide_integer.h"

namespace pay {

/// A shown decimal number read: its digits as one whole number with its sign, how many of them
/// stand after the separator, and how many there are in all.
struct ShownDecimal {
    WideInteger digits = 0;
    int decimals = 0;
    std::size_t digit_count = 0;
};

/// Reads a number as the program shows one: an optional minus sign, digits, and optionally a
/// point or a comma followed by digits. None for any other text. Past 30 digits the digits are
/// only counted, so that a long text cannot overflow.
std::optional<ShownDecimal> read_shown_decimal(std::string_view text);

/// A shown amount as a whole number of its last place: "6033.13" gives 603313, "-0.50" gives
/// -50, "1500" gives 1500, with either decimal separator. A shown amount has a fixed number of
/// decimals, so sums and differences of these numbers are those of the texts, exact to the last
/// place. None for a text that is no shown amount (empty, say).
std::optional<std::int64_t> shown_units(std::string_view text);

/// `units` of the last of `decimals` places as a decimal text: "1234.05", "-0.50", "1500". Wide,
/// so that a sum of shown amounts over any number of rows is written whole.
std::string units_text(WideInteger units, int decimals, char separator);

/// A difference as the comparisons show one: a plus sign before a positive difference, a minus
/// sign before a negative one and no sign for zero ("+12.30", "-0.05", "0.00"), never "-0.00".
std::string difference_text(WideInteger units, int decimals, char separator);

/// The difference of one field's two shown texts, in the field's own display ("+66.87", "0",
/// "-1.50"): the difference of the figures as shown, exact to their last place. Empty for the
/// rate label and for a text that is no amount.
std::string field_difference(SlipField field, std::string_view now, std::string_view before,
                             char separator);

}  // namespace pay
