#include "pay/explanation.h"

#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <string>
#include <utility>

#include "pay/amount_format.h"
#include "pay/choices.h"
#include "pay/pay_session.h"
#include "pay/shown_arithmetic.h"
#include "pay/trace.h"

namespace pay {
namespace {

// Left-to-right isolates keep a number whole and in reading order inside an Arabic sentence;
// first-strong isolates keep a typed text, whatever its script, from reordering its neighbours.
constexpr std::string_view lri = "\u2066";
constexpr std::string_view fsi = "\u2068";
constexpr std::string_view pdi = "\u2069";

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

// The field's title, kept as a string to start the names and sentences built on it.
const std::string& field_name(SlipField field) {
    static const std::array<std::string, slip_field_count> names = [] {
        std::array<std::string, slip_field_count> all;
        for (const SlipFieldInfo& info : slip_fields) {
            all[static_cast<std::size_t>(info.field)] = std::string(field_title(info.field));
        }
        return all;
    }();
    return names[static_cast<std::size_t>(field)];
}

// An empty sentence with room for the longest, so that building one allocates once.
std::string opening() {
    std::string text;
    text.reserve(640);
    return text;
}

// The rate of the zone the user picked, named by its text.
std::string zone_rate_name(const PayInputs& inputs) {
    return "نسبة المنطقة " + quoted(inputs.zone);
}

std::string yes_or_no_words() {
    return " ليس «" + std::string(yes_text) + "» ولا «" + std::string(no_text) + "»";
}

// Why the last computation left a field unwritten. The dependents are refused outside their
// list, so the family exemption is always written.
std::string unwritten_reason(const PayInputs& inputs, const Choices& choices, SlipField field) {
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
                   " إلى " + isolated(std::to_string(max_count));
        case SlipField::general_mutual:
        case SlipField::mutual_fund:
            return "الجواب عن الانخراط في التعاضدية " + quoted(inputs.mutual_member) +
                   yes_or_no_words();
        default:
            // The five grid fields.
            if (!choices.scale) {
                return "نص السلم " + quoted(inputs.scale) +
                       " ليس من عناصر قائمة السلالم، فليس له صف في شبكة الأجور";
            }
            return "الرتبة " + quoted(inputs.rank) + " ليست من عناصر قائمة رتب السلم " +
                   quoted(inputs.scale) + "، فليس لها صف في شبكة الأجور";
    }
}

using Op = TermOperation;

// The relations a line writes when its shown numbers bear it out exactly, and when they do not:
// the computation works on unrounded amounts, and a line shows them to the cent.
constexpr std::string_view equals = " = ";
constexpr std::string_view about_equals = " ≈ ";
constexpr std::string_view less = " < ";
constexpr std::string_view not_more = " ≤ ";
constexpr std::string_view about_not_more = " ≲ ";

// What a sentence adds when a line of it holds only before its numbers were rounded: the sign
// of that line, and why.
std::string rounding_note(std::string_view formula) {
    std::string signs;
    for (const std::string_view sign : {about_equals, about_not_more}) {
        if (formula.find(sign) != std::string_view::npos) {
            signs += signs.empty() ? "" : " أو ";
            signs += isolated(sign.substr(1, sign.size() - 2));
        }
    }
    if (signs.empty()) {
        return {};
    }
    return " والسطر الذي فيه " + signs +
           " تقريبي: أعداده مقرّبة إلى السنتيم، والحساب يجري على المبالغ قبل تقريبها.";
}

constexpr std::string_view contribution_base_name = "أساس الاقتطاع للتقاعد والتأمين عن المرض";
constexpr std::string_view before_family_name = "المجموع دون التعويضات العائلية";
constexpr std::string_view gross_tax_name = "الضريبة الإجمالية قبل الإعفاء";
constexpr std::string_view not_member_name = "غير منخرط في التعاضدية";

// How a number is written on a formula line.
enum class Written { field, amount, rate, count, whole, number };

// The name and the writing of each quantity, in the order of `Quantity`. A field is named by its
// caption, a grid amount by its field and a zone rate by its zone.
struct QuantityWords {
    Quantity quantity;
    std::string_view name;
    Written written;
};

constexpr std::array<QuantityWords, quantity_count> quantity_words{{
    {Quantity::field, "", Written::field},
    {Quantity::grid_amount, "", Written::amount},
    {Quantity::uncounted_index_points, "النقط غير المحتسبة", Written::amount},
    {Quantity::index_point_value, "قيمة النقطة في السنة", Written::amount},
    {Quantity::first_fixed_amount, "المبلغ الأول المضاف", Written::amount},
    {Quantity::second_fixed_amount, "المبلغ الثاني المضاف", Written::amount},
    {Quantity::zone_rate, "", Written::rate},
    {Quantity::special_charges_rate, "نسبة التعويض عن الأعباء الخاصة", Written::rate},
    {Quantity::no_special_charges, "لا تعويض عن الأعباء الخاصة", Written::amount},
    {Quantity::children, "عدد الأطفال", Written::count},
    {Quantity::first_children, "عدد الأطفال الأوائل", Written::count},
    {Quantity::first_child_amount, "التعويض عن كل طفل من الأوائل", Written::amount},
    {Quantity::further_child_amount, "التعويض عن كل طفل بعدهم", Written::amount},
    {Quantity::first_children_allowance, "التعويض عن الأطفال الأوائل", Written::amount},
    {Quantity::last_child_count, "", Written::count},
    {Quantity::base_salary_share, "حصة الراتب الأساسي المضافة", Written::rate},
    {Quantity::contribution_base, contribution_base_name, Written::amount},
    {Quantity::retirement_rate, "نسبة التقاعد", Written::rate},
    {Quantity::health_insurance_rate, "نسبة التأمين الإجباري عن المرض", Written::rate},
    {Quantity::health_insurance_ceiling, "سقف التأمين الإجباري عن المرض", Written::amount},
    {Quantity::no_general_mutual, not_member_name, Written::amount},
    {Quantity::general_mutual_rate, "نسبة القطاع بالتعاضدية العامة", Written::rate},
    {Quantity::general_mutual_ceiling, "سقف القطاع بالتعاضدية العامة", Written::amount},
    {Quantity::no_mutual_fund, not_member_name, Written::whole},
    {Quantity::mutual_fund_amount, "الاشتراك الثابت للمنخرط", Written::whole},
    {Quantity::gross_before_family, before_family_name, Written::amount},
    {Quantity::professional_deduction_rate, "نسبة الخصم المهني", Written::rate},
    {Quantity::professional_deduction_ceiling, "سقف الخصم المهني", Written::amount},
    {Quantity::professional_deduction, "الخصم المهني", Written::amount},
    {Quantity::bracket_lower, "الحد الأدنى للشريحة", Written::amount},
    {Quantity::bracket_upper, "الحد الأعلى للشريحة", Written::amount},
    {Quantity::bracket_rate, "نسبة الشريحة", Written::rate},
    {Quantity::bracket_base_amount, "المبلغ الثابت للشريحة", Written::amount},
    {Quantity::gross_tax, gross_tax_name, Written::amount},
    {Quantity::dependents, "عدد الأشخاص المتكفل بهم", Written::count},
    {Quantity::exemption_per_dependent, "الإعفاء عن كل شخص", Written::amount},
    {Quantity::months, "عدد الأشهر", Written::number},
}};

constexpr bool words_in_quantity_order() {
    for (std::size_t i = 0; i < quantity_words.size(); ++i) {
        if (static_cast<std::size_t>(quantity_words[i].quantity) != i) {
            return false;
        }
    }
    return true;
}
static_assert(words_in_quantity_order(), "one row per Quantity, in its order");

constexpr const QuantityWords& words_of(Quantity quantity) {
    return quantity_words[static_cast<std::size_t>(quantity)];
}

// The texts of the quantities of one computation, each written once for all its explanations: a
// quantity has one value in a computation, but the grid amounts, which are checked.
class QuantityTexts {
  public:
    template <typename Write>
    const std::string& text(Quantity quantity, double value, Write&& write) {
        Entry& entry = entries_[static_cast<std::size_t>(quantity)];
        if (!entry.written || entry.value != value) {
            entry.text = write(value);
            entry.value = value;
            entry.written = true;
        }
        return entry.text;
    }

  private:
    struct Entry {
        bool written = false;
        double value = 0;
        std::string text;
    };
    std::array<Entry, quantity_count> entries_{};
};

// Builds one explanation from the trace of the session's last computation.
class Builder {
  public:
    Builder(const PaySession& session, const TermTrace& trace, QuantityTexts& texts,
            SlipField field)
        : session_(session),
          texts_(texts),
          inputs_(*session.computed_inputs()),
          choices_(session.computed_choices()),
          trace_(trace),
          separator_(session.decimal_separator()),
          field_(field) {
        result_.field = field;
        result_.name = field_name(field);
        result_.kind = ExplanationKind::computed;
        result_.terms.reserve(24);
    }

    const PayInputs& inputs() const { return inputs_; }
    const Choices& choices() const { return choices_; }
    const TermTrace& trace() const { return trace_; }
    bool written(SlipField field) const { return trace_.written(field); }
    double value(Quantity quantity) const { return trace_.value(quantity); }

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
    std::string count(double value) const { return std::to_string(static_cast<int>(value)); }
    std::string written_as(Written written, double value) const {
        switch (written) {
            case Written::rate:
                return rate(value);
            case Written::count:
                return count(value);
            case Written::whole:
                return format_whole(value);
            case Written::number:
                return number(value);
            case Written::field:
            case Written::amount:
                break;
        }
        return amount(value);
    }
    const std::string& quantity(Quantity quantity) const {
        return quantity_text(quantity, value(quantity));
    }
    const std::string& quantity_text(Quantity quantity, double value) const {
        return texts_.text(quantity, value,
                           [&](double v) { return written_as(words_of(quantity).written, v); });
    }

    void sentence(std::string text) { result_.sentence = std::move(text); }

    void term(std::string name, std::string value, TermOperation operation) {
        result_.terms.push_back({std::move(name), std::move(value), operation});
    }

    // A traced line as it was worked; a line the computation did not work adds nothing. With a
    // `result`, the line's own result is replaced by that field's shown text.
    void line(std::span<const TracedTerm> terms, std::optional<SlipField> result = std::nullopt) {
        for (const TracedTerm& t : terms) {
            if (result && t.operation == Op::gives) {
                term(field_name(*result), session_.text(*result), Op::gives);
            } else {
                term(name_of(t), text_of(t), t.operation);
            }
        }
    }
    void line(SlipField field) { line(trace_.line(field)); }
    void line(Quantity quantity) { line(trace_.line(quantity)); }

    FieldExplanation finish() {
        result_.formula = render_formula(result_.terms);
        result_.sentence += rounding_note(result_.formula);
        return std::move(result_);
    }

  private:
    std::string name_of(const TracedTerm& t) const {
        switch (t.quantity) {
            case Quantity::field: {
                std::string name = field_name(t.field);
                if (!written(t.field)) {
                    name += " (محفوظ من قبل)";
                }
                return name;
            }
            case Quantity::grid_amount:
                return field_name(field_) + " في شبكة الأجور";
            case Quantity::zone_rate:
                return zone_rate_name(inputs_);
            default:
                return std::string(words_of(t.quantity).name);
        }
    }
    std::string text_of(const TracedTerm& t) const {
        if (t.quantity != Quantity::field) {
            return quantity_text(t.quantity, t.value);
        }
        // A field reads on its line as the window shows it: the value the step weighed, in the
        // field's own format.
        return session_.text(t.field);
    }

    const PaySession& session_;
    QuantityTexts& texts_;
    const PayInputs& inputs_;
    const Choices& choices_;
    const TermTrace& trace_;
    std::string_view separator_;
    SlipField field_;
    FieldExplanation result_;
};

// Whether a line's amount was replaced by its ceiling.
bool reached_ceiling(std::span<const TracedTerm> line) {
    return std::any_of(line.begin(), line.end(),
                       [](const TracedTerm& t) { return t.operation == Op::at_most; });
}

std::string scale_and_rank(const PayInputs& inputs) {
    return "السلم " + quoted(inputs.scale) + " والرتبة " + quoted(inputs.rank);
}

void explain_grid_field(Builder& b, SlipField field) {
    const std::string name = field_name(field);
    if (field == SlipField::index_points) {
        b.sentence(opening() + name + " هي ما تعطيه شبكة الأجور لصف " + scale_and_rank(b.inputs()) +
                   ".");
    } else {
        const std::string what =
            field == SlipField::foundation_contribution ? "الاشتراك في " + name : name;
        b.sentence(opening() + what + " مبلغ سنوي ثابت تعطيه شبكة الأجور لصف " +
                   scale_and_rank(b.inputs()) + ".");
    }
    b.line(field);
}

void explain_base_salary(Builder& b) {
    b.sentence(opening() + "الراتب الأساسي السنوي هو النقطة الاستدلالية ناقص " +
               isolated(b.quantity(Quantity::uncounted_index_points)) + "، مضروبا في " +
               isolated(b.quantity(Quantity::index_point_value)) + " عن كل نقطة، ثم يضاف إليه " +
               isolated(b.quantity(Quantity::first_fixed_amount)) + " ثم " +
               isolated(b.quantity(Quantity::second_fixed_amount)) + ".");
    b.line(SlipField::annual_base_salary);
}

void explain_residence(Builder& b) {
    b.sentence(opening() + "التعويض عن الإقامة هو " + zone_rate_name(b.inputs()) + "، أي " +
               isolated(b.quantity(Quantity::zone_rate)) + "، من الراتب الأساسي السنوي.");
    b.line(SlipField::residence_allowance);
}

void explain_special_charges(Builder& b) {
    if (*b.choices().special_charges) {
        b.sentence(opening() + "التعويض عن الأعباء الخاصة هو " +
                   isolated(b.quantity(Quantity::special_charges_rate)) +
                   " من الراتب الأساسي السنوي، لأن الجواب عن الأعباء الخاصة «" +
                   std::string(yes_text) + "».");
    } else {
        b.sentence(opening() + "لا تعويض عن الأعباء الخاصة لأن الجواب عنها «" +
                   std::string(no_text) + "»، فهو " +
                   isolated(b.quantity(Quantity::no_special_charges)) + ".");
    }
    b.line(SlipField::special_charges_allowance);
}

void explain_family_allowance(Builder& b) {
    b.sentence(opening() + "التعويضات العائلية " +
               isolated(b.quantity(Quantity::first_child_amount)) +
               " في السنة عن كل طفل من الأطفال " + isolated(b.quantity(Quantity::first_children)) +
               " الأوائل، ثم " + isolated(b.quantity(Quantity::further_child_amount)) +
               " عن كل طفل بعدهم إلى " + isolated(b.quantity(Quantity::last_child_count)) +
               " أطفال؛ وعدد الأطفال هنا " + isolated(b.quantity(Quantity::children)) + ".");
    b.line(SlipField::family_allowance);
}

void explain_gross_total(Builder& b) {
    b.sentence(opening() +
               "مجموع الراتب الأساسي والتعويضات هو الراتب الأساسي السنوي زائد كل التعويضات، ومنها "
               "التعويضات العائلية.");
    b.line(SlipField::gross_total);
}

std::string contribution_base_rule(const Builder& b) {
    return "وأساس الاقتطاع هو الراتب الأساسي السنوي زائد " +
           isolated(b.quantity(Quantity::base_salary_share)) +
           " منه وزائد التعويضات عن التدرج الإداري والأعباء والتأطير.";
}

void explain_retirement(Builder& b) {
    b.sentence(opening() + "التقاعد هو " + isolated(b.quantity(Quantity::retirement_rate)) +
               " من أساس الاقتطاع، " + contribution_base_rule(b));
    b.line(Quantity::contribution_base);
    b.line(SlipField::retirement);
}

void explain_health_insurance(Builder& b) {
    const bool ceiling = reached_ceiling(b.trace().line(SlipField::health_insurance));
    b.sentence(opening() + "التأمين الإجباري عن المرض هو " +
               isolated(b.quantity(Quantity::health_insurance_rate)) +
               " من أساس الاقتطاع على ألا يتجاوز " +
               isolated(b.quantity(Quantity::health_insurance_ceiling)) +
               (ceiling ? "، وقد بلغ هذا السقف هنا؛ " : "؛ ") + contribution_base_rule(b));
    b.line(Quantity::contribution_base);
    b.line(SlipField::health_insurance);
}

void explain_general_mutual(Builder& b) {
    if (!*b.choices().mutual_member) {
        b.sentence(opening() +
                   "لا اشتراك في القطاع بالتعاضدية العامة لغير المنخرط في التعاضدية، فهو " +
                   isolated(b.quantity(Quantity::no_general_mutual)) + ".");
        b.line(SlipField::general_mutual);
        return;
    }
    const bool ceiling = reached_ceiling(b.trace().line(SlipField::general_mutual));
    b.sentence(opening() + "القطاع بالتعاضدية العامة هو " +
               isolated(b.quantity(Quantity::general_mutual_rate)) +
               " من الراتب الأساسي السنوي وحده للمنخرط في التعاضدية، على ألا يتجاوز " +
               isolated(b.quantity(Quantity::general_mutual_ceiling)) +
               (ceiling ? "، وقد بلغ هذا السقف هنا." : "."));
    b.line(SlipField::general_mutual);
}

void explain_mutual_fund(Builder& b) {
    if (*b.choices().mutual_member) {
        b.sentence(opening() + "الصندوق التعاضدي المستقل اشتراك سنوي ثابت قدره " +
                   isolated(b.quantity(Quantity::mutual_fund_amount)) + " للمنخرط في التعاضدية.");
    } else {
        b.sentence(opening() +
                   "لا اشتراك في الصندوق التعاضدي المستقل لغير المنخرط في التعاضدية، فهو " +
                   isolated(b.quantity(Quantity::no_mutual_fund)) + ".");
    }
    b.line(SlipField::mutual_fund);
}

void explain_taxable_amount(Builder& b) {
    const bool ceiling = reached_ceiling(b.trace().line(Quantity::professional_deduction));
    b.sentence(
        opening() +
        "المبلغ الخاضع للضريبة هو مجموع الراتب الأساسي والتعويضات دون التعويضات العائلية، ناقص "
        "التقاعد والخصم المهني والتأمين الإجباري عن المرض واشتراكي التعاضدية؛ والخصم المهني " +
        isolated(b.quantity(Quantity::professional_deduction_rate)) +
        " من ذلك المجموع على ألا يتجاوز " +
        isolated(b.quantity(Quantity::professional_deduction_ceiling)) +
        (ceiling ? "، وقد بلغ هذا السقف هنا." : "."));
    b.line(Quantity::gross_before_family);
    b.line(Quantity::professional_deduction);
    b.line(SlipField::taxable_amount);
}

// The lowest bracket has no lower bound on its line, and no tax.
bool lowest_bracket(const Builder& b) {
    return !b.trace().has(Quantity::bracket_lower);
}

// The words that place the taxable amount in its bracket.
std::string bracket_words(const Builder& b) {
    const bool has_upper = b.trace().has(Quantity::bracket_upper);
    if (lowest_bracket(b)) {
        return "لا يتجاوز " + isolated(b.quantity(Quantity::bracket_upper));
    }
    std::string words = "أكثر من " + isolated(b.quantity(Quantity::bracket_lower));
    if (has_upper) {
        words += " وإلى حد " + isolated(b.quantity(Quantity::bracket_upper));
    }
    return words;
}

void explain_tax_rate(Builder& b) {
    b.sentence(
        opening() +
        "النسبة المطبقة هي نسبة شريحة الضريبة التي يقع فيها المبلغ الخاضع للضريبة، وهو هنا " +
        bracket_words(b) + "، فالنسبة " + isolated(b.quantity(Quantity::bracket_rate)) + ".");
    b.line(b.trace().line(Quantity::bracket_rate), SlipField::tax_rate_label);
}

void explain_family_exemption(Builder& b) {
    const bool limited = reached_ceiling(b.trace().line(SlipField::family_exemption));
    b.sentence(opening() + "الإعفاء عن الأطفال والزوجة " +
               isolated(b.quantity(Quantity::exemption_per_dependent)) +
               " عن كل شخص متكفل به، على ألا يتجاوز " + std::string(gross_tax_name) +
               (limited ? "، وقد حُدّ بها هنا." : "."));
    b.line(SlipField::family_exemption);
}

void explain_income_tax(Builder& b) {
    std::string rule =
        opening() + "الضريبة العامة على الدخل هي " + std::string(gross_tax_name) +
        "، حسب شريحة المبلغ الخاضع للضريبة، ناقص الإعفاء عن الأطفال والزوجة؛ والمبلغ الخاضع "
        "هنا " +
        bracket_words(b);
    if (lowest_bracket(b)) {
        rule += "، فلا ضريبة عليه.";
    } else {
        rule += "، وضريبة هذه الشريحة " + isolated(b.quantity(Quantity::bracket_base_amount)) +
                " زائد " + isolated(b.quantity(Quantity::bracket_rate)) + " مما فوق " +
                isolated(b.quantity(Quantity::bracket_lower)) + ".";
    }
    b.sentence(std::move(rule));
    b.line(Quantity::bracket_rate);
    b.line(Quantity::gross_tax);
    b.line(SlipField::income_tax);
}

void explain_total_deductions(Builder& b) {
    b.sentence(
        opening() +
        "مجموع الاقتطاعات هو الضريبة العامة على الدخل زائد التقاعد والاشتراك في مؤسسة Orsanne "
        "والتأمين الإجباري عن المرض واشتراكي التعاضدية.");
    b.line(SlipField::total_deductions);
}

void explain_annual_pay(Builder& b) {
    b.sentence(opening() +
               "الأجرة السنوية هي مجموع الراتب الأساسي والتعويضات ناقص مجموع الاقتطاعات.");
    b.line(SlipField::annual_pay);
}

void explain_monthly_pay(Builder& b) {
    b.sentence(
        opening() +
        "الأجرة الشهرية هي مجموع الراتب الأساسي والتعويضات ناقص مجموع الاقتطاعات، مقسوما على " +
        isolated(b.quantity(Quantity::months)) + " شهرا.");
    b.line(SlipField::monthly_pay);
}

void explain_computed(Builder& b, SlipField field) {
    switch (field) {
        case SlipField::index_points:
        case SlipField::hierarchy_allowance:
        case SlipField::charges_allowance:
        case SlipField::supervision_allowance:
        case SlipField::foundation_contribution:
            explain_grid_field(b, field);
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
    explanation.sentence = std::string(nothing_computed_text);
    return explanation;
}

FieldExplanation explain(const PaySession& session, const TermTrace& trace, QuantityTexts& texts,
                         SlipField field) {
    Builder b(session, trace, texts, field);
    if (!b.written(field)) {
        const std::string& name = field_name(field);
        const std::string& shown = session.text(field);
        b.sentence(opening() + "لم يكتب الحساب الأخير " + name + "، فبقي على المبلغ المعروض قبله " +
                   isolated(shown) + "، لأن " + unwritten_reason(b.inputs(), b.choices(), field) +
                   ".");
        b.term("المبلغ المعروض قبل الحساب الأخير", shown, Op::first);
        b.term(name, shown, Op::gives);
        FieldExplanation kept = b.finish();
        kept.kind = ExplanationKind::kept;
        return kept;
    }
    explain_computed(b, field);
    return b.finish();
}

}  // namespace

TermTrace replay_last_press(const PaySession& session) {
    TermTrace trace;
    PaySlip slip = session.slip_before();
    compute_pay(session.computed_choices(), session.rules(), slip, trace);
    return trace;
}

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

namespace {

// The relation of a line whose terms give `result`: exact when the shown numbers give the shown
// result, approximate otherwise.
std::string_view result_relation(std::span<const ExplanationTerm> line, const std::string& result) {
    const std::optional<Fraction> worked = shown_value(line);
    const std::optional<Fraction> shown = shown_number(result);
    return worked && shown && *worked != *shown ? about_equals : equals;
}

// The relation of a bracket's bound to the amount it is tested against, as the shown numbers bear
// it out: an amount just above a bound can show as the bound itself.
std::string_view bound_relation(const std::string& low, const std::string& high, bool strict) {
    const std::optional<Fraction> a = shown_number(low);
    const std::optional<Fraction> b = shown_number(high);
    if (!a || !b || (strict ? *a < *b : *a <= *b)) {
        return strict ? less : not_more;
    }
    return about_not_more;
}

}  // namespace

std::string render_formula(const std::vector<ExplanationTerm>& terms) {
    std::string formula;
    std::string line;
    std::string first;
    std::string lower;
    std::string upper;
    std::string done;
    formula.reserve(256);
    line.reserve(128);
    done.reserve(160);
    bool additive = false;  // the line so far ends in a sum, to be bracketed before a product
    std::size_t operations = 0;
    std::size_t line_start = 0;
    for (std::size_t index = 0; index < terms.size(); ++index) {
        const ExplanationTerm& term = terms[index];
        const std::string& value = term.value;
        switch (term.operation) {
            case TermOperation::first:
                line = value;
                first = value;
                lower.clear();
                upper.clear();
                additive = false;
                operations = 0;
                line_start = index;
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
                done.clear();
                if (!lower.empty() || !upper.empty()) {
                    if (!lower.empty()) {
                        done.append(lower).append(bound_relation(lower, first, true));
                    }
                    done += line;
                    if (!upper.empty()) {
                        done.append(bound_relation(first, upper, false)).append(upper);
                    }
                    done.append(" → ").append(value);
                } else if (operations == 0 && line == value) {
                    done = value;  // a value taken as it is: a grid amount, a kept amount
                } else {
                    const std::span<const ExplanationTerm> worked(terms.data() + line_start,
                                                                  index - line_start);
                    done.append(line).append(result_relation(worked, value)).append(value);
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
    const TermTrace trace = replay_last_press(session);
    QuantityTexts texts;
    return explain(session, trace, texts, field);
}

std::vector<FieldExplanation> explain_slip(const PaySession& session) {
    if (!session.computed_inputs()) {
        std::vector<FieldExplanation> all;
        all.reserve(slip_field_count);
        for (const SlipFieldInfo& info : slip_fields) {
            all.push_back(not_computed(info.field));
        }
        return all;
    }
    return explain_slip(session, replay_last_press(session));
}

std::vector<FieldExplanation> explain_slip(const PaySession& session, const TermTrace& trace) {
    std::vector<FieldExplanation> all;
    all.reserve(slip_field_count);
    QuantityTexts texts;
    for (const SlipFieldInfo& info : slip_fields) {
        all.push_back(explain(session, trace, texts, info.field));
    }
    return all;
}

}  // namespace pay
