#include "gui_test_support.h"

#include <qpa/qwindowsysteminterface.h>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPrinter>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <array>
#include <utility>

namespace gui_test {

ModalGuard::ModalGuard() {
    qApp->installEventFilter(this);
}

ModalGuard::~ModalGuard() {
    qApp->removeEventFilter(this);
}

void ModalGuard::expect(std::function<void(QWidget&)> inspect) {
    expected_.push_back(std::move(inspect));
}

QStringList ModalGuard::take_unexpected() {
    return std::exchange(unexpected_, {});
}

bool ModalGuard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* window = static_cast<QWidget*>(watched);
        if (window->isWindow() && window->isModal()) {
            std::function<void(QWidget&)> inspect;
            if (expected_.empty()) {
                unexpected_ << window->windowTitle();
            } else {
                inspect = std::move(expected_.front());
                expected_.pop_front();
            }
            // Runs inside the modal window's own event loop, once it is shown.
            QTimer::singleShot(0, window, [window, inspect = std::move(inspect)] {
                if (inspect) {
                    inspect(*window);
                }
                window->close();
            });
        }
    }
    return QObject::eventFilter(watched, event);
}

void type_text(QWidget& target, const QString& text) {
    for (const QChar character : text) {
        QTest::sendKeyEvent(QTest::Click, &target, Qt::Key_unknown, QString(character),
                            Qt::NoModifier);
    }
}

void retype(QComboBox& list, const QString& text) {
    list.setFocus(Qt::OtherFocusReason);
    list.lineEdit()->selectAll();
    QTest::keyClick(list.lineEdit(), Qt::Key_Delete);
    type_text(*list.lineEdit(), text);
}

void pick_with_keys(QComboBox& list, int index) {
    list.setFocus(Qt::OtherFocusReason);
    while (list.currentIndex() < index) {
        QTest::keyClick(&list, Qt::Key_Down);
    }
    while (list.currentIndex() > index) {
        QTest::keyClick(&list, Qt::Key_Up);
    }
}

void pick_with_mouse(QComboBox& list, int index) {
    list.showPopup();
    QAbstractItemView* view = list.view();
    const QRect item = view->visualRect(list.model()->index(index, list.modelColumn()));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, item.center());
}

void close_as_window_manager(QWidget& window) {
    QWindowSystemInterface::handleCloseEvent<QWindowSystemInterface::SynchronousDelivery>(
        window.windowHandle());
}

namespace {

struct PlatformWindow {
    QWidget* widget = nullptr;
    QWindow* window = nullptr;
};

// Native windows lie over whatever their parent draws, alien widgets included, and stack among
// themselves in their widgets' order; a window transparent for input lets the click through.
void find_window_under(QWidget& parent, QPoint global, PlatformWindow& found) {
    for (QObject* child : parent.children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (widget == nullptr || widget->isWindow() || !widget->isVisible() ||
            !QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size()).contains(global)) {
            continue;
        }
        QWindow* own = widget->windowHandle();
        if (own != nullptr && !own->flags().testFlag(Qt::WindowTransparentForInput)) {
            found = {widget, own};
        }
        find_window_under(*widget, global, found);
    }
}

}  // namespace

void double_click_through_window_system(QWidget& target) {
    QWidget& top = *target.window();
    const QPoint global = target.mapToGlobal(target.rect().center());
    PlatformWindow found{&top, top.windowHandle()};
    find_window_under(top, global, found);
    QTest::mouseDClick(found.window, Qt::LeftButton, Qt::NoModifier,
                       found.widget->mapFromGlobal(global));
}

QString control_name(const QWidget* widget, const QWidget& window) {
    while (widget != nullptr && widget->parentWidget() != &window) {
        widget = widget->parentWidget();
    }
    return widget != nullptr ? widget->objectName() : QString();
}

QString focused_control(const QWidget& window) {
    return control_name(window.focusWidget(), window);
}

pay::PayRules raised_point_value_rules() {
    pay::PayRules rules = pay::built_in_rules();
    rules.name = "Raised point value";
    rules.effective = {.year = 2027, .month = 1, .day = 1};
    rules.base_salary.index_point_value *= 1.25;
    return rules;
}

const QDateTime ShownWindow::now(QDate(2026, 3, 14), QTime(9, 26));

ShownWindow::ShownWindow(const QString& decimal_separator, const pay::PayRules& rules,
                         const pay::PayRules* previous_rules,
                         std::vector<const pay::PayRules*> rule_sets, std::size_t set_in_use,

                         const language::Catalogue& catalogue) {
    ui::WindowOptions options{.rules = rules};
    options.catalogue = catalogue;
    options.previous_rules = previous_rules;
    options.compare_with_set_before = !rule_sets.empty() && previous_rules == nullptr;
    options.rule_sets = std::move(rule_sets);
    options.set_in_use = set_in_use;
    options.decimal_separator = decimal_separator;
    options.present_message = [this](QWidget&, const ui::Message& message) {
        messages.push_back(message);
    };
    options.open_picture = [this](ui::PictureWindow which, const pay::PayRules& drawn_with,
                                  QWidget* parent) {
        pictures.push_back(which);
        picture_rules.push_back(&drawn_with);
        if (open_pictures) {
            ui::open_picture_window(which, drawn_with, parent);
        }
    };
    options.ask_pdf_path = [this](QWidget&, const QString& suggested) {
        suggested_pdf_paths << suggested;
        return pdf_path_answer;
    };
    options.ask_printer = [this](QWidget&, QPrinter& printer) {
        ++print_dialogs;
        if (print_to_file.isEmpty()) {
            return false;
        }
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(print_to_file);
        return true;
    };
    options.now = [] { return now; };
    window_ = std::make_unique<ui::MainWindow>(std::move(options));
    window_->show();
    window_->activateWindow();
    if (!QTest::qWaitForWindowActive(window_.get())) {
        qWarning("the main window did not become active");
    }
}

QComboBox& ShownWindow::list(const char* name) {
    auto* list = window_->findChild<QComboBox*>(QLatin1String(name));
    // QTEST_ASSERT stays in release builds: a missing control stops the test with its name.
    QTEST_ASSERT_X(list != nullptr, "ShownWindow::list", name);
    return *list;
}

QLineEdit& ShownWindow::field(const char* name) {
    auto* field = window_->findChild<QLineEdit*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
    QTEST_ASSERT_X(field != nullptr, "ShownWindow::field", name);
    return *field;
}

void ShownWindow::pick_worked_slip() {
    const std::array<std::pair<const char*, int>, 7> positions{{{"Combo1", 0},
                                                                {"Combo2", 0},
                                                                {"Combo3", 2},
                                                                {"Combo4", 1},
                                                                {"Combo5", 2},
                                                                {"Combo6", 3},
                                                                {"Combo7", 0}}};
    for (const auto& [name, position] : positions) {
        pick_with_keys(list(name), position);
    }
}

void ShownWindow::press_ok() {
    auto* ok = window_->findChild<QWidget*>(QStringLiteral("Command1"));
    QTEST_ASSERT_X(ok != nullptr, "ShownWindow::press_ok", "Command1");
    QTest::mouseClick(ok, Qt::LeftButton);
}

QStringList ShownWindow::result_texts() {
    QStringList texts;
    for (const QLineEdit* field : window_->controls().result_fields) {
        texts << field->objectName() + QLatin1Char('=') + field->text();
    }
    return texts;
}

}  // namespace gui_test
