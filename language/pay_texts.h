#pragma once

#include <QString>
#include <string>
#include <string_view>
#include <vector>

#include "language/catalogue.h"

namespace language {

/// The context of the texts of pay/, which stays plain C++ and so is out of lupdate's sight: its
/// captions, field titles and list items are looked up here by their Arabic titles.
inline constexpr const char* pay_context = "pay";

/// Every text of pay/ that a program shows, each once, as the catalogue keys it: the field
/// titles, the choice captions, the column headings and the list items that are words.
std::vector<std::string> pay_source_texts();

/// A text of pay/ as `catalogue` shows it: in Arabic exactly as written (tatweel and spaces
/// included), in any other language the entry of its title.
QString pay_text(const Catalogue& catalogue, std::string_view arabic);
std::string pay_text_utf8(const Catalogue& catalogue, std::string_view arabic);

}  // namespace language
