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
/// or not) is written to a temporary file in its folder, which replaces it only at `commit()`;
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
    FdOutput stream_;
    std::optional<RemoveOnInterrupt> remove_on_interrupt_;
};

}  // namespace staff
