#include "cli/batch.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <utility>
#include <variant>
#include <vector>

#include "cli/explanation_output.h"
#include "cli/row_format.h"
#include "pay/paired_sessions.h"
#include "pay/shown_units.h"
#include "staff/batch_input.h"
#include "staff/choice_aliases.h"
#include "staff/csv_reader.h"
#include "staff/messages.h"
#include "staff/refusal_text.h"
#include "staff/staff_rows.h"
#include "staff/utf8.h"

namespace cli {

// velnaro-calc reads and writes through the staff-file library.
using namespace staff;
namespace {

using Sums = std::array<std::int64_t, summed_fields.size()>;

// What a row that succeeded adds up, in hundredths. Each amount is shown as "#0.00", so its
// digits are its hundredths: the sums are those of the amounts written, exact whatever the
// number of rows.
struct RowSums {
    Sums fields{};
    pay::WideInteger monthly_difference = 0;
    pay::WideInteger arrears = 0;
};

Sums hundredths_of(const pay::ShownTexts& texts) {
    Sums sums{};
    for (std::size_t i = 0; i < summed_fields.size(); ++i) {
        sums[i] = pay::shown_units(texts[static_cast<std::size_t>(summed_fields[i])]).value_or(0);
    }
    return sums;
}

// What one row computes: the slip part of its output row, its explanation member when asked
// for, its error, and its sums when it succeeded.
struct RowResult {
    std::string_view slip_part;
    std::string_view explanation;
    std::string error;
    const RowSums* sums = nullptr;
};

// Appends the columns of the comparison of rules to a row's slip part, for a window that
// computed under the rules in effect and the window of the previous rules after the same press
// (none when there is no comparison), and records the row's sums.
void append_compared_part(const RowFormat& format, const BatchOptions& options, char separator,
                          const pay::PairedSessions& windows, std::string& part, RowSums& sums) {
    const pay::PaySession& window = windows.in_effect();
    const pay::PaySession* previous = windows.previous();
    sums.fields = hundredths_of(window.shown());
    std::optional<MonthlyDifference> difference;
    if (previous != nullptr) {
        constexpr auto monthly = static_cast<std::size_t>(pay::SlipField::monthly_pay);
        difference = monthly_difference(window.shown()[monthly], previous->shown()[monthly],
                                        options.comparison, separator);
    }
    if (difference) {
        sums.monthly_difference = difference->monthly_difference;
        sums.arrears = difference->arrears;
        format.append_added_part(difference->values, part);
    } else {
        format.append_added_part({}, part);
    }
}

// A refused row's error, naming the rules that refused it when they are the previous ones.
std::string refusal_text(const pay::PairRefusal& refused) {
    return (refused.under_previous ? "under the previous rules, " : "") + describe(refused.refusal);
}

// Each row alone, on a fresh window; a combination's slip part is made once.
class StandaloneRows {
  public:
    StandaloneRows(const RowFormat& format, const BatchOptions& options,
                   std::string_view decimal_separator)
        : format_(format),
          options_(options),
          separator_(decimal_separator),
          parts_(combination_count()),
          explanations_(options.explain ? combination_count() : 0),
          sums_(combination_count()) {}

    RowResult compute(const ResolvedChoices& choices) {
        const std::size_t combination = choices.combination;
        std::string& part = parts_[combination];
        if (part.empty()) {
            pay::PairedSessions windows(separator_, *options_.rules, options_.comparison.previous);
            if (const auto refused = windows.press_ok(choices.inputs(), choices.typed)) {
                return refusal(refusal_text(*refused));
            }
            format_.append_slip_part(&windows.in_effect().shown(), part);
            append_compared_part(format_, options_, separator_.front(), windows, part,
                                 sums_[combination]);
            if (options_.explain) {
                explanations_[combination] =
                    explanation_member(explained_slip(windows.in_effect(), options_.words.words()));
            }
        }
        return {.slip_part = part,
                .explanation = options_.explain ? std::string_view(explanations_[combination])
                                                : std::string_view(),
                .error = {},
                .sums = &sums_[combination]};
    }

  private:
    static RowResult refusal(std::string error) {
        return {.slip_part = {}, .explanation = {}, .error = std::move(error), .sums = nullptr};
    }

    const RowFormat& format_;
    const BatchOptions& options_;
    std::string separator_;
    std::vector<std::string> parts_;
    std::vector<std::string> explanations_;
    std::vector<RowSums> sums_;
};

// The rows as the successive OK presses of one window; with a comparison of rules, of two
// windows side by side, one for each rule set.
class SessionRows {
  public:
    SessionRows(const RowFormat& format, const BatchOptions& options,
                std::string_view decimal_separator)
        : format_(format),
          options_(options),
          windows_(decimal_separator, *options.rules, options.comparison.previous) {}

    RowResult compute(const pay::PayInputs& typed) {
        // The rank column stands for the rank list of the scale the row names.
        const pay::ListPress press = pay::press_from_lists(
            [&](pay::Choice choice) -> const std::string& {
                return pay::choice_text(typed, choice);
            },
            [&](pay::Scale) -> const std::string& { return typed.rank; });
        const auto refused = windows_.press_ok(press);
        std::string error = refused ? refusal_text(*refused) : std::string();
        const pay::PaySession& window = windows_.in_effect();
        part_.clear();
        format_.append_slip_part(&window.shown(), part_);
        // A refused press leaves the window showing, and explaining, what it showed before.
        if (options_.explain) {
            explanation_ = explanation_member(explained_slip(window, options_.words.words()));
        }
        if (!error.empty()) {
            format_.append_added_part({}, part_);
            return {.slip_part = part_,
                    .explanation = explanation_,
                    .error = std::move(error),
                    .sums = nullptr};
        }
        append_compared_part(format_, options_, window.decimal_separator().front(), windows_, part_,
                             sums_);
        return {.slip_part = part_, .explanation = explanation_, .error = {}, .sums = &sums_};
    }

  private:
    const RowFormat& format_;
    const BatchOptions& options_;
    pay::PairedSessions windows_;
    std::string part_;
    std::string explanation_;
    RowSums sums_{};
};

// Writes the output header and one output row per record left in `reader`.
BatchOutcome write_rows(CsvReader& reader, const BatchHeader& header, std::ostream& output,
                        const BatchOptions& options) {
    const ColumnMap& map = header.map;
    const std::vector<std::string> added_columns =
        options.comparison.previous != nullptr ? rules_comparison_columns(options.comparison)
                                               : std::vector<std::string>{};
    const std::unique_ptr<RowFormat> format =
        options.json ? make_json_lines_format(added_columns)
                     : make_csv_format(header.delimiter, added_columns);
    std::string buffer;
    if (options.byte_order_mark) {
        buffer += byte_order_mark;
    }
    format->begin(header.names, buffer);
    const std::string empty_part = format->slip_part(nullptr);
    const std::string_view decimal_separator = options.decimal_comma ? "," : ".";
    std::optional<StandaloneRows> standalone;
    std::optional<SessionRows> session;
    if (options.session) {
        session.emplace(*format, options, decimal_separator);
    } else {
        standalone.emplace(*format, options, decimal_separator);
    }
    // Every explained row names the rules its amounts follow; a row with no amounts has nothing
    // to explain.
    const std::string rules = options.explain ? rules_member(*options.rules) : std::string();
    const std::string no_explanation = "\"explanation\":null";

    BatchOutcome outcome;
    std::vector<std::string> echoed(map.width);
    const auto count_failure = [&](std::size_t line) {
        ++outcome.failed_rows;
        if (outcome.faulty_lines.size() < named_faulty_lines) {
            outcome.faulty_lines.push_back(line);
        }
    };
    const RowReading reading = options.session ? RowReading::as_typed : RowReading::resolved;
    for_each_staff_row(reader, header, reading, [&](const StaffRow& row) {
        const CsvRecord& record = row.record;
        ++outcome.rows;
        if (!row.fault.empty()) {
            // The values read are written back in their columns, never ill-formed.
            for (std::size_t i = 0; i < map.width; ++i) {
                echoed[i] = i < record.fields.size() ? replace_invalid_utf8(record.fields[i])
                                                     : std::string();
            }
            format->write_row(echoed, empty_part, escape_controls(row.fault), buffer);
            if (options.explain) {
                append_member(buffer, rules);
                append_member(buffer, no_explanation);
            }
            count_failure(record.line);
        } else {
            const RowResult result =
                session ? session->compute(row.typed) : standalone->compute(*row.choices);
            // A refused standalone row has no slip part; a refused press shows the window.
            format->write_row(
                record.fields,
                result.slip_part.empty() ? std::string_view(empty_part) : result.slip_part,
                escape_controls(result.error), buffer);
            if (options.explain) {
                append_member(buffer, rules);
                append_member(buffer, result.explanation.empty() ? std::string_view(no_explanation)
                                                                 : result.explanation);
            }
            if (result.sums) {
                for (std::size_t i = 0; i < outcome.sums.size(); ++i) {
                    outcome.sums[i] += result.sums->fields[i];
                }
                outcome.monthly_difference_sum += result.sums->monthly_difference;
                outcome.arrears_sum += result.sums->arrears;
            } else {
                count_failure(record.line);
            }
        }
        if (buffer.size() >= flush_size) {
            output.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
            buffer.clear();
            if (!output) {
                return false;  // nothing more can be written
            }
        }
        if (options.progress && outcome.rows % progress_rows == 0) {
            options.progress(outcome.rows);
        }
        return true;
    });
    output.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    output.flush();
    settle_outcome(outcome, static_cast<bool>(output), reader, options);
    return outcome;
}

// The first input column named as a column or member that the options add to each row, or
// empty: a row cannot hold two values of one name.
std::string added_name_clash(const BatchHeader& header, const BatchOptions& options) {
    std::vector<std::string> added;
    if (options.comparison.previous != nullptr) {
        added = rules_comparison_columns(options.comparison);
    }
    if (options.explain) {
        added.emplace_back(rules_member_name);
    }
    for (const std::string& name : header.names) {
        if (std::find(added.begin(), added.end(), name) != added.end()) {
            return name;
        }
    }
    return {};
}

}  // namespace

std::string row_errors_message(const BatchOutcome& outcome, const BatchOptions& options) {
    std::string lines;
    for (const std::size_t line : outcome.faulty_lines) {
        lines += lines.empty() ? "" : ", ";
        lines += std::to_string(line);
    }
    if (outcome.failed_rows > outcome.faulty_lines.size()) {
        lines += ", ...";
    }
    return options.input_name + ": " + std::to_string(outcome.failed_rows) + " of " +
           std::to_string(outcome.rows) + (outcome.rows == 1 ? " row has" : " rows have") +
           " errors (line" + (outcome.failed_rows > 1 ? "s " : " ") + lines +
           "); see the error column";
}

void settle_outcome(BatchOutcome& outcome, bool written, const CsvReader& reader,
                    const BatchOptions& options) {
    if (!written) {
        outcome.status = ExitStatus::io_failure;
        outcome.write_failed = true;
        outcome.message = "cannot write " + options.output_name;
    } else if (reader.read_failed()) {
        outcome.status = ExitStatus::io_failure;
        outcome.message = cannot_read(options.input_name, reader.read_error());
    } else if (outcome.failed_rows > 0) {
        outcome.status = ExitStatus::row_errors;
        outcome.message = row_errors_message(outcome, options);
    }
}

std::string rows_text(std::size_t count) {
    return std::to_string(count) + (count == 1 ? " row" : " rows");
}

std::vector<std::string> summary_lines(const BatchOutcome& outcome, const BatchOptions& options) {
    const std::size_t succeeded = outcome.rows - outcome.failed_rows;
    const char separator = options.decimal_comma ? ',' : '.';
    std::vector<std::string> lines{options.input_name + ": " + rows_text(outcome.rows) + " read, " +
                                   std::to_string(outcome.failed_rows) + " with errors"};
    std::string sums = "sums over the " + rows_text(succeeded) + " that succeeded:";
    for (std::size_t i = 0; i < summed_fields.size(); ++i) {
        sums += i == 0 ? " " : ", ";
        sums += pay::slip_fields[static_cast<std::size_t>(summed_fields[i])].name;
        sums += ' ';
        sums += pay::units_text(outcome.sums[i], 2, separator);
    }
    lines.push_back(std::move(sums));
    if (options.comparison.previous != nullptr) {
        // Named as the columns they add up.
        const std::vector<std::string> columns = rules_comparison_columns(options.comparison);
        std::string differences =
            "sums of the differences over the " + rows_text(succeeded) +
            " that succeeded: " + columns[1] + " " +
            pay::difference_text(outcome.monthly_difference_sum, 2, separator);
        if (options.comparison.months > 0) {
            differences +=
                ", " + columns[2] + " " + pay::difference_text(outcome.arrears_sum, 2, separator);
        }
        lines.push_back(std::move(differences));
    }
    return lines;
}

std::string batch_template(char delimiter) {
    // One slip of every choice column, in the header's order: scale 10, rank 6, zone A...
    const pay::PayInputs example{.scale = "10",
                                 .rank = "6",
                                 .zone = "A",
                                 .special_charges = "no",
                                 .children = "2",
                                 .dependents = "3",
                                 .mutual_member = "yes"};
    std::string header;
    std::string row;
    for (const pay::Choice choice : pay::all_choices) {
        if (!header.empty()) {
            header += delimiter;
            row += delimiter;
        }
        header += pay::choice_name(choice);
        row += pay::choice_text(example, choice);
    }
    return header + "\n" + row + "\n";
}

BatchOutcome run_batch(std::istream& input, std::ostream& output, const BatchOptions& options) {
    CsvReader reader(input);
    auto header =
        read_header(reader, {.input_name = options.input_name,
                             .delimiter = options.delimiter,
                             .decimal_comma_in_fields = options.decimal_comma && !options.json});
    if (auto* refused = std::get_if<HeaderRefusal>(&header)) {
        BatchOutcome outcome;
        outcome.status = refused->status;
        outcome.message = std::move(refused->message);
        return outcome;
    }
    const BatchHeader& checked = std::get<BatchHeader>(header);
    if (const std::string clash = added_name_clash(checked, options); !clash.empty()) {
        BatchOutcome outcome;
        outcome.status = ExitStatus::usage;
        outcome.message =
            "input column " + quoted_name(clash) + " has the name of an output column";
        return outcome;
    }
    return write_rows(reader, checked, output, options);
}

}  // namespace cli
