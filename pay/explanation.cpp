#include "pay/explanation.h"

#include <array>
#include <optional>
#include <string>
#include <utility>

#include "pay/amount_format.h"
#include "pay/ceiling.h"
#include "pay/count_text.h"
#include "pay/earnings.h"
#include "pay/grid.h"
#include "pay/income_tax.h"
#include "pay/pay_session.h"
#include "pay/percent.h"
#include "pay/social_deductions.h"

namespace pay {
namespace {

// Left-to-right isolates keep a number whole and in reading order inside an Arabic sentence;
// first-strong isolates keep a typed text, whatever its script, from reordering its neighbours.
constexpr std::string_view lri = "\u2066";
constexpr std::string_view fsi = "\u2068";
constexpr std::string_view pdi = "\u2069";
constexpr std::string_view tatweel = "\u0640";

constexpr int shown_decimals = 2;

std::string isolated(std::string_view number) {
    std::string text;
    text.reserve(number.size() + lri.size() + pdi.size());
    text += lri;
    text += number;
    text += pdi;
    return text;
}

// A text the user typed or picked, in guillemets.
std::string quoted(std::string_view text) {
    std::string quoted = "«";
    quoted += fsi;
    quoted += text;
    quoted += pdi;
    quoted += "»";
    return quoted;
}

// A field's caption without the stretching and the trailing spaces the window's layout needed.
std::string caption_name(std::string_view label) {
    std::string name;
    name.reserve(label.size());
    for (std::size_t i = 0; i < label.size();) {
        if (label.substr(i, tatweel.size()) == tatweel) {
            i += tatweel.size();
        } else {
            name += label[i++];
        }
    }
    name.erase(name.find_last_not_of(' ') + 1);
    return name;
}

const std::string& field_name(SlipField field) {
    static const std::array<std::string, slip_field_count> names = [] {
        std::array<std::string, slip_field_count> all;
        for (const SlipFieldInfo& info : slip_fields) {
            all[static_cast<std::size_t>(info.field)] = caption_name(info.label);
        }
        return all;
    }();
    return names[static_cast<std::size_t>(field)];
}

// Which fields a computation on `inputs` wrote, by the rules' own case tests: the grid lookup,
// the zone rates, the yes-or-no texts and the count tables.
using WrittenFields = std::array<bool, slip_field_count>;

WrittenFields written_fields(const PayInputs& inputs) {
    WrittenFields written{};
    written.fill(true);
    const auto set = [&](SlipField field, bool value) {
        written[static_cast<std::size_t>(field)] = value;
    };
    const bool grid_row = lookup_grid(inputs.scale, inputs.rank).has_value();
    for (const SlipField field :
         {SlipField::index_points, SlipField::hierarchy_allowance, SlipField::charges_allowance,
          SlipField::supervision_allowance, SlipField::foundation_contribution}) {
        set(field, grid_row);
    }
    set(SlipField::residence_allowance, residence_rate(inputs.zone).has_value());
    set(SlipField::special_charges_allowance, read_yes_no(inputs.special_charges).has_value());
    set(SlipField::family_allowance, read_count(inputs.children).table_row.has_value());
    set(SlipField::family_exemption, read_count(inputs.dependents).table_row.has_value());
    const bool mutual = read_yes_no(inputs.mutual_member).has_value();
    set(SlipField::general_mutual, mutual);
    set(SlipField::mutual_fund, mutual);
    return written;
}

std::string yes_or_no_words() {
    return " ليس «" + std::string(yes_text) + "» ولا «" + std::string(no_text) + "»";
}

// Why the last computation left a field unwritten.
std::string unwritten_reason(const PayInputs& inputs, SlipField field) {
    switch (field) {
        case SlipField::residence_allowance: {
            std::string items;
            for (const std::string_view item : zone_items) {
                items += items.empty() ? "" : "، ";
                items += item;
            }
            return "نص المنطقة " + quoted(inputs.zone) + " ليس من عناصر قائمة المناطق (" + items +
                   ")";
        }
        case SlipField::special_charges_allowance:
            return "الجواب عن الأعباء الخاصة " + quoted(inputs.special_charges) + yes_or_no_words();
        case SlipField::family_allowance:
            return "عدد الأطفال " + quoted(inputs.children) + " خارج الأعداد من " + isolated("0") +
                   " إلى " + isolated(std::to_string(earnings_rules::max_children));
        case SlipField::family_exemption:
            return "عدد الأشخاص المتكفل بهم " + quoted(inputs.dependents) + " خارج الأعداد من " +
                   isolated("0") + " إلى " + isolated(std::to_string(tax_rules::max_dependents));
        case SlipField::general_mutual:
        case SlipField::mutual_fund:
            return "الجواب عن الانخراط في التعاضدية " + quoted(inputs.mutual_member) +
                   yes_or_no_words();
        default:
            // The five grid fields.
            if (!scale_from_text(inputs.scale)) {
                return "نص السلم " + quoted(inputs.scale) +
                       " ليس من عناصر قائمة السلالم، فليس له صف في شبكة الأجور";
            }
            return "الرتبة " + quoted(inputs.rank) + " ليست من عناصر قائمة رتب السلم " +
                   quoted(inputs.scale) + "، فليس لها صف في شبكة الأجور";
    }
}

// Builds one explanation from the session's last computation.
class Builder {
  public:
    Builder(const PaySession& session, const WrittenFields& written, SlipField field)
        : session_(session),
          inputs_(*session.computed_inputs()),
          slip_(session.computed_slip()),
          written_(written),
          separator_(session.decimal_separator()),
          field_(field) {
        result_.field = field;
        result_.name = field_name(field);
        result_.kind = ExplanationKind::computed;
        result_.terms.reserve(16);
    }

    const PayInputs& inputs() const { return inputs_; }
    bool written(SlipField field) const { return written_[static_cast<std::size_t>(field)]; }
    const PaySlip& slip() const { return slip_; }

    // Numbers as the window writes them.
    std::string amount(double value) const {
        return show_amount(value, shown_decimals, separator_).text;
    }
    std::string number(double value) const {
        std::string text = amount(value);
        text.erase(text.find_last_not_of('0') + 1);
        if (text.ends_with(separator_)) {
            text.erase(text.size() - separator_.size());
        }
        return text;
    }
    std::string rate(double percent) const { return number(percent) + " %"; }

    void sentence(std::string text) { result_.sentence = std::move(text); }

    void term(std::string name, std::string value, TermOperation operation) {
        result_.terms.push_back({std::move(name), std::move(value), operation});
    }
    // A shown field as a term: its name, marked when the last computation kept it, and its text.
    void field(SlipField field, TermOperation operation) {
        std::string name = field_name(field);
        if (!written(field)) {
            name += " (محفوظ من قبل)";
        }
        term(std::move(name), session_.text(field), operation);
    }
    void gives_field() { field(field_, TermOperation::gives); }
    void gives(std::string name, std::string value) {
        term(std::move(name), std::move(value), TermOperation::gives);
    }

    FieldExplanation finish() {
        result_.formula = render_formula(result_.terms);
        return std::move(result_);
    }

  private:
    const PaySession& session_;
    const PayInputs& inputs_;
    const PaySlip& slip_;
    const WrittenFields& written_;
    std::string_view separator_;
    SlipField field_;
    FieldExplanation result_;
};

using Op = TermOperation;

const std::string contribution_base_name = "أساس الاقتطاع للتقاعد والتأمين عن المرض";
const std::string before_family_name = "المجموع دون التعويضات العائلية";
const std::string gross_tax_name = "الضريبة الإجمالية قبل الإعفاء";

std::string scale_and_rank(const PayInputs& inputs) {
    return "السلم " + quoted(inputs.scale) + " والرتبة " + quoted(inputs.rank);
}

void explain_grid_field(Builder& b, SlipField field, double value) {
    const std::string name = field_name(field);
    if (field == SlipField::index_points) {
        b.sentence(name + " هي ما تعطيه شبكة الأجور لصف " + scale_and_rank(b.inputs()) + ".");
    } else {
        const std::string what =
            field == SlipField::foundation_contribution ? "الاشتراك في " + name : name;
        b.sentence(what + " مبلغ سنوي ثابت تعطيه شبكة الأجور لصف " + scale_and_rank(b.inputs()) +
                   ".");
    }
    b.term(name + " في شبكة الأجور", b.amount(value), Op::first);
    b.gives_field();
}

void explain_base_salary(Builder& b) {
    using namespace earnings_rules;
    b.sentence("الراتب الأساسي السنوي هو النقطة الاستدلالية ناقص " +
               isolated(b.amount(base_index_floor)) + "، مضروبا في " +
               isolated(b.amount(value_of_index_point)) + " عن كل نقطة، ثم يضاف إليه " +
               isolated(b.amount(base_first_addend)) + " ثم " +
               isolated(b.amount(base_second_addend)) + ".");
    b.field(SlipField::index_points, Op::first);
    b.term("النقط غير المحتسبة", b.amount(base_index_floor), Op::minus);
    b.term("قيمة النقطة في السنة", b.amount(value_of_index_point), Op::times);
    b.term("المبلغ الأول المضاف", b.amount(base_first_addend), Op::plus);
    b.term("المبلغ الثاني المضاف", b.amount(base_second_addend), Op::plus);
    b.gives_field();
}

void explain_residence(Builder& b) {
    const double rate = *residence_rate(b.inputs().zone);
    const std::string zone = "نسبة المنطقة " + quoted(b.inputs().zone);
    b.sentence("التعويض عن الإقامة هو " + zone + "، أي " + isolated(b.rate(rate)) +
               "، من الراتب الأساسي السنوي.");
    b.field(SlipField::annual_base_salary, Op::first);
    b.term(zone, b.rate(rate), Op::percent_of);
    b.gives_field();
}

void explain_special_charges(Builder& b) {
    if (*read_yes_no(b.inputs().special_charges)) {
        const double rate = earnings_rules::special_charges_rate;
        b.sentence("التعويض عن الأعباء الخاصة هو " + isolated(b.rate(rate)) +
                   " من الراتب الأساسي السنوي، لأن الجواب عن الأعباء الخاصة «" +
                   std::string(yes_text) + "».");
        b.field(SlipField::annual_base_salary, Op::first);
        b.term("نسبة التعويض عن الأعباء الخاصة", b.rate(rate), Op::percent_of);
    } else {
        b.sentence("لا تعويض عن الأعباء الخاصة لأن الجواب عنها «" + std::string(no_text) +
                   "»، فهو " + isolated(b.amount(0)) + ".");
        b.term("لا تعويض عن الأعباء الخاصة", b.amount(0), Op::first);
    }
    b.gives_field();
}

void explain_family_allowance(Builder& b) {
    using namespace earnings_rules;
    const int children = *read_count(b.inputs().children).table_row;
    const ChildrenSplit split = split_children(children);
    b.sentence("التعويضات العائلية " + isolated(b.amount(allowance_first_children)) +
               " في السنة عن كل طفل من الأطفال " + isolated(std::to_string(first_children)) +
               " الأوائل، ثم " + isolated(b.amount(allowance_further_children)) +
               " عن كل طفل بعدهم إلى " + isolated(std::to_string(max_children)) +
               " أطفال؛ وعدد الأطفال هنا " + isolated(std::to_string(children)) + ".");
    b.term("عدد الأطفال", std::to_string(children), Op::first);
    if (split.further == 0) {
        b.term("التعويض عن كل طفل من الأوائل", b.amount(allowance_first_children), Op::times);
    } else {
        b.term("عدد الأطفال الأوائل", std::to_string(split.first), Op::minus);
        b.term("التعويض عن كل طفل بعدهم", b.amount(allowance_further_children), Op::times);
        b.term("التعويض عن الأطفال الأوائل", b.amount(family_allowance_for(split.first)), Op::plus);
    }
    b.gives_field();
}

void add_earnings_before_family(Builder& b) {
    b.field(SlipField::annual_base_salary, Op::first);
    b.field(SlipField::residence_allowance, Op::plus);
    b.field(SlipField::special_charges_allowance, Op::plus);
    b.field(SlipField::hierarchy_allowance, Op::plus);
    b.field(SlipField::charges_allowance, Op::plus);
    b.field(SlipField::supervision_allowance, Op::plus);
}

void explain_gross_total(Builder& b) {
    b.sentence(
        "مجموع الراتب الأساسي والتعويضات هو الراتب الأساسي السنوي زائد كل التعويضات، ومنها "
        "التعويضات العائلية.");
    add_earnings_before_family(b);
    b.field(SlipField::family_allowance, Op::plus);
    b.gives_field();
}

// The line that gives the common base of retirement and health insurance.
void add_contribution_base(Builder& b, const std::string& base) {
    b.field(SlipField::annual_base_salary, Op::first);
    b.term("حصة الراتب الأساسي المضافة", b.rate(deduction_rules::base_salary_share),
           Op::percent_of);
    b.field(SlipField::annual_base_salary, Op::plus);
    b.field(SlipField::hierarchy_allowance, Op::plus);
    b.field(SlipField::charges_allowance, Op::plus);
    b.field(SlipField::supervision_allowance, Op::plus);
    b.gives(contribution_base_name, base);
}

std::string contribution_base_rule(const Builder& b) {
    return "وأساس الاقتطاع هو الراتب الأساسي السنوي زائد " +
           isolated(b.rate(deduction_rules::base_salary_share)) +
           " منه وزائد التعويضات عن التدرج الإداري والأعباء والتأطير.";
}

void explain_retirement(Builder& b) {
    using namespace deduction_rules;
    const std::string base = b.amount(contribution_base(b.slip()));
    b.sentence("التقاعد هو " + isolated(b.rate(retirement_rate)) + " من أساس الاقتطاع، " +
               contribution_base_rule(b));
    add_contribution_base(b, base);
    b.term(contribution_base_name, base, Op::first);
    b.term("نسبة التقاعد", b.rate(retirement_rate), Op::percent_of);
    b.gives_field();
}

void explain_health_insurance(Builder& b) {
    using namespace deduction_rules;
    const double base_value = contribution_base(b.slip());
    const std::string base = b.amount(base_value);
    const bool ceiling = reaches_ceiling(stored(percent(base_value, health_insurance_rate)),
                                         health_insurance_ceiling);
    b.sentence("التأمين الإجباري عن المرض هو " + isolated(b.rate(health_insurance_rate)) +
               " من أساس الاقتطاع على ألا يتجاوز " + isolated(b.amount(health_insurance_ceiling)) +
               (ceiling ? "، وقد بلغ هذا السقف هنا؛ " : "؛ ") + contribution_base_rule(b));
    add_contribution_base(b, base);
    b.term(contribution_base_name, base, Op::first);
    b.term("نسبة التأمين الإجباري عن المرض", b.rate(health_insurance_rate), Op::percent_of);
    if (ceiling) {
        b.term("سقف التأمين الإجباري عن المرض", b.amount(health_insurance_ceiling), Op::at_most);
    }
    b.gives_field();
}

void explain_general_mutual(Builder& b) {
    using namespace deduction_rules;
    if (!*read_yes_no(b.inputs().mutual_member)) {
        b.sentence("لا اشتراك في القطاع بالتعاضدية العامة لغير المنخرط في التعاضدية، فهو " +
                   isolated(b.amount(0)) + ".");
        b.term("غير منخرط في التعاضدية", b.amount(0), Op::first);
        b.gives_field();
        return;
    }
    const bool ceiling = reaches_ceiling(
        stored(percent(b.slip().annual_base_salary, general_mutual_rate)), general_mutual_ceiling);
    b.sentence("القطاع بالتعاضدية العامة هو " + isolated(b.rate(general_mutual_rate)) +
               " من الراتب الأساسي السنوي وحده للمنخرط في التعاضدية، على ألا يتجاوز " +
               isolated(b.amount(general_mutual_ceiling)) +
               (ceiling ? "، وقد بلغ هذا السقف هنا." : "."));
    b.field(SlipField::annual_base_salary, Op::first);
    b.term("نسبة القطاع بالتعاضدية العامة", b.rate(general_mutual_rate), Op::percent_of);
    if (ceiling) {
        b.term("سقف القطاع بالتعاضدية العامة", b.amount(general_mutual_ceiling), Op::at_most);
    }
    b.gives_field();
}

void explain_mutual_fund(Builder& b) {
    if (*read_yes_no(b.inputs().mutual_member)) {
        const std::string amount = format_whole(deduction_rules::mutual_fund_amount);
        b.sentence("الصندوق التعاضدي المستقل اشتراك سنوي ثابت قدره " + isolated(amount) +
                   " للمنخرط في التعاضدية.");
        b.term("الاشتراك الثابت للمنخرط", amount, Op::first);
    } else {
        b.sentence("لا اشتراك في الصندوق التعاضدي المستقل لغير المنخرط في التعاضدية، فهو " +
                   isolated(format_whole(0)) + ".");
        b.term("غير منخرط في التعاضدية", format_whole(0), Op::first);
    }
    b.gives_field();
}

void explain_taxable_amount(Builder& b) {
    using namespace tax_rules;
    const double before_family = b.slip().gross_before_family.value_or(0);
    const bool ceiling =
        reaches_ceiling(professional_share(before_family), professional_deduction_ceiling);
    b.sentence(
        "المبلغ الخاضع للضريبة هو مجموع الراتب الأساسي والتعويضات دون التعويضات العائلية، ناقص "
        "التقاعد والخصم المهني والتأمين الإجباري عن المرض واشتراكي التعاضدية؛ والخصم المهني " +
        isolated(b.rate(professional_deduction_rate)) + " من ذلك المجموع على ألا يتجاوز " +
        isolated(b.amount(professional_deduction_ceiling)) +
        (ceiling ? "، وقد بلغ هذا السقف هنا." : "."));
    add_earnings_before_family(b);
    b.gives(before_family_name, b.amount(before_family));

    const std::string deduction = b.amount(professional_deduction(before_family));
    b.term(before_family_name, b.amount(before_family), Op::first);
    b.term("نسبة الخصم المهني", b.rate(professional_deduction_rate), Op::percent_of);
    if (ceiling) {
        b.term("سقف الخصم المهني", b.amount(professional_deduction_ceiling), Op::at_most);
    }
    b.gives("الخصم المهني", deduction);

    b.term(before_family_name, b.amount(before_family), Op::first);
    b.field(SlipField::retirement, Op::minus);
    b.term("الخصم المهني", deduction, Op::minus);
    b.field(SlipField::health_insurance, Op::minus);
    b.field(SlipField::general_mutual, Op::minus);
    b.field(SlipField::mutual_fund, Op::minus);
    b.gives_field();
}

bool lowest(const TaxBracket& bracket) {
    return &bracket == &tax_rules::brackets.front();
}

// The words that place the taxable amount in its bracket.
std::string bracket_words(const Builder& b, const TaxBracket& bracket) {
    const std::optional<double> upper = upper_bound_of(bracket);
    if (lowest(bracket)) {
        return "لا يتجاوز " + isolated(b.amount(*upper));
    }
    std::string words = "أكثر من " + isolated(b.amount(bracket.lower));
    if (upper) {
        words += " وإلى حد " + isolated(b.amount(*upper));
    }
    return words;
}

// The terms that place the taxable amount in its bracket; the caller adds the line's result.
void add_bracket_test(Builder& b, const TaxBracket& bracket) {
    b.field(SlipField::taxable_amount, Op::first);
    if (!lowest(bracket)) {
        b.term("الحد الأدنى للشريحة", b.amount(bracket.lower), Op::above);
    }
    if (const std::optional<double> upper = upper_bound_of(bracket)) {
        b.term("الحد الأعلى للشريحة", b.amount(*upper), Op::not_above);
    }
}

void explain_tax_rate(Builder& b) {
    const TaxBracket& bracket = bracket_for(b.slip().taxable_amount);
    b.sentence(
        "النسبة المطبقة هي نسبة شريحة الضريبة التي يقع فيها المبلغ الخاضع للضريبة، وهو هنا " +
        bracket_words(b, bracket) + "، فالنسبة " + isolated(b.rate(bracket.rate)) + ".");
    add_bracket_test(b, bracket);
    b.gives_field();
}

// The gross tax as the computation had it, from the taxable amount before the window rounded it.
double gross_tax_of(const PaySlip& slip) {
    return gross_tax_for(slip.taxable_amount, bracket_for(slip.taxable_amount));
}

void explain_family_exemption(Builder& b) {
    using namespace tax_rules;
    const int dependents = *read_count(b.inputs().dependents).table_row;
    const double gross_tax = gross_tax_of(b.slip());
    const bool limited = reaches_ceiling(stored(dependents * exemption_per_dependent), gross_tax);
    b.sentence("الإعفاء عن الأطفال والزوجة " + isolated(b.amount(exemption_per_dependent)) +
               " عن كل شخص متكفل به، على ألا يتجاوز " + gross_tax_name +
               (limited ? "، وقد حُدّ بها هنا." : "."));
    b.term("عدد الأشخاص المتكفل بهم", std::to_string(dependents), Op::first);
    b.term("الإعفاء عن كل شخص", b.amount(exemption_per_dependent), Op::times);
    if (limited) {
        b.term(gross_tax_name, b.amount(gross_tax), Op::at_most);
    }
    b.gives_field();
}

void explain_income_tax(Builder& b) {
    const TaxBracket& bracket = bracket_for(b.slip().taxable_amount);
    const std::string gross_tax = b.amount(gross_tax_of(b.slip()));
    std::string rule =
        "الضريبة العامة على الدخل هي " + gross_tax_name +
        "، حسب شريحة المبلغ الخاضع للضريبة، ناقص الإعفاء عن الأطفال والزوجة؛ والمبلغ الخاضع "
        "هنا " +
        bracket_words(b, bracket);
    if (lowest(bracket)) {
        rule += "، فلا ضريبة عليه.";
    } else {
        rule += "، وضريبة هذه الشريحة " + isolated(b.amount(bracket.base_amount)) + " زائد " +
                isolated(b.rate(bracket.rate)) + " مما فوق " + isolated(b.amount(bracket.lower)) +
                ".";
    }
    b.sentence(std::move(rule));

    add_bracket_test(b, bracket);
    b.gives("نسبة الشريحة", b.rate(bracket.rate));
    if (!lowest(bracket)) {
        b.field(SlipField::taxable_amount, Op::first);
        b.term("الحد الأدنى للشريحة", b.amount(bracket.lower), Op::minus);
        b.term("نسبة الشريحة", b.rate(bracket.rate), Op::percent_of);
        b.term("المبلغ الثابت للشريحة", b.amount(bracket.base_amount), Op::plus);
        b.gives(gross_tax_name, gross_tax);
    }
    b.term(gross_tax_name, gross_tax, Op::first);
    b.field(SlipField::family_exemption, Op::minus);
    b.gives_field();
}

void explain_total_deductions(Builder& b) {
    b.sentence(
        "مجموع الاقتطاعات هو الضريبة العامة على الدخل زائد التقاعد والاشتراك في مؤسسة Orsanne "
        "والتأمين الإجباري عن المرض واشتراكي التعاضدية.");
    b.field(SlipField::income_tax, Op::first);
    b.field(SlipField::retirement, Op::plus);
    b.field(SlipField::foundation_contribution, Op::plus);
    b.field(SlipField::health_insurance, Op::plus);
    b.field(SlipField::general_mutual, Op::plus);
    b.field(SlipField::mutual_fund, Op::plus);
    b.gives_field();
}

void explain_annual_pay(Builder& b) {
    b.sentence("الأجرة السنوية هي مجموع الراتب الأساسي والتعويضات ناقص مجموع الاقتطاعات.");
    b.field(SlipField::gross_total, Op::first);
    b.field(SlipField::total_deductions, Op::minus);
    b.gives_field();
}

void explain_monthly_pay(Builder& b) {
    const std::string months = b.number(tax_rules::months_per_year);
    b.sentence(
        "الأجرة الشهرية هي مجموع الراتب الأساسي والتعويضات ناقص مجموع الاقتطاعات، مقسوما على " +
        isolated(months) + " شهرا.");
    b.field(SlipField::gross_total, Op::first);
    b.field(SlipField::total_deductions, Op::minus);
    b.term("عدد الأشهر", months, Op::divided_by);
    b.gives_field();
}

void explain_computed(Builder& b, SlipField field) {
    const PaySlip& slip = b.slip();
    switch (field) {
        case SlipField::index_points:
            explain_grid_field(b, field, slip.index_points.value_or(0));
            return;
        case SlipField::hierarchy_allowance:
            explain_grid_field(b, field, slip.hierarchy_allowance);
            return;
        case SlipField::charges_allowance:
            explain_grid_field(b, field, slip.charges_allowance);
            return;
        case SlipField::supervision_allowance:
            explain_grid_field(b, field, slip.supervision_allowance);
            return;
        case SlipField::foundation_contribution:
            explain_grid_field(b, field, slip.foundation_contribution);
            return;
        case SlipField::annual_base_salary:
            explain_base_salary(b);
            return;
        case SlipField::residence_allowance:
            explain_residence(b);
            return;
        case SlipField::special_charges_allowance:
            explain_special_charges(b);
            return;
        case SlipField::family_allowance:
            explain_family_allowance(b);
            return;
        case SlipField::gross_total:
            explain_gross_total(b);
            return;
        case SlipField::retirement:
            explain_retirement(b);
            return;
        case SlipField::health_insurance:
            explain_health_insurance(b);
            return;
        case SlipField::general_mutual:
            explain_general_mutual(b);
            return;
        case SlipField::mutual_fund:
            explain_mutual_fund(b);
            return;
        case SlipField::taxable_amount:
            explain_taxable_amount(b);
            return;
        case SlipField::tax_rate_label:
            explain_tax_rate(b);
            return;
        case SlipField::family_exemption:
            explain_family_exemption(b);
            return;
        case SlipField::income_tax:
            explain_income_tax(b);
            return;
        case SlipField::total_deductions:
            explain_total_deductions(b);
            return;
        case SlipField::annual_pay:
            explain_annual_pay(b);
            return;
        case SlipField::monthly_pay:
            explain_monthly_pay(b);
            return;
    }
}

FieldExplanation not_computed(SlipField field) {
    FieldExplanation explanation;
    explanation.field = field;
    explanation.name = field_name(field);
    explanation.kind = ExplanationKind::not_computed;
    explanation.sentence = "لم يُحسب أي مبلغ بعد: اختر الخيارات السبعة ثم اضغط «موافق».";
    return explanation;
}

FieldExplanation explain(const PaySession& session, const WrittenFields& written, SlipField field) {
    Builder b(session, written, field);
    if (!b.written(field)) {
        const std::string& name = field_name(field);
        const std::string& shown = session.text(field);
        b.sentence("لم يكتب الحساب الأخير " + name + "، فبقي على المبلغ المعروض قبله " +
                   isolated(shown) + "، لأن " + unwritten_reason(b.inputs(), field) + ".");
        b.term("المبلغ المعروض قبل الحساب الأخير", shown, Op::first);
        b.gives(name, shown);
        FieldExplanation kept = b.finish();
        kept.kind = ExplanationKind::kept;
        return kept;
    }
    explain_computed(b, field);
    return b.finish();
}

}  // namespace

std::string_view operation_name(TermOperation operation) {
    switch (operation) {
        case TermOperation::first:
            return "first";
        case TermOperation::plus:
            return "plus";
        case TermOperation::minus:
            return "minus";
        case TermOperation::times:
            return "times";
        case TermOperation::divided_by:
            return "divided_by";
        case TermOperation::percent_of:
            return "percent_of";
        case TermOperation::at_most:
            return "at_most";
        case TermOperation::above:
            return "above";
        case TermOperation::not_above:
            return "not_above";
        case TermOperation::gives:
            return "gives";
    }
    return {};
}

std::string render_formula(const std::vector<ExplanationTerm>& terms) {
    std::string formula;
    std::string line;
    std::string lower;
    std::string upper;
    bool additive = false;  // the line so far ends in a sum, to be bracketed before a product
    std::size_t operations = 0;
    for (const ExplanationTerm& term : terms) {
        const std::string& value = term.value;
        switch (term.operation) {
            case TermOperation::first:
                line = value;
                lower.clear();
                upper.clear();
                additive = false;
                operations = 0;
                continue;
            case TermOperation::plus:
            case TermOperation::minus:
                line += term.operation == TermOperation::plus ? " + " : " − ";
                line += value;
                additive = true;
                break;
            case TermOperation::times:
            case TermOperation::percent_of:
            case TermOperation::divided_by:
                if (additive) {
                    line.insert(0, "(");
                    line += ')';
                    additive = false;
                }
                line += term.operation == TermOperation::divided_by ? " ÷ " : " × ";
                line += value;
                break;
            case TermOperation::at_most:
                line.insert(0, "min(");
                line.append(" ; ").append(value).append(")");
                additive = false;
                break;
            case TermOperation::above:
                lower = value;
                break;
            case TermOperation::not_above:
                upper = value;
                break;
            case TermOperation::gives: {
                std::string done;
                if (!lower.empty() || !upper.empty()) {
                    if (!lower.empty()) {
                        done.append(lower).append(" < ");
                    }
                    done += line;
                    if (!upper.empty()) {
                        done.append(" ≤ ").append(upper);
                    }
                    done.append(" → ").append(value);
                } else if (operations == 0 && line == value) {
                    done = value;  // a value taken as it is: a grid amount, a kept amount
                } else {
                    done.append(line).append(" = ").append(value);
                }
                formula += formula.empty() ? "" : "\n";
                formula += done;
                continue;
            }
        }
        ++operations;
    }
    return formula;
}

FieldExplanation explain_field(const PaySession& session, SlipField field) {
    if (!session.computed_inputs()) {
        return not_computed(field);
    }
    return explain(session, written_fields(*session.computed_inputs()), field);
}

std::vector<FieldExplanation> explain_slip(const PaySession& session) {
    std::vector<FieldExplanation> all;
    all.reserve(slip_field_count);
    if (!session.computed_inputs()) {
        for (const SlipFieldInfo& info : slip_fields) {
            all.push_back(not_computed(info.field));
        }
        return all;
    }
    const WrittenFields written = written_fields(*session.computed_inputs());
    for (const SlipFieldInfo& info : slip_fields) {
        all.push_back(explain(session, written, info.field));
    }
    return all;
}

}  // namespace pay
