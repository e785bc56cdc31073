#include "wording/explanation_text.h"

#include <array>
#include <bit>
#include <cstdint>
#include <optional>
#include <span>
#include <utility>

#include "pay/amount_format.h"
#include "pay/choices.h"
#include "pay/shown_arithmetic.h"
#include "pay/slip_fields.h"
#include "wording/placeholders.h"

namespace wording {
namespace {

using pay::ValueKind;

// Left-to-right isolates keep a number whole and in reading order inside a right-to-left
// sentence; first-strong isolates keep a typed text, whatever its script, from reordering its
// neighbours.
constexpr std::string_view lri = "\u2066";
constexpr std::string_view fsi = "\u2068";
constexpr std::string_view pdi = "\u2069";

constexpr int shown_decimals = 2;
constexpr std::size_t most_arguments = 5;

std::string isolated(std::string_view number) {
    std::string text;
    text.reserve(number.size() + lri.size() + pdi.size());
    text.append(lri).append(number).append(pdi);
    return text;
}

// A text the user typed or picked, in guillemets.
void append_quoted(std::string_view text, std::string& out) {
    out.append("«").append(fsi).append(text).append(pdi).append("»");
}

// Writes the numbers of one slip, each once for all its explanations: most quantities have one
// value in a computation and appear on several lines and sentences. A number's exact value as
// shown is read from its text once too, when a formula first asks for it.
class NumberTexts {
  public:
    struct Number {
        std::string text;
        std::optional<pay::Fraction> value;
        bool value_read = false;

        const std::optional<pay::Fraction>& shown_value() {
            if (!value_read) {
                value = pay::shown_number(text);
                value_read = true;
            }
            return value;
        }
    };

    NumberTexts(const pay::SlipView& view, std::string_view separator)
        : view_(view), separator_(separator) {
        numbers_.reserve(slots_.size() / 2);
    }

    const std::string& text(ValueKind kind, double value, pay::SlipField field) {
        if (kind == ValueKind::field_text) {
            return view_.field(field).text;
        }
        return number(kind, value).text;
    }

    // The exact value of what `text` gives for the same arguments.
    const std::optional<pay::Fraction>& shown_value(ValueKind kind, double value,
                                                    pay::SlipField field) {
        if (kind == ValueKind::field_text) {
            Number& shown = fields_[static_cast<std::size_t>(field)];
            if (!shown.value_read) {
                shown.value = pay::shown_number(view_.field(field).text);
                shown.value_read = true;
            }
            return shown.value;
        }
        return number(kind, value).shown_value();
    }

  private:
    // A slot of the table: the number's value bits and kind, and where its text is kept.
    struct Slot {
        std::uint64_t bits = 0;
        ValueKind kind = ValueKind::amount;
        std::uint8_t number = 0;  // one past its place in `numbers_`, 0 for a free slot
    };

    Number& number(ValueKind kind, double value) {
        if (numbers_.size() >= slots_.size() / 2) {
            // More numbers than any slip weighs: write each again rather than fill the table.
            scratch_ = {write(kind, value), std::nullopt, false};
            return scratch_;
        }
        const std::uint64_t bits = std::bit_cast<std::uint64_t>(value);
        // Open addressing on the value's bits and kind; a slip weighs some forty numbers.
        std::size_t slot =
            (bits ^ (bits >> 29) ^ (static_cast<std::uint64_t>(kind) * 0x9E37U)) % slots_.size();
        while (slots_[slot].number != 0) {
            if (slots_[slot].kind == kind && slots_[slot].bits == bits) {
                return numbers_[slots_[slot].number - 1U];
            }
            slot = (slot + 1) % slots_.size();
        }
        numbers_.push_back({write(kind, value), std::nullopt, false});
        slots_[slot] = {bits, kind, static_cast<std::uint8_t>(numbers_.size())};
        return numbers_.back();
    }

    std::string amount(double value) const {
        return pay::show_amount(value, shown_decimals, separator_).text;
    }
    std::string number(double value) const {
        std::string text = amount(value);
        text.erase(text.find_last_not_of('0') + 1);
        if (text.ends_with(separator_)) {
            text.erase(text.size() - separator_.size());
        }
        return text;
    }
    std::string write(ValueKind kind, double value) const {
        switch (kind) {
            case ValueKind::rate:
                return number(value) + " %";
            case ValueKind::count:
                return std::to_string(static_cast<int>(value));
            case ValueKind::whole:
                return pay::format_whole(value);
            case ValueKind::number:
                return number(value);
            default:
                return amount(value);
        }
    }

    const pay::SlipView& view_;
    std::string_view separator_;
    std::array<Slot, 128> slots_{};
    std::vector<Number> numbers_;
    Number scratch_;
    std::array<Number, pay::slip_field_count> fields_{};
};

class Writer {
  public:
    Writer(const pay::SlipView& view, std::string_view separator, const Catalogue& catalogue)
        : view_(view), catalogue_(catalogue), numbers_(view, separator) {}

    Explanation write(pay::SlipField field) {
        const pay::FieldExplanation& items = view_.field(field).explanation;
        Explanation words;
        words.field = field;
        words.name = std::string(field_name(field));
        words.kind = items.kind;
        words.terms.reserve(items.terms.size());
        shown_values_.clear();
        for (const pay::ExplanationTerm& term : items.terms) {
            words.terms.push_back({term_name(term),
                                   numbers_.text(term.kind, term.value, term.field),
                                   term.operation});
            shown_values_.push_back(numbers_.shown_value(term.kind, term.value, term.field));
        }
        const FormulaSigns signs = write_formula(words.terms, shown_values_, words.formula);
        words.sentence.reserve(640);
        for (const pay::ExplanationItem& item : items.items) {
            append_sentence(item, words.sentence);
        }
        return with_rounding_note(std::move(words), signs);
    }

  private:
    std::string_view item_name(std::string_view arabic) const {
        for (const ItemName& item : catalogue_.item_names) {
            if (item.arabic == arabic) {
                return item.shown;
            }
        }
        return arabic;
    }

    std::string_view field_name(pay::SlipField field) const {
        const std::string_view name = catalogue_.field_names[static_cast<std::size_t>(field)];
        return name.empty() ? pay::field_title(field) : name;
    }

    std::string term_name(const pay::ExplanationTerm& term) const {
        if (term.role == pay::TermRole::shown_before) {
            return std::string(catalogue_.shown_before_name);
        }
        const std::string_view pattern =
            term.role == pay::TermRole::kept_field
                ? catalogue_.kept_field_name
                : catalogue_.term_names[static_cast<std::size_t>(term.quantity)];
        std::string name;
        switch (term.quantity) {
            case pay::Quantity::field:
            case pay::Quantity::grid_amount: {
                const std::array<std::string_view, 1> field{field_name(term.field)};
                fill(name, pattern, field);
                return name;
            }
            case pay::Quantity::zone_rate: {
                std::string zone;
                append_quoted(view_.choices ? item_name(view_.choices->zone) : "", zone);
                const std::array<std::string_view, 1> typed{zone};
                fill(name, pattern, typed);
                return name;
            }
            default:
                return std::string(pattern);
        }
    }

    // Writes one argument into `text`, whose room is kept from sentence to sentence.
    void write_argument(const pay::MessageArgument& a, std::string& text) {
        text.clear();
        switch (a.kind) {
            case ValueKind::typed_text:
                // A typed text that is a list item reads as the item does in the language.
                append_quoted(item_name(a.text), text);
                return;
            case ValueKind::list_item:
                text = item_name(a.text);
                return;
            case ValueKind::field_name:
                text = field_name(a.field);
                return;
            case ValueKind::zone_items:
                for (const std::string_view item : pay::zone_items) {
                    text.append(text.empty() ? "" : catalogue_.list_separator)
                        .append(item_name(item));
                }
                return;
            default:
                text.append(lri).append(numbers_.text(a.kind, a.number, a.field)).append(pdi);
                return;
        }
    }

    void append_sentence(const pay::ExplanationItem& item, std::string& out) {
        std::array<std::string_view, most_arguments> views;
        const std::size_t count = std::min(item.arguments.size(), most_arguments);
        for (std::size_t i = 0; i < count; ++i) {
            write_argument(item.arguments[i], arguments_[i]);
            views[i] = arguments_[i];
        }
        fill(out, catalogue_.messages[static_cast<std::size_t>(item.key)],
             std::span(views.data(), count));
    }

    // A line that holds only before its numbers were rounded says so, with its sign.
    Explanation with_rounding_note(Explanation words, FormulaSigns signs) const {
        const bool equals = signs.about_equals;
        const bool not_more = signs.about_not_more;
        if (!equals && !not_more) {
            return words;
        }
        std::string text;
        const std::string first = isolated(equals ? about_equals_sign : about_not_more_sign);
        if (equals && not_more) {
            const std::string second = isolated(about_not_more_sign);
            const std::array<std::string_view, 3> arguments{words.sentence, first, second};
            fill(text, catalogue_.rounding_note_both, arguments);
        } else {
            const std::array<std::string_view, 2> arguments{words.sentence, first};
            fill(text, catalogue_.rounding_note, arguments);
        }
        words.sentence = std::move(text);
        return words;
    }

    const pay::SlipView& view_;
    const Catalogue& catalogue_;
    NumberTexts numbers_;
    std::array<std::string, most_arguments> arguments_;
    std::vector<std::optional<pay::Fraction>> shown_values_;
};

}  // namespace

std::vector<Explanation> explain_slip(const pay::SlipView& view, std::string_view separator,
                                      const Catalogue& catalogue) {
    Writer writer(view, separator, catalogue);
    std::vector<Explanation> all;
    all.reserve(pay::slip_field_count);
    for (const pay::SlipFieldInfo& info : pay::slip_fields) {
        all.push_back(writer.write(info.field));
    }
    return all;
}

Explanation explain_field(const pay::SlipView& view, pay::SlipField field,
                          std::string_view separator, const Catalogue& catalogue) {
    return Writer(view, separator, catalogue).write(field);
}

}  // namespace wording
