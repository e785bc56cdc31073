#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pay {

/// The seven choices exactly as the window's lists hold them when OK is pressed.
struct PayInputs {
    std::string scale{};
    std::string rank{};
    std::string zone{};
    std::string special_charges{};
    std::string children{};
    std::string dependents{};
    std::string mutual_member{};

    friend bool operator==(const PayInputs&, const PayInputs&) = default;
};

/// One of the seven choices; also names the list a refusal puts the focus on.
enum class Choice { scale, rank, zone, special_charges, children, dependents, mutual_member };

inline constexpr std::array all_choices{
    Choice::scale,    Choice::rank,       Choice::zone,         Choice::special_charges,
    Choice::children, Choice::dependents, Choice::mutual_member};

/// The column name of a choice (`scale`, `special_charges`, ...).
std::string_view choice_name(Choice choice);

/// The text of a choice in `inputs`.
const std::string& choice_text(const PayInputs& inputs, Choice choice);
std::string& choice_text(PayInputs& inputs, Choice choice);

enum class Scale { scale_9, scale_10, scale_11, out_of_scale };

inline constexpr std::array all_scales{Scale::scale_9, Scale::scale_10, Scale::scale_11,
                                       Scale::out_of_scale};

inline constexpr std::string_view yes_text = "نعم";
inline constexpr std::string_view no_text = "لا";
inline constexpr std::string_view exceptional_rank = "الاستثنائية";

/// A yes-or-no choice (special charges, mutual membership): true for "نعم", false for "لا",
/// none for any other text, which the rules leave unwritten.
constexpr std::optional<bool> read_yes_no(std::string_view text) {
    if (text == yes_text) {
        return true;
    }
    if (text == no_text) {
        return false;
    }
    return std::nullopt;
}

/// The list items of each choice list, in list order.
inline constexpr std::array<std::string_view, 4> scale_items{
    "9 / الدرجة الثالثة", "10 / الدرجة الثانية", "11 / الدرجة الأولى",
    "خارج السلم / الدرجة الممتازة"};
inline constexpr std::array<std::string_view, 3> zone_items{"أ", "ب", "ج"};
inline constexpr std::array<std::string_view, 2> yes_no_items{yes_text, no_text};
inline constexpr std::array<std::string_view, 7> count_items{"0", "1", "2", "3", "4", "5", "6"};

/// The largest count of children or dependents the count lists offer and the rules know.
inline constexpr int max_count = 6;
static_assert(count_items.size() == max_count + 1, "the count lists run from 0 to max_count");

/// The exact text of a scale in the scale list.
std::string_view scale_text(Scale scale);

/// The scale whose text equals `text` exactly, or none.
std::optional<Scale> scale_from_text(std::string_view text);

/// The items of a scale's own rank list, in list order.
std::span<const std::string_view> rank_items(Scale scale);

/// Every combination of list items the window offers, in list order: each scale with each of its
/// ranks, then each zone, special-charges answer, children count, dependents count and mutual
/// answer (25,284 in all).
std::vector<PayInputs> every_list_combination();

/// The first choice whose text is empty, in the order scale, zone, special charges, children,
/// dependents, mutual membership, then rank (only when the scale text names a scale).
std::optional<Choice> validate_inputs(const PayInputs& inputs);

/// `validate_inputs` for a caller that has read the scale text already: `scale_named` says
/// whether it names a scale.
std::optional<Choice> first_missing(const PayInputs& inputs, bool scale_named);

}  // namespace pay
