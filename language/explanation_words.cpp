#include "language/explanation_words.h"

#include <algorithm>
#include <deque>

#include "language/pay_texts.h"
#include "pay/pay_inputs.h"

namespace language {

namespace {

// A name that is only a placeholder ("%1") or nothing has no words to translate.
bool has_words(std::string_view text) {
    return !text.empty() && text != "%1";
}

// Visits every text of `words` that a catalogue translates, by reference so that a translation
// can take its place.
template <typename Catalogue, typename Visit>
void each_text(Catalogue& words, Visit visit) {
    for (auto& text : words.messages) {
        visit(text);
    }
    for (auto& text : words.term_names) {
        visit(text);
    }
    visit(words.kept_field_name);
    visit(words.shown_before_name);
    visit(words.rounding_note);
    visit(words.rounding_note_both);
    visit(words.list_separator);
}

// The looked-up texts and the catalogue that views them, kept together.
struct Translated {
    std::deque<std::string> texts;
    std::vector<wording::ItemName> items;
    wording::Catalogue words;
};

// The list items a sentence may name.
std::vector<std::string_view> named_items() {
    std::vector<std::string_view> items(pay::scale_items.begin(), pay::scale_items.end());
    items.insert(items.end(), pay::zone_items.begin(), pay::zone_items.end());
    items.insert(items.end(), pay::yes_no_items.begin(), pay::yes_no_items.end());
    items.push_back(pay::exceptional_rank);
    return items;
}

}  // namespace

ExplanationWords::ExplanationWords()
    : words_(std::shared_ptr<void>(), &wording::arabic_catalogue()) {}

ExplanationWords::ExplanationWords(const Catalogue& catalogue) : ExplanationWords() {
    if (catalogue.language() == Language::ar) {
        return;
    }
    auto translated = std::make_shared<Translated>();
    translated->words = wording::arabic_catalogue();
    each_text(translated->words, [&](std::string_view& text) {
        if (has_words(text)) {
            text = translated->texts.emplace_back(catalogue.utf8(explanation_context, text));
        }
    });
    for (const pay::SlipFieldInfo& info : pay::slip_fields) {
        translated->words.field_names[static_cast<std::size_t>(info.field)] =
            translated->texts.emplace_back(pay_text_utf8(catalogue, pay::field_title(info.field)));
    }
    for (const std::string_view item : named_items()) {
        translated->items.push_back(
            {.arabic = item,
             .shown = translated->texts.emplace_back(pay_text_utf8(catalogue, item))});
    }
    translated->words.item_names = translated->items;
    words_ = std::shared_ptr<const wording::Catalogue>(translated, &translated->words);
}

std::vector<std::string> explanation_source_texts() {
    std::vector<std::string> texts;
    each_text(wording::arabic_catalogue(), [&texts](std::string_view text) {
        if (has_words(text) && std::find(texts.begin(), texts.end(), text) == texts.end()) {
            texts.emplace_back(text);
        }
    });
    return texts;
}

}  // namespace language
