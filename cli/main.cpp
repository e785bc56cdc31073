#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <iostream>

#include "cli/app.h"
#include "staff/fd_output.h"

int main(int argc, char* argv[]) {
    // Batches are large; the C streams are not used.
    std::ios::sync_with_stdio(false);
    // Failed writes come back as errors to report: a closed pipe as EPIPE, a file-size limit as
    // EFBIG, instead of ending the process part-way.
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
    staff::FdOutput standard_output(STDOUT_FILENO);
    const staff::ExitStatus status = cli::run(argc, argv, std::cin, standard_output, std::cerr);
    if (standard_output.error() == EPIPE) {
        // The reader has gone: end quietly, as a program that a closed pipe stops does.
        std::signal(SIGPIPE, SIG_DFL);
        std::raise(SIGPIPE);
    }
    return staff::exit_code(status);
}
