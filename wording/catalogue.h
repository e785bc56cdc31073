#pragma once

#include <array>
#include <span>
#include <string_view>

#include "pay/explanation.h"
#include "pay/slip_fields.h"

namespace wording {

/// How a list item (a scale, a zone, yes or no) is named in a catalogue's language.
struct ItemName {
    std::string_view arabic;
    std::string_view shown;
};

/// Every text that words an explanation in one language: one complete sentence per message key,
/// with numbered placeholders (%1, %2, ...) for its arguments in the order pay/ gives them, and
/// one name per formula term. Another language is another catalogue.
struct Catalogue {
    std::array<std::string_view, pay::message_key_count> messages;
    /// The name of the number each quantity stands for; %1 is the field's name for a field and a
    /// grid amount, and the zone picked for a zone rate.
    std::array<std::string_view, pay::quantity_count> term_names;
    /// A field the last computation left unwritten, weighed as it showed before (%1, its name).
    std::string_view kept_field_name;
    /// The amount a field showed before the last computation.
    std::string_view shown_before_name;
    /// A sentence (%1) followed by why a line with the approximate sign %2 is approximate.
    std::string_view rounding_note;
    /// The same with the two approximate signs %2 and %3.
    std::string_view rounding_note_both;
    /// Between the items of a list named in a sentence.
    std::string_view list_separator;
    /// The fields' names where a sentence or a term names a field; an empty name is the field's
    /// Arabic title, so the Arabic catalogue leaves them all empty.
    std::array<std::string_view, pay::slip_field_count> field_names{};
    /// The list items' names where a sentence or a term names an item, or quotes a typed text
    /// that is one; an item not here is named as the Arabic list writes it, so the Arabic
    /// catalogue holds none.
    std::span<const ItemName> item_names{};
};

/// The Arabic catalogue, the program's own language.
const Catalogue& arabic_catalogue();

/// What every part of the program says when asked for a result before the first computation.
std::string_view nothing_computed_text();

}  // namespace wording
