#include "ui/pictures/explanation_pictures.h"

#include "pay/pay_inputs.h"
#include "pay/rule_facts.h"
#include "pay/rules.h"
#include "print/qt_text.h"
#include "ui/pictures/picture_style.h"
#include "ui/pictures/picture_table.h"
#include "ui/pictures/picture_words.h"

namespace ui::pictures {

using print::qt_text;

namespace {

using pay::max_count;

// "6 أطفال": the plural that follows the numbers 3 to 10.
static_assert(max_count >= 3 && max_count <= 10);
static_assert(max_count < ordinal_limit);

Text paragraph(QRectF rect, QString text, int pixel_size = style::body_size) {
    return Text{.rect = rect, .text = std::move(text), .pixel_size = pixel_size};
}

Text note(QRectF rect, QString text) {
    return Text{.rect = rect,
                .text = std::move(text),
                .pixel_size = style::note_size,
                .colour = style::note};
}

// A rounded box with a centred, bold text: the figure a picture is about.
void add_highlight(PictureDescription& description, QRectF rect, QString text, int pixel_size) {
    description.add(Shape{.kind = Shape::Kind::rounded_rectangle,
                          .rect = rect,
                          .fill = style::highlight_fill,
                          .outline = style::highlight_outline,
                          .outline_width = 1.5,
                          .radius = 8});
    description.add(Text{.rect = rect.adjusted(8, 0, -8, 0),
                         .text = std::move(text),
                         .pixel_size = pixel_size,
                         .bold = true,
                         .colour = style::heading,
                         .alignment = Qt::AlignCenter});
}

QString children_range(int first, int last) {
    const QString child = QStringLiteral("الطفل ");
    if (first == last) {
        return child + ordinal_text(first);
    }
    return QStringLiteral("من ") + child + ordinal_text(first) + QStringLiteral(" إلى ") + child +
           ordinal_text(last);
}

}  // namespace

PictureDescription residence_allowance_picture(const pay::PayRules& rules) {
    // As large as its window's picture box shows it.
    PictureDescription picture{.size = {659, 471}};
    constexpr qreal left = 16;
    constexpr qreal width = 627;

    picture.add(paragraph(
        {left, 14, width, 64},
        QStringLiteral("يتوقف التعويض عن الإقامة على المنطقة التي يقع فيها مقر عمل الموظف، "
                       "ويُصرف شهريًا. وهو نسبة مئوية من الراتب الأساسي تختلف من منطقة إلى أخرى:"),
        18));

    Table table{.top_left = {left, 90},
                .column_widths = {90, 210, width - 90 - 210},
                .header_height = 46,
                .row_height = 70,
                .header = {{QStringLiteral("المنطقة"), 16, true},
                           {QStringLiteral("النسبة من الراتب الأساسي"), 16, true},
                           {QStringLiteral("العمالات والأقاليم المعنية"), 16, true}}};
    for (std::size_t zone = 0; zone < pay::zone_items.size(); ++zone) {
        const QString letter = qt_text(pay::zone_items[zone]);
        table.rows.push_back({{letter, 26, true},
                              {percent_text(rules.zone_rates.at(zone)), 22, true},
                              {QStringLiteral("العمالات والأقاليم المصنفة في المنطقة «") + letter +
                                   QStringLiteral("» حسب التقسيم الجاري به العمل"),
                               16, false, Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter}});
    }
    const qreal table_bottom = add_table(picture, table);

    picture.add(paragraph({left, table_bottom + 16, width, 60},
                          QStringLiteral("مبلغ التعويض في السنة = الراتب الأساسي السنوي × نسبة "
                                         "المنطقة ÷ 100، والمبلغ الشهري هو المبلغ السنوي مقسومًا "
                                         "على ") +
                              amount_text(rules.months_per_year) + QStringLiteral("."),
                          17));
    picture.add(note({left, table_bottom + 86, width, 30},
                     QStringLiteral("تُحدَّد المنطقة حسب مقر العمل، ويمكن التأكد منها لدى المصلحة "
                                    "المكلفة بشؤون الموظفين.")));
    return picture;
}

PictureDescription saharan_provinces_picture(const pay::PayRules& rules) {
    // As large as its window's picture box shows it.
    PictureDescription picture{.size = {606, 287}};
    constexpr qreal left = 16;
    constexpr qreal width = 574;
    const QString rate = percent_text(rules.special_charges_rate);

    picture.add(paragraph(
        {left, 14, width, 100},
        QStringLiteral("يستفيد الموظفون العاملون في الأقاليم الصحراوية المسترجعة، زيادةً على "
                       "الراتب الأساسي والتعويضات النظامية، من تعويض عن الأعباء الخاصة يساوي ") +
            rate + QStringLiteral(" من الراتب الأساسي المطابق لرتبتهم."),
        18));
    add_highlight(picture, {left, 130, width, 60},
                  QStringLiteral("التعويض عن الأعباء الخاصة = ") + rate +
                      QStringLiteral(" من الراتب الأساسي السنوي"),
                  19);
    picture.add(paragraph({left, 210, width, 60},
                          QStringLiteral("اختر «") + qt_text(pay::yes_text) +
                              QStringLiteral("» في قائمة الأعباء الخاصة إن كان مقر عملك في "
                                             "هذه الأقاليم، وإلا فاختر «") +
                              qt_text(pay::no_text) + QStringLiteral("».")));
    return picture;
}

PictureDescription family_allowances_picture(const pay::PayRules& rules) {
    PictureDescription picture{.size = {630, 240}};
    constexpr qreal left = 15;
    constexpr qreal width = 600;
    const int months_per_year = rules.months_per_year;

    picture.add(paragraph({left, 10, width, 30},
                          QStringLiteral("يُصرف التعويض العائلي شهريًا عن كل طفل، في حدود ") +
                              amount_text(max_count) + QStringLiteral(" أطفال:"),
                          17));

    Table table{.top_left = {left, 48},
                .column_widths = {280, 170, width - 280 - 170},
                .header_height = 40,
                .row_height = 52,
                .header = {{QStringLiteral("ترتيب الطفل"), 16, true},
                           {QStringLiteral("المبلغ الشهري"), 16, true},
                           {QStringLiteral("المبلغ السنوي"), 16, true}}};
    for (const pay::FamilyBand& band : pay::family_bands(rules)) {
        table.rows.push_back({{children_range(band.first_child, band.last_child), 16},
                              {amount_text(band.per_child.monthly), 22, true},
                              {amount_text(band.per_child.yearly), 18}});
    }
    const qreal table_bottom = add_table(picture, table);

    picture.add(note({left, table_bottom + 10, width, 26},
                     QStringLiteral("المبلغ الشهري = المبلغ السنوي ÷ ") +
                         amount_text(months_per_year) +
                         QStringLiteral(". ولا يخضع التعويض العائلي للضريبة العامة على الدخل.")));
    return picture;
}

PictureDescription tax_exemption_picture(const pay::PayRules& rules) {
    const pay::IncomeTaxRules& tax = rules.income_tax;
    PictureDescription picture{.size = {635, 139}};
    constexpr qreal left = 14;
    constexpr qreal width = 607;
    constexpr qreal gap = 14;
    constexpr qreal box_width = (width - gap) / 2;
    const QString per_person = amount_text(tax.exemption_per_dependent);
    const QString ceiling = amount_text(pay::largest_family_exemption(rules));

    picture.add(paragraph(
        {left, 8, width, 72},
        QStringLiteral("يُخصم من الضريبة العامة على الدخل مبلغ ") + per_person +
            QStringLiteral(" في السنة عن كل شخص يتكفل به الموظف: الزوجة والأطفال وغيرهم من "
                           "الأطفال الذين في كفالته. ولا يتجاوز الخصم مبلغ الضريبة."),
        15));
    add_highlight(picture, {left + box_width + gap, 90, box_width, 38},
                  QStringLiteral("عن كل شخص: ") + per_person + QStringLiteral(" في السنة"), 16);
    add_highlight(picture, {left, 90, box_width, 38},
                  QStringLiteral("الحد الأقصى للخصم: ") + ceiling + QStringLiteral(" في السنة"),
                  16);
    return picture;
}

}  // namespace ui::pictures
