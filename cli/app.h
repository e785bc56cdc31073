#pragma once

#include <istream>
#include <ostream>

namespace cli {

/// velnaro-calc: reads the arguments, computes, writes, and returns the exit status.
int run(int argc, const char* const* argv, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace cli
