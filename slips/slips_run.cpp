#include "slips/slips_run.h"

#include <optional>
#include <variant>
#include <vector>

#include "cli/batch_input.h"
#include "cli/choice_aliases.h"
#include "cli/csv_reader.h"
#include "cli/messages.h"
#include "cli/refusal_text.h"
#include "pay/pay_session.h"
#include "ui/qt_text.h"
#include "ui/slip_page.h"
#include "ui/slip_pdf.h"

namespace slips {
namespace {

using ui::qt_text;

// The window's decimal separator is the user's; the slips of a pay office use velnaro-calc's.
constexpr std::string_view separator = ".";

// Optional columns that say whose slip it is, with their captions on the page.
struct HeadingColumn {
    std::string_view name;
    std::string_view caption;
};
constexpr std::array<HeadingColumn, 2> heading_columns{{
    {"name", "الاسم"},
    {"id", "الرقم"},
}};

void clear_progress(const SlipsRun& run) {
    if (run.before_message) {
        run.before_message();
    }
}

}  // namespace

cli::ExitStatus write_slips(std::istream& input, const SlipsRun& run, std::ostream& err) {
    const auto report = [&](cli::ExitStatus status, const std::string& message) {
        clear_progress(run);
        err << "velnaro-slips: " << cli::escape_controls(message) << '\n';
        return status;
    };
    cli::CsvReader reader(input);
    auto read = cli::read_header(reader, {.input_name = run.input_name});
    if (auto* refused = std::get_if<cli::BatchOutcome>(&read)) {
        return report(refused->status, refused->message);
    }
    const cli::BatchHeader& header = std::get<cli::BatchHeader>(read);
    std::vector<std::pair<std::size_t, QString>> headings;
    for (const HeadingColumn& column : heading_columns) {
        if (const auto place = header.column(column.name)) {
            headings.emplace_back(*place, qt_text(column.caption));
        }
    }

    const std::string output_name = run.output.toStdString();
    ui::SlipPdfFile file(run.output);
    if (!file.is_open()) {
        return report(cli::ExitStatus::io_failure,
                      "cannot write " + output_name + ": " + file.error().toStdString());
    }
    std::size_t rows = 0;
    std::size_t failed = 0;
    cli::CsvRecord record;
    pay::PayInputs typed;
    while (reader.next(record)) {
        ++rows;
        std::string error = cli::record_fault(record, header);
        std::optional<pay::PaySession> window;
        std::optional<pay::PayInputs> choices;
        if (error.empty()) {
            cli::assign_choices(record, header.map, typed);
            const cli::Resolution resolution = cli::resolve_choices(typed);
            error = resolution.error;
            if (resolution.choices) {
                choices = resolution.choices->inputs();
                if (auto refused =
                        cli::press_resolved(*resolution.choices, window.emplace(separator))) {
                    error = std::move(*refused);
                    window.reset();
                }
            }
        }
        if (!error.empty()) {
            ++failed;
            // A row's text may hold control characters: they are shown, never sent to the terminal.
            clear_progress(run);
            err << "velnaro-slips: line " << record.line << ": " << cli::escape_controls(error)
                << '\n';
        } else {
            ui::SlipContent content =
                ui::slip_content(*window, *choices, qt_text(separator), run.printed_at);
            for (const auto& [place, caption] : headings) {
                const std::string& value = record.fields[place];
                if (!value.empty()) {
                    content.headings.push_back({caption, qt_text(value)});
                }
            }
            file.add_page(content);
            if (run.progress) {
                run.progress(static_cast<std::size_t>(file.pages()));
            }
        }
        if (run.stop_requested && run.stop_requested()) {
            return report(cli::ExitStatus::io_failure,
                          "interrupted; " + output_name + " left as it was");
        }
    }

    if (reader.read_failed()) {
        return report(cli::ExitStatus::io_failure,
                      cli::cannot_read(run.input_name, reader.read_error()) + "; " + output_name +
                          " left as it was");
    }
    if (file.pages() == 0) {
        return report(rows == 0 ? cli::ExitStatus::usage : cli::ExitStatus::row_errors,
                      (rows == 0 ? run.input_name + " has no rows" : "no row could be computed") +
                          "; " + output_name + " left as it was");
    }
    if (!file.finish()) {
        return report(cli::ExitStatus::io_failure,
                      "cannot write " + output_name + ": " + file.error().toStdString());
    }
    if (failed > 0) {
        return report(cli::ExitStatus::row_errors, std::to_string(failed) + " of " +
                                                       std::to_string(rows) +
                                                       " rows have errors and no page");
    }
    return cli::ExitStatus::ok;
}

}  // namespace slips
