#include "wording/catalogue.h"

namespace wording {
namespace {

using pay::MessageKey;
using pay::Quantity;

// Two sentences pick a word form by a count: "%4 أطفال" in the family allowance's (the plural
// that follows 3 to 10) and "%1 شهرا" in the monthly pay's (the form that follows 11 to 99); the
// rules bound the first count to 5 and the months to 24, and the forms are those of the counts
// of the built-in rules.
constexpr Catalogue arabic = [] {
    Catalogue c{};
    auto message = [&c](MessageKey key, std::string_view text) {
        c.messages[static_cast<std::size_t>(key)] = text;
    };
    auto term = [&c](Quantity key, std::string_view text) {
        c.term_names[static_cast<std::size_t>(key)] = text;
    };

    message(MessageKey::not_computed, "لم يُحسب أي مبلغ بعد: اختر الخيارات السبعة ثم اضغط «موافق».");
    message(MessageKey::kept_zone,
            "لم يكتب الحساب الأخير %1، فبقي على المبلغ المعروض قبله %2، لأن نص المنطقة %3 ليس من "
            "عناصر قائمة المناطق (%4).");
    message(MessageKey::kept_special_charges,
            "لم يكتب الحساب الأخير %1، فبقي على المبلغ المعروض قبله %2، لأن الجواب عن الأعباء "
            "الخاصة %3 ليس «%4» ولا «%5».");
    message(MessageKey::kept_children,
            "لم يكتب الحساب الأخير %1، فبقي على المبلغ المعروض قبله %2، لأن عدد الأطفال %3 خارج "
            "الأعداد من %4 إلى %5.");
    message(MessageKey::kept_mutual_member,
            "لم يكتب الحساب الأخير %1، فبقي على المبلغ المعروض قبله %2، لأن الجواب عن الانخراط في "
            "التعاضدية %3 ليس «%4» ولا «%5».");
    message(MessageKey::kept_scale,
            "لم يكتب الحساب الأخير %1، فبقي على المبلغ المعروض قبله %2، لأن نص السلم %3 ليس من "
            "عناصر قائمة السلالم، فليس له صف في شبكة الأجور.");
    message(MessageKey::kept_rank,
            "لم يكتب الحساب الأخير %1، فبقي على المبلغ المعروض قبله %2، لأن الرتبة %3 ليست من "
            "عناصر قائمة رتب السلم %4، فليس لها صف في شبكة الأجور.");
    message(MessageKey::grid_index_points, "%1 هي ما تعطيه شبكة الأجور لصف السلم %2 والرتبة %3.");
    message(MessageKey::grid_amount,
            "%1 مبلغ سنوي ثابت تعطيه شبكة الأجور لصف السلم %2 والرتبة %3.");
    message(MessageKey::grid_contribution,
            "الاشتراك في %1 مبلغ سنوي ثابت تعطيه شبكة الأجور لصف السلم %2 والرتبة %3.");
    message(MessageKey::annual_base_salary,
            "الراتب الأساسي السنوي هو النقطة الاستدلالية ناقص %1، مضروبا في %2 عن كل نقطة، ثم "
            "يضاف إليه %3 ثم %4.");
    message(MessageKey::residence_allowance,
            "التعويض عن الإقامة هو نسبة المنطقة %1، أي %2، من الراتب الأساسي السنوي.");
    message(MessageKey::special_charges_yes,
            "التعويض عن الأعباء الخاصة هو %1 من الراتب الأساسي السنوي، لأن الجواب عن الأعباء "
            "الخاصة «%2».");
    message(MessageKey::special_charges_no,
            "لا تعويض عن الأعباء الخاصة لأن الجواب عنها «%1»، فهو %2.");
    message(MessageKey::family_allowance,
            "التعويضات العائلية %1 في السنة عن كل طفل من الأطفال %2 الأوائل، ثم %3 عن كل طفل "
            "بعدهم إلى %4 أطفال؛ وعدد الأطفال هنا %5.");
    message(MessageKey::gross_total,
            "مجموع الراتب الأساسي والتعويضات هو الراتب الأساسي السنوي زائد كل التعويضات، ومنها "
            "التعويضات العائلية.");
    message(MessageKey::retirement,
            "التقاعد هو %1 من أساس الاقتطاع، وأساس الاقتطاع هو الراتب الأساسي السنوي زائد %2 منه "
            "وزائد التعويضات عن التدرج الإداري والأعباء والتأطير.");
    message(MessageKey::health_insurance,
            "التأمين الإجباري عن المرض هو %1 من أساس الاقتطاع على ألا يتجاوز %2؛ وأساس الاقتطاع "
            "هو الراتب الأساسي السنوي زائد %3 منه وزائد التعويضات عن التدرج الإداري والأعباء "
            "والتأطير.");
    message(MessageKey::health_insurance_ceiling,
            "التأمين الإجباري عن المرض هو %1 من أساس الاقتطاع على ألا يتجاوز %2، وقد بلغ هذا "
            "السقف هنا؛ وأساس الاقتطاع هو الراتب الأساسي السنوي زائد %3 منه وزائد التعويضات عن "
            "التدرج الإداري والأعباء والتأطير.");
    message(MessageKey::general_mutual_not_member,
            "لا اشتراك في القطاع بالتعاضدية العامة لغير المنخرط في التعاضدية، فهو %1.");
    message(MessageKey::general_mutual,
            "القطاع بالتعاضدية العامة هو %1 من الراتب الأساسي السنوي وحده للمنخرط في التعاضدية، "
            "على ألا يتجاوز %2.");
    message(MessageKey::general_mutual_ceiling,
            "القطاع بالتعاضدية العامة هو %1 من الراتب الأساسي السنوي وحده للمنخرط في التعاضدية، "
            "على ألا يتجاوز %2، وقد بلغ هذا السقف هنا.");
    message(MessageKey::mutual_fund_member,
            "الصندوق التعاضدي المستقل اشتراك سنوي ثابت قدره %1 للمنخرط في التعاضدية.");
    message(MessageKey::mutual_fund_not_member,
            "لا اشتراك في الصندوق التعاضدي المستقل لغير المنخرط في التعاضدية، فهو %1.");
    message(MessageKey::taxable_amount,
            "المبلغ الخاضع للضريبة هو مجموع الراتب الأساسي والتعويضات دون التعويضات العائلية، "
            "ناقص التقاعد والخصم المهني والتأمين الإجباري عن المرض واشتراكي التعاضدية؛ والخصم "
            "المهني %1 من ذلك المجموع على ألا يتجاوز %2.");
    message(MessageKey::taxable_amount_ceiling,
            "المبلغ الخاضع للضريبة هو مجموع الراتب الأساسي والتعويضات دون التعويضات العائلية، "
            "ناقص التقاعد والخصم المهني والتأمين الإجباري عن المرض واشتراكي التعاضدية؛ والخصم "
            "المهني %1 من ذلك المجموع على ألا يتجاوز %2، وقد بلغ هذا السقف هنا.");
    message(MessageKey::tax_rate_lowest_bracket,
            "النسبة المطبقة هي نسبة شريحة الضريبة التي يقع فيها المبلغ الخاضع للضريبة، وهو هنا "
            "لا يتجاوز %1، فالنسبة %2.");
    message(MessageKey::tax_rate_bracket,
            "النسبة المطبقة هي نسبة شريحة الضريبة التي يقع فيها المبلغ الخاضع للضريبة، وهو هنا "
            "أكثر من %1 وإلى حد %2، فالنسبة %3.");
    message(MessageKey::tax_rate_top_bracket,
            "النسبة المطبقة هي نسبة شريحة الضريبة التي يقع فيها المبلغ الخاضع للضريبة، وهو هنا "
            "أكثر من %1، فالنسبة %2.");
    message(MessageKey::family_exemption,
            "الإعفاء عن الأطفال والزوجة %1 عن كل شخص متكفل به، على ألا يتجاوز الضريبة الإجمالية "
            "قبل الإعفاء.");
    message(MessageKey::family_exemption_limited,
            "الإعفاء عن الأطفال والزوجة %1 عن كل شخص متكفل به، على ألا يتجاوز الضريبة الإجمالية "
            "قبل الإعفاء، وقد حُدّ بها هنا.");
    message(MessageKey::income_tax_lowest_bracket,
            "الضريبة العامة على الدخل هي الضريبة الإجمالية قبل الإعفاء، حسب شريحة المبلغ الخاضع "
            "للضريبة، ناقص الإعفاء عن الأطفال والزوجة؛ والمبلغ الخاضع هنا لا يتجاوز %1، فلا "
            "ضريبة عليه.");
    message(MessageKey::income_tax_bracket,
            "الضريبة العامة على الدخل هي الضريبة الإجمالية قبل الإعفاء، حسب شريحة المبلغ الخاضع "
            "للضريبة، ناقص الإعفاء عن الأطفال والزوجة؛ والمبلغ الخاضع هنا أكثر من %1 وإلى حد %2، "
            "وضريبة هذه الشريحة %3 زائد %4 مما فوق %5.");
    message(MessageKey::income_tax_top_bracket,
            "الضريبة العامة على الدخل هي الضريبة الإجمالية قبل الإعفاء، حسب شريحة المبلغ الخاضع "
            "للضريبة، ناقص الإعفاء عن الأطفال والزوجة؛ والمبلغ الخاضع هنا أكثر من %1، وضريبة هذه "
            "الشريحة %2 زائد %3 مما فوق %4.");
    message(MessageKey::total_deductions,
            "مجموع الاقتطاعات هو الضريبة العامة على الدخل زائد التقاعد والاشتراك في مؤسسة "
            "Orsanne والتأمين الإجباري عن المرض واشتراكي التعاضدية.");
    message(MessageKey::annual_pay,
            "الأجرة السنوية هي مجموع الراتب الأساسي والتعويضات ناقص مجموع الاقتطاعات.");
    message(MessageKey::monthly_pay,
            "الأجرة الشهرية هي مجموع الراتب الأساسي والتعويضات ناقص مجموع الاقتطاعات، مقسوما على "
            "%1 شهرا.");

    term(Quantity::field, "%1");
    term(Quantity::grid_amount, "%1 في شبكة الأجور");
    term(Quantity::uncounted_index_points, "النقط غير المحتسبة");
    term(Quantity::index_point_value, "قيمة النقطة في السنة");
    term(Quantity::first_fixed_amount, "المبلغ الأول المضاف");
    term(Quantity::second_fixed_amount, "المبلغ الثاني المضاف");
    term(Quantity::zone_rate, "نسبة المنطقة %1");
    term(Quantity::special_charges_rate, "نسبة التعويض عن الأعباء الخاصة");
    term(Quantity::no_special_charges, "لا تعويض عن الأعباء الخاصة");
    term(Quantity::children, "عدد الأطفال");
    term(Quantity::first_children, "عدد الأطفال الأوائل");
    term(Quantity::first_child_amount, "التعويض عن كل طفل من الأوائل");
    term(Quantity::further_child_amount, "التعويض عن كل طفل بعدهم");
    term(Quantity::first_children_allowance, "التعويض عن الأطفال الأوائل");
    term(Quantity::last_child_count, "");
    term(Quantity::base_salary_share, "حصة الراتب الأساسي المضافة");
    term(Quantity::contribution_base, "أساس الاقتطاع للتقاعد والتأمين عن المرض");
    term(Quantity::retirement_rate, "نسبة التقاعد");
    term(Quantity::health_insurance_rate, "نسبة التأمين الإجباري عن المرض");
    term(Quantity::health_insurance_ceiling, "سقف التأمين الإجباري عن المرض");
    term(Quantity::no_general_mutual, "غير منخرط في التعاضدية");
    term(Quantity::general_mutual_rate, "نسبة القطاع بالتعاضدية العامة");
    term(Quantity::general_mutual_ceiling, "سقف القطاع بالتعاضدية العامة");
    term(Quantity::no_mutual_fund, "غير منخرط في التعاضدية");
    term(Quantity::mutual_fund_amount, "الاشتراك الثابت للمنخرط");
    term(Quantity::gross_before_family, "المجموع دون التعويضات العائلية");
    term(Quantity::professional_deduction_rate, "نسبة الخصم المهني");
    term(Quantity::professional_deduction_ceiling, "سقف الخصم المهني");
    term(Quantity::professional_deduction, "الخصم المهني");
    term(Quantity::bracket_lower, "الحد الأدنى للشريحة");
    term(Quantity::bracket_upper, "الحد الأعلى للشريحة");
    term(Quantity::bracket_rate, "نسبة الشريحة");
    term(Quantity::bracket_base_amount, "المبلغ الثابت للشريحة");
    term(Quantity::gross_tax, "الضريبة الإجمالية قبل الإعفاء");
    term(Quantity::dependents, "عدد الأشخاص المتكفل بهم");
    term(Quantity::exemption_per_dependent, "الإعفاء عن كل شخص");
    term(Quantity::months, "عدد الأشهر");
    c.kept_field_name = "%1 (محفوظ من قبل)";
    c.shown_before_name = "المبلغ المعروض قبل الحساب الأخير";

    c.rounding_note =
        "%1 والسطر الذي فيه %2 تقريبي: أعداده مقرّبة إلى السنتيم، والحساب يجري على المبالغ قبل "
        "تقريبها.";
    c.rounding_note_both =
        "%1 والسطر الذي فيه %2 أو %3 تقريبي: أعداده مقرّبة إلى السنتيم، والحساب يجري على المبالغ "
        "قبل تقريبها.";
    c.list_separator = "، ";
    return c;
}();

constexpr bool every_message_worded() {
    for (const std::string_view text : arabic.messages) {
        if (text.empty()) {
            return false;
        }
    }
    return true;
}
static_assert(every_message_worded(), "a sentence for every message key");

}  // namespace

const Catalogue& arabic_catalogue() {
    return arabic;
}

std::string_view nothing_computed_text() {
    return arabic.messages[static_cast<std::size_t>(MessageKey::not_computed)];
}

}  // namespace wording
