#pragma once

namespace staff {

/// The exit statuses of velnaro-calc and velnaro-slips, as their help and manual pages list them.
enum class ExitStatus : int {
    /// Everything asked was computed and written.
    ok = 0,
    /// At least one row (or the one slip) has an error; every row is still written.
    row_errors = 1,
    /// The command line or the input cannot be used: an unknown option, an empty file name, a
    /// file that cannot be opened, a header without the seven columns, a decimal comma with a
    /// comma between fields. Nothing is written.
    usage = 2,
    /// Reading the input or writing an output failed part-way (a full disk, a read error); an
    /// output file named with -o is left as it was.
    io_failure = 3,
};

/// The status as the process returns it.
constexpr int exit_code(ExitStatus status) {
    return static_cast<int>(status);
}

}  // namespace staff
