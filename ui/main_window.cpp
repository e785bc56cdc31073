#include "ui/main_window.h"

#include <QAction>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QToolButton>
#include <utility>

#include "ui/application.h"
#include "ui/compare/compare_action.h"
#include "ui/compare/compare_window.h"
#include "ui/context_menus.h"
#include "ui/form_language.h"
#include "ui/language_menu.h"
#include "ui/rules_menu.h"
#include "ui/screen_placement.h"

namespace ui {

MainWindow::MainWindow(WindowOptions options)
    : controls_(build_form(*this)),
      ranks_(controls_.lists.rank_lists, controls_.rank_label),
      ok_action_(*this, controls_, ranks_,
                 {.decimal_separator = options.decimal_separator.toStdString(),
                  .rules = options.rules,
                  .previous_rules = options.previous_rules},
                 in_language(options.present_message, options.catalogue)),
      slip_actions_(*this, ok_action_.session(),
                    {.decimal_separator = options.decimal_separator,
                     .present_message = in_language(options.present_message, options.catalogue),
                     .ask_printer = std::move(options.ask_printer),
                     .ask_pdf_path = std::move(options.ask_pdf_path),
                     .now = std::move(options.now),
                     .catalogue = options.catalogue}),
      explanations_(controls_.result_fields, ok_action_.session(), this, options.catalogue),
      rules_(&options.rules.get()),
      fixed_previous_(options.compare_with_set_before ? nullptr : options.previous_rules),
      rule_sets_(std::move(options.rule_sets)),
      decimal_separator_(std::move(options.decimal_separator)),
      present_message_(in_language(std::move(options.present_message), options.catalogue)) {
    setObjectName(QStringLiteral("Form1"));
    show_form_in(*this, options.catalogue);
    setWindowTitle(window_title(*rules_));
    resize(client_size);
    setAutoFillBackground(true);
    QPalette ground = palette();
    ground.setColor(QPalette::Window, QColor(colours::blue));
    setPalette(ground);

    // Only a pick in the scale list switches the rank lists; typing never does.
    connect(controls_.lists.scale, &QComboBox::activated, this,
            [this](int index) { ranks_.show_rank_list(index); });
    connect(controls_.ok_button, &QToolButton::clicked, this, [this] { ok_action_.run(); });

    QAction* compare = add_compare_action(*this, [this] { open_comparison(); });
    add_language_menu(*this, options.catalogue, present_message_);

    // One context menu on the panels, the labels (a right click on one passes on to the form)
    // and the result fields, which keep their own editing entries above it: the slip actions,
    // then the comparison.
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    QList<QAction*> slip_entries = slip_actions_.actions();
    slip_entries << separator;
    if (rule_sets_.size() > 1) {
        slip_entries << make_rules_menu(*this, rule_sets_, options.set_in_use,
                                        [this](std::size_t place) { use_rule_set(place); });
    }
    use_actions_context_menu(*this);
    insertActions(compare, slip_entries);
    for (const char* name : compare_menu_panels) {
        if (auto* panel = findChild<QLabel*>(QString::fromLatin1(name))) {
            panel->insertActions(compare, slip_entries);
        }
    }
    // A result field's menu begins with the entry that explains its amount.
    for (std::size_t i = 0; i < controls_.result_fields.size(); ++i) {
        const QList<QAction*> explain{explanations_.explain_action(static_cast<pay::SlipField>(i)),
                                      separator};
        add_actions_to_field_menu(*controls_.result_fields[i],
                                  explain + slip_entries + QList<QAction*>{compare});
    }

    const PictureOpener open = std::move(options.open_picture);
    connect(controls_.about_button, &QToolButton::clicked, this,
            [this, open] { open(PictureWindow::about, *rules_, this); });
    for (const ExplanationButton& each : controls_.explanation_buttons) {
        connect(each.button, &QPushButton::clicked, this,
                [this, open, which = each.window] { open(which, *rules_, this); });
    }
    show_actions_in(*this, options.catalogue);
}

void MainWindow::use_rule_set(std::size_t place) {
    rules_ = rule_sets_[place];
    ok_action_.use_rules(*rules_, fixed_previous_ != nullptr ? fixed_previous_
                                  : place > 0                ? rule_sets_[place - 1]
                                                             : nullptr);
    setWindowTitle(window_title(*rules_));
}

void MainWindow::open_comparison() {
    ui::open_comparison(*this, ok_action_.session(), ok_action_.previous_session(),
                        decimal_separator_, present_message_);
}

void MainWindow::centre_on_screen() {
    ui::centre_on_screen(*this, this);
}

}  // namespace ui
