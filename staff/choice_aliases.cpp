#include "staff/choice_aliases.h"

#include <algorithm>
#include <array>
#include <span>
#include <string_view>

#include "pay/choices.h"
#include "pay/count_text.h"
#include "pay/rules.h"
#include "staff/messages.h"
#include "staff/refusal_text.h"

namespace staff {
namespace {

struct Alias {
    std::string_view alias;
    std::size_t item;  // position in the item list
};

constexpr std::array<Alias, 4> scale_aliases{{{"9", 0}, {"10", 1}, {"11", 2}, {"out", 3}}};
constexpr std::array<Alias, 3> zone_aliases{{{"A", 0}, {"B", 1}, {"C", 2}}};
constexpr std::array<Alias, 2> yes_no_aliases{{{"yes", 0}, {"no", 1}}};
constexpr std::string_view exceptional_alias = "exceptional";

static_assert(scale_aliases.size() == pay::scale_items.size());
static_assert(zone_aliases.size() == pay::zone_items.size());
static_assert(yes_no_aliases.size() == pay::yes_no_items.size());

// "9, 10, 11 or out"
template <std::size_t N>
std::string alias_list(const std::array<Alias, N>& aliases) {
    std::string list;
    for (std::size_t i = 0; i < N; ++i) {
        list += i == 0 ? "" : (i + 1 == N ? " or " : ", ");
        list += aliases[i].alias;
    }
    return list;
}

// The position of `text` in `items`, or of the item its alias stands for.
template <std::size_t N>
std::optional<std::size_t> find_item(std::span<const std::string_view> items,
                                     const std::array<Alias, N>& aliases, std::string_view text) {
    if (const auto found = std::find(items.begin(), items.end(), text); found != items.end()) {
        return static_cast<std::size_t>(found - items.begin());
    }
    for (const Alias& a : aliases) {
        if (a.alias == text) {
            return a.item;
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> find_rank(pay::Scale scale, std::string_view text) {
    const std::span<const std::string_view> items = pay::rank_items(scale);
    if (text == exceptional_alias) {
        text = pay::exceptional_rank;
    }
    const auto found = std::find(items.begin(), items.end(), text);
    if (found == items.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - items.begin());
}

// "1-10 or exceptional": the numbered ranks of the scale, and the exceptional one when it has one.
std::string accepted_ranks(pay::Scale scale) {
    const std::span<const std::string_view> items = pay::rank_items(scale);
    const bool has_exceptional =
        std::find(items.begin(), items.end(), pay::exceptional_rank) != items.end();
    const std::size_t numbered = items.size() - (has_exceptional ? 1 : 0);
    std::string list = "1-" + std::to_string(numbered);
    if (has_exceptional) {
        list += " or ";
        list += exceptional_alias;
    }
    return list;
}

// One digit from 0 to 6: a one-byte ASCII digit, or one two-byte Arabic-Indic digit.
std::optional<std::size_t> find_count(std::string_view text) {
    const bool one_digit = text.size() == 1 || (text.size() == 2 && (text[0] & 0x80) != 0);
    if (!one_digit) {
        return std::nullopt;
    }
    if (const auto row = pay::read_count(text).count) {
        return static_cast<std::size_t>(*row);
    }
    return std::nullopt;
}

std::string not_accepted(pay::Choice choice, std::string_view value, std::string_view what,
                         std::string_view expected) {
    std::string text(pay::choice_name(choice));
    if (value.empty()) {
        text += " is empty";
    } else {
        text += " " + quoted_name(value) + " is not ";
        text += what;
    }
    text += "; expected ";
    text += expected;
    return text;
}

constexpr std::size_t count_choices = pay::count_items.size();

// "yes" stands first in the yes-or-no lists.
constexpr std::size_t yes_place = 0;
static_assert(pay::yes_no_items[yes_place] == pay::yes_text);

}  // namespace

pay::PayInputs ResolvedChoices::inputs() const {
    return {.scale = std::string(scale),
            .rank = std::string(rank),
            .zone = std::string(zone),
            .special_charges = std::string(special_charges),
            .children = std::string(children),
            .dependents = std::string(dependents),
            .mutual_member = std::string(mutual_member)};
}

std::string_view option_name(pay::Choice choice) {
    switch (choice) {
        case pay::Choice::special_charges:
            return "special-charges";
        case pay::Choice::mutual_member:
            return "mutual";
        default:
            return pay::choice_name(choice);
    }
}

std::size_t combination_count() {
    return pay::grid_size * pay::zone_items.size() * pay::yes_no_items.size() * count_choices *
           count_choices * pay::yes_no_items.size();
}

Resolution resolve_choices(const pay::PayInputs& typed) {
    using pay::Choice;
    std::string error;
    const auto fault = [&](std::string_view text) {
        error += error.empty() ? "" : " | ";
        error += text;
    };
    const auto scale = find_item(pay::scale_items, scale_aliases, typed.scale);
    if (!scale) {
        fault(not_accepted(Choice::scale, typed.scale, "a scale", alias_list(scale_aliases)));
    }
    // The ranks accepted depend on the scale: without one, the rank cannot be checked.
    std::optional<std::size_t> rank;
    if (scale) {
        rank = find_rank(pay::all_scales[*scale], typed.rank);
        if (!rank) {
            const std::string what = "a rank of scale " + std::string(scale_aliases[*scale].alias);
            fault(not_accepted(Choice::rank, typed.rank, what,
                               accepted_ranks(pay::all_scales[*scale])));
        }
    }
    const auto zone = find_item(pay::zone_items, zone_aliases, typed.zone);
    if (!zone) {
        fault(not_accepted(Choice::zone, typed.zone, "a zone", alias_list(zone_aliases)));
    }
    const auto special = find_item(pay::yes_no_items, yes_no_aliases, typed.special_charges);
    if (!special) {
        fault(not_accepted(Choice::special_charges, typed.special_charges, "an answer",
                           alias_list(yes_no_aliases)));
    }
    const std::string counts = "0-" + std::to_string(count_choices - 1);
    const auto children = find_count(typed.children);
    if (!children) {
        fault(not_accepted(Choice::children, typed.children, "a count", counts));
    }
    const auto dependents = find_count(typed.dependents);
    if (!dependents) {
        fault(not_accepted(Choice::dependents, typed.dependents, "a count", counts));
    }
    const auto mutual = find_item(pay::yes_no_items, yes_no_aliases, typed.mutual_member);
    if (!mutual) {
        fault(not_accepted(Choice::mutual_member, typed.mutual_member, "an answer",
                           alias_list(yes_no_aliases)));
    }
    if (!error.empty()) {
        return {.choices = std::nullopt, .error = std::move(error)};
    }
    const pay::Scale the_scale = pay::all_scales[*scale];

    const std::size_t grid_position = pay::first_grid_entry(the_scale) + *rank;
    std::size_t combination = grid_position;
    combination = combination * pay::zone_items.size() + *zone;
    combination = combination * pay::yes_no_items.size() + *special;
    combination = combination * count_choices + *children;
    combination = combination * count_choices + *dependents;
    combination = combination * pay::yes_no_items.size() + *mutual;

    const ResolvedChoices resolved{.scale = pay::scale_items[*scale],
                                   .rank = pay::rank_items(the_scale)[*rank],
                                   .zone = pay::zone_items[*zone],
                                   .special_charges = pay::yes_no_items[*special],
                                   .children = pay::count_items[*children],
                                   .dependents = pay::count_items[*dependents],
                                   .mutual_member = pay::yes_no_items[*mutual],
                                   .combination = combination,
                                   .typed = {.scale = the_scale,
                                             .grid_entry = grid_position,
                                             .zone = *zone,
                                             .special_charges = *special == yes_place,
                                             .children = static_cast<int>(*children),
                                             .dependents = static_cast<int>(*dependents),
                                             .mutual_member = *mutual == yes_place}};
    return {.choices = resolved, .error = {}};
}

std::optional<std::string> press_resolved(const ResolvedChoices& choices, pay::PaySession& window) {
    if (const auto refusal = window.press_ok(choices.inputs(), choices.typed)) {
        return describe(*refusal);
    }
    return std::nullopt;
}

}  // namespace staff
