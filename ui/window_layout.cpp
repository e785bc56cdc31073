#include "ui/window_layout.h"

#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <optional>

#include "ui/choice_list.h"
#include "ui/fonts.h"
#include "ui/qt_text.h"

namespace ui {

const std::array<std::string_view, 37> focus_order{
    "Combo1",   "Text1",    "Text19", "Text14",  "Text13",   "Text12",   "Text11",   "Text10",
    "Text9",    "Text8",    "Text7",  "Text5",   "Text6",    "Text4",    "Text3",    "Text2",
    "Combo6",   "Combo5",   "Combo4", "Combo3",  "Combo2",   "Combo7",   "Text20",   "Text16",
    "Text25",   "Combo8",   "Combo9", "Combo10", "Command4", "Command5", "Command6", "Command7",
    "Command1", "Command2", "Text15", "Text18",  "Text21",
};

namespace {

using pay::SlipField;

// Point sizes of the form.
constexpr qreal list_points = 12;
constexpr qreal row_field_points = 14.25;
constexpr qreal caption_points = 15.75;
constexpr qreal large_points = 18;

// "Right" means the right edge, whatever the direction of the text.
constexpr Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignVCenter;
constexpr Qt::Alignment centred_bottom = Qt::AlignHCenter | Qt::AlignBottom;
constexpr Qt::Alignment to_the_right = Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter;

struct LabelStyle {
    QRgb ground;
    qreal points;
    bool bold;
    Qt::Alignment alignment;
};

QLabel* add_label(QWidget& form, std::string_view name, const QRect& place,
                  std::string_view caption, const LabelStyle& style) {
    auto* label = new QLabel(qt_text(caption), &form);
    label->setObjectName(qt_text(name));
    label->setGeometry(place);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(style.alignment);
    label->setFont(window_font(style.points, style.bold));
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, QColor(style.ground));
    palette.setColor(QPalette::WindowText, QColor(colours::label_text));
    label->setPalette(palette);
    // Arabic captions read from the right; mixed ones ("مؤسسة Orsanne") need it.
    label->setLayoutDirection(Qt::RightToLeft);
    return label;
}

void add_panel(QWidget& form, std::string_view name, const QRect& place) {
    add_label(form, name, place, {}, {colours::peach, caption_points, false, centred});
}

// The result field of a slip field; the window reads back only what OK writes, so typing into
// it is refused, yet it keeps its place in the focus order to be selected and copied.
QLineEdit* add_result_field(QWidget& form, SlipField field, const QRect& place, qreal points,
                            std::optional<QRgb> ground = std::nullopt) {
    const pay::SlipFieldInfo& info = pay::field_info(field);
    auto* text = new QLineEdit(qt_text(info.start_text), &form);
    text->setObjectName(qt_text(info.control));
    text->setGeometry(place);
    text->setFont(window_font(points));
    text->setAlignment(Qt::AlignCenter);
    text->setReadOnly(true);
    text->setAccessibleName(qt_text(info.label));
    if (ground) {
        QPalette palette = text->palette();
        palette.setColor(QPalette::Base, QColor(*ground));
        text->setPalette(palette);
    }
    return text;
}

QComboBox* add_list(QWidget& form, std::string_view name, const QRect& place,
                    std::span<const std::string_view> items, std::string_view label) {
    QComboBox* list = make_choice_list(items, &form);
    list->setObjectName(qt_text(name));
    list->setGeometry(place);
    list->setFont(window_font(list_points, true));
    list->setLayoutDirection(Qt::RightToLeft);
    // At the right edge, digits as well as words.
    list->lineEdit()->setAlignment(Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter);
    list->setAccessibleName(qt_text(label));
    return list;
}

// A focused button is pressed by Enter as well as by Space, as no button is the default one.
class PressOnEnter : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                key->modifiers() == Qt::NoModifier) {
                static_cast<QAbstractButton*>(watched)->click();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

QToolButton* add_picture_button(QWidget& form, std::string_view name, const QRect& place,
                                std::string_view caption, const QPixmap& picture) {
    auto* button = new QToolButton(&form);
    button->setObjectName(qt_text(name));
    button->setGeometry(place);
    button->setText(qt_text(caption));
    button->setAccessibleName(qt_text(caption));
    button->setIcon(QIcon(picture));
    button->setIconSize(picture.size());
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setFont(window_font(caption_points));
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

// A button drawn flat in its ground colour: the style's shading would lighten it.
void set_flat_ground(QToolButton& button, const QColor& ground) {
    const QString edge = ground.darker(170).name();
    button.setStyleSheet(
        QStringLiteral("QToolButton { background-color: %1; border: 1px solid %2; }"
                       "QToolButton:focus { border: 2px solid %2; }"
                       "QToolButton:pressed { background-color: %3; }")
            .arg(ground.name(), edge, ground.darker(115).name()));
}

// --- The choice rows, on the panel Label31.

constexpr int choice_row_height = 405;
constexpr int choice_label_x = 8160;
constexpr int choice_label_width = 2535;
constexpr int choice_list_x = 4800;
constexpr int choice_list_width = 3255;
constexpr int explanation_x = 10800;
constexpr int explanation_width = 945;

QRect choice_label_place(int y) {
    return twips_rect(choice_label_x, y, choice_label_width, choice_row_height);
}
QRect choice_list_place(int y) {
    return twips_rect(choice_list_x, y, choice_list_width, choice_row_height);
}

struct ChoiceRow {
    int y;
    std::string_view label;
    std::string_view caption;
    std::string_view list;
    std::span<const std::string_view> items;
};

constexpr int scale_row_y = 120;
constexpr int rank_row_y = 525;
constexpr std::string_view rank_label = "Label1";
constexpr std::string_view rank_caption = "الرتبــــة";

// The rank lists in the order of pay::all_scales, all at the rank row's place.
constexpr std::array<std::string_view, pay::all_scales.size()> rank_list_names{"Combo2", "Combo8",
                                                                               "Combo9", "Combo10"};

struct ExplanationRow {
    std::string_view button;
    PictureWindow window;
};

constexpr std::string_view explanation_caption = "توضيح";

// --- The three boxes at the top left, each with its result field in its lower part.

struct BoxRow {
    std::string_view label;
    QRect place;
    SlipField field;
    QRect field_place;
};

constexpr std::array<BoxRow, 3> box_rows{{
    {"Label5", twips_rect(0, 0, 2415, 930), SlipField::index_points,
     twips_rect(120, 360, 2175, 465)},
    {"Label33", twips_rect(0, 930, 2415, 930), SlipField::annual_pay,
     twips_rect(120, 1320, 2175, 465)},
    {"Label25", twips_rect(0, 1860, 2415, 1035), SlipField::monthly_pay,
     twips_rect(120, 2280, 2175, 465)},
}};

// Pixels between a box caption's baseline and its field.
constexpr int caption_gap = 2;

// --- The result table, on the panel Label28.

struct ResultRow {
    std::string_view label;
    SlipField field;
    QRgb ground;
};

constexpr int table_row_height = 450;
constexpr int earnings_label_x = 7920;
constexpr int earnings_label_width = 3855;
constexpr int earnings_field_x = 6000;
constexpr int earnings_field_width = 1815;
constexpr int deductions_label_x = 2160;
constexpr int deductions_label_width = 3615;
constexpr int deductions_field_x = 120;
constexpr int deductions_field_width = 1935;

struct TableRow {
    int y;
    ResultRow earnings;
    ResultRow deductions;
};

constexpr std::array<TableRow, 8> table_rows{{
    {3840,
     {"Label6", SlipField::annual_base_salary, colours::light_green},
     {"Label22", SlipField::retirement, colours::light_green}},
    {4290,
     {"Label7", SlipField::residence_allowance, colours::light_green},
     {"Label21", SlipField::income_tax, colours::light_green}},
    {4740,
     {"Label8", SlipField::special_charges_allowance, colours::light_green},
     {"Label20", SlipField::foundation_contribution, colours::light_green}},
    {5640,
     {"Label13", SlipField::hierarchy_allowance, colours::light_cyan},
     {"Label16", SlipField::health_insurance, colours::light_cyan}},
    {6090,
     {"Label12", SlipField::charges_allowance, colours::light_cyan},
     {"Label17", SlipField::general_mutual, colours::light_cyan}},
    {6540,
     {"Label11", SlipField::supervision_allowance, colours::light_cyan},
     {"Label18", SlipField::mutual_fund, colours::light_cyan}},
    {6990,
     {"Label14", SlipField::family_allowance, colours::light_green},
     {"Label24", SlipField::taxable_amount, colours::light_yellow}},
    {7440,
     {"Label27", SlipField::family_exemption, colours::light_green},
     {"Label34", SlipField::tax_rate_label, colours::light_yellow}},
}};

std::string_view caption_of(SlipField field) {
    return pay::field_info(field).label;
}

void add_panels(QWidget& form) {
    add_panel(form, "Label31", twips_rect(4665, 0, 7170, 3015));
    add_panel(form, "Label28", twips_rect(15, 3000, 11820, 5010));
}

void add_labels(QWidget& form) {
    const LabelStyle choice{colours::light_green, caption_points, false, centred};
    const std::array<std::pair<std::string_view, std::string_view>, 7> choice_labels{{
        {"Label9", "السلم أو الدرجة"},
        {rank_label, rank_caption},
        {"Label2", "المنطقـــة"},
        {"Label3", "الأعباء الخاصة"},
        {"Label4", "التعويضات العائلية"},
        {"Label26", "الأشخص المتكفل بهم"},
        {"Label32", "التعاضديات"},
    }};
    int y = scale_row_y;
    for (const auto& [name, caption] : choice_labels) {
        add_label(form, name, choice_label_place(y), caption, choice);
        y += choice_row_height;
    }

    const LabelStyle box_style{colours::light_green, large_points, false, centred_bottom};
    for (const BoxRow& box : box_rows) {
        QLabel* label = add_label(form, box.label, box.place, caption_of(box.field), box_style);
        // The field covers the lower part of the box: the caption's baseline sits just above
        // it, and only the descenders pass under it.
        const int baseline = box.field_place.top() - box.place.top() - caption_gap;
        const int below = box.place.height() - baseline - QFontMetrics(label->font()).descent();
        label->setContentsMargins(0, 0, 0, below);
    }

    const LabelStyle bar{colours::green, caption_points, false, to_the_right};
    add_label(form, "Label29", twips_rect(5880, 3120, 5895, 615),
              caption_of(SlipField::gross_total), bar);
    add_label(form, "Label30", twips_rect(120, 3120, 5775, 615),
              caption_of(SlipField::total_deductions), bar);

    for (const TableRow& row : table_rows) {
        add_label(form, row.earnings.label,
                  twips_rect(earnings_label_x, row.y, earnings_label_width, table_row_height),
                  caption_of(row.earnings.field),
                  {row.earnings.ground, large_points, false, centred});
        add_label(form, row.deductions.label,
                  twips_rect(deductions_label_x, row.y, deductions_label_width, table_row_height),
                  caption_of(row.deductions.field),
                  {row.deductions.ground, large_points, false, centred});
    }
    const LabelStyle heading{colours::light_cyan, large_points, true, centred};
    add_label(form, "Label10", twips_rect(6000, 5190, 5775, 450), "التعويضــات النظاميـــة",
              heading);
    add_label(form, "Label19", twips_rect(120, 5190, 5655, 450), "التعاضديـــات", heading);
}

void add_line(QWidget& form) {
    // Line1 runs from (5880, 3120) to (5880, 8040), both ends drawn.
    auto* line = new QFrame(&form);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Plain);
    line->setLineWidth(1);
    const QRect ends = twips_rect(5880, 3120, 0, 8040 - 3120);
    line->setGeometry(ends.x(), ends.y(), 1, ends.height() + 1);
}

ChoiceLists add_lists(QWidget& form) {
    ChoiceLists lists;
    const auto label = [&](std::string_view name) {
        return form.findChild<QLabel*>(qt_text(name), Qt::FindDirectChildrenOnly)->text();
    };
    const auto add = [&](int row, std::string_view label_name, std::string_view name,
                         std::span<const std::string_view> items) {
        const int y = scale_row_y + row * choice_row_height;
        const QString caption = label(label_name);
        return add_list(form, name, choice_list_place(y), items, caption.toStdString());
    };
    lists.scale = add(0, "Label9", "Combo1", pay::scale_items);
    // Created bottom first: the out-of-scale list ends on top of the start stack.
    for (const pay::Scale scale : pay::all_scales) {
        const auto index = static_cast<std::size_t>(scale);
        lists.rank_lists[index] =
            add(1, rank_label, rank_list_names[index], pay::rank_items(scale));
    }
    lists.zone = add(2, "Label2", "Combo3", pay::zone_items);
    lists.special_charges = add(3, "Label3", "Combo4", pay::yes_no_items);
    lists.children = add(4, "Label4", "Combo5", pay::count_items);
    lists.dependents = add(5, "Label26", "Combo6", pay::count_items);
    lists.mutual_member = add(6, "Label32", "Combo7", pay::yes_no_items);
    return lists;
}

}  // namespace

FormControls build_form(QWidget& form) {
    // Creation order is stacking order: panels, then labels and the line, then the controls.
    add_panels(form);
    add_labels(form);
    add_line(form);

    FormControls controls;
    controls.lists = add_lists(form);

    const auto field = [&](SlipField which, const QRect& place, qreal points,
                           std::optional<QRgb> ground = std::nullopt) {
        controls.result_fields[static_cast<std::size_t>(which)] =
            add_result_field(form, which, place, points, ground);
    };
    for (const BoxRow& box : box_rows) {
        field(box.field, box.field_place, large_points);
    }
    field(SlipField::gross_total, twips_rect(6000, 3200, 1815, 450), caption_points,
          colours::green);
    field(SlipField::total_deductions, twips_rect(240, 3200, 1695, 450), caption_points,
          colours::green);
    for (const TableRow& row : table_rows) {
        field(row.earnings.field,
              twips_rect(earnings_field_x, row.y, earnings_field_width, table_row_height),
              row_field_points);
        field(row.deductions.field,
              twips_rect(deductions_field_x, row.y, deductions_field_width, table_row_height),
              row_field_points);
    }

    controls.ok_button = add_picture_button(form, "Command1", twips_rect(2520, 0, 1515, 1095),
                                            "موافق", ok_button_picture());
    controls.about_button = add_picture_button(form, "Command2", twips_rect(2520, 1200, 1545, 1095),
                                               "حول البرنامج", about_button_picture());
    set_flat_ground(*controls.about_button, QColor(colours::pale_green));

    const std::array<ExplanationRow, 4> explanations{{
        {"Command4", PictureWindow::residence_allowance},
        {"Command5", PictureWindow::saharan_provinces},
        {"Command6", PictureWindow::family_allowances},
        {"Command7", PictureWindow::tax_exemption},
    }};
    const std::array<std::string_view, 4> explained_labels{"Label2", "Label3", "Label4", "Label26"};
    for (std::size_t i = 0; i < explanations.size(); ++i) {
        auto* button = new QPushButton(qt_text(explanation_caption), &form);
        button->setObjectName(qt_text(explanations[i].button));
        const int y = scale_row_y + static_cast<int>(i + 2) * choice_row_height;
        button->setGeometry(twips_rect(explanation_x, y, explanation_width, choice_row_height));
        button->setAccessibleName(qt_text(explanation_caption));
        button->setAccessibleDescription(
            form.findChild<QLabel*>(qt_text(explained_labels[i]))->text());
        controls.explanation_buttons[i] = {button, explanations[i].window};
    }

    auto* enter_presses = new PressOnEnter(&form);
    controls.ok_button->installEventFilter(enter_presses);
    controls.about_button->installEventFilter(enter_presses);
    for (const ExplanationButton& each : controls.explanation_buttons) {
        each.button->installEventFilter(enter_presses);
    }

    QWidget* previous = nullptr;
    for (const std::string_view name : focus_order) {
        auto* next = form.findChild<QWidget*>(qt_text(name), Qt::FindDirectChildrenOnly);
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, next);
        }
        previous = next;
    }
    controls.lists.scale->setFocus();
    return controls;
}

}  // namespace ui
