#include "pay/rules_writer.h"

#include <array>
#include <cstdio>
#include <variant>

#include "pay/rules_schema.h"

namespace pay {
namespace {

namespace schema = rules_schema;

// A TOML basic string: quotes, backslashes and control characters escaped, the rest as it is.
std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || byte == 0x7f) {
            std::array<char, 8> escape{};
            std::snprintf(escape.data(), escape.size(), "\\u%04x", byte);
            out += escape.data();
        } else {
            out += c;
        }
    }
    return out + '"';
}

std::string number_text(schema::Place place) {
    return std::visit([](const auto* value) { return rule_number_text(*value); }, place);
}

class Writer {
  public:
    explicit Writer(PayRules rules) : rules_(std::move(rules)) {}

    std::string write() {
        line("# Velnaro pay rules: every amount, rate, ceiling, tax bracket and grid row the");
        line(
            "# calculator applies, and each of them is used. Amounts are yearly; rates are "
            "percent");
        line("# (2.5 means 2.5 %). The manual page velnaro-rules(5) describes every key.");
        line("");
        key(schema::name_key, quoted(rules_.name));
        key(schema::effective_key, iso_date(rules_.effective), "the day these rules take effect");
        key(schema::reference_key, quoted(rules_.references.rule_set));
        for (const schema::Section& section : schema::number_sections) {
            write_section(section);
            if (section.table == schema::base_salary_table) {
                write_residence();
            }
        }
        write_grid();
        return std::move(out_);
    }

  private:
    void line(std::string_view text) {
        out_ += text;
        out_ += '\n';
    }

    void key(std::string_view name, const std::string& value, std::string_view comment = {}) {
        out_ += name;
        out_ += " = ";
        out_ += value;
        if (!comment.empty()) {
            out_ += "  # ";
            out_ += comment;
        }
        out_ += '\n';
    }

    void table(std::string_view header, std::span<const std::string_view> comment,
               const std::string& reference) {
        line("");
        line(header);
        for (const std::string_view each : comment) {
            line("# " + std::string(each));
        }
        key(schema::reference_key, quoted(reference));
    }

    void write_section(const schema::Section& section) {
        table("[" + std::string(section.table) + "]", section.comment,
              rules_.references.*section.reference);
        for (const schema::NumberKey& number : section.numbers) {
            key(number.key, number_text(number.place(rules_)), number.comment);
        }
        if (section.table == schema::income_tax_table) {
            write_brackets();
        }
    }

    void write_residence() {
        table("[" + std::string(schema::residence_table) + "]", schema::residence_comment,
              rules_.references.residence_allowance);
        std::string rates = "{ ";
        for (std::size_t zone = 0; zone < zone_items.size(); ++zone) {
            rates += (zone == 0 ? "" : ", ") + quoted(zone_items[zone]) + " = " +
                     rule_number_text(rules_.zone_rates[zone]);
        }
        key(schema::zone_rates_key, rates + " }");
    }

    void write_brackets() {
        line(std::string(schema::brackets_key) + " = [");
        // The first bracket, from 0 with no tax, is the file's "no tax up to the first above".
        for (std::size_t i = 1; i < rules_.income_tax.brackets.size(); ++i) {
            const TaxBracket& bracket = rules_.income_tax.brackets[i];
            line("    { " + std::string(schema::bracket_above_key) + " = " +
                 rule_number_text(bracket.lower) + ", " + std::string(schema::bracket_rate_key) +
                 " = " + rule_number_text(bracket.rate) + ", " +
                 std::string(schema::bracket_base_key) + " = " +
                 rule_number_text(bracket.base_amount) + " },");
        }
        line("]");
    }

    void write_grid() {
        table("[" + std::string(schema::grid_table) + "]", schema::grid_comment,
              rules_.references.grid);
        const GridEntry* previous = nullptr;
        for (const GridEntry& entry : rules_.grid) {
            if (previous == nullptr || previous->scale != entry.scale) {
                if (previous != nullptr) {
                    line("]");
                }
                line("");
                line("[[" + std::string(schema::grid_table) + "." +
                     std::string(schema::grid_scale_key) + "]]");
                key(schema::grid_scale_key, quoted(scale_text(entry.scale)));
                line(std::string(schema::grid_ranks_key) + " = [");
            }
            std::string row =
                "    { " + std::string(schema::grid_rank_key) + " = " + quoted(entry.rank);
            for (const schema::GridKey& number : schema::grid_keys) {
                row += ", " + std::string(number.key) + " = " +
                       rule_number_text(entry.row.*number.member);
            }
            line(row + " },");
            previous = &entry;
        }
        line("]");
    }

    PayRules rules_;
    std::string out_;
};

}  // namespace

std::string write_rules(const PayRules& rules) {
    return Writer(rules).write();
}

}  // namespace pay
