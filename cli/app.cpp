#include "cli/app.h"

#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>

#include "cli/batch.h"
#include "cli/command_line.h"
#include "cli/compare_output.h"
#include "cli/slip_output.h"
#include "pay/rules_file.h"
#include "pay/rules_writer.h"
#include "staff/messages.h"
#include "staff/output_file.h"
#include "staff/progress_line.h"
#include "staff/run_rules.h"

namespace cli {

// velnaro-calc reads and writes through the staff-file library.
using namespace staff;
namespace {

constexpr std::string_view standard_output_name = "standard output";

// How long a batch runs before its progress line shows on a terminal: a second, or the
// milliseconds in VELNARO_CALC_PROGRESS_AFTER_MS, which the tests of the line set short.
std::chrono::milliseconds progress_quiet_time() {
    std::chrono::milliseconds::rep milliseconds = 1000;
    if (const char* text = std::getenv("VELNARO_CALC_PROGRESS_AFTER_MS")) {
        const std::string_view value(text);
        std::from_chars(value.data(), value.data() + value.size(), milliseconds);
    }
    return std::chrono::milliseconds(milliseconds);
}

ExitStatus failure(std::ostream& err, ExitStatus status, std::string_view message) {
    report(err, calc_program, message);
    return status;
}

// An interrupt that came as the output took its name was held back: the run stands, and says so.
void tell_late_interrupt(const OutputFile& file, const std::string& name, std::string_view what,
                         std::ostream& err) {
    if (file.interrupted_while_committing() != 0) {
        report(err, calc_program, interrupted_as_replaced(name, what));
    }
}

// The status once standard output is flushed: a failed write makes any run a failure.
ExitStatus after_flush(ExitStatus status, FdOutput& out, std::ostream& err) {
    out.flush();
    const int error = out.error();
    if (error == 0) {
        return status;
    }
    if (error != EPIPE) {
        report(err, calc_program, cannot_write(standard_output_name, error));
    }
    return ExitStatus::io_failure;
}

// The rules in effect as a rules file, on standard output or in the file of -o.
ExitStatus show_rules(const Command& command, const pay::PayRules& rules, FdOutput& out,
                      std::ostream& err) {
    const std::string text = pay::write_rules(rules);
    if (command.output.empty() || command.output == "-") {
        out << text;
        return ExitStatus::ok;
    }
    auto opened = OutputFile::open(command.output);
    if (const auto* message = std::get_if<std::string>(&opened)) {
        return failure(err, ExitStatus::io_failure, *message);
    }
    OutputFile& file = *std::get<std::unique_ptr<OutputFile>>(opened);
    file.stream() << text;
    if (const int error = file.commit(); error != 0) {
        return failure(err, ExitStatus::io_failure, cannot_write(command.output, error));
    }
    tell_late_interrupt(file, command.output, "line", err);
    return ExitStatus::ok;
}

ExitStatus run_batch_command(const Command& command, const RunRules& rules, std::istream& in,
                             FdOutput& out, std::ostream& err) {
    std::ifstream file;
    if (command.batch_input != "-") {
        std::error_code ignored;
        if (std::filesystem::is_directory(command.batch_input, ignored)) {
            return failure(err, ExitStatus::usage, cannot_read(command.batch_input, EISDIR));
        }
        file.open(command.batch_input, std::ios::binary);
        if (!file) {
            return failure(err, ExitStatus::usage, cannot_read(command.batch_input, errno));
        }
    }
    std::unique_ptr<OutputFile> output_file;
    if (!command.output.empty() && command.output != "-") {
        auto opened = OutputFile::open(command.output);
        if (const auto* message = std::get_if<std::string>(&opened)) {
            return failure(err, ExitStatus::io_failure, *message);
        }
        output_file = std::move(std::get<std::unique_ptr<OutputFile>>(opened));
    }
    BatchOptions options{
        .json = command.json,
        .session = command.session,
        .explain = command.explain,
        .rules = &rules.in_effect,
        .comparison = {.previous = rules.previous ? &*rules.previous : nullptr,
                       .months = command.months},
        .input_name = file.is_open() ? command.batch_input : "standard input",
        .output_name = output_file ? command.output : std::string(standard_output_name),
        .delimiter = command.delimiter,
        .decimal_comma = command.decimal_comma,
        .byte_order_mark = command.byte_order_mark,
        .progress = {}};
    std::optional<ProgressLine> progress;
    // Rows written to the terminal itself would be drawn over.
    if (progress_line_fits(STDERR_FILENO, output_file ? -1 : STDOUT_FILENO)) {
        progress.emplace(err, calc_program, "rows", progress_quiet_time());
        options.progress = [&](std::size_t rows) { progress->update(rows); };
    }
    const BatchOutcome outcome =
        run_batch(file.is_open() ? file : in, output_file ? output_file->stream() : out, options);
    progress.reset();
    if (outcome.write_failed) {
        // A failed write to standard output is told once the run ends.
        return output_file ? failure(err, ExitStatus::io_failure,
                                     cannot_write(command.output, output_file->error()))
                           : ExitStatus::io_failure;
    }
    // Only a run that wrote every row replaces the file.
    const bool complete =
        outcome.status == ExitStatus::ok || outcome.status == ExitStatus::row_errors;
    if (output_file && complete) {
        if (const int error = output_file->commit(); error != 0) {
            return failure(err, ExitStatus::io_failure, cannot_write(command.output, error));
        }
        tell_late_interrupt(*output_file, command.output, "row", err);
    }
    if (!outcome.message.empty()) {
        report(err, calc_program, outcome.message);
    }
    if (command.summary && complete) {
        for (const std::string& line : summary_lines(outcome, options)) {
            report(err, calc_program, line);
        }
    }
    return outcome.status;
}

}  // namespace

ExitStatus run(int argc, const char* const* argv, std::istream& in, FdOutput& out,
               std::ostream& err) {
    const ParsedCommandLine parsed = parse_command_line(argc, argv, out, err);
    if (!parsed.command) {
        return after_flush(parsed.status, out, err);
    }
    const Command& command = *parsed.command;
    // An output over a rules file would lose it: refused before anything is read or written.
    if (!command.output.empty() && command.output != "-") {
        if (const auto refused =
                output_over_rules(command.output_option, command.output, command.rules_files)) {
            return after_flush(failure(err, ExitStatus::usage, *refused), out, err);
        }
    }
    // The rules files are read before any output is opened: a refused one leaves everything as
    // it was.
    std::variant<RunRules, pay::RulesFileError> loaded = load_run_rules(command.rules_files);
    if (const auto* refused = std::get_if<pay::RulesFileError>(&loaded)) {
        return after_flush(failure(err, ExitStatus::usage, pay::describe(*refused)), out, err);
    }
    const RunRules& rules = std::get<RunRules>(loaded);
    ExitStatus status = ExitStatus::ok;
    switch (command.mode) {
        case Command::Mode::slip:
            status =
                run_slip(command.choices,
                         {.json = command.json,
                          .explain = command.explain,
                          .rules = &rules.in_effect,
                          .comparison = {.previous = rules.previous ? &*rules.previous : nullptr,
                                         .months = command.months},
                          .catalogue = language::Catalogue::of(command.language)},
                         out, err);
            break;
        case Command::Mode::compare:
            status = run_compare(command.choices, command.compare_axis, command.json, out, err,
                                 rules.in_effect, language::Catalogue::of(command.language));
            break;
        case Command::Mode::batch:
            status = run_batch_command(command, rules, in, out, err);
            break;
        case Command::Mode::show_rules:
            status = show_rules(command, rules.in_effect, out, err);
            break;
        case Command::Mode::batch_template:
            out << batch_template(command.delimiter != '\0' ? command.delimiter : ',');
            break;
    }
    return after_flush(status, out, err);
}

}  // namespace cli
