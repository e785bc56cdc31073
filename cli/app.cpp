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

#include "cli/arrears.h"
#include "cli/batch.h"
#include "cli/command_line.h"
#include "cli/compare_output.h"
#include "cli/slip_output.h"
#include "pay/rules_file.h"
#include "pay/rules_writer.h"
#include "staff/messages.h"
#include "staff/output_file.h"
#include "staff/progress_line.h"
#include "staff/rule_sets.h"
#include "staff/run_rules.h"
#include "staff/same_file.h"

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

// One line per known set, in date order: its day, its name and where it comes from, the set in
// use marked.
ExitStatus list_rules(const RunRules& rules, FdOutput& out) {
    for (std::size_t i = 0; i < rules.known.size(); ++i) {
        const KnownRuleSet& set = rules.known[i];
        out << (i == rules.in_effect_place ? "* " : "  ") << pay::iso_date(set.rules.effective)
            << "  " << escape_controls(set.rules.name) << "  " << escape_controls(set.source)
            << '\n';
    }
    return ExitStatus::ok;
}

// What a run of arrears reads besides the staff file: the rules paid, and the period checked
// against the sets known.
struct ArrearsRules {
    pay::PayRules paid;
    pay::DayRange period;
};

std::variant<ArrearsRules, std::string> arrears_rules(const Command& command,
                                                      const RunRules& rules) {
    const pay::DayRange period{command.from, command.to};
    const auto first = set_in_force(rules.known, period.first);
    if (!first) {
        return none_in_force(rules.known, period.first);
    }
    if (command.paid_rules) {
        pay::RulesReading reading = pay::load_rules_file(*command.paid_rules);
        if (const auto* refused = std::get_if<pay::RulesFileError>(&reading)) {
            return pay::describe(*refused);
        }
        return ArrearsRules{.paid = std::move(std::get<pay::PayRules>(reading)), .period = period};
    }
    // What was paid before the period: the set in force the day before it, or its first set.
    const auto before = set_in_force(rules.known, period.first - std::chrono::days{1});
    return ArrearsRules{.paid = rules.known[before.value_or(*first)].rules, .period = period};
}

// The refusal of two outputs of one run that name one file, or an output that names the rules
// paid.
std::optional<std::string> arrears_output_clash(const Command& command) {
    if (command.arrears_detail && !command.output.empty() && command.output != "-" &&
        names_the_input(command.output, *command.arrears_detail)) {
        return "--arrears-detail " + *command.arrears_detail + " names the file of " +
               command.output_option + "; choose another name";
    }
    if (command.paid_rules) {
        for (const auto& [option, name] :
             {std::pair{command.output_option, command.output},
              std::pair{std::string("--arrears-detail"), command.arrears_detail.value_or("")}}) {
            if (!name.empty() && name != "-" && names_the_input(name, *command.paid_rules)) {
                std::string message = option;
                message.append(" ").append(name).append(
                    " names the rules file of --paid-rules; choose another name");
                return message;
            }
        }
    }
    return std::nullopt;
}

ExitStatus run_batch_command(const Command& command, const RunRules& rules, std::istream& in,
                             FdOutput& out, std::ostream& err) {
    std::optional<ArrearsRules> arrears;
    if (command.mode == Command::Mode::arrears) {
        if (const auto clash = arrears_output_clash(command)) {
            return failure(err, ExitStatus::usage, *clash);
        }
        auto checked = arrears_rules(command, rules);
        if (const auto* refused = std::get_if<std::string>(&checked)) {
            return failure(err, ExitStatus::usage, *refused);
        }
        arrears = std::move(std::get<ArrearsRules>(checked));
    }
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
    std::unique_ptr<OutputFile> detail_file;
    if (command.arrears_detail) {
        auto opened = OutputFile::open(*command.arrears_detail);
        if (const auto* message = std::get_if<std::string>(&opened)) {
            return failure(err, ExitStatus::io_failure, *message);
        }
        detail_file = std::move(std::get<std::unique_ptr<OutputFile>>(opened));
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
        .progress = {},
        .words = language::ExplanationWords(language::Catalogue::of(command.language))};
    std::optional<ProgressLine> progress;
    // Rows written to the terminal itself would be drawn over.
    if (progress_line_fits(STDERR_FILENO, output_file ? -1 : STDOUT_FILENO)) {
        progress.emplace(err, calc_program, "rows", progress_quiet_time());
        options.progress = [&](std::size_t rows) { progress->update(rows); };
    }
    std::istream& input = file.is_open() ? file : in;
    std::ostream& output = output_file ? output_file->stream() : out;
    std::optional<ArrearsOutcome> arrears_outcome;
    if (arrears) {
        arrears_outcome = run_arrears(input, output, options,
                                      {.sets = &rules.known,
                                       .paid = &arrears->paid,
                                       .period = arrears->period,
                                       .detail = detail_file ? &detail_file->stream() : nullptr});
    }
    const BatchOutcome outcome =
        arrears_outcome ? arrears_outcome->batch : run_batch(input, output, options);
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
    if (detail_file && complete) {
        if (const int error = detail_file->commit(); error != 0) {
            return failure(err, ExitStatus::io_failure,
                           cannot_write(*command.arrears_detail, error));
        }
        tell_late_interrupt(*detail_file, *command.arrears_detail, "line", err);
    }
    if (!outcome.message.empty()) {
        report(err, calc_program, outcome.message);
    }
    if (command.summary && complete) {
        for (const std::string& line : arrears_outcome
                                           ? arrears_summary_lines(*arrears_outcome, options)
                                           : summary_lines(outcome, options)) {
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
    const language::Catalogue catalogue = language::Catalogue::of(command.language);
    switch (command.mode) {
        case Command::Mode::slip:
            status =
                run_slip(command.choices,
                         {.json = command.json,
                          .explain = command.explain,
                          .rules = &rules.in_effect,
                          .comparison = {.previous = rules.previous ? &*rules.previous : nullptr,
                                         .months = command.months},
                          .catalogue = catalogue,
                          .words = language::ExplanationWords(catalogue)},
                         out, err);
            break;
        case Command::Mode::compare:
            status = run_compare(command.choices, command.compare_axis, command.json, out, err,
                                 rules.in_effect, catalogue);
            break;
        case Command::Mode::list_rules:
            status = list_rules(rules, out);
            break;
        case Command::Mode::batch:
        case Command::Mode::arrears:
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
