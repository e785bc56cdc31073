#pragma once

#include <chrono>
#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>

namespace staff {

/// Whether a progress line may be written on `terminal_fd`: it is a terminal, and `output_fd` is
/// not that same terminal, where the line would be drawn over the output's own lines.
bool progress_line_fits(int terminal_fd, int output_fd);

/// The progress of a long batch on a terminal: once it has run for `quiet_time` (about a second),
/// one line with the units done and the units per second ("velnaro-calc: 120000 rows, 98000 rows
/// per second"), written over itself a few times a second and cleared at the end, so that the
/// messages after it start on a clean line.
class ProgressLine {
  public:
    using Clock = std::chrono::steady_clock;

    ProgressLine(std::ostream& terminal, std::string_view program, std::string_view unit,
                 Clock::duration quiet_time = std::chrono::seconds(1));
    ~ProgressLine();
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    void update(std::size_t done);
    /// Takes the line off the terminal, for a message; the next update writes it again.
    void clear();

  private:
    std::ostream& terminal_;
    std::string program_;
    std::string unit_;
    Clock::duration quiet_time_;
    Clock::time_point start_;
    Clock::time_point shown_at_;
    std::size_t shown_width_ = 0;
};

}  // namespace staff
