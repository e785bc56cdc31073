#include "cli/row_format.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <vector>

#include "cli/utf8.h"

namespace cli {
namespace {

void append_csv_field(std::string_view text, std::string& out) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
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

class CsvFormat final : public RowFormat {
  public:
    void begin(std::span<const std::string> input_columns, std::string& out) override {
        for (std::size_t i = 0; i < input_columns.size(); ++i) {
            if (i > 0) {
                out += ',';
            }
            append_csv_field(input_columns[i], out);
        }
        for (const pay::SlipFieldInfo& info : pay::slip_fields) {
            out += ',';
            out += info.name;
        }
        out += ',';
        out += error_column;
        out += '\n';
    }

    void append_slip_part(const pay::ShownTexts* texts, std::string& part) const override {
        for (const pay::SlipFieldInfo& info : pay::slip_fields) {
            part += ',';
            if (texts) {
                append_csv_field((*texts)[static_cast<std::size_t>(info.field)], part);
            }
        }
    }

    void write_row(std::span<const std::string> inputs, std::string_view slip_part,
                   std::string_view error, std::string& out) override {
        for (std::size_t i = 0; i < inputs.size(); ++i) {
            if (i > 0) {
                out += ',';
            }
            append_csv_field(inputs[i], out);
        }
        out += slip_part;
        out += ',';
        append_csv_field(error, out);
        out += '\n';
    }
};

}  // namespace

bool needs_no_escape(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) {
                           return static_cast<unsigned char>(c) >= 0x20 && c != '"' && c != '\\';
                       }) &&
           is_valid_utf8(text);
}

namespace {

class JsonLinesFormat final : public RowFormat {
  public:
    void begin(std::span<const std::string> input_columns, std::string&) override {
        keys_.clear();
        for (const std::string& name : input_columns) {
            keys_.push_back(member_key(name));
        }
    }

    void append_slip_part(const pay::ShownTexts* texts, std::string& part) const override {
        for (std::size_t i = 0; i < pay::slip_fields.size(); ++i) {
            part += ',';
            part += slip_keys_[i];
            append_string(
                texts ? (*texts)[static_cast<std::size_t>(pay::slip_fields[i].field)] : "", part);
        }
    }

    void write_row(std::span<const std::string> inputs, std::string_view slip_part,
                   std::string_view error, std::string& out) override {
        out += '{';
        for (std::size_t i = 0; i < inputs.size() && i < keys_.size(); ++i) {
            if (i > 0) {
                out += ',';
            }
            out += keys_[i];
            append_string(inputs[i], out);
        }
        out += slip_part;
        out += ',';
        out += error_key_;
        append_string(error, out);
        out += "}\n";
    }

  private:
    // A JSON string, escaped by the JSON library. Most values hold nothing to escape, and the
    // library would write them between quotes as they stand; that is done here without it.
    static void append_string(std::string_view text, std::string& out) {
        if (needs_no_escape(text)) {
            out += '"';
            out += text;
            out += '"';
            return;
        }
        out += nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    }

    static std::string member_key(std::string_view name) {
        std::string key;
        append_string(name, key);
        return key + ':';
    }

    std::vector<std::string> keys_;
    std::string error_key_ = member_key(error_column);
    std::array<std::string, pay::slip_field_count> slip_keys_ = [] {
        std::array<std::string, pay::slip_field_count> keys;
        for (std::size_t i = 0; i < keys.size(); ++i) {
            keys[i] = member_key(pay::slip_fields[i].name);
        }
        return keys;
    }();
};

}  // namespace

std::unique_ptr<RowFormat> make_csv_format() {
    return std::make_unique<CsvFormat>();
}

std::unique_ptr<RowFormat> make_json_lines_format() {
    return std::make_unique<JsonLinesFormat>();
}

}  // namespace cli
