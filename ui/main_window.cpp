#include "ui/main_window.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QToolButton>
#include <utility>

#include "ui/application.h"
#include "ui/compare_action.h"
#include "ui/compare_window.h"
#include "ui/qt_text.h"
#include "ui/screen_placement.h"

namespace ui {

MainWindow::MainWindow(WindowOptions options)
    : controls_(build_form(*this)),
      ranks_(controls_.lists.rank_lists, controls_.rank_label),
      ok_action_(*this, controls_, ranks_, options.decimal_separator.toStdString(),
                 options.present_message),
      explanations_(controls_.result_fields, ok_action_.session(), this),
      decimal_separator_(std::move(options.decimal_separator)),
      present_message_(std::move(options.present_message)) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(qt_text(window_caption));
    resize(client_size);
    setAutoFillBackground(true);
    QPalette ground = palette();
    ground.setColor(QPalette::Window, QColor(colours::blue));
    setPalette(ground);

    // Only a pick in the scale list switches the rank lists; typing never does.
    connect(controls_.lists.scale, &QComboBox::activated, this,
            [this] { ranks_.show_rank_list(controls_.lists.scale->currentText()); });
    connect(controls_.ok_button, &QToolButton::clicked, this, [this] { ok_action_.run(); });

    add_compare_action(*this, [this] { open_comparison(); });

    const PictureOpener open = std::move(options.open_picture);
    connect(controls_.about_button, &QToolButton::clicked, this,
            [this, open] { open(PictureWindow::about, this); });
    for (const ExplanationButton& each : controls_.explanation_buttons) {
        connect(each.button, &QPushButton::clicked, this,
                [this, open, which = each.window] { open(which, this); });
    }
}

void MainWindow::open_comparison() {
    ui::open_comparison(*this, ok_action_.computed_inputs(), decimal_separator_, present_message_);
}

void MainWindow::centre_on_screen() {
    ui::centre_on_screen(*this, this);
}

}  // namespace ui
