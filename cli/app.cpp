#include "cli/app.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "cli/batch.h"
#include "cli/command_line.h"
#include "cli/slip_output.h"

namespace cli {
namespace {

ExitStatus failure(std::ostream& err, ExitStatus status, const std::string& message) {
    err << "velnaro-calc: " << message << '\n';
    return status;
}

ExitStatus run_batch_command(const Command& command, std::istream& in, std::ostream& out,
                             std::ostream& err) {
    std::ifstream file;
    if (command.batch_input != "-") {
        std::error_code ignored;
        if (std::filesystem::is_directory(command.batch_input, ignored)) {
            return failure(err, ExitStatus::usage,
                           "cannot read " + command.batch_input + ": " + std::strerror(EISDIR));
        }
        file.open(command.batch_input, std::ios::binary);
        if (!file) {
            return failure(err, ExitStatus::usage,
                           "cannot read " + command.batch_input + ": " + std::strerror(errno));
        }
    }
    std::ofstream out_file;
    if (!command.output.empty() && command.output != "-") {
        out_file.open(command.output, std::ios::binary | std::ios::trunc);
        if (!out_file) {
            return failure(err, ExitStatus::io_failure,
                           "cannot write " + command.output + ": " + std::strerror(errno));
        }
    }
    const BatchOutcome outcome =
        run_batch(file.is_open() ? file : in, out_file.is_open() ? out_file : out,
                  {.json = command.json,
                   .session = command.session,
                   .explain = command.explain,
                   .input_name = file.is_open() ? command.batch_input : "standard input",
                   .output_name = out_file.is_open() ? command.output : "standard output"});
    if (!outcome.message.empty()) {
        err << "velnaro-calc: " << outcome.message << '\n';
    }
    return outcome.status;
}

}  // namespace

int run(int argc, const char* const* argv, std::istream& in, std::ostream& out, std::ostream& err) {
    const ParsedCommandLine parsed = parse_command_line(argc, argv, out, err);
    if (!parsed.command) {
        return exit_code(parsed.status);
    }
    const Command& command = *parsed.command;
    if (command.mode == Command::Mode::batch) {
        return exit_code(run_batch_command(command, in, out, err));
    }
    return exit_code(run_slip(command.choices, command.json, out, err, command.explain));
}

}  // namespace cli
