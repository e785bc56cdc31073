#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace language {

/// The languages the programs speak. Arabic is the language every text is written in, and the
/// one the programs speak unless told otherwise, whatever the system's locale.
enum class Language { ar, fr, en };

inline constexpr std::array all_languages{Language::ar, Language::fr, Language::en};

/// The code of a language, as --language takes it and the user's settings keep it.
std::string_view language_code(Language language);

/// The language of a code ("ar", "fr", "en"), or none.
std::optional<Language> language_from_code(std::string_view code);

/// Whether a language reads right to left.
constexpr bool is_right_to_left(Language language) {
    return language == Language::ar;
}

}  // namespace language
