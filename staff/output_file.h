#pragma once

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <variant>

#include "staff/fd_output.h"
#include "staff/remove_on_interrupt.h"

namespace staff {

/// The file named by -o, written so that no failure destroys what it held: a regular file (new
/// or not) is written to a temporary file in its folder, with the earlier file's mode and, where
/// the process may, owner, which replaces it only at `commit()`;
/// a device or a pipe is written in place. Until then an interrupt, a failure or the end of
/// this object removes the temporary file and leaves the named file as it was.
class OutputFile {
  public:
    /// Opens the output, or gives "cannot write NAME: REASON".
    static std::variant<std::unique_ptr<OutputFile>, std::string> open(const std::string& path);

    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    std::ostream& stream() { return stream_; }

    /// The errno of the first failed write, or 0.
    int error() const { return stream_.error(); }

    /// Writes what is left, makes it durable and puts the file in place: 0, or the errno of what
    /// failed.
    int commit();

    /// The interrupt (SIGINT, SIGTERM or SIGHUP) that came while `commit()` put the file in
    /// place, too late to keep the earlier file: taken instead of delivered, for the program to
    /// tell; 0 when none did.
    int interrupted_while_committing() const { return interrupted_; }

    /// Whether an output named `name` would replace the file (a regular file, or no file yet)
    /// rather than be written in place (a device, a pipe).
    static bool replaces(const std::string& name);

    // Made by `open()` alone.
    struct Opened {
        std::string target;
        std::string temporary;  // empty when written in place
        int fd = -1;
    };
    explicit OutputFile(Opened opened);

  private:
    std::string target_;
    std::string temporary_;
    int fd_;
    bool committed_ = false;
    int interrupted_ = 0;
    FdOutput stream_;
    std::optional<RemoveOnInterrupt> remove_on_interrupt_;
};

}  // namespace staff
