#include "pay/slip_fields.h"

#include "pay/amount_format.h"
#include "pay/pay_slip.h"

#include <utility>

namespace pay {

const std::array<SlipFieldInfo, slip_field_count> slip_fields{{
    {SlipField::index_points, "index_points", "النقطة الاستدلالية", "Text1", ""},
    {SlipField::annual_base_salary, "annual_base_salary", "الراتب الأساسي السنوي", "Text2", "0"},
    {SlipField::residence_allowance, "residence_allowance", "التعويض عن الإقامــة", "Text3", "0"},
    {SlipField::special_charges_allowance, "special_charges_allowance", "التعويض عن الأعباء الخاصة",
     "Text4", "0"},
    {SlipField::hierarchy_allowance, "hierarchy_allowance", "التعويض عن التدرج الإداري", "Text5",
     "0"},
    {SlipField::charges_allowance, "charges_allowance", "التعويض عن الأعبــاء", "Text6", "0"},
    {SlipField::supervision_allowance, "supervision_allowance", "التعويض عن التأطيــر", "Text7",
     "0"},
    {SlipField::family_allowance, "family_allowance", "التعويضات العائليــة", "Text8", "0"},
    {SlipField::gross_total, "gross_total", "مجموع الراتب الأساسي والتعويضات ", "Text16", "0"},
    {SlipField::retirement, "retirement", "التقاعـــــد", "Text9", "0"},
    {SlipField::health_insurance, "health_insurance", "التأمين الإجباري عن المرض", "Text12", "0"},
    {SlipField::general_mutual, "general_mutual", "القطاع بالتعاضدية العامة", "Text13", "0"},
    {SlipField::mutual_fund, "mutual_fund", "الصندوق التعاضدي المستقل", "Text14", "0"},
    {SlipField::foundation_contribution, "foundation_contribution", "مؤسسة Orsanne", "Text11", "0"},
    {SlipField::taxable_amount, "taxable_amount", "المبلــغ الخاضع للضريبة", "Text18", "0"},
    {SlipField::tax_rate_label, "tax_rate_label", "النسبــة المطبقــة", "Text21", "0"},
    {SlipField::family_exemption, "family_exemption", "الإعفاءات عن الأطفال والزوجة", "Text19",
     "0"},
    {SlipField::income_tax, "income_tax", "الضريبة العامة على الدخل", "Text10", "0"},
    {SlipField::total_deductions, "total_deductions", "مجموع الاقتطاعات من الأجرة  ", "Text15",
     "0"},
    {SlipField::annual_pay, "annual_pay", "الأجرة السنوية", "Text25", ""},
    {SlipField::monthly_pay, "monthly_pay", "الأجرة الشهرية", "Text20", ""},
}};

namespace {

constexpr int shown_decimals = 2;

// The amount of a field shown with two decimals; the mutual fund and the rate label are not.
double* amount_of(PaySlip& slip, SlipField field) {
    switch (field) {
        case SlipField::index_points:
            return slip.index_points ? &*slip.index_points : nullptr;
        case SlipField::annual_base_salary:
            return &slip.annual_base_salary;
        case SlipField::residence_allowance:
            return &slip.residence_allowance;
        case SlipField::special_charges_allowance:
            return &slip.special_charges_allowance;
        case SlipField::hierarchy_allowance:
            return &slip.hierarchy_allowance;
        case SlipField::charges_allowance:
            return &slip.charges_allowance;
        case SlipField::supervision_allowance:
            return &slip.supervision_allowance;
        case SlipField::family_allowance:
            return &slip.family_allowance;
        case SlipField::gross_total:
            return &slip.gross_total;
        case SlipField::retirement:
            return &slip.retirement;
        case SlipField::health_insurance:
            return &slip.health_insurance;
        case SlipField::general_mutual:
            return &slip.general_mutual;
        case SlipField::foundation_contribution:
            return &slip.foundation_contribution;
        case SlipField::taxable_amount:
            return &slip.taxable_amount;
        case SlipField::family_exemption:
            return &slip.family_exemption;
        case SlipField::income_tax:
            return &slip.income_tax;
        case SlipField::total_deductions:
            return &slip.total_deductions;
        case SlipField::annual_pay:
            return slip.annual_pay ? &*slip.annual_pay : nullptr;
        case SlipField::monthly_pay:
            return slip.monthly_pay ? &*slip.monthly_pay : nullptr;
        case SlipField::mutual_fund:
        case SlipField::tax_rate_label:
            return nullptr;
    }
    return nullptr;
}

}  // namespace

const SlipFieldInfo& field_info(SlipField field) {
    return slip_fields[static_cast<std::size_t>(field)];
}

ShownTexts start_texts() {
    ShownTexts texts;
    for (const SlipFieldInfo& info : slip_fields) {
        texts[static_cast<std::size_t>(info.field)] = std::string(info.start_text);
    }
    return texts;
}

ShownTexts show_and_settle(PaySlip& slip, std::string_view separator) {
    ShownTexts texts;
    for (const SlipFieldInfo& info : slip_fields) {
        std::string& text = texts[static_cast<std::size_t>(info.field)];
        if (info.field == SlipField::mutual_fund) {
            ShownAmount shown = show_amount(slip.mutual_fund, 0, "");
            text = std::move(shown.text);
            slip.mutual_fund = shown.value;
        } else if (info.field == SlipField::tax_rate_label) {
            text = slip.tax_rate_label;
        } else if (double* amount = amount_of(slip, info.field)) {
            ShownAmount shown = show_amount(*amount, shown_decimals, separator);
            text = std::move(shown.text);
            *amount = shown.value;
        }
    }
    return texts;
}

ShownTexts shown_texts(const PaySlip& slip, std::string_view separator) {
    PaySlip shown = slip;
    return show_and_settle(shown, separator);
}

void settle_to_shown(PaySlip& slip) {
    show_and_settle(slip, ".");
}

}  // namespace pay
