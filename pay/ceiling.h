#pragma once

#include "pay/trace.h"

namespace pay {

/// Whether an amount reaches its ceiling: a ceiling replaces an amount equal to it or above it.
constexpr bool reaches_ceiling(double amount, double ceiling) {
    return amount >= ceiling;
}

/// The amount, or the ceiling when the amount reaches it; the ceiling joins the line only then.
template <class Trace>
double capped(double amount, Quantity ceiling_quantity, double ceiling, Trace& trace) {
    if (reaches_ceiling(amount, ceiling)) {
        trace.term(ceiling_quantity, ceiling, TermOperation::at_most);
        return ceiling;
    }
    trace.note(ceiling_quantity, ceiling);
    return amount;
}

}  // namespace pay
