#include "ui/window_layout.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "pay/result_columns.h"
#include "print/qt_text.h"
#include "ui/accessible_names.h"
#include "ui/captions.h"
#include "ui/form_controls.h"

namespace ui {

using pay::box_fields;
using pay::deductions_column;
using pay::earnings_column;
using pay::result_column_rows;
using pay::sub_heading_row;

using print::qt_text;

const std::array<std::string_view, 37> focus_order{
    "Combo1",   "Text1",    "Text19", "Text14",  "Text13",   "Text12",   "Text11",   "Text10",
    "Text9",    "Text8",    "Text7",  "Text5",   "Text6",    "Text4",    "Text3",    "Text2",
    "Combo6",   "Combo5",   "Combo4", "Combo3",  "Combo2",   "Combo7",   "Text20",   "Text16",
    "Text25",   "Combo8",   "Combo9", "Combo10", "Command4", "Command5", "Command6", "Command7",
    "Command1", "Command2", "Text15", "Text18",  "Text21",
};

namespace {

using pay::SlipField;

constexpr Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignVCenter;
// "Right" means the right edge, whatever the direction of the text.
constexpr Qt::Alignment to_the_right = Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter;

// --- The seven choice rows on the panel Label31: label, list, explanation button.

constexpr int first_choice_y = 120;
constexpr int choice_row_height = 405;
constexpr int choice_label_x = 8160;
constexpr int choice_label_width = 2535;
constexpr int choice_list_x = 4800;
constexpr int choice_list_width = 3255;
constexpr int explanation_x = 10800;
constexpr int explanation_width = 945;

struct ChoiceRow {
    std::string_view label;
    std::string_view caption;
    /// None on the rank row: the four rank lists share its place.
    std::string_view list;
    QComboBox* ChoiceLists::*member;
    std::span<const std::string_view> items;
    /// None where the row has no explanation.
    std::string_view button;
    PictureWindow explains;
};

const std::array<ChoiceRow, 7> choice_rows{{
    {"Label9",
     choice_caption(pay::Choice::scale),
     "Combo1",
     &ChoiceLists::scale,
     pay::scale_items,
     {},
     {}},
    {"Label1", choice_caption(pay::Choice::rank), {}, nullptr, {}, {}, {}},
    {"Label2", choice_caption(pay::Choice::zone), "Combo3", &ChoiceLists::zone, pay::zone_items,
     "Command4", PictureWindow::residence_allowance},
    {"Label3", choice_caption(pay::Choice::special_charges), "Combo4",
     &ChoiceLists::special_charges, pay::yes_no_items, "Command5",
     PictureWindow::saharan_provinces},
    {"Label4", choice_caption(pay::Choice::children), "Combo5", &ChoiceLists::children,
     pay::count_items, "Command6", PictureWindow::family_allowances},
    {"Label26", choice_caption(pay::Choice::dependents), "Combo6", &ChoiceLists::dependents,
     pay::count_items, "Command7", PictureWindow::tax_exemption},
    {"Label32",
     choice_caption(pay::Choice::mutual_member),
     "Combo7",
     &ChoiceLists::mutual_member,
     pay::yes_no_items,
     {},
     {}},
}};
constexpr std::size_t rank_row = 1;

// The rank lists in the order of pay::all_scales.
constexpr std::array<std::string_view, pay::all_scales.size()> rank_list_names{"Combo2", "Combo8",
                                                                               "Combo9", "Combo10"};

constexpr std::string_view explanation_caption = "توضيح";

int choice_y(std::size_t row) {
    return first_choice_y + static_cast<int>(row) * choice_row_height;
}

// --- The three boxes at the top left, each with its result field in its lower part, and
// the two picture buttons beside them.

struct BoxRow {
    std::string_view label;
    QRect place;
    SlipField field;
    QRect field_place;
};

constexpr std::array<BoxRow, 3> box_rows{{
    {"Label5", twips_rect(0, 0, 2415, 930), box_fields[0], twips_rect(120, 360, 2175, 465)},
    {"Label33", twips_rect(0, 930, 2415, 930), box_fields[1], twips_rect(120, 1320, 2175, 465)},
    {"Label25", twips_rect(0, 1860, 2415, 1035), box_fields[2], twips_rect(120, 2280, 2175, 465)},
}};

// --- The result table on the panel Label28: the columns of ui/result_columns.h, each led by
// its total bar, then rows of label and field, the row at 5190 holding the two sub-headings.

struct TotalBar {
    std::string_view label;
    QRect place;
    SlipField field;
    QRect field_place;
};

constexpr std::array<TotalBar, 2> total_bars{{
    {"Label29", twips_rect(5880, 3120, 5895, 615), *earnings_column.front(),
     twips_rect(6000, 3200, 1815, 450)},
    {"Label30", twips_rect(120, 3120, 5775, 615), *deductions_column.front(),
     twips_rect(240, 3200, 1695, 450)},
}};

struct ResultCell {
    std::string_view label;
    SlipField field;
    QRgb ground;
};

struct TableRow {
    int y;
    ResultCell earnings;
    ResultCell deductions;
};

constexpr int first_table_row_y = 3840;
constexpr int table_row_height = 450;
constexpr int earnings_label_x = 7920;
constexpr int earnings_label_width = 3855;
constexpr int earnings_field_x = 6000;
constexpr int earnings_field_width = 1815;
constexpr int deductions_label_x = 2160;
constexpr int deductions_label_width = 3615;
constexpr int deductions_field_x = 120;
constexpr int deductions_field_width = 1935;

// The top of a column's row, by its place in the column; the total bar above the first row has
// its own place.
constexpr int table_row_y(std::size_t place) {
    return first_table_row_y + static_cast<int>(place - 1) * table_row_height;
}

struct CellLook {
    std::string_view label;
    QRgb ground;
};

// The label and ground of each earnings and deductions row under the total bars, top to bottom,
// the sub-headings' row left out.
constexpr std::array<std::array<CellLook, 2>, 8> row_looks{{
    {{{"Label6", colours::light_green}, {"Label22", colours::light_green}}},
    {{{"Label7", colours::light_green}, {"Label21", colours::light_green}}},
    {{{"Label8", colours::light_green}, {"Label20", colours::light_green}}},
    {{{"Label13", colours::light_cyan}, {"Label16", colours::light_cyan}}},
    {{{"Label12", colours::light_cyan}, {"Label17", colours::light_cyan}}},
    {{{"Label11", colours::light_cyan}, {"Label18", colours::light_cyan}}},
    {{{"Label14", colours::light_green}, {"Label24", colours::light_yellow}}},
    {{{"Label27", colours::light_green}, {"Label34", colours::light_yellow}}},
}};

// The looks above joined with the fields of the columns, place by place.
constexpr std::array<TableRow, row_looks.size()> table_rows = [] {
    std::array<TableRow, row_looks.size()> rows{};
    std::size_t next = 0;
    for (std::size_t place = 1; place < result_column_rows; ++place) {
        if (place == sub_heading_row) {
            continue;
        }
        const auto& [earnings, deductions] = row_looks.at(next);
        rows.at(next++) = {table_row_y(place),
                           {earnings.label, *earnings_column.at(place), earnings.ground},
                           {deductions.label, *deductions_column.at(place), deductions.ground}};
    }
    return rows;
}();
static_assert(table_rows.size() == result_column_rows - 2, "a look for every row of fields");

QRect earnings_label_place(int y) {
    return twips_rect(earnings_label_x, y, earnings_label_width, table_row_height);
}
QRect earnings_field_place(int y) {
    return twips_rect(earnings_field_x, y, earnings_field_width, table_row_height);
}
QRect deductions_label_place(int y) {
    return twips_rect(deductions_label_x, y, deductions_label_width, table_row_height);
}
QRect deductions_field_place(int y) {
    return twips_rect(deductions_field_x, y, deductions_field_width, table_row_height);
}

// A result field's label: its caption drawn as the window has it, its name for screen readers
// the field's title.
QLabel* add_field_label(QWidget& form, std::string_view name, const QRect& place, SlipField field,
                        const LabelStyle& style) {
    QLabel* label = add_label(form, name, place, pay::field_info(field).label, style);
    label->setAccessibleName(qt_text(pay::field_title(field)));
    return label;
}

// --- Building, in stacking order: panels, labels, the line, then lists, fields and buttons.

// --- What screen readers are told beyond the captions: the panels and the line, which show
// no words, are named for what they hold; where one caption serves two things, each is told
// apart by its name and its description.

constexpr std::string_view choices_panel_name = "اختيارات الحساب";
constexpr std::string_view results_panel_name = "نتائج الحساب";
constexpr std::string_view column_line_name = "الفاصل بين عمود التعويضات وعمود الاقتطاعات";
// "التعويضات العائلية" labels both the children list and the family allowance.
constexpr std::string_view children_list_name = "التعويضات العائلية: عدد الأطفال";
constexpr std::string_view children_list_description =
    "عدد الأطفال الذين تُصرف عنهم التعويضات العائلية";
constexpr std::string_view family_allowance_description = "مبلغ التعويضات العائلية في السنة";
// "التعاضديات" heads both the membership list and the mutuals' deductions.
constexpr std::string_view mutual_heading_name = "اقتطاعات التعاضديات";
constexpr std::string_view mutual_heading_description =
    "التأمين الإجباري عن المرض والقطاع بالتعاضدية العامة والصندوق التعاضدي المستقل";
constexpr std::string_view mutual_list_description = "الانخراط في التعاضديات";

void add_panels(QWidget& form) {
    const LabelStyle panel{colours::peach, points::caption, false, centred};
    add_label(form, "Label31", twips_rect(4665, 0, 7170, 3015), {}, panel)
        ->setAccessibleName(qt_text(choices_panel_name));
    add_label(form, "Label28", twips_rect(15, 3000, 11820, 5010), {}, panel)
        ->setAccessibleName(qt_text(results_panel_name));
}

void add_labels(QWidget& form) {
    const LabelStyle choice{colours::light_green, points::caption, false, centred};
    for (std::size_t row = 0; row < choice_rows.size(); ++row) {
        add_label(form, choice_rows[row].label,
                  twips_rect(choice_label_x, choice_y(row), choice_label_width, choice_row_height),
                  choice_rows[row].caption, choice);
    }

    const LabelStyle box_style{colours::light_green, points::large, false, centred};
    for (const BoxRow& box : box_rows) {
        QLabel* label = add_field_label(form, box.label, box.place, box.field, box_style);
        // The field covers the lower part of the box: the caption keeps to the part above it.
        place_caption_by_ink(*label, box.field_place.top() - box.place.top());
    }

    const LabelStyle bar{colours::green, points::caption, false, to_the_right};
    for (const TotalBar& total : total_bars) {
        add_field_label(form, total.label, total.place, total.field, bar);
    }

    for (const TableRow& row : table_rows) {
        add_field_label(form, row.earnings.label, earnings_label_place(row.y), row.earnings.field,
                        {row.earnings.ground, points::large, false, centred});
        add_field_label(form, row.deductions.label, deductions_label_place(row.y),
                        row.deductions.field,
                        {row.deductions.ground, points::large, false, centred});
    }
    const LabelStyle heading{colours::light_cyan, points::large, true, centred};
    const int heading_y = table_row_y(sub_heading_row);
    add_label(form, "Label10", twips_rect(6000, heading_y, 5775, 450), earnings_heading, heading);
    QLabel* mutuals = add_label(form, "Label19", twips_rect(120, heading_y, 5655, 450),
                                deductions_heading, heading);
    mutuals->setAccessibleName(qt_text(mutual_heading_name));
    mutuals->setAccessibleDescription(qt_text(mutual_heading_description));
}

void add_line(QWidget& form) {
    // Line1 runs from (5880, 3120) to (5880, 8040), both ends drawn.
    auto* line = new QFrame(&form);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Plain);
    line->setLineWidth(1);
    line->setAccessibleName(qt_text(column_line_name));
    const QRect ends = twips_rect(5880, 3120, 0, 8040 - 3120);
    line->setGeometry(ends.x(), ends.y(), 1, ends.height() + 1);
}

ChoiceLists add_lists(QWidget& form) {
    ChoiceLists lists;
    for (std::size_t row = 0; row < choice_rows.size(); ++row) {
        const ChoiceRow& choice = choice_rows[row];
        const QRect place =
            twips_rect(choice_list_x, choice_y(row), choice_list_width, choice_row_height);
        const QString name_for_readers = qt_text(choice.caption);
        if (row == rank_row) {
            // Created bottom first: the out-of-scale list ends on top of the start stack.
            for (const pay::Scale scale : pay::all_scales) {
                const auto index = static_cast<std::size_t>(scale);
                lists.rank_lists[index] = add_list(form, rank_list_names[index], place,
                                                   pay::rank_items(scale), name_for_readers);
            }
        } else {
            lists.*choice.member =
                add_list(form, choice.list, place, choice.items, name_for_readers);
        }
    }
    return lists;
}

std::array<QLineEdit*, pay::slip_field_count> add_result_fields(QWidget& form) {
    std::array<QLineEdit*, pay::slip_field_count> fields{};
    const auto add = [&](SlipField field, const QRect& place, qreal size) {
        QLineEdit* text = add_result_field(form, field, place, size);
        fields[static_cast<std::size_t>(field)] = text;
        return text;
    };
    for (const BoxRow& box : box_rows) {
        add(box.field, box.field_place, points::large);
    }
    for (const TotalBar& total : total_bars) {
        QLineEdit* text = add(total.field, total.field_place, points::caption);
        QPalette palette = text->palette();
        palette.setColor(QPalette::Base, QColor(colours::green));
        text->setPalette(palette);
    }
    for (const TableRow& row : table_rows) {
        add(row.earnings.field, earnings_field_place(row.y), points::row_field);
        add(row.deductions.field, deductions_field_place(row.y), points::row_field);
    }
    return fields;
}

std::array<ExplanationButton, 4> add_explanation_buttons(QWidget& form) {
    std::array<ExplanationButton, 4> buttons{};
    auto next = buttons.begin();
    for (std::size_t row = 0; row < choice_rows.size(); ++row) {
        const ChoiceRow& choice = choice_rows[row];
        if (choice.button.empty()) {
            continue;
        }
        // The buttons keep the toolkit's own font.
        auto* button = new QPushButton(qt_text(explanation_caption), &form);
        button->setObjectName(qt_text(choice.button));
        button->setGeometry(
            twips_rect(explanation_x, choice_y(row), explanation_width, choice_row_height));
        // Four buttons share one caption: each name says which rule it explains.
        button->setAccessibleName(qt_text(explanation_caption) + QStringLiteral(": ") +
                                  spoken_text(picture_window_topic(choice.explains)));
        button->setAccessibleDescription(spoken_text(qt_text(choice.caption)));
        press_on_enter(*button);
        *next++ = {button, choice.explains};
    }
    return buttons;
}

QLabel* label_named(QWidget& form, std::string_view name) {
    return form.findChild<QLabel*>(qt_text(name), Qt::FindDirectChildrenOnly);
}

void tell_apart_for_readers(QWidget& form, const FormControls& controls) {
    const QString children = qt_text(children_list_name);
    controls.lists.children->setAccessibleName(children);
    controls.lists.children->setAccessibleDescription(qt_text(children_list_description));
    label_named(form, "Label4")->setAccessibleName(children);
    controls.result_fields[static_cast<std::size_t>(SlipField::family_allowance)]
        ->setAccessibleDescription(qt_text(family_allowance_description));
    controls.lists.mutual_member->setAccessibleDescription(qt_text(mutual_list_description));
}

// Each label is the buddy of its control, so screen readers relate the two; the rank label
// follows the rank list on screen (RankLists).
void link_labels(QWidget& form, const FormControls& controls) {
    const auto field = [&controls](SlipField slip_field) {
        return controls.result_fields[static_cast<std::size_t>(slip_field)];
    };
    for (const ChoiceRow& choice : choice_rows) {
        if (choice.member != nullptr) {
            label_named(form, choice.label)->setBuddy(controls.lists.*choice.member);
        }
    }
    for (const BoxRow& box : box_rows) {
        label_named(form, box.label)->setBuddy(field(box.field));
    }
    for (const TotalBar& total : total_bars) {
        label_named(form, total.label)->setBuddy(field(total.field));
    }
    for (const TableRow& row : table_rows) {
        label_named(form, row.earnings.label)->setBuddy(field(row.earnings.field));
        label_named(form, row.deductions.label)->setBuddy(field(row.deductions.field));
    }
}

void chain_focus(QWidget& form) {
    QWidget* previous = nullptr;
    for (const std::string_view name : focus_order) {
        auto* next = form.findChild<QWidget*>(qt_text(name), Qt::FindDirectChildrenOnly);
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, next);
        }
        previous = next;
    }
}

}  // namespace

FormControls build_form(QWidget& form) {
    // The places are absolute, already laid out for right-to-left reading: an application that
    // reads right to left must not mirror the form, from its first control on.
    form.setLayoutDirection(Qt::LeftToRight);
    add_panels(form);
    add_labels(form);
    add_line(form);

    FormControls controls;
    controls.lists = add_lists(form);
    controls.result_fields = add_result_fields(form);
    controls.ok_button = add_picture_button(form, "Command1", twips_rect(2520, 0, 1515, 1095),
                                            "موافق", ok_button_picture());
    controls.about_button = add_picture_button(form, "Command2", twips_rect(2520, 1200, 1545, 1095),
                                               "حول البرنامج", about_button_picture());
    set_flat_ground(*controls.about_button, QColor(colours::pale_green));
    controls.explanation_buttons = add_explanation_buttons(form);
    controls.rank_label = label_named(form, choice_rows[rank_row].label);
    link_labels(form, controls);
    tell_apart_for_readers(form, controls);

    chain_focus(form);
    controls.lists.scale->setFocus();
    return controls;
}

}  // namespace ui
