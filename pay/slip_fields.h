#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "pay/pay_slip.h"

namespace pay {

/// The shown fields of a slip, earnings column first, then deductions, tax and pay.
enum class SlipField {
    index_points,
    annual_base_salary,
    residence_allowance,
    special_charges_allowance,
    hierarchy_allowance,
    charges_allowance,
    supervision_allowance,
    family_allowance,
    gross_total,
    retirement,
    health_insurance,
    general_mutual,
    mutual_fund,
    foundation_contribution,
    taxable_amount,
    tax_rate_label,
    family_exemption,
    income_tax,
    total_deductions,
    annual_pay,
    monthly_pay,
};

/// How a result field shows its value.
enum class FieldDisplay {
    /// "#0.00", with the decimal separator of the user's settings.
    two_decimals,
    /// A plain whole number.
    whole_number,
    /// The text as it is.
    label,
};

/// The `PaySlip` member a field shows: an amount, an amount that may hold none, or a text.
using SlipMember =
    std::variant<double PaySlip::*, std::optional<double> PaySlip::*, std::string PaySlip::*>;

struct SlipFieldInfo {
    SlipField field;
    SlipMember member;
    FieldDisplay display;
    /// The field's name in the `PaySlip` and as a column of the batch calculator.
    std::string_view name;
    /// The caption of the label beside the field in the window.
    std::string_view label;
    /// The result field of the window.
    std::string_view control;
    /// What the window shows before the first computation.
    std::string_view start_text;
};

/// Every shown field, in the order of `SlipField`: adding an amount to the slip is adding its
/// `PaySlip` member, its `SlipField` and its row here.
inline constexpr std::array slip_fields = std::to_array<SlipFieldInfo>({
    {SlipField::index_points, &PaySlip::index_points, FieldDisplay::two_decimals, "index_points",
     "النقطة الاستدلالية", "Text1", ""},
    {SlipField::annual_base_salary, &PaySlip::annual_base_salary, FieldDisplay::two_decimals,
     "annual_base_salary", "الراتب الأساسي السنوي", "Text2", "0"},
    {SlipField::residence_allowance, &PaySlip::residence_allowance, FieldDisplay::two_decimals,
     "residence_allowance", "التعويض عن الإقامــة", "Text3", "0"},
    {SlipField::special_charges_allowance, &PaySlip::special_charges_allowance,
     FieldDisplay::two_decimals, "special_charges_allowance", "التعويض عن الأعباء الخاصة", "Text4",
     "0"},
    {SlipField::hierarchy_allowance, &PaySlip::hierarchy_allowance, FieldDisplay::two_decimals,
     "hierarchy_allowance", "التعويض عن التدرج الإداري", "Text5", "0"},
    {SlipField::charges_allowance, &PaySlip::charges_allowance, FieldDisplay::two_decimals,
     "charges_allowance", "التعويض عن الأعبــاء", "Text6", "0"},
    {SlipField::supervision_allowance, &PaySlip::supervision_allowance, FieldDisplay::two_decimals,
     "supervision_allowance", "التعويض عن التأطيــر", "Text7", "0"},
    {SlipField::family_allowance, &PaySlip::family_allowance, FieldDisplay::two_decimals,
     "family_allowance", "التعويضات العائليــة", "Text8", "0"},
    {SlipField::gross_total, &PaySlip::gross_total, FieldDisplay::two_decimals, "gross_total",
     "مجموع الراتب الأساسي والتعويضات ", "Text16", "0"},
    {SlipField::retirement, &PaySlip::retirement, FieldDisplay::two_decimals, "retirement",
     "التقاعـــــد", "Text9", "0"},
    {SlipField::health_insurance, &PaySlip::health_insurance, FieldDisplay::two_decimals,
     "health_insurance", "التأمين الإجباري عن المرض", "Text12", "0"},
    {SlipField::general_mutual, &PaySlip::general_mutual, FieldDisplay::two_decimals,
     "general_mutual", "القطاع بالتعاضدية العامة", "Text13", "0"},
    {SlipField::mutual_fund, &PaySlip::mutual_fund, FieldDisplay::whole_number, "mutual_fund",
     "الصندوق التعاضدي المستقل", "Text14", "0"},
    {SlipField::foundation_contribution, &PaySlip::foundation_contribution,
     FieldDisplay::two_decimals, "foundation_contribution", "مؤسسة Orsanne", "Text11", "0"},
    {SlipField::taxable_amount, &PaySlip::taxable_amount, FieldDisplay::two_decimals,
     "taxable_amount", "المبلــغ الخاضع للضريبة", "Text18", "0"},
    {SlipField::tax_rate_label, &PaySlip::tax_rate_label, FieldDisplay::label, "tax_rate_label",
     "النسبــة المطبقــة", "Text21", "0"},
    {SlipField::family_exemption, &PaySlip::family_exemption, FieldDisplay::two_decimals,
     "family_exemption", "الإعفاءات عن الأطفال والزوجة", "Text19", "0"},
    {SlipField::income_tax, &PaySlip::income_tax, FieldDisplay::two_decimals, "income_tax",
     "الضريبة العامة على الدخل", "Text10", "0"},
    {SlipField::total_deductions, &PaySlip::total_deductions, FieldDisplay::two_decimals,
     "total_deductions", "مجموع الاقتطاعات من الأجرة  ", "Text15", "0"},
    {SlipField::annual_pay, &PaySlip::annual_pay, FieldDisplay::two_decimals, "annual_pay",
     "الأجرة السنوية", "Text25", ""},
    {SlipField::monthly_pay, &PaySlip::monthly_pay, FieldDisplay::two_decimals, "monthly_pay",
     "الأجرة الشهرية", "Text20", ""},
});

inline constexpr std::size_t slip_field_count = slip_fields.size();

namespace slip_field_checks {
constexpr bool rows_in_field_order() {
    for (std::size_t i = 0; i < slip_fields.size(); ++i) {
        if (static_cast<std::size_t>(slip_fields[i].field) != i) {
            return false;
        }
    }
    return true;
}
constexpr bool labels_are_texts() {
    for (const SlipFieldInfo& info : slip_fields) {
        const bool text_member = std::holds_alternative<std::string PaySlip::*>(info.member);
        if (text_member != (info.display == FieldDisplay::label)) {
            return false;
        }
    }
    return true;
}
}  // namespace slip_field_checks
static_assert(slip_field_checks::rows_in_field_order(), "one row per SlipField, in its order");
static_assert(slip_field_count == static_cast<std::size_t>(SlipField::monthly_pay) + 1,
              "a row for every SlipField");
static_assert(slip_field_checks::labels_are_texts(), "a text member shows as a label, only");

constexpr const SlipFieldInfo& field_info(SlipField field) {
    return slip_fields[static_cast<std::size_t>(field)];
}

/// A field's name wherever it is written out (the printed slip, the screen readers, the tables):
/// its window caption without the tatweel (U+0640) that stretches the drawn words and without the
/// trailing spaces the window's layout needed.
std::string_view field_title(SlipField field);

/// Any caption of the window written out the same way: without the tatweel and without the
/// spaces around it.
std::string caption_title(std::string_view caption);

/// Whether a shown field is a yearly amount of money, paid a share of it each month: every amount
/// but the index points, the rate label and the monthly pay.
constexpr bool is_yearly_amount(SlipField field) {
    return field != SlipField::index_points && field != SlipField::tax_rate_label &&
           field != SlipField::monthly_pay;
}

/// The amount a field shows, or none for the rate label and for an amount that holds none yet.
std::optional<double> amount_of(const PaySlip& slip, SlipField field);

/// The texts of the result fields, indexed by `SlipField`.
using ShownTexts = std::array<std::string, slip_field_count>;

/// What the window shows before the first computation.
ShownTexts start_texts();

/// The texts a computed slip shows, each as its field's display says (the amounts and the rate
/// label with `separator`), and each shown amount of `slip` settled to the value its text shows, so
/// that a field the next computation leaves unwritten carries what the window showed.
ShownTexts show_and_settle(PaySlip& slip, std::string_view separator);

}  // namespace pay
