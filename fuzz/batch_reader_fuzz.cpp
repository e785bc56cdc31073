// The batch on arbitrary bytes, checked against a reading of its own: a small strict CSV reader
// written here, which the batch's reader must agree with. Every record after the header is
// answered with one output row, the output reads back as CSV rows as wide as the header says (or
// as JSON Lines objects of strings), and it is well-formed UTF-8.
#include <nlohmann/json.hpp>

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/batch.h"
#include "staff/csv_reader.h"
#include "staff/utf8.h"

namespace {

void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool is_line_end(char c) {
    return c == '\n' || c == '\r';
}

// A record as the reference reads it: its fields, whether it is well-formed, and its raw text.
struct Reference {
    std::vector<std::string> fields;
    bool well_formed = true;
    std::string_view text;
};

// Reads every record of `text`: blank lines are none; quotes are strict; a malformed record that
// spans lines is read again from the line after its first; one on one line ends with that line.
std::vector<Reference> reference_records(std::string_view text, char separator) {
    std::vector<Reference> records;
    std::size_t at = 0;
    while (at < text.size()) {
        if (is_line_end(text[at])) {
            ++at;  // a blank line
            continue;
        }
        const std::size_t start = at;
        std::size_t first_line_end = std::string_view::npos;
        Reference record;
        std::string field;
        bool ended = false;
        while (!ended) {
            field.clear();
            if (at < text.size() && text[at] == '"') {
                ++at;
                bool closed = false;
                while (at < text.size() && !closed) {
                    if (text[at] == '"') {
                        if (at + 1 < text.size() && text[at + 1] == '"') {
                            field += '"';
                            at += 2;
                        } else {
                            closed = true;
                            ++at;
                        }
                    } else {
                        if (is_line_end(text[at]) && first_line_end == std::string_view::npos) {
                            first_line_end = at;
                        }
                        field += text[at++];
                    }
                }
                if (!closed ||
                    (at < text.size() && text[at] != separator && !is_line_end(text[at]))) {
                    record.well_formed = false;
                    break;
                }
            } else {
                while (at < text.size() && text[at] != separator && !is_line_end(text[at]) &&
                       text[at] != '"') {
                    field += text[at++];
                }
                if (at < text.size() && text[at] == '"') {
                    record.well_formed = false;
                    break;
                }
            }
            record.fields.push_back(field);
            if (at < text.size() && text[at] == separator) {
                ++at;
            } else {
                ended = true;
                if (at < text.size()) {
                    ++at;  // the line end
                }
            }
        }
        if (!record.well_formed) {
            if (first_line_end != std::string_view::npos) {
                at = first_line_end + 1;
            } else {
                while (at < text.size() && !is_line_end(text[at])) {
                    ++at;
                }
            }
        }
        record.text = text.substr(start, at - start);
        records.push_back(std::move(record));
    }
    return records;
}

std::string_view without_byte_order_mark(std::string_view text) {
    return text.starts_with("\xEF\xBB\xBF") ? text.substr(3) : text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    // The first byte picks the mode, and whether the rest is repeated past the 64 KiB the
    // reader takes at a time; the rest is the file.
    const cli::BatchOptions options{.json = (bytes[0] & 1) != 0,
                                    .session = (bytes[0] & 2) != 0,
                                    .explain = false,
                                    .rules = &pay::built_in_rules()};
    std::string text(reinterpret_cast<const char*>(bytes) + 1, size - 1);
    if ((bytes[0] & 4) != 0 && !text.empty()) {
        const std::string once = text;
        while (text.size() <= (std::size_t{1} << 16)) {
            text += once;
        }
    }

    std::istringstream input(text);
    std::ostringstream output;
    const cli::BatchOutcome outcome = cli::run_batch(input, output, options);
    require(outcome.status != staff::ExitStatus::io_failure);
    require(staff::is_valid_utf8(output.str()));
    if (outcome.status == staff::ExitStatus::usage) {
        require(output.str().empty());
        return 0;
    }
    require((outcome.failed_rows > 0) == (outcome.status == staff::ExitStatus::row_errors));
    // No record here reaches the length limit, which the reference does not know.
    if (text.size() >= staff::default_record_limit) {
        return 0;
    }

    // A header with no comma but a semicolon or a tab sets the separator. A header malformed on
    // a line longer than the 64 KiB the reader takes at a time is judged by the part read.
    const std::string_view body = without_byte_order_mark(text);
    if (body.find_first_of("\r\n") > (std::size_t{1} << 16) - 4) {
        return 0;
    }
    std::vector<Reference> records = reference_records(body, ',');
    require(!records.empty());
    char separator = ',';
    if (const std::string_view header = records.front().text;
        header.find(',') == std::string_view::npos) {
        separator = header.find(';') != std::string_view::npos    ? ';'
                    : header.find('\t') != std::string_view::npos ? '\t'
                                                                  : ',';
        records = reference_records(body, separator);
    }
    require(records.front().well_formed);
    require(outcome.rows == records.size() - 1);
    const std::size_t width = records.front().fields.size() + 22;  // the slip fields and error

    const std::string written = output.str();
    if (options.json) {
        std::istringstream lines(written);
        std::string line;
        std::size_t objects = 0;
        while (std::getline(lines, line)) {
            const auto object = nlohmann::json::parse(line, nullptr, false);
            require(object.is_object() && object.size() == width);
            for (const auto& member : object) {
                require(member.is_string());
            }
            ++objects;
        }
        require(objects == outcome.rows);
    } else {
        const std::vector<Reference> rows = reference_records(written, separator);
        require(rows.size() == outcome.rows + 1);
        for (const Reference& row : rows) {
            require(row.well_formed && row.fields.size() == width);
        }
    }
    return 0;
}
