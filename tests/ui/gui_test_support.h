#pragma once

#include <QApplication>
#include <QDateTime>
#include <QObject>
#include <QStringList>
#include <QTest>
#include <deque>
#include <functional>
#include <span>
#include <string_view>

#include <memory>
#include <utility>
#include <vector>
#include "pay/pay_inputs.h"
#include "pay/rules.h"
#include "print/qt_text.h"
#include "ui/application.h"
#include "ui/main_window.h"
#include "ui/message_presenter.h"
#include "ui/pictures/picture_windows.h"
#include "worked_slip.h"

class QComboBox;
class QWidget;

namespace gui_test {

/// Fails the test when a modal window opens that it did not expect: the window is recorded and
/// closed at once, so the test goes on instead of hanging in the window's event loop.
class ModalGuard : public QObject {
  public:
    ModalGuard();
    ~ModalGuard() override;

    /// The next modal window is expected: `inspect` sees it while it is open, then it is closed.
    void expect(std::function<void(QWidget&)> inspect);

    /// Titles of the unexpected modal windows seen since the last call.
    QStringList take_unexpected();

    /// How many expected windows have not opened.
    std::size_t pending() const { return expected_.size(); }

    /// Forgets the expected windows that have not opened, so that a failed test leaves none to
    /// the next; returns how many there were.
    std::size_t drop_pending() { return std::exchange(expected_, {}).size(); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::deque<std::function<void(QWidget&)>> expected_;
    QStringList unexpected_;
};

/// Types `text` into `target` one character at a time, as a keyboard does; unlike
/// QTest::keyClicks this takes any Unicode text.
void type_text(QWidget& target, const QString& text);

/// Replaces the text of an editable list by typing.
void retype(QComboBox& list, const QString& text);

/// Picks an entry with the arrow keys, as a user moving the selection does.
void pick_with_keys(QComboBox& list, int index);

/// Picks an entry with the mouse in the dropped-down list.
void pick_with_mouse(QComboBox& list, int index);

/// Closes `window` as a window manager does (WM_DELETE_WINDOW): the platform asks its window to
/// close.
void close_as_window_manager(QWidget& window);

/// Double-clicks the middle of `target` where the window system sends the click: to the topmost
/// platform window under the pointer that takes input. A control given a native window of its
/// own lies over every alien control of its parent, so the click may not reach `target`.
void double_click_through_window_system(QWidget& target);

/// The name of the window's control that holds `widget` (a list's own field is part of it).
QString control_name(const QWidget* widget, const QWidget& window);

/// The control that has the focus in `window`, or gets it when the window is activated.
QString focused_control(const QWidget& window);

using print::qt_text;

/// The choices `ShownWindow::pick_worked_slip` picks, as the window's lists hold them.
using test_support::worked_slip_inputs;

/// The built-in rules under another name and day, with the value of an index point raised: each
/// amount that rests on the base salary changes.
pay::PayRules raised_point_value_rules();

/// A main window on screen and active, with its messages and picture windows recorded instead
/// of shown. It computes with `rules` and compares them with `previous_rules` when given; both
/// outlive it.
class ShownWindow {
  public:
    explicit ShownWindow(const QString& decimal_separator = QStringLiteral("."),
                         const pay::PayRules& rules = pay::built_in_rules(),
                         const pay::PayRules* previous_rules = nullptr,
                         std::vector<const pay::PayRules*> rule_sets = {},
                         std::size_t set_in_use = 0,

                         const language::Catalogue& catalogue = {});

    ui::MainWindow& window() { return *window_; }
    QComboBox& list(const char* name);
    QLineEdit& field(const char* name);
    /// Clicks OK.
    void press_ok();
    /// Picks the worked slip with the keys: scale 9, rank 1 (235 points), zone C, no special
    /// charges, 2 children, 3 dependents, member.
    void pick_worked_slip();
    /// The text of every result field, by control name.
    QStringList result_texts();

    std::vector<ui::Message> messages;
    std::vector<ui::PictureWindow> pictures;
    /// The rules each picture window was to be drawn with.
    std::vector<const pay::PayRules*> picture_rules;
    /// Whether the picture windows also open, modally, as the program opens them.
    bool open_pictures = false;

    /// The date and time the window's clock gives.
    static const QDateTime now;
    /// What the file dialog answers; empty cancels it.
    QString pdf_path_answer;
    /// The paths the file dialog suggested.
    QStringList suggested_pdf_paths;
    /// Where the print dialog sends the print, as a PDF file; empty cancels it.
    QString print_to_file;
    int print_dialogs = 0;

  private:
    std::unique_ptr<ui::MainWindow> window_;
};

}  // namespace gui_test

/// A test main that sets the application up as the program does.
#define VELNARO_GUI_TEST_MAIN(TestClass)        \
    int main(int argc, char* argv[]) {          \
        QApplication app(argc, argv);           \
        ui::configure_application(app);         \
        TestClass test;                         \
        QTEST_SET_MAIN_SOURCE_PATH              \
        return QTest::qExec(&test, argc, argv); \
    }
