#include "cli/row_format.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <vector>

#include "staff/utf8.h"

namespace cli {

// velnaro-calc reads and writes through the staff-file library.
using namespace staff;

void append_csv_field(std::string_view text, char delimiter, std::string& out) {
    const bool plain = std::none_of(text.begin(), text.end(), [&](char c) {
        return c == delimiter || c == '"' || c == '\r' || c == '\n';
    });
    if (plain) {
        out += text;
        return;
    }
    out += '"';
    for (const char c : text) {
        if (c == '"') {
            out += '"';
        }
        out += c;
    }
    out += '"';
}

namespace {

class CsvFormat final : public RowFormat {
  public:
    CsvFormat(char delimiter, const std::vector<std::string>& added_columns)
        : delimiter_(delimiter), added_columns_(added_columns) {}

    void begin(std::span<const std::string> input_columns, std::string& out) override {
        for (std::size_t i = 0; i < input_columns.size(); ++i) {
            if (i > 0) {
                out += delimiter_;
            }
            append_csv_field(input_columns[i], delimiter_, out);
        }
        for (const pay::SlipFieldInfo& info : pay::slip_fields) {
            out += delimiter_;
            out += info.name;
        }
        for (const std::string& name : added_columns_) {
            out += delimiter_;
            append_csv_field(name, delimiter_, out);
        }
        out += delimiter_;
        out += error_column;
        out += '\n';
    }

    void append_slip_part(const pay::ShownTexts* texts, std::string& part) const override {
        for (const pay::SlipFieldInfo& info : pay::slip_fields) {
            part += delimiter_;
            if (texts) {
                append_csv_field((*texts)[static_cast<std::size_t>(info.field)], delimiter_, part);
            }
        }
    }

    void append_added_part(std::span<const std::string> values, std::string& part) const override {
        for (std::size_t i = 0; i < added_columns_.size(); ++i) {
            part += delimiter_;
            if (i < values.size()) {
                append_csv_field(values[i], delimiter_, part);
            }
        }
    }

    void write_row(std::span<const std::string> inputs, std::string_view slip_part,
                   std::string_view error, std::string& out) override {
        for (std::size_t i = 0; i < inputs.size(); ++i) {
            if (i > 0) {
                out += delimiter_;
            }
            append_csv_field(inputs[i], delimiter_, out);
        }
        out += slip_part;
        out += delimiter_;
        append_csv_field(error, delimiter_, out);
        out += '\n';
    }

  private:
    char delimiter_;
    std::vector<std::string> added_columns_;
};

}  // namespace

namespace {

enum ByteKind : unsigned char { plain = 0, above_ascii = 1, escaped = 2 };

// How the JSON library writes each byte of a string: control characters, the quote and the
// backslash escaped, the rest as it stands once the whole text is well-formed UTF-8.
constexpr std::array<unsigned char, 256> byte_kinds = [] {
    std::array<unsigned char, 256> kinds{};
    for (std::size_t byte = 0; byte < kinds.size(); ++byte) {
        kinds[byte] = byte < 0x20 || byte == '"' || byte == '\\' ? escaped
                      : byte >= 0x80                             ? above_ascii
                                                                 : plain;
    }
    return kinds;
}();

}  // namespace

bool needs_no_escape(std::string_view text) {
    unsigned seen = plain;
    for (const char c : text) {
        seen |= byte_kinds[static_cast<unsigned char>(c)];
    }
    return seen == plain || (seen == above_ascii && is_valid_utf8(text));
}

namespace {

// Every member is a string, so a row is fixed text between the values: the glue before each input
// value holds the previous value's closing quote, the key and the opening quote.
class JsonLinesFormat final : public RowFormat {
  public:
    explicit JsonLinesFormat(const std::vector<std::string>& added_columns) {
        for (const std::string& name : added_columns) {
            added_glue_.push_back("," + quoted(name) + ":\"");
        }
    }

    void begin(std::span<const std::string> input_columns, std::string&) override {
        glue_.clear();
        for (const std::string& name : input_columns) {
            glue_.push_back((glue_.empty() ? "{" : "\",") + quoted(name) + ":\"");
        }
        // The fixed text of a row: the glue, the quote or brace before the slip part, the
        // error's glue and the row's end.
        glue_length_ = 1 + error_glue_.size() + row_end.size();
        for (const std::string& glue : glue_) {
            glue_length_ += glue.size();
        }
    }

    void append_slip_part(const pay::ShownTexts* texts, std::string& part) const override {
        part.reserve(part.size() + slip_part_reserve);
        for (std::size_t i = 0; i < pay::slip_fields.size(); ++i) {
            part += slip_glue_[i];
            append_value(texts ? (*texts)[static_cast<std::size_t>(pay::slip_fields[i].field)] : "",
                         part);
            part += '"';
        }
    }

    void append_added_part(std::span<const std::string> values, std::string& part) const override {
        for (std::size_t i = 0; i < added_glue_.size(); ++i) {
            part += added_glue_[i];
            append_value(i < values.size() ? std::string_view(values[i]) : std::string_view(),
                         part);
            part += '"';
        }
    }

    void write_row(std::span<const std::string> inputs, std::string_view slip_part,
                   std::string_view error, std::string& out) override {
        const std::size_t count = std::min(inputs.size(), glue_.size());
        // Nearly every row holds nothing to escape: its length is known and it is copied in
        // place, without growing the output once per piece.
        std::size_t length = glue_length_ + slip_part.size() + error.size();
        bool all_plain = count == glue_.size() && needs_no_escape(error);
        for (std::size_t i = 0; i < count && all_plain; ++i) {
            length += inputs[i].size();
            all_plain = needs_no_escape(inputs[i]);
        }
        if (!all_plain) {
            write_escaped_row(inputs.first(count), slip_part, error, out);
            return;
        }
        const std::size_t start = out.size();
        out.resize(start + length);
        char* at = out.data() + start;
        for (std::size_t i = 0; i < count; ++i) {
            at = copy(glue_[i], at);
            at = copy(inputs[i], at);
        }
        at = copy(count > 0 ? "\"" : "{", at);
        at = copy(slip_part, at);
        at = copy(error_glue_, at);
        at = copy(error, at);
        copy(row_end, at);
    }

  private:
    // Room for the 21 members of a slip part, names and amounts, in one allocation.
    static constexpr std::size_t slip_part_reserve = 768;
    static constexpr std::string_view row_end = "\"}\n";

    static char* copy(std::string_view text, char* at) {
        return std::copy(text.begin(), text.end(), at);
    }

    void write_escaped_row(std::span<const std::string> inputs, std::string_view slip_part,
                           std::string_view error, std::string& out) const {
        for (std::size_t i = 0; i < inputs.size(); ++i) {
            out += glue_[i];
            append_value(inputs[i], out);
        }
        out += inputs.empty() ? "{" : "\"";
        out += slip_part;
        out += error_glue_;
        append_value(error, out);
        out += row_end;
    }

    // The inside of a JSON string. Most values hold nothing to escape and are copied as they
    // stand; the others are escaped by the JSON library.
    static void append_value(std::string_view text, std::string& out) {
        if (needs_no_escape(text)) {
            out += text;
            return;
        }
        const std::string escaped =
            nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
        out.append(escaped, 1, escaped.size() - 2);
    }

    static std::string quoted(std::string_view text) {
        std::string string = "\"";
        append_value(text, string);
        return string + '"';
    }

    std::vector<std::string> glue_;
    std::size_t glue_length_ = 0;
    std::string error_glue_ = "," + quoted(error_column) + ":\"";
    std::array<std::string, pay::slip_field_count> slip_glue_ = [] {
        std::array<std::string, pay::slip_field_count> glue;
        for (std::size_t i = 0; i < glue.size(); ++i) {
            glue[i] = "," + quoted(pay::slip_fields[i].name) + ":\"";
        }
        return glue;
    }();
    std::vector<std::string> added_glue_;
};

}  // namespace

std::unique_ptr<RowFormat> make_csv_format(char delimiter,
                                           const std::vector<std::string>& added_columns) {
    return std::make_unique<CsvFormat>(delimiter, added_columns);
}

std::unique_ptr<RowFormat> make_json_lines_format(const std::vector<std::string>& added_columns) {
    return std::make_unique<JsonLinesFormat>(added_columns);
}

}  // namespace cli
