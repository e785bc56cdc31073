#include "cli/batch.h"

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <utility>
#include <variant>
#include <vector>

#include "cli/batch_input.h"
#include "cli/choice_aliases.h"
#include "cli/csv_reader.h"
#include "cli/explanation_output.h"
#include "cli/messages.h"
#include "cli/refusal_text.h"
#include "cli/row_format.h"
#include "cli/utf8.h"
#include "pay/pay_session.h"

namespace cli {
namespace {

constexpr std::size_t flush_size = std::size_t{1} << 16;

// What one row computes: the slip part of its output row, its explanation member when asked
// for, and its error.
struct RowResult {
    std::string_view slip_part;
    std::string_view explanation;
    std::string error;
};

// Each row alone, on a fresh window; a combination's slip part is made once.
class StandaloneRows {
  public:
    StandaloneRows(const RowFormat& format, bool explain)
        : format_(format),
          explain_(explain),
          parts_(combination_count()),
          explanations_(explain ? combination_count() : 0) {}

    RowResult compute(const pay::PayInputs& typed) {
        const Resolution resolution = resolve_choices(typed);
        if (!resolution.choices) {
            return {.slip_part = {}, .explanation = {}, .error = resolution.error};
        }
        const std::size_t combination = resolution.choices->combination;
        std::string& part = parts_[combination];
        if (part.empty()) {
            pay::PaySession window;
            if (const auto refusal = window.press_ok(resolution.choices->inputs())) {
                return {.slip_part = {}, .explanation = {}, .error = describe(*refusal)};
            }
            part = format_.slip_part(&window.shown());
            if (explain_) {
                explanations_[combination] = explanation_member(pay::explain_slip(window));
            }
        }
        return {.slip_part = part,
                .explanation =
                    explain_ ? std::string_view(explanations_[combination]) : std::string_view(),
                .error = {}};
    }

  private:
    const RowFormat& format_;
    bool explain_;
    std::vector<std::string> parts_;
    std::vector<std::string> explanations_;
};

// The rows as the successive OK presses of one window.
class SessionRows {
  public:
    SessionRows(const RowFormat& format, bool explain) : format_(format), explain_(explain) {}

    RowResult compute(const pay::PayInputs& typed) {
        // The rank column stands for the rank list of the scale the row names.
        const auto refusal = window_.press_ok(pay::read_choices(
            [&](pay::Choice choice) -> const std::string& {
                return pay::choice_text(typed, choice);
            },
            [&](pay::Scale) -> const std::string& { return typed.rank; }));
        part_.clear();
        format_.append_slip_part(&window_.shown(), part_);
        // A refused press leaves the window showing, and explaining, what it showed before.
        if (explain_) {
            explanation_ = explanation_member(pay::explain_slip(window_));
        }
        return {.slip_part = part_,
                .explanation = explanation_,
                .error = refusal ? describe(*refusal) : std::string()};
    }

  private:
    const RowFormat& format_;
    bool explain_;
    pay::PaySession window_;
    std::string part_;
    std::string explanation_;
};

// Writes the output header and one output row per record left in `reader`.
BatchOutcome write_rows(CsvReader& reader, const BatchHeader& header, std::ostream& output,
                        const BatchOptions& options) {
    const ColumnMap& map = header.map;
    const std::unique_ptr<RowFormat> format =
        options.json ? make_json_lines_format() : make_csv_format();
    std::string buffer;
    format->begin(header.names, buffer);
    const std::string empty_part = format->slip_part(nullptr);
    std::optional<StandaloneRows> standalone;
    std::optional<SessionRows> session;
    if (options.session) {
        session.emplace(*format, options.explain);
    } else {
        standalone.emplace(*format, options.explain);
    }
    // A row with no amounts has nothing to explain.
    const std::string no_explanation = "\"explanation\":null";

    BatchOutcome outcome;
    CsvRecord record;
    pay::PayInputs typed;
    std::vector<std::string> echoed(map.width);
    while (reader.next(record)) {
        ++outcome.rows;
        const std::string fault = record_fault(record, header);
        if (!fault.empty()) {
            // The values read are written back in their columns, never ill-formed.
            for (std::size_t i = 0; i < map.width; ++i) {
                echoed[i] = i < record.fields.size() ? replace_invalid_utf8(record.fields[i])
                                                     : std::string();
            }
            format->write_row(echoed, empty_part, escape_controls(fault), buffer);
            if (options.explain) {
                append_member(buffer, no_explanation);
            }
            ++outcome.failed_rows;
        } else {
            assign_choices(record, map, typed);
            const RowResult result = session ? session->compute(typed) : standalone->compute(typed);
            // A refused standalone row has no slip part; a refused press shows the window.
            format->write_row(
                record.fields,
                result.slip_part.empty() ? std::string_view(empty_part) : result.slip_part,
                escape_controls(result.error), buffer);
            if (options.explain) {
                append_member(buffer, result.explanation.empty() ? std::string_view(no_explanation)
                                                                 : result.explanation);
            }
            outcome.failed_rows += result.error.empty() ? 0 : 1;
        }
        if (buffer.size() >= flush_size) {
            output.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
            buffer.clear();
            if (!output) {
                break;  // nothing more can be written
            }
        }
    }
    output.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    output.flush();

    if (!output) {
        outcome.status = ExitStatus::io_failure;
        outcome.write_failed = true;
        outcome.message = "cannot write " + options.output_name;
    } else if (reader.read_failed()) {
        outcome.status = ExitStatus::io_failure;
        outcome.message = cannot_read(options.input_name, reader.read_error());
    } else if (outcome.failed_rows > 0) {
        outcome.status = ExitStatus::row_errors;
        outcome.message = std::to_string(outcome.failed_rows) + " of " +
                          std::to_string(outcome.rows) + " rows have errors";
    }
    return outcome;
}

}  // namespace

BatchOutcome run_batch(std::istream& input, std::ostream& output, const BatchOptions& options) {
    CsvReader reader(input);
    auto header = read_header(reader, options);
    if (auto* refused = std::get_if<BatchOutcome>(&header)) {
        return std::move(*refused);
    }
    return write_rows(reader, std::get<BatchHeader>(header), output, options);
}

}  // namespace cli
