#include "slips/slips_run.h"

#include <cerrno>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "pay/pay_session.h"
#include "print/qt_text.h"
#include "print/slip_page.h"
#include "print/slip_pdf.h"
#include "print/stream_device.h"
#include "staff/batch_input.h"
#include "staff/choice_aliases.h"
#include "staff/csv_reader.h"
#include "staff/messages.h"
#include "staff/output_file.h"
#include "staff/refusal_text.h"
#include "staff/staff_rows.h"

namespace slips {
namespace {

using print::qt_text;

// The window's decimal separator is the user's; the slips of a pay office use velnaro-calc's.
constexpr std::string_view separator = ".";

// Optional columns that say whose slip it is, with their captions on the page.
struct HeadingColumn {
    std::string_view name;
    std::string_view caption;
    print::ValueReading reading;
};
constexpr std::array<HeadingColumn, 2> heading_columns{{
    {"name", "الاسم", print::ValueReading::own_direction},
    {"id", "الرقم", print::ValueReading::left_to_right},
}};

void clear_progress(const SlipsRun& run) {
    if (run.before_message) {
        run.before_message();
    }
}

}  // namespace

staff::ExitStatus write_slips(std::istream& input, const SlipsRun& run, std::ostream& err) {
    const auto report = [&](staff::ExitStatus status, const std::string& message) {
        clear_progress(run);
        staff::report(err, staff::slips_program, message);
        return status;
    };
    staff::CsvReader reader(input);
    auto read = staff::read_header(reader, {.input_name = run.input_name});
    if (auto* refused = std::get_if<staff::HeaderRefusal>(&read)) {
        return report(refused->status, refused->message);
    }
    const staff::BatchHeader& header = std::get<staff::BatchHeader>(read);
    struct Heading {
        std::size_t place;
        QString caption;
        print::ValueReading reading;
    };
    std::vector<Heading> headings;
    for (const HeadingColumn& column : heading_columns) {
        if (const auto place = header.column(column.name)) {
            headings.push_back(
                {*place, run.catalogue.text("print", column.caption), column.reading});
        }
    }

    const std::string& output_name = run.output;
    // A device or a pipe is written in place: what went to it before a failure is there.
    const std::string kept =
        staff::OutputFile::replaces(output_name) ? " left as it was" : " holds an unfinished PDF";
    auto opened = staff::OutputFile::open(output_name);
    if (const auto* refused = std::get_if<std::string>(&opened)) {
        return report(staff::ExitStatus::io_failure, *refused);
    }
    staff::OutputFile& output = *std::get<std::unique_ptr<staff::OutputFile>>(opened);
    // Until the output is committed, an early return leaves the named file as it was.
    print::StreamDevice device(output.stream());
    print::SlipPdfWriter file(device);
    const auto cannot_write = [&](int error) {
        return report(staff::ExitStatus::io_failure, staff::cannot_write(output_name, error));
    };
    std::size_t rows = 0;
    std::size_t failed = 0;
    std::optional<staff::ExitStatus> stopped;
    staff::for_each_staff_row(
        reader, header, staff::RowReading::resolved, [&](const staff::StaffRow& row) {
            const staff::CsvRecord& record = row.record;
            ++rows;
            std::string error = row.fault;
            std::optional<pay::PaySession> window;
            std::optional<pay::PayInputs> choices;
            if (row.choices) {
                choices = row.choices->inputs();
                if (auto refused =
                        staff::press_resolved(*row.choices, window.emplace(separator, run.rules))) {
                    error = std::move(*refused);
                    window.reset();
                }
            }
            if (!error.empty()) {
                ++failed;
                // A row's text may hold control characters: they are shown, never sent to the
                // terminal.
                clear_progress(run);
                staff::report(err, staff::slips_program,
                              "line " + std::to_string(record.line) + ": " + error);
            } else {
                print::SlipContent content = print::slip_content(
                    *window, *choices, qt_text(separator), run.printed_at, run.catalogue);
                for (const Heading& heading : headings) {
                    const std::string& value = record.fields[heading.place];
                    if (!value.empty()) {
                        content.headings.push_back(
                            {heading.caption, qt_text(value), heading.reading});
                    }
                }
                if (run.second_catalogue) {
                    print::SlipContent second =
                        print::slip_content(*window, *choices, qt_text(separator), run.printed_at,
                                            *run.second_catalogue);
                    second.headings = content.headings;
                    for (print::SlipHeading& heading : second.headings) {
                        heading.caption =
                            run.second_catalogue->text("print", heading.caption.toStdString());
                    }
                    print::pair_languages(content, second);
                }
                file.add_page(content);
                // A full disk stops the run at once: no page after it could be kept.
                if (output.error() != 0) {
                    stopped = cannot_write(output.error());
                    return false;
                }
                if (run.progress) {
                    run.progress(static_cast<std::size_t>(file.pages()));
                }
            }
            return true;
        });
    if (stopped) {
        return *stopped;
    }

    if (reader.read_failed()) {
        return report(
            staff::ExitStatus::io_failure,
            staff::cannot_read(run.input_name, reader.read_error()) + "; " + output_name + kept);
    }
    if (file.pages() == 0) {
        return report(rows == 0 ? staff::ExitStatus::usage : staff::ExitStatus::row_errors,
                      (rows == 0 ? run.input_name + " has no rows" : "no row could be computed") +
                          "; " + output_name + " left as it was");
    }
    if (!file.finish()) {
        return cannot_write(output.error() != 0 ? output.error() : EIO);
    }
    if (const int error = output.commit(); error != 0) {
        return cannot_write(error);
    }
    if (output.interrupted_while_committing() != 0) {
        // Too late to keep the earlier file: the run stands, and the interrupt is told.
        clear_progress(run);
        staff::report(err, staff::slips_program,
                      staff::interrupted_as_replaced(output_name, "page"));
    }
    if (failed > 0) {
        return report(staff::ExitStatus::row_errors, std::to_string(failed) + " of " +
                                                         std::to_string(rows) +
                                                         " rows have errors and no page");
    }
    return staff::ExitStatus::ok;
}

}  // namespace slips
