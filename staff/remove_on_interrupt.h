#pragma once

#include <signal.h>

#include <array>
#include <string>

namespace staff {

/// While one exists, an interrupt (SIGINT, SIGTERM, SIGHUP) first removes the file at `path`,
/// then ends the process by that signal as it would have. A signal the process ignored stays
/// ignored. One at a time.
class RemoveOnInterrupt {
  public:
    explicit RemoveOnInterrupt(const std::string& path);
    ~RemoveOnInterrupt();
    RemoveOnInterrupt(const RemoveOnInterrupt&) = delete;
    RemoveOnInterrupt& operator=(const RemoveOnInterrupt&) = delete;

  private:
    std::array<struct sigaction, 3> previous_{};
};

}  // namespace staff
