#include "pay/paired_sessions.h"

#include <variant>

namespace pay {

PairedSessions::PairedSessions(std::string_view decimal_separator, const PayRules& in_effect,
                               const PayRules* previous)
    : in_effect_(decimal_separator, in_effect) {
    if (previous != nullptr) {
        previous_.emplace(decimal_separator, *previous);
    }
}

std::optional<PairRefusal> PairedSessions::press_ok(const PayInputs& texts,
                                                    const Choices& choices) {
    const std::optional<Refusal> refused = in_effect_.press_ok(texts, choices);
    const std::optional<Refusal> refused_before =
        previous_ ? previous_->press_ok(texts, choices) : std::nullopt;
    if (refused) {
        return PairRefusal{.refusal = *refused, .under_previous = false};
    }
    if (refused_before) {
        return PairRefusal{.refusal = *refused_before, .under_previous = true};
    }
    return std::nullopt;
}

std::optional<PairRefusal> PairedSessions::press_ok(const PayInputs& texts) {
    return press_ok(ListPress{.texts = texts, .scale = scale_from_text(texts.scale)});
}

std::optional<PairRefusal> PairedSessions::press_ok(const ListPress& press) {
    // Both sessions have computed alike, so the one in effect says whether a slip was before.
    auto read = read_choices(press.texts, press.scale, in_effect_.slip().index_points.has_value());
    if (const auto* refusal = std::get_if<Refusal>(&read)) {
        return PairRefusal{.refusal = *refusal, .under_previous = false};
    }
    return press_ok(press.texts, std::get<Choices>(read));
}

}  // namespace pay
