#include "cli/batch_input.h"

#include <algorithm>
#include <span>
#include <unordered_set>
#include <utility>

#include "cli/csv_reader.h"
#include "cli/messages.h"
#include "cli/row_format.h"
#include "cli/utf8.h"
#include "pay/slip_fields.h"

namespace cli {
namespace {

// The header may be wider than any row may be long: it names every column once.
constexpr std::size_t header_limit = std::size_t{16} << 20;

std::variant<ColumnMap, std::string> map_columns(std::span<const std::string> header) {
    ColumnMap map{.choice_column = {}, .width = header.size()};
    std::string missing;
    for (std::size_t c = 0; c < pay::all_choices.size(); ++c) {
        const std::string_view name = pay::choice_name(pay::all_choices[c]);
        const auto found = std::find(header.begin(), header.end(), name);
        if (found == header.end()) {
            missing += missing.empty() ? "" : ", ";
            missing += name;
        }
        map.choice_column[c] = static_cast<std::size_t>(found - header.begin());
    }
    if (!missing.empty()) {
        std::string all;
        for (const pay::Choice choice : pay::all_choices) {
            all += all.empty() ? "" : ",";
            all += pay::choice_name(choice);
        }
        return "the header row has no column " + missing + " (it needs " + all + ")";
    }
    // One look-up per column, so that a header of a million columns is checked at once.
    std::unordered_set<std::string_view> seen;
    seen.reserve(header.size());
    for (const std::string& name : header) {
        if (!seen.insert(name).second) {
            return "the header row names column '" + name + "' twice";
        }
        const bool is_output = name == error_column ||
                               std::any_of(pay::slip_fields.begin(), pay::slip_fields.end(),
                                           [&](const auto& info) { return info.name == name; });
        if (is_output) {
            return "input column '" + name + "' has the name of an output column";
        }
    }
    return map;
}

}  // namespace

std::optional<std::size_t> BatchHeader::column(std::string_view name) const {
    const auto found = std::find(names.begin(), names.end(), name);
    if (found == names.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - names.begin());
}

std::variant<BatchHeader, BatchOutcome> read_header(CsvReader& reader,
                                                    const BatchOptions& options) {
    const auto refused = [](ExitStatus status, std::string message) {
        return BatchOutcome{
            .status = status, .rows = 0, .failed_rows = 0, .message = std::move(message)};
    };
    CsvRecord record;
    reader.set_record_limit(header_limit);
    const bool read = reader.next(record);
    reader.set_record_limit(default_record_limit);
    if (!read) {
        return reader.read_failed()
                   ? refused(ExitStatus::io_failure,
                             cannot_read(options.input_name, reader.read_error()))
                   : refused(ExitStatus::usage, options.input_name + " has no header row");
    }
    if (!record.malformed.empty()) {
        return refused(ExitStatus::usage,
                       "the header row is malformed: " + std::string(record.malformed));
    }
    if (!std::all_of(record.fields.begin(), record.fields.end(), is_valid_utf8)) {
        return refused(ExitStatus::usage, "the header row is not valid UTF-8");
    }
    std::vector<std::string> names(record.fields.begin(), record.fields.end());
    auto mapped = map_columns(names);
    if (auto* message = std::get_if<std::string>(&mapped)) {
        return refused(ExitStatus::usage, std::move(*message));
    }
    return BatchHeader{.names = std::move(names), .map = std::get<ColumnMap>(mapped)};
}
std::string record_fault(const CsvRecord& record, const BatchHeader& header) {
    const std::size_t width = header.map.width;
    if (!record.malformed.empty()) {
        return "malformed record: " + std::string(record.malformed);
    }
    if (record.fields.size() != width) {
        return "malformed record: " + std::to_string(record.fields.size()) +
               " fields where the header has " + std::to_string(width);
    }
    for (std::size_t i = 0; i < width; ++i) {
        if (!is_valid_utf8(record.fields[i])) {
            return "invalid UTF-8 in column '" + header.names[i] + "'";
        }
    }
    return {};
}

void assign_choices(const CsvRecord& record, const ColumnMap& map, pay::PayInputs& typed) {
    for (std::size_t c = 0; c < pay::all_choices.size(); ++c) {
        pay::choice_text(typed, pay::all_choices[c]).assign(record.fields[map.choice_column[c]]);
    }
}

}  // namespace cli
