#include "staff/progress_line.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <string>

namespace staff {
namespace {

constexpr auto refresh_time = std::chrono::milliseconds(250);

}  // namespace

bool progress_line_fits(int terminal_fd, int output_fd) {
    if (::isatty(terminal_fd) != 1) {
        return false;
    }
    if (::isatty(output_fd) != 1) {
        return true;
    }
    struct stat terminal {};
    struct stat output {};
    if (::fstat(terminal_fd, &terminal) != 0 || ::fstat(output_fd, &output) != 0) {
        return false;
    }
    return terminal.st_rdev != output.st_rdev;
}

ProgressLine::ProgressLine(std::ostream& terminal, std::string_view program, std::string_view unit,
                           Clock::duration quiet_time)
    : terminal_(terminal),
      program_(program),
      unit_(unit),
      quiet_time_(quiet_time),
      start_(Clock::now()),
      shown_at_(start_) {}

ProgressLine::~ProgressLine() {
    clear();
}

void ProgressLine::clear() {
    if (shown_width_ > 0) {
        terminal_ << '\r' << std::string(shown_width_, ' ') << '\r' << std::flush;
        shown_width_ = 0;
    }
}

void ProgressLine::update(std::size_t done) {
    const Clock::time_point now = Clock::now();
    if (now - start_ < quiet_time_ || (shown_width_ > 0 && now - shown_at_ < refresh_time)) {
        return;
    }
    shown_at_ = now;
    const double seconds = std::chrono::duration<double>(now - start_).count();
    const auto rate =
        static_cast<std::size_t>(seconds > 0 ? static_cast<double>(done) / seconds : 0);
    const std::string line = program_ + ": " + std::to_string(done) + " " + unit_ + ", " +
                             std::to_string(rate) + " " + unit_ + " per second";
    terminal_ << '\r' << line;
    if (line.size() < shown_width_) {
        terminal_ << std::string(shown_width_ - line.size(), ' ');
    }
    terminal_ << std::flush;
    shown_width_ = std::max(shown_width_, line.size());
}

}  // namespace staff
