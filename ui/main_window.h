#pragma once

#include <QLocale>
#include <QString>
#include <QWidget>
#include <cstddef>
#include <functional>
#include <vector>

#include "language/catalogue.h"
#include "pay/rules.h"
#include "ui/field_explanations.h"
#include "ui/message_presenter.h"
#include "ui/ok_action.h"
#include "ui/pictures/picture_windows.h"
#include "ui/rank_lists.h"
#include "ui/slip_actions.h"
#include "ui/window_layout.h"

namespace ui {

/// Opens a picture window modally over the main window, its amounts from `rules`.
using PictureOpener =
    std::function<void(PictureWindow which, const pay::PayRules& rules, QWidget* parent)>;

/// What the main window takes from its surroundings.
struct WindowOptions {
    /// What every amount is computed, explained, printed and drawn with; they outlive the window.
    std::reference_wrapper<const pay::PayRules> rules;
    /// The rules the comparison window sets `rules` against (--compare-rules), or none; they
    /// outlive the window.
    const pay::PayRules* previous_rules = nullptr;
    /// The known rule sets in date order, `rules` among them at `set_in_use`; with more than one,
    /// the panels' menu lets the user pick another. They outlive the window.
    std::vector<const pay::PayRules*> rule_sets{};
    std::size_t set_in_use = 0;
    /// `previous_rules` is the set before the one in use, and follows the set picked.
    bool compare_with_set_before = false;
    /// The decimal separator of the user's regional settings; the digits stay ASCII.
    QString decimal_separator = QLocale::system().decimalPoint();
    MessagePresenter present_message = show_message_box;
    PictureOpener open_picture = open_picture_window;
    PrintDialog ask_printer = show_print_dialog;
    PdfFileDialog ask_pdf_path = ask_pdf_file;
    /// The date and time printed on a slip.
    std::function<QDateTime()> now = &QDateTime::currentDateTime;
    /// The language of the window, its printed slip and its messages.
    language::Catalogue catalogue{};
};

/// The main window, Form1: seven choice lists, OK, the picture buttons and the result fields.
/// It holds one pay slip from its opening to its closing, and prints, saves or copies it from
/// its shortcuts and the context menu of its panels and result fields.
class MainWindow : public QWidget {
  public:
    explicit MainWindow(WindowOptions options);

    /// Places the window centred on its screen.
    void centre_on_screen();

    const FormControls& controls() const { return controls_; }

    /// Compares the choices of the last computation along every axis (Ctrl+K).
    void open_comparison();

  private:
    /// Computes with the known set at `place` from now on.
    void use_rule_set(std::size_t place);

    FormControls controls_;
    RankLists ranks_;
    OkAction ok_action_;
    SlipActions slip_actions_;
    FieldExplanations explanations_;
    const pay::PayRules* rules_;
    /// The rules of --compare-rules, which stay whatever set is in use.
    const pay::PayRules* fixed_previous_;
    std::vector<const pay::PayRules*> rule_sets_;
    QString decimal_separator_;
    MessagePresenter present_message_;
};

}  // namespace ui
