#include "language/pay_texts.h"

#include <algorithm>

#include "pay/captions.h"
#include "pay/pay_inputs.h"
#include "pay/slip_fields.h"

namespace language {

std::vector<std::string> pay_source_texts() {
    std::vector<std::string> texts;
    const auto add = [&texts](std::string_view arabic) {
        std::string title = pay::caption_title(arabic);
        if (std::find(texts.begin(), texts.end(), title) == texts.end()) {
            texts.push_back(std::move(title));
        }
    };
    for (const pay::SlipFieldInfo& info : pay::slip_fields) {
        add(info.label);
    }
    for (const std::string_view caption : pay::choice_captions) {
        add(caption);
    }
    add(pay::earnings_heading);
    add(pay::deductions_heading);
    for (const std::string_view item : pay::scale_items) {
        add(item);
    }
    for (const std::string_view item : pay::zone_items) {
        add(item);
    }
    for (const std::string_view item : pay::yes_no_items) {
        add(item);
    }
    add(pay::exceptional_rank);
    return texts;
}

QString pay_text(const Catalogue& catalogue, std::string_view arabic) {
    if (catalogue.language() == Language::ar) {
        return QString::fromUtf8(arabic.data(), static_cast<qsizetype>(arabic.size()));
    }
    return catalogue.text(pay_context, pay::caption_title(arabic));
}

std::string pay_text_utf8(const Catalogue& catalogue, std::string_view arabic) {
    if (catalogue.language() == Language::ar) {
        return std::string(arabic);
    }
    return pay_text(catalogue, arabic).toStdString();
}

}  // namespace language
