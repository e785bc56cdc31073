#include "cli/arrears.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <utility>

#include "cli/row_format.h"
#include "pay/monthly_arrears.h"
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

using namespace staff;
namespace {

// "6033.13", "6033,1", "6033": an amount paid, in cents; none for anything else.
std::optional<std::int64_t> paid_cents(std::string_view text) {
    std::int64_t cents = 0;
    std::size_t i = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (i >= 12) {
            return std::nullopt;
        }
        cents = cents * 10 + (text[i] - '0');
    }
    if (i == 0) {
        return std::nullopt;
    }
    int decimals = 0;
    if (i < text.size() && (text[i] == '.' || text[i] == ',')) {
        for (++i; i < text.size() && text[i] >= '0' && text[i] <= '9' && decimals < 2; ++i) {
            cents = cents * 10 + (text[i] - '0');
            ++decimals;
        }
        if (decimals == 0) {
            return std::nullopt;
        }
    }
    if (i != text.size()) {
        return std::nullopt;
    }
    for (; decimals < 2; ++decimals) {
        cents *= 10;
    }
    return cents;
}

// The monthly pay of each combination of choices under each set, computed once each.
class MonthlyPays {
  public:
    explicit MonthlyPays(std::vector<const pay::PayRules*> rules)
        : rules_(std::move(rules)), cents_(rules_.size() * combination_count()) {}

    // The monthly pay in cents, or the refusal of the choices under set `set`.
    std::variant<std::int64_t, std::string> of(std::size_t set, const ResolvedChoices& choices) {
        auto& known = cents_[set * combination_count() + choices.combination];
        if (!known) {
            pay::PairedSessions window(".", *rules_[set], nullptr);
            if (const auto refused = window.press_ok(choices.inputs(), choices.typed)) {
                known = describe(refused->refusal);
            } else {
                known = pay::shown_units(
                            window.in_effect()
                                .shown()[static_cast<std::size_t>(pay::SlipField::monthly_pay)])
                            .value_or(0);
            }
        }
        return *known;
    }

  private:
    std::vector<const pay::PayRules*> rules_;
    std::vector<std::optional<std::variant<std::int64_t, std::string>>> cents_;
};

// A row's period: the run's, cut by the row's from and to; or why it cannot be read.
std::variant<pay::DayRange, std::string> row_period(const CsvRecord& record,
                                                    const BatchHeader& header, pay::DayRange run) {
    pay::DayRange period = run;
    std::string fault;
    for (const auto& [name, day] :
         {std::pair{from_column, &period.first}, std::pair{to_column, &period.last}}) {
        const auto column = header.column(name);
        if (!column || record.fields[*column].empty()) {
            continue;
        }
        const std::string& text = record.fields[*column];
        const auto parsed = pay::parse_iso_day(text);
        if (!parsed) {
            add_fault(fault, std::string(name) + " " + quoted_name(text) +
                                 " is not a day; expected YYYY-MM-DD");
        } else if (*parsed < run.first || *parsed > run.last) {
            add_fault(fault, std::string(name) + " " + text + " is outside the period " +
                                 pay::iso_day(run.first) + " to " + pay::iso_day(run.last));
        } else {
            *day = *parsed;
        }
    }
    if (fault.empty() && period.last < period.first) {
        fault =
            "from " + pay::iso_day(period.first) + " comes after to " + pay::iso_day(period.last);
    }
    if (!fault.empty()) {
        return fault;
    }
    return period;
}

std::string month_text(std::chrono::year_month month) {
    return pay::iso_day(pay::Day{month / 1}).substr(0, 7);
}

class ArrearsRows {
  public:
    ArrearsRows(const BatchHeader& header, const BatchOptions& options,
                const ArrearsOptions& arrears)
        : header_(header), arrears_(arrears), pays_(all_rules(arrears)) {
        for (const staff::KnownRuleSet& set : *arrears.sets) {
            set_starts_.push_back(pay::day_of(set.rules.effective));
        }
        // Only the sets of a month's shares are read, each written first.
        monthly_.assign(set_starts_.size(), 0);
        paid_column_ = header.column(paid_monthly_pay_column);
        separator_ = options.decimal_comma ? ',' : '.';
    }

    struct RowArrears {
        std::int64_t due = 0;
        std::int64_t paid = 0;
    };

    // The row's sums, its detail lines appended to `detail`; or its error.
    std::variant<RowArrears, std::string> compute(const CsvRecord& record,
                                                  const ResolvedChoices& choices,
                                                  std::string& detail) {
        auto period = row_period(record, header_, arrears_.period);
        if (auto* fault = std::get_if<std::string>(&period)) {
            return std::move(*fault);
        }
        std::optional<std::int64_t> paid_monthly;
        if (paid_column_ && !record.fields[*paid_column_].empty()) {
            const std::string& text = record.fields[*paid_column_];
            paid_monthly = paid_cents(text);
            if (!paid_monthly) {
                return std::string(paid_monthly_pay_column) + " " + quoted_name(text) +
                       " is not an amount; expected one such as 6033.13";
            }
        }
        const std::size_t paid_set = set_starts_.size();
        if (!paid_monthly) {
            auto cents = pays_.of(paid_set, choices);
            if (auto* refused = std::get_if<std::string>(&cents)) {
                return "under the paid rules, " + *refused;
            }
            paid_monthly = std::get<std::int64_t>(cents);
        }
        RowArrears sums;
        line_ = record.line;
        for (const pay::PeriodMonth& month : months_for(std::get<pay::DayRange>(period))) {
            std::string names;
            for (const pay::MonthShare& share : month.shares) {
                auto cents = pays_.of(share.set, choices);
                if (auto* refused = std::get_if<std::string>(&cents)) {
                    return "under " + (*arrears_.sets)[share.set].rules.name + ", " + *refused;
                }
                monthly_[share.set] = std::get<std::int64_t>(cents);
                if (arrears_.detail != nullptr) {
                    names += names.empty() ? "" : " + ";
                    names += (*arrears_.sets)[share.set].rules.name;
                }
            }
            const std::int64_t due = pay::month_amount(month, monthly_);
            const std::int64_t paid = pay::month_amount(month, *paid_monthly);
            sums.due += due;
            sums.paid += paid;
            if (arrears_.detail != nullptr) {
                append_detail(month, names, due, paid, detail);
            }
        }
        return sums;
    }

  private:
    // Most rows share the run's period: their months are cut once.
    const std::vector<pay::PeriodMonth>& months_for(pay::DayRange period) {
        if (!last_period_ || last_period_->first != period.first ||
            last_period_->last != period.last) {
            last_months_ = pay::months_of(period, set_starts_);
            last_period_ = period;
        }
        return last_months_;
    }

    static std::vector<const pay::PayRules*> all_rules(const ArrearsOptions& arrears) {
        std::vector<const pay::PayRules*> rules;
        for (const staff::KnownRuleSet& set : *arrears.sets) {
            rules.push_back(&set.rules);
        }
        rules.push_back(arrears.paid);
        return rules;
    }

    void append_detail(const pay::PeriodMonth& month, std::string_view names, std::int64_t due,
                       std::int64_t paid, std::string& detail) const {
        const char delimiter = header_.delimiter;
        for (const std::string& field : {std::to_string(line_), month_text(month.month),
                                         std::to_string(month.days), std::string(names)}) {
            append_csv_field(field, delimiter, detail);
            detail += delimiter;
        }
        append_csv_field(pay::units_text(due, 2, separator_), delimiter, detail);
        detail += delimiter;
        append_csv_field(pay::units_text(paid, 2, separator_), delimiter, detail);
        detail += delimiter;
        append_csv_field(pay::difference_text(due - paid, 2, separator_), delimiter, detail);
        detail += '\n';
    }

    const BatchHeader& header_;
    const ArrearsOptions& arrears_;
    MonthlyPays pays_;
    std::vector<pay::Day> set_starts_;
    std::vector<std::int64_t> monthly_;
    std::optional<pay::DayRange> last_period_;
    std::vector<pay::PeriodMonth> last_months_;
    std::optional<std::size_t> paid_column_;
    char separator_ = '.';
    std::size_t line_ = 0;
};

void write_header(const BatchHeader& header, std::string& out) {
    for (const std::string& name : header.names) {
        append_csv_field(name, header.delimiter, out);
        out += header.delimiter;
    }
    for (const std::string_view name : arrears_columns) {
        out += name;
        out += header.delimiter;
    }
    out += error_column;
    out += '\n';
}

}  // namespace

ArrearsOutcome run_arrears(std::istream& input, std::ostream& output, const BatchOptions& options,
                           const ArrearsOptions& arrears) {
    ArrearsOutcome outcome;
    BatchOutcome& batch = outcome.batch;
    CsvReader reader(input);
    auto read = read_header(reader, {.input_name = options.input_name,
                                     .delimiter = options.delimiter,
                                     .decimal_comma_in_fields = options.decimal_comma});
    if (auto* refused = std::get_if<HeaderRefusal>(&read)) {
        batch.status = refused->status;
        batch.message = std::move(refused->message);
        return outcome;
    }
    const BatchHeader& header = std::get<BatchHeader>(read);
    for (const std::string& name : header.names) {
        if (std::find(arrears_columns.begin(), arrears_columns.end(), name) !=
            arrears_columns.end()) {
            batch.status = ExitStatus::usage;
            batch.message =
                "input column " + quoted_name(name) + " has the name of an output column";
            return outcome;
        }
    }
    const char separator = options.decimal_comma ? ',' : '.';
    std::string buffer;
    if (options.byte_order_mark) {
        buffer += byte_order_mark;
    }
    write_header(header, buffer);
    std::string detail;
    if (arrears.detail != nullptr) {
        const char d = header.delimiter;
        detail = std::string("row") + d + "month" + d + "days" + d + "rules" + d + "due" + d +
                 "paid" + d + "arrears\n";
    }
    ArrearsRows rows(header, options, arrears);
    std::vector<std::string> echoed(header.map.width);
    for_each_staff_row(reader, header, RowReading::resolved, [&](const StaffRow& row) {
        const CsvRecord& record = row.record;
        ++batch.rows;
        std::string error = row.fault;
        std::array<std::string, arrears_columns.size()> added;
        if (error.empty()) {
            auto computed = rows.compute(record, *row.choices, detail);
            if (auto* fault = std::get_if<std::string>(&computed)) {
                error = std::move(*fault);
            } else {
                const auto sums = std::get<ArrearsRows::RowArrears>(computed);
                added = {pay::units_text(sums.due, 2, separator),
                         pay::units_text(sums.paid, 2, separator),
                         pay::difference_text(sums.due - sums.paid, 2, separator)};
                outcome.due += sums.due;
                outcome.paid += sums.paid;
                outcome.arrears += sums.due - sums.paid;
            }
        }
        for (std::size_t i = 0; i < header.map.width; ++i) {
            echoed[i] =
                i < record.fields.size() ? replace_invalid_utf8(record.fields[i]) : std::string();
            append_csv_field(echoed[i], header.delimiter, buffer);
            buffer += header.delimiter;
        }
        for (const std::string& value : added) {
            append_csv_field(value, header.delimiter, buffer);
            buffer += header.delimiter;
        }
        append_csv_field(escape_controls(error), header.delimiter, buffer);
        buffer += '\n';
        if (!error.empty()) {
            ++batch.failed_rows;
            if (batch.faulty_lines.size() < named_faulty_lines) {
                batch.faulty_lines.push_back(record.line);
            }
        }
        if (buffer.size() >= flush_size) {
            output.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
            buffer.clear();
            if (!output) {
                return false;
            }
        }
        if (arrears.detail != nullptr && detail.size() >= flush_size) {
            arrears.detail->write(detail.data(), static_cast<std::streamsize>(detail.size()));
            detail.clear();
        }
        if (options.progress && batch.rows % progress_rows == 0) {
            options.progress(batch.rows);
        }
        return true;
    });
    output.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    output.flush();
    if (arrears.detail != nullptr) {
        arrears.detail->write(detail.data(), static_cast<std::streamsize>(detail.size()));
        arrears.detail->flush();
    }
    settle_outcome(batch, static_cast<bool>(output), reader, options);
    return outcome;
}

std::vector<std::string> arrears_summary_lines(const ArrearsOutcome& outcome,
                                               const BatchOptions& options) {
    const BatchOutcome& batch = outcome.batch;
    const char separator = options.decimal_comma ? ',' : '.';
    const std::size_t succeeded = batch.rows - batch.failed_rows;
    return {options.input_name + ": " + rows_text(batch.rows) + " read, " +
                std::to_string(batch.failed_rows) + " with errors",
            "sums over the " + rows_text(succeeded) + " that succeeded: due " +
                pay::units_text(outcome.due, 2, separator) + ", paid " +
                pay::units_text(outcome.paid, 2, separator) + ", arrears " +
                pay::difference_text(outcome.arrears, 2, separator)};
}

}  // namespace cli
