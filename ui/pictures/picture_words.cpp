#include "ui/pictures/picture_words.h"

#include <array>
#include <cmath>

#include "pay/amount_format.h"

namespace ui::pictures {

QString amount_text(double amount) {
    const bool whole = std::trunc(amount) == amount;
    return QString::fromStdString(whole ? pay::format_whole(amount) : pay::format_amount(amount));
}

QString percent_text(double rate) {
    return amount_text(rate) + QLatin1Char('%');
}

QString ordinal_text(int position) {
    static constexpr std::array<const char*, ordinal_limit - 1> ordinals{
        "الأول",  "الثاني", "الثالث", "الرابع", "الخامس",
        "السادس", "السابع", "الثامن", "التاسع", "العاشر"};
    Q_ASSERT(position >= 1 && position < ordinal_limit);
    return QString::fromUtf8(ordinals.at(static_cast<std::size_t>(position - 1)));
}

}  // namespace ui::pictures
