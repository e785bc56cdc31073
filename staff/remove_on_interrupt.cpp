#include "staff/remove_on_interrupt.h"

#include <unistd.h>

#include <climits>
#include <csignal>
#include <cstring>

namespace staff {
namespace {

constexpr std::array<int, 3> interrupts{SIGINT, SIGTERM, SIGHUP};

// What the handler reads. A handler can reach nothing else; it is written only while no handler
// is installed.
// NOLINTNEXTLINE(cppcoreguidelines-avoid-non-const-global-variables)
std::array<char, PATH_MAX> path_to_remove{};
// The program's own handler of each interrupt, run once the file is gone; null for the default
// action.
// NOLINTNEXTLINE(cppcoreguidelines-avoid-non-const-global-variables)
std::array<void (*)(int), interrupts.size()> program_handlers{};

// Only async-signal-safe calls: unlink, raise, and the program's handler, which must be too.
extern "C" void remove_and_end(int signal) {
    if (path_to_remove[0] != '\0') {
        ::unlink(path_to_remove.data());
    }
    for (std::size_t i = 0; i < interrupts.size(); ++i) {
        if (interrupts[i] == signal && program_handlers[i] != nullptr) {
            program_handlers[i](signal);
        }
    }
    // SA_RESETHAND restored the default action; the signal, held while this runs, ends the
    // process as soon as it returns.
    std::raise(signal);
}

}  // namespace

RemoveOnInterrupt::RemoveOnInterrupt(const std::string& path) {
    // A path too long to keep is too long to open: nothing to remove then.
    const std::size_t length = path.size() < path_to_remove.size() ? path.size() : 0;
    std::memcpy(path_to_remove.data(), path.data(), length);
    path_to_remove[length] = '\0';

    struct sigaction action {};
    action.sa_handler = remove_and_end;
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    for (const int signal : interrupts) {
        sigaddset(&action.sa_mask, signal);
    }
    for (std::size_t i = 0; i < interrupts.size(); ++i) {
        sigaction(interrupts[i], nullptr, &previous_[i]);
        const bool own = (previous_[i].sa_flags & SA_SIGINFO) == 0 &&
                         previous_[i].sa_handler != SIG_DFL && previous_[i].sa_handler != SIG_IGN;
        program_handlers[i] = own ? previous_[i].sa_handler : nullptr;
        if (previous_[i].sa_handler != SIG_IGN) {
            sigaction(interrupts[i], &action, nullptr);
        }
    }
}

RemoveOnInterrupt::~RemoveOnInterrupt() {
    for (std::size_t i = 0; i < interrupts.size(); ++i) {
        sigaction(interrupts[i], &previous_[i], nullptr);
    }
    path_to_remove[0] = '\0';
    program_handlers = {};
}

}  // namespace staff
