#pragma once

#include <QString>

namespace ui::pictures {

/// An amount in ASCII digits: whole amounts without decimals, others with two.
QString amount_text(double amount);

/// A rate in percent, e.g. "25%".
QString percent_text(double rate);

/// The masculine ordinal with the article, "الأول" to "العاشر", for 1 to 10.
QString ordinal_text(int position);

/// The first ordinal that `ordinal_text` does not know.
inline constexpr int ordinal_limit = 11;

}  // namespace ui::pictures
