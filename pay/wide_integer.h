#pragma once

namespace pay {

/// A 128-bit integer: the width that holds a product of two shown amounts in their last places,
/// and a sum of 64-bit amounts over any number of rows a count can reach.
// An alias declaration cannot carry __extension__, which keeps -Wpedantic quiet on __int128.
__extension__ typedef __int128 WideInteger;  // NOLINT(modernize-use-using)

}  // namespace pay
