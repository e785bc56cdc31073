#include "pay/rules_file.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <span>

#include <toml++/toml.h>

#include "pay/choices.h"
#include "pay/negative_amounts.h"
#include "pay/rules_nesting.h"
#include "pay/rules_schema.h"
#include "pay/rules_text.h"

namespace pay {
namespace {

namespace schema = rules_schema;

// A rules file is a few kilobytes; anything far larger is not one.
constexpr std::size_t largest_file = std::size_t{1} << 20;

struct Failure {
    toml::source_position where;
    std::string message;
};

[[noreturn]] void fail(const toml::source_region& where, std::string message) {
    throw Failure{where.begin, std::move(message)};
}

std::string type_name(const toml::node& node) {
    switch (node.type()) {
        case toml::node_type::string:
            return "a text";
        case toml::node_type::integer:
        case toml::node_type::floating_point:
            return "a number";
        case toml::node_type::boolean:
            return "true or false";
        case toml::node_type::date:
            return "a date";
        case toml::node_type::time:
            return "a time";
        case toml::node_type::date_time:
            return "a date and time";
        case toml::node_type::array:
            return "a list";
        case toml::node_type::table:
            return "a table";
        case toml::node_type::none:
            break;
    }
    return "nothing";
}

// The byte offset in `text` of a place that toml++ gives: lines and columns count from 1,
// columns in code points.
std::size_t byte_offset(std::string_view text, const toml::source_position& where) {
    std::size_t offset = 0;
    for (toml::source_index line = 1; line < where.line && offset < text.size(); ++line) {
        const std::size_t end = text.find('\n', offset);
        offset = end == std::string_view::npos ? text.size() : end + 1;
    }
    for (toml::source_index column = 1; column < where.column && offset < text.size(); ++column) {
        do {
            ++offset;
        } while (offset < text.size() && (static_cast<unsigned char>(text[offset]) & 0xC0) == 0x80);
    }
    return offset;
}

// A value's own text in the file, as a message quotes it: 9223372036854775807 stays itself,
// where the double it reads as would be 9223372036854775808.
std::string written(std::string_view text, const toml::source_region& where) {
    const std::size_t begin = byte_offset(text, where.begin);
    const std::size_t end = byte_offset(text, where.end);
    return escaped(text.substr(begin, end > begin ? end - begin : 0));
}

bool has_decimals_within(double number, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return std::round(number * scale) / scale == number;
}

// The note on a text that is no item of its list but would be one written in composed form.
std::string decomposed_note(std::string_view text, std::span<const std::string_view> items) {
    const std::string composed = composed_arabic(text);
    if (composed == text || std::find(items.begin(), items.end(), composed) == items.end()) {
        return "";
    }
    return ": it is the item " + quoted(composed) +
           " written decomposed (NFD), with a separate combining mark; write it composed (NFC), "
           "as the list holds it";
}

// The tables of one part of the file, each read once and checked for keys it does not know.
class TableReader {
  public:
    TableReader(const toml::table& table, std::string_view source, std::string where)
        : table_(table), source_(source), where_(std::move(where)) {}

    const toml::node& node(std::string_view key) {
        known_.push_back(key);
        const toml::node* found = table_.get(key);
        if (found == nullptr) {
            fail(table_.source(), "missing " + quoted(key) + where_text());
        }
        return *found;
    }

    double number(std::string_view key, const schema::Range& range) {
        const toml::node& value = node(key);
        std::optional<double> number;
        if (const auto* whole = value.as_integer()) {
            number = static_cast<double>(whole->get());
        } else if (const auto* real = value.as_floating_point()) {
            number = real->get();
        } else {
            fail(value.source(), quoted(key) + " must be a number, not " + type_name(value));
        }
        const bool in_range = *number >= range.min && *number <= range.max &&
                              (range.decimals > 0 || has_decimals_within(*number, 0));
        if (!in_range) {
            fail(value.source(), quoted(key) + " must be " + std::string(range.wanted) + ", not " +
                                     written(source_, value.source()));
        }
        if (!has_decimals_within(*number, range.decimals)) {
            fail(value.source(), quoted(key) + " must be " + std::string(range.wanted) +
                                     " with at most " + std::to_string(range.decimals) +
                                     " decimals, not " + written(source_, value.source()));
        }
        return *number + 0.0;  // -0 reads as 0
    }

    std::string text(std::string_view key) {
        const toml::node& value = node(key);
        const auto* text = value.as_string();
        if (text == nullptr) {
            fail(value.source(),
                 quoted(key) + " must be a text in quotes, not " + type_name(value));
        }
        if (const std::optional<char32_t> unsafe = unsafe_character(text->get())) {
            fail(value.source(), quoted(key) + " holds the invisible character " +
                                     code_point_name(*unsafe) + "; write the text without it");
        }
        if (text->get().size() > schema::longest_text) {
            fail(value.source(), quoted(key) + " must be at most " +
                                     std::to_string(schema::longest_text) + " bytes, not " +
                                     std::to_string(text->get().size()));
        }
        return text->get();
    }

    const toml::table& table(std::string_view key) {
        const toml::node& value = node(key);
        if (!value.is_table()) {
            fail(value.source(), quoted(key) + " must be a table, not " + type_name(value));
        }
        return *value.as_table();
    }

    const toml::array& array(std::string_view key) {
        const toml::node& value = node(key);
        if (!value.is_array()) {
            fail(value.source(), quoted(key) + " must be a list in [ ], not " + type_name(value));
        }
        return *value.as_array();
    }

    // A key the reader did not ask for would be read and ignored: refused instead.
    void no_other_keys() const {
        for (const auto& [key, value] : table_) {
            if (std::find(known_.begin(), known_.end(), key.str()) == known_.end()) {
                fail(key.source(), "unknown key " + quoted(key.str()) + where_text());
            }
        }
    }

    const toml::table& whole() const { return table_; }
    std::string_view source() const { return source_; }
    std::string where_text() const { return where_.empty() ? "" : " in " + where_; }

  private:
    const toml::table& table_;
    std::string_view source_;
    std::string where_;
    std::vector<std::string_view> known_;
};

void place_number(const schema::Place& place, double value) {
    std::visit([&](auto* member) { *member = static_cast<std::decay_t<decltype(*member)>>(value); },
               place);
}

const toml::table& table_item(const toml::node& item, std::string_view what) {
    if (!item.is_table()) {
        fail(item.source(), std::string(what) + " must be a table in { }, not " + type_name(item));
    }
    return *item.as_table();
}

void read_effective(TableReader& root, PayRules& rules) {
    const toml::node& value = root.node(schema::effective_key);
    const auto* date = value.as_date();
    if (date == nullptr) {
        fail(value.source(), quoted(schema::effective_key) +
                                 " must be a date without quotes, such as 2027-01-01, not " +
                                 type_name(value));
    }
    rules.effective = {date->get().year, date->get().month, date->get().day};
}

void read_zone_rates(TableReader& section, PayRules& rules) {
    const toml::table& rates = section.table(schema::zone_rates_key);
    TableReader zones(rates, section.source(), quoted(schema::zone_rates_key));
    // An unknown key first: a zone written otherwise is then named as such, not as missing.
    for (const auto& [key, value] : rates) {
        if (std::find(zone_items.begin(), zone_items.end(), key.str()) == zone_items.end()) {
            const std::string note = decomposed_note(key.str(), zone_items);
            fail(key.source(), quoted(key.str()) + " is not an item of the zone list" +
                                   (note.empty() ? "; a rules file gives the rates of the "
                                                   "window's zones and cannot change the list"
                                                 : note));
        }
    }
    for (std::size_t zone = 0; zone < zone_items.size(); ++zone) {
        rules.zone_rates[zone] = zones.number(zone_items[zone], schema::rate);
    }
}

void read_brackets(TableReader& section, PayRules& rules) {
    const toml::array& brackets = section.array(schema::brackets_key);
    std::vector<TaxBracket>& out = rules.income_tax.brackets;
    out = {{0, 0, 0, tax_rate_label(0)}};
    if (brackets.size() > schema::most_brackets) {
        fail(brackets.source(), "'brackets' holds " + std::to_string(brackets.size()) +
                                    " brackets; a rules file holds at most " +
                                    std::to_string(schema::most_brackets));
    }
    const toml::node* previous_above = nullptr;
    for (const toml::node& item : brackets) {
        TableReader bracket(table_item(item, "a bracket"), section.source(), "a bracket");
        TaxBracket read;
        read.lower = bracket.number(schema::bracket_above_key, schema::amount);
        read.rate = bracket.number(schema::bracket_rate_key, schema::bracket_rate);
        read.base_amount = bracket.number(schema::bracket_base_key, schema::amount);
        bracket.no_other_keys();
        const toml::node& above = *bracket.whole().get(schema::bracket_above_key);
        if (!(read.lower > out.back().lower)) {
            fail(
                above.source(),
                out.size() == 1
                    ? "the first bracket's 'above' must be more than 0: amounts up to it pay no tax"
                    : "brackets must rise strictly, by a cent at least: 'above' " +
                          written(section.source(), above.source()) +
                          " is not above the previous bracket's " +
                          written(section.source(), previous_above->source()));
        }
        // A rate of 0 would leave the bracket's base amount unused: the amounts up to the first
        // bracket are the ones without tax.
        if (read.rate == 0) {
            fail(bracket.whole().get(schema::bracket_rate_key)->source(),
                 "a bracket's 'rate' must be above 0: the amounts up to the first bracket are "
                 "the ones that pay no tax");
        }
        read.label = tax_rate_label(read.rate);
        out.push_back(std::move(read));
        previous_above = &above;
    }
}

void read_grid_scale(const toml::table& table, std::string_view source, PayRules& rules,
                     std::vector<bool>& given, std::vector<bool>& scales_given) {
    TableReader scale_table(table, source, "a [[grid.scale]]");
    const std::string name = scale_table.text(schema::grid_scale_key);
    const std::optional<Scale> scale = scale_from_text(name);
    const toml::node& name_node = *table.get(schema::grid_scale_key);
    if (!scale) {
        std::array<std::string_view, all_scales.size()> scale_texts{};
        std::transform(all_scales.begin(), all_scales.end(), scale_texts.begin(), scale_text);
        const std::string note = decomposed_note(name, scale_texts);
        fail(name_node.source(), quoted(name) + " is not an item of the scale list" +
                                     (note.empty() ? "; a rules file gives amounts to the "
                                                     "window's lists and cannot change the lists"
                                                   : note));
    }
    if (scales_given[static_cast<std::size_t>(*scale)]) {
        fail(name_node.source(), "scale " + quoted(name) + " is given twice");
    }
    scales_given[static_cast<std::size_t>(*scale)] = true;
    const toml::array& ranks = scale_table.array(schema::grid_ranks_key);
    scale_table.no_other_keys();
    for (const toml::node& item : ranks) {
        TableReader row(table_item(item, "a rank's row"), source,
                        "a rank's row of scale " + quoted(name));
        const std::string rank = row.text(schema::grid_rank_key);
        const std::optional<std::size_t> entry = grid_entry_of(*scale, rank);
        const toml::node& rank_node = *row.whole().get(schema::grid_rank_key);
        if (!entry) {
            const std::string note = decomposed_note(rank, rank_items(*scale));
            fail(rank_node.source(),
                 quoted(rank) + " is not an item of the rank list of scale " + quoted(name) +
                     (note.empty() ? "; a rules file gives amounts to the window's lists and "
                                     "cannot change the lists"
                                   : note));
        }
        if (given[*entry]) {
            fail(rank_node.source(),
                 "rank " + quoted(rank) + " of scale " + quoted(name) + " is given twice");
        }
        given[*entry] = true;
        GridEntry& out = rules.grid[*entry];
        for (const schema::GridKey& key : schema::grid_keys) {
            out.row.*key.member = static_cast<int>(row.number(key.key, key.range));
        }
        row.no_other_keys();
    }
    for (const std::string_view rank : rank_items(*scale)) {
        if (!given[*grid_entry_of(*scale, rank)]) {
            fail(ranks.source(), "scale " + quoted(name) + " has no row for rank " + quoted(rank) +
                                     ": a rules file gives every item of the window's rank lists");
        }
    }
}

void read_grid(TableReader& root, PayRules& rules) {
    TableReader grid(root.table(schema::grid_table), root.source(), "[grid]");
    rules.references.grid = grid.text(schema::reference_key);
    const toml::array& scales = grid.array(schema::grid_scale_key);
    grid.no_other_keys();
    std::vector<bool> given(grid_size, false);
    std::vector<bool> scales_given(all_scales.size(), false);
    for (const toml::node& item : scales) {
        read_grid_scale(table_item(item, "a [[grid.scale]]"), root.source(), rules, given,
                        scales_given);
    }
    for (const Scale scale : all_scales) {
        if (!scales_given[static_cast<std::size_t>(scale)]) {
            fail(scales.source(), "[grid] has no rows for scale " + quoted(scale_text(scale)) +
                                      ": a rules file gives every item of the window's scale list");
        }
        // The entries stand in list order: each takes its scale and rank from the lists.
        const std::size_t first = first_grid_entry(scale);
        const auto ranks = rank_items(scale);
        for (std::size_t i = 0; i < ranks.size(); ++i) {
            rules.grid[first + i].scale = scale;
            rules.grid[first + i].rank = ranks[i];
        }
    }
}

PayRules read_table(const toml::table& file, std::string_view source) {
    PayRules rules;
    TableReader root(file, source, "");
    rules.name = root.text(schema::name_key);
    if (const std::optional<std::string> fault = name_fault(schema::name_key, rules.name)) {
        fail(file.get(schema::name_key)->source(), *fault);
    }
    read_effective(root, rules);
    rules.references.rule_set = root.text(schema::reference_key);
    for (const schema::Section& section : schema::number_sections) {
        TableReader table(root.table(section.table), source,
                          "[" + std::string(section.table) + "]");
        rules.references.*section.reference = table.text(schema::reference_key);
        for (const schema::NumberKey& number : section.numbers) {
            place_number(number.place(rules), table.number(number.key, number.range));
        }
        if (section.table == schema::income_tax_table) {
            read_brackets(table, rules);
        }
        table.no_other_keys();
    }
    TableReader residence(root.table(schema::residence_table), source,
                          "[" + std::string(schema::residence_table) + "]");
    rules.references.residence_allowance = residence.text(schema::reference_key);
    read_zone_rates(residence, rules);
    residence.no_other_keys();
    read_grid(root, rules);
    root.no_other_keys();
    return rules;
}

// The node of a key of a grid entry's row, wherever the file gives the row.
const toml::node* grid_row_node(const toml::table& file, const GridEntry& entry,
                                std::string_view key) {
    // The file has been read whole: every node asked for is there, of its kind.
    for (const toml::node& scale : *file.at_path("grid.scale").as_array()) {
        const toml::table& table = *scale.as_table();
        if (table[schema::grid_scale_key].value_or(std::string_view{}) != scale_text(entry.scale)) {
            continue;
        }
        for (const toml::node& row : *table[schema::grid_ranks_key].as_array()) {
            const toml::table& cells = *row.as_table();
            if (cells[schema::grid_rank_key].value_or(std::string_view{}) == entry.rank) {
                return cells.get(key);
            }
        }
    }
    return nullptr;
}

// No choice of the lists may give an amount below 0: the rules are refused at the number that
// takes it down the most.
void check_no_negative_amount(const toml::table& file, const PayRules& rules) {
    const std::optional<NegativeAmount> negative = first_negative_amount(rules);
    if (!negative) {
        return;
    }
    const Blame blame = blame_for(*negative, rules);
    const toml::node* node =
        blame.grid_key.empty()
            ? file.at_path(blame.path).node()
            : grid_row_node(file, rules.grid[negative->grid_entry], blame.grid_key);
    fail(node != nullptr ? node->source() : file.source(),
         negative_amount_message(*negative, rules));
}

// toml++ quotes a key given twice from a buffer that can cut a character in two: the message
// says what happened without it. Every other message is quoted escaped.
std::string syntax_message(std::string_view description) {
    constexpr std::string_view redefinition = "cannot redefine existing ";
    const std::size_t at = description.find(redefinition);
    if (at == std::string_view::npos) {
        return "TOML syntax: " + escaped(description);
    }
    const std::size_t kind = at + redefinition.size();
    const std::string_view kind_text = description.substr(kind, description.find(' ', kind) - kind);
    return "TOML syntax: " + escaped(description.substr(0, at)) +
           "a key or table given twice (already defined as " + escaped(kind_text) + ")";
}

}  // namespace

std::string describe(const RulesFileError& error) {
    const std::string file = escaped(error.file);
    if (error.line == 0) {
        return file + ": " + error.message;
    }
    return file + ":" + std::to_string(error.line) + ":" + std::to_string(error.column) + ": " +
           error.message;
}

RulesReading read_rules(std::string_view text, std::string_view file) {
    const auto error = [&](const toml::source_position& where, std::string message) {
        // A table's own place is unknown for the file's top level: its first line stands in.
        const int line = where.line == 0 ? 1 : static_cast<int>(where.line);
        const int column = where.line == 0 ? 1 : static_cast<int>(where.column);
        return RulesFileError{std::string(file), line, column, std::move(message)};
    };
    // toml++ recurses once per level of nesting: a file deep enough would overflow the stack.
    if (const std::optional<NestingPlace> deep = too_deep_nesting(text, deepest_rules_nesting)) {
        return error({static_cast<toml::source_index>(deep->line),
                      static_cast<toml::source_index>(deep->column)},
                     "nested more than " + std::to_string(deepest_rules_nesting) +
                         " levels deep (tables, dotted keys, lists and inline tables); a rules "
                         "file needs 6");
    }
    try {
        const toml::table table = toml::parse(text, file);
        PayRules rules = read_table(table, text);
        check_no_negative_amount(table, rules);
        return rules;
    } catch (const toml::parse_error& e) {
        return error(e.source().begin, syntax_message(e.description()));
    } catch (const Failure& e) {
        return error(e.where, e.message);
    }
}

RulesReading load_rules_file(const std::string& path) {
    const auto cannot_read = [&](int error) {
        return RulesFileError{path, 0, 0,
                              "cannot read the rules: " + std::string(std::strerror(error))};
    };
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                               &std::fclose);
    if (!file) {
        return cannot_read(errno);
    }
    std::string text;
    std::array<char, 65536> buffer{};
    while (const std::size_t read = std::fread(buffer.data(), 1, buffer.size(), file.get())) {
        text.append(buffer.data(), read);
        if (text.size() > largest_file) {
            return RulesFileError{path, 0, 0, "too large for a rules file (over 1 MiB)"};
        }
    }
    if (std::ferror(file.get()) != 0) {
        return cannot_read(errno);
    }
    return read_rules(text, path);
}

}  // namespace pay
