#include "language/language.h"

namespace language {

std::string_view language_code(Language language) {
    switch (language) {
        case Language::fr:
            return "fr";
        case Language::en:
            return "en";
        case Language::ar:
            break;
    }
    return "ar";
}

std::optional<Language> language_from_code(std::string_view code) {
    for (const Language each : all_languages) {
        if (language_code(each) == code) {
            return each;
        }
    }
    return std::nullopt;
}

}  // namespace language
