#include "staff/batch_input.h"

#include <algorithm>
#include <array>
#include <span>
#include <unordered_set>
#include <utility>

#include "pay/slip_fields.h"
#include "staff/choice_aliases.h"
#include "staff/csv_reader.h"
#include "staff/messages.h"
#include "staff/utf8.h"

namespace staff {
namespace {

// The header may be wider than any row may be long: it names every column once.
constexpr std::size_t header_limit = std::size_t{16} << 20;
// How many names of a header the message about it quotes.
constexpr std::size_t quoted_names = 12;

bool is_output_name(std::string_view name) {
    return name == error_column ||
           std::any_of(pay::slip_fields.begin(), pay::slip_fields.end(),
                       [&](const pay::SlipFieldInfo& info) { return info.name == name; });
}

// "'id', 'Scale ', 'rank'": what the header holds, its first names quoted.
std::string held_names(std::span<const std::string> header) {
    std::string text;
    for (std::size_t i = 0; i < header.size() && i < quoted_names; ++i) {
        text += i == 0 ? "" : ", ";
        text += quoted_name(header[i]);
    }
    if (header.size() > quoted_names) {
        text += " and " + std::to_string(header.size() - quoted_names) + " more";
    }
    return text;
}

std::string delimiter_name(char delimiter) {
    return delimiter == '\t' ? "tab" : "'" + std::string(1, delimiter) + "'";
}

// "; it looks separated by ';': give --delimiter ';'" when a header read with another separator
// holds a semicolon or a tab in one of `texts`.
std::string separator_hint(std::span<const std::string_view> texts, char delimiter) {
    for (const char other : {';', '\t'}) {
        const bool holds = other != delimiter &&
                           std::any_of(texts.begin(), texts.end(), [&](std::string_view text) {
                               return text.find(other) != std::string_view::npos;
                           });
        if (holds) {
            return std::string("; it looks separated by ") + (other == '\t' ? "tabs" : "';'") +
                   ": give --delimiter " + delimiter_name(other);
        }
    }
    return {};
}

std::variant<ColumnMap, std::string> map_columns(std::span<const std::string> header,
                                                 char delimiter) {
    ColumnMap map{.choice_column = {}, .width = header.size()};
    std::array<std::optional<std::size_t>, pay::all_choices.size()> found;
    // One look-up per column, so that a header of a million columns is checked at once.
    std::unordered_set<std::string_view> seen;
    seen.reserve(header.size());
    for (std::size_t i = 0; i < header.size(); ++i) {
        const std::string& name = header[i];
        if (!seen.insert(name).second) {
            return "the header row names column " + quoted_name(name) + " twice";
        }
        if (is_output_name(name)) {
            return "input column " + quoted_name(name) + " has the name of an output column";
        }
        if (const auto choice = choice_named(name)) {
            auto& place = found[static_cast<std::size_t>(*choice)];
            if (place) {
                return "the header row names column " + std::string(pay::choice_name(*choice)) +
                       " twice (" + quoted_name(header[*place]) + " and " + quoted_name(name) + ")";
            }
            place = i;
        }
    }
    std::string missing;
    std::string needed;
    for (std::size_t c = 0; c < pay::all_choices.size(); ++c) {
        const std::string_view name = pay::choice_name(pay::all_choices[c]);
        needed += needed.empty() ? "" : ",";
        needed += name;
        if (!found[c]) {
            missing += missing.empty() ? "" : ", ";
            missing += name;
        } else {
            map.choice_column[c] = *found[c];
        }
    }
    if (!missing.empty()) {
        const bool none = std::none_of(found.begin(), found.end(),
                                       [](const auto& place) { return place.has_value(); });
        return (none ? "the header row has none of the columns " + needed
                     : "the header row has no column " + missing) +
               ": it holds " + held_names(header) + " (separated by " + delimiter_name(delimiter) +
               ")" + (none ? std::string() : "; it needs " + needed + ", in any order and case") +
               separator_hint(std::vector<std::string_view>(header.begin(), header.end()),
                              delimiter);
    }
    return map;
}

HeaderRefusal refused(ExitStatus status, std::string message) {
    return {.status = status, .message = std::move(message)};
}

}  // namespace

std::string folded_name(std::string_view name) {
    const std::size_t first = name.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    std::string key(name.substr(first, name.find_last_not_of(" \t") - first + 1));
    for (char& c : key) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return key;
}

std::optional<pay::Choice> choice_named(std::string_view name) {
    const std::string key = folded_name(name);
    for (const pay::Choice choice : pay::all_choices) {
        if (key == pay::choice_name(choice) || key == option_name(choice)) {
            return choice;
        }
    }
    return std::nullopt;
}

char detected_delimiter(std::string_view header_line) {
    if (header_line.find(',') != std::string_view::npos) {
        return ',';
    }
    if (header_line.find(';') != std::string_view::npos) {
        return ';';
    }
    return header_line.find('\t') != std::string_view::npos ? '\t' : ',';
}

std::optional<std::size_t> BatchHeader::column(std::string_view name) const {
    const std::string key = folded_name(name);
    const auto found = std::find_if(names.begin(), names.end(), [&](const std::string& written) {
        return folded_name(written) == key;
    });
    if (found == names.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - names.begin());
}

std::variant<BatchHeader, HeaderRefusal> read_header(CsvReader& reader,
                                                     const HeaderOptions& options) {
    char delimiter = options.delimiter != '\0' ? options.delimiter : ',';
    reader.set_delimiter(delimiter);
    reader.set_record_limit(header_limit);
    CsvRecord record;
    bool read = reader.next(record);
    // A spreadsheet saved with a ';' or a tab between fields: the header says which. A header
    // over the limit is not read whole, so it is not read again.
    const bool whole = !record.malformed.starts_with("longer than");
    if (read && whole && options.delimiter == '\0') {
        if (const char found = detected_delimiter(reader.record_text()); found != delimiter) {
            delimiter = found;
            reader.read_again(delimiter);
            read = reader.next(record);
        }
    }
    reader.set_record_limit(default_record_limit);
    if (!read) {
        return reader.read_failed()
                   ? refused(ExitStatus::io_failure,
                             cannot_read(options.input_name, reader.read_error()))
                   : refused(ExitStatus::usage, options.input_name + " has no header row");
    }
    if (!record.malformed.empty()) {
        const std::array<std::string_view, 1> text{reader.record_text()};
        return refused(ExitStatus::usage,
                       "the header row is malformed: " + std::string(record.malformed) +
                           separator_hint(text, delimiter));
    }
    if (!std::all_of(record.fields.begin(), record.fields.end(), is_valid_utf8)) {
        return refused(ExitStatus::usage, "the header row is not valid UTF-8");
    }
    if (options.decimal_comma_in_fields && delimiter == ',') {
        return refused(ExitStatus::usage,
                       "--decimal-comma needs another separator than the comma of " +
                           options.input_name + " (give --delimiter ';' or --delimiter tab)");
    }
    std::vector<std::string> names(record.fields.begin(), record.fields.end());
    auto mapped = map_columns(names, delimiter);
    if (auto* message = std::get_if<std::string>(&mapped)) {
        return refused(ExitStatus::usage, std::move(*message));
    }
    return BatchHeader{
        .names = std::move(names), .map = std::get<ColumnMap>(mapped), .delimiter = delimiter};
}

void add_fault(std::string& faults, std::string_view fault) {
    faults += faults.empty() ? "" : " | ";
    faults += fault;
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
    std::string faults;
    for (std::size_t i = 0; i < width; ++i) {
        if (!is_valid_utf8(record.fields[i])) {
            add_fault(faults, "invalid UTF-8 in column " + quoted_name(header.names[i]));
        }
    }
    return faults;
}

void assign_choices(const CsvRecord& record, const ColumnMap& map, pay::PayInputs& typed) {
    for (std::size_t c = 0; c < pay::all_choices.size(); ++c) {
        pay::choice_text(typed, pay::all_choices[c]).assign(record.fields[map.choice_column[c]]);
    }
}

}  // namespace staff
