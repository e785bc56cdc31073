#pragma once

#include <signal.h>

#include <array>
#include <string>

namespace staff {

/// While one exists, an interrupt (SIGINT, SIGTERM, SIGHUP) first removes the file at `path`,
/// then does what the process did with it before: runs the program's own handler (which should
/// end the process), or ends the process by that signal. A signal the process ignored stays
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
