#pragma once

#include <chrono>
#include <cstddef>
#include <ostream>

namespace cli {

/// The progress of a long batch on a terminal: once it has run for `quiet_time` (about a second),
/// one line with the rows done and the rows per second, written over itself a few times a second
/// and cleared at the end, so that the messages after it start on a clean line.
class ProgressLine {
  public:
    using Clock = std::chrono::steady_clock;

    explicit ProgressLine(std::ostream& terminal,
                          Clock::duration quiet_time = std::chrono::seconds(1));
    ~ProgressLine();
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    void update(std::size_t rows);

  private:
    std::ostream& terminal_;
    Clock::duration quiet_time_;
    Clock::time_point start_;
    Clock::time_point shown_at_;
    std::size_t shown_width_ = 0;
};

}  // namespace cli
