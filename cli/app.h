#pragma once

#include <istream>
#include <ostream>

#include "staff/exit_status.h"
#include "staff/fd_output.h"

namespace cli {

/// velnaro-calc: reads the arguments, computes, writes, and returns the exit status. A failed
/// write to `out` is reported on `err`, except a closed pipe, which ends the run quietly.
staff::ExitStatus run(int argc, const char* const* argv, std::istream& in, staff::FdOutput& out,
                      std::ostream& err);

}  // namespace cli
