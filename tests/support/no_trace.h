#pragma once

#include "pay/trace.h"

namespace test_support {

/// The trace of a step called on its own, as a plain press traces it: nothing. It holds no state,
/// so one serves every call.
inline pay::NoTrace& no_trace() {
    static pay::NoTrace trace;
    return trace;
}

}  // namespace test_support
