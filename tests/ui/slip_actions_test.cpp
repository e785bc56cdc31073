// Print, save as PDF and copy as text: reached by their shortcuts and the context menu, with
// the print and file dialogs injected; nothing to print before the first computation.
#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <algorithm>

#include "accessibility_spy.h"
#include "gui_test_support.h"
#include "pay/explanation.h"
#include "pay/slip_fields.h"
#include "print/qt_text.h"
#include "wording/catalogue.h"

using gui_test::qt_text;
using gui_test::ShownWindow;

namespace {

const QString nothing_to_print = print::qt_text(wording::nothing_computed_text());
const QString print_name = QStringLiteral("طباعة البيان");
const QString save_name = QStringLiteral("حفظ البيان بصيغة المستندات المحمولة");
const QString copy_name = QStringLiteral("نسخ البيان نصا");
const QString compare_name = QStringLiteral("مقارنة");

// Scale 9, rank 1, zone C, no special charges, 2 children, 3 dependents, member: 235 points, a
// yearly pay of 45687.42 and a monthly pay of 3807.29.
void compute_worked_slip(ShownWindow& shown) {
    shown.pick_worked_slip();
    shown.press_ok();
}

void press(ShownWindow& shown, const QKeySequence& keys) {
    QWidget* target = shown.window().focusWidget();
    QTest::keySequence(target != nullptr ? target : &shown.window(), keys);
}

QByteArray file_start(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(5) : QByteArray();
}

}  // namespace

Q_DECLARE_METATYPE(QContextMenuEvent::Reason)

class SlipActionsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QVERIFY(dir_.isValid()); }

    void cleanup() {
        QVERIFY2(guard_.take_unexpected().isEmpty(), "an unexpected modal window opened");
    }

    void before_the_first_computation_there_is_nothing_to_print_data() {
        QTest::addColumn<QKeySequence>("keys");
        QTest::newRow("print") << QKeySequence(QStringLiteral("Ctrl+P"));
        QTest::newRow("save as PDF") << QKeySequence(QStringLiteral("Ctrl+Shift+S"));
        QTest::newRow("copy as text") << QKeySequence(QStringLiteral("Ctrl+Shift+C"));
    }
    void before_the_first_computation_there_is_nothing_to_print() {
        QFETCH(QKeySequence, keys);
        ShownWindow shown;
        shown.pdf_path_answer = dir_.filePath(QStringLiteral("never.pdf"));
        shown.print_to_file = dir_.filePath(QStringLiteral("never-printed.pdf"));
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        // A refused press computes nothing either.
        shown.press_ok();
        shown.messages.clear();

        press(shown, keys);
        QCOMPARE(shown.messages.size(), std::size_t{1});
        QCOMPARE(shown.messages.front().title, QStringLiteral("Velnaro"));
        QCOMPARE(shown.messages.front().text, nothing_to_print);
        QCOMPARE(shown.print_dialogs, 0);
        QVERIFY(shown.suggested_pdf_paths.isEmpty());
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
        QVERIFY(!QFile::exists(shown.pdf_path_answer));
        QVERIFY(!QFile::exists(shown.print_to_file));
    }

    void copy_puts_a_line_per_amount_on_the_clipboard() {
        ShownWindow shown;
        compute_worked_slip(shown);
        press(shown, QKeySequence(QStringLiteral("Ctrl+Shift+C")));
        // What the page says above the amounts, then, after a blank line, the amounts.
        const QStringList sections =
            QGuiApplication::clipboard()->text().split(QStringLiteral("\n\n"));
        QCOMPARE(sections.size(), 2);
        const QStringList lines = sections[1].split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 21);
        QCOMPARE(lines.front(), QStringLiteral("النقطة الاستدلالية\t235.00"));
        QVERIFY(lines.contains(QStringLiteral("الصندوق التعاضدي المستقل\t1500")));
        QVERIFY(lines.contains(QStringLiteral("النسبة المطبقة\t10 %")));
        QCOMPARE(lines.back(), QStringLiteral("الأجرة الشهرية\t3807.29"));
        QVERIFY(shown.messages.empty());
        // Each amount is named without the stretching strokes of the window's captions, so that
        // a search for a caption's plain word finds it.
        for (const pay::SlipFieldInfo& info : pay::slip_fields) {
            const QString plain =
                qt_text(info.label).remove(QChar(0x0640)).simplified() + QLatin1Char('\t');
            QVERIFY2(std::any_of(lines.begin(), lines.end(),
                                 [&](const QString& line) { return line.startsWith(plain); }),
                     qPrintable(plain));
        }
        QVERIFY(!QGuiApplication::clipboard()->text().contains(QChar(0x0640)));
    }

    // The copy says when, under which rules and for which choices the slip was computed, as the
    // printed slip does: the window's clock, the rules in effect, the choices of the last OK.
    void copy_gives_the_date_rules_and_choices() {
        const pay::PayRules raised = gui_test::raised_point_value_rules();
        ShownWindow shown(QStringLiteral("."), raised);
        compute_worked_slip(shown);
        // A choice changed after OK is not what the slip was computed for.
        gui_test::pick_with_keys(shown.list("Combo3"), 0);
        press(shown, QKeySequence(QStringLiteral("Ctrl+Shift+C")));
        const QStringList context = QGuiApplication::clipboard()
                                        ->text()
                                        .split(QStringLiteral("\n\n"))
                                        .value(0)
                                        .split(QLatin1Char('\n'));
        QCOMPARE(
            context,
            (QStringList{
                QStringLiteral("تاريخ الطبع\t2026-03-14 09:26"),
                QStringLiteral("قواعد الأجرة\t\u2068Raised point value (2027-01-01)\u2069"),
                QStringLiteral("الاختيارات"), QStringLiteral("السلم أو الدرجة\t9 / الدرجة الثالثة"),
                QStringLiteral("الرتبة\t1"), QStringLiteral("المنطقة\tج"),
                QStringLiteral("الأعباء الخاصة\tلا"), QStringLiteral("التعويضات العائلية\t2"),
                QStringLiteral("الأشخص المتكفل بهم\t3"), QStringLiteral("التعاضديات\tنعم")}));
    }

    // Copying says so for a moment, without taking the focus, and to screen readers.
    void copy_is_confirmed_without_taking_the_focus() {
        ShownWindow shown;
        compute_worked_slip(shown);
        QLineEdit& field = shown.field("Text20");
        field.setFocus(Qt::TabFocusReason);
        gui_test::AccessibilitySpy spy;
        press(shown, QKeySequence(QStringLiteral("Ctrl+Shift+C")));
        const QString sentence = QStringLiteral("نُسخ البيان إلى الحافظة");
        QVERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), sentence);
        QCOMPARE(QApplication::focusWidget(), &field);
        QVERIFY(shown.window().isActiveWindow());
        const auto alerts = spy.of_type(QAccessible::Alert);
        QVERIFY(std::any_of(alerts.begin(), alerts.end(),
                            [&](const auto& alert) { return alert.name == sentence; }));
        QVERIFY(shown.messages.empty());
        // It goes by itself.
        QTRY_VERIFY_WITH_TIMEOUT(!QToolTip::isVisible(), 5000);
        QCOMPARE(QApplication::focusWidget(), &field);
    }

    void save_suggests_a_dated_name_and_writes_the_file() {
        ShownWindow shown;
        compute_worked_slip(shown);
        shown.pdf_path_answer = dir_.filePath(QStringLiteral("saved.pdf"));
        press(shown, QKeySequence(QStringLiteral("Ctrl+Shift+S")));
        QCOMPARE(shown.suggested_pdf_paths.size(), 1);
        QVERIFY2(shown.suggested_pdf_paths.front().endsWith(
                     QStringLiteral("/velnaro-slip-2026-03-14.pdf")),
                 qPrintable(shown.suggested_pdf_paths.front()));
        QCOMPARE(file_start(shown.pdf_path_answer), QByteArray("%PDF-"));
        // One short message says the file was written, naming it as an isolate.
        QCOMPARE(shown.messages.size(), std::size_t{1});
        QCOMPARE(shown.messages.front().title, QStringLiteral("Velnaro"));
        const QString isolated_path =
            QChar(0x2068) + QDir::toNativeSeparators(shown.pdf_path_answer) + QChar(0x2069);
        QVERIFY2(shown.messages.front().text.contains(isolated_path),
                 qPrintable(shown.messages.front().text));
        QVERIFY(shown.messages.front().text.contains(QStringLiteral("saved")));
    }

    void a_cancelled_save_writes_nothing() {
        ShownWindow shown;
        compute_worked_slip(shown);
        press(shown, QKeySequence(QStringLiteral("Ctrl+Shift+S")));
        QCOMPARE(shown.suggested_pdf_paths.size(), 1);
        QVERIFY(shown.messages.empty());
    }

    void a_failed_save_says_so_in_one_message() {
        ShownWindow shown;
        compute_worked_slip(shown);
        shown.pdf_path_answer = dir_.filePath(QStringLiteral("no-such-folder/slip.pdf"));
        press(shown, QKeySequence(QStringLiteral("Ctrl+Shift+S")));
        QCOMPARE(shown.messages.size(), std::size_t{1});
        QCOMPARE(shown.messages.front().title, QStringLiteral("Velnaro"));
        QVERIFY(shown.messages.front().text.startsWith(QStringLiteral("تعذر حفظ الملف")));
        QVERIFY(!shown.messages.front().text.contains('\n'));
        // The Latin path keeps its order inside the Arabic sentence.
        const QString isolated_path =
            QChar(0x2068) + QDir::toNativeSeparators(shown.pdf_path_answer) + QChar(0x2069);
        QVERIFY2(shown.messages.front().text.contains(isolated_path),
                 qPrintable(shown.messages.front().text));
        QVERIFY(!QFile::exists(shown.pdf_path_answer));
    }

    void print_goes_through_the_print_dialog_data() {
        QTest::addColumn<bool>("accepted");
        QTest::newRow("printed") << true;
        QTest::newRow("cancelled") << false;
    }
    void print_goes_through_the_print_dialog() {
        QFETCH(bool, accepted);
        ShownWindow shown;
        compute_worked_slip(shown);
        const QString printed =
            dir_.filePath(QStringLiteral("printed-%1.pdf").arg(accepted ? 1 : 0));
        shown.print_to_file = accepted ? printed : QString();
        press(shown, QKeySequence(QStringLiteral("Ctrl+P")));
        QCOMPARE(shown.print_dialogs, 1);
        QCOMPARE(QFile::exists(printed), accepted);
        if (accepted) {
            QCOMPARE(file_start(printed), QByteArray("%PDF-"));
        }
        QVERIFY(shown.messages.empty());
    }

    void the_context_menu_offers_the_actions_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("field");
        QTest::addColumn<QContextMenuEvent::Reason>("reason");
        const auto mouse = QContextMenuEvent::Mouse;
        QTest::newRow("result field") << QStringLiteral("Text2") << true << mouse;
        QTest::newRow("result field, menu key")
            << QStringLiteral("Text2") << true << QContextMenuEvent::Keyboard;
        QTest::newRow("total field") << QStringLiteral("Text15") << true << mouse;
        QTest::newRow("result panel") << QStringLiteral("Label28") << false << mouse;
        QTest::newRow("choice panel") << QStringLiteral("Label31") << false << mouse;
        QTest::newRow("row label on its panel") << QStringLiteral("Label6") << false << mouse;
    }
    void the_context_menu_offers_the_actions() {
        QFETCH(QString, control);
        QFETCH(bool, field);
        QFETCH(QContextMenuEvent::Reason, reason);
        ShownWindow shown;
        compute_worked_slip(shown);
        auto* target = shown.window().findChild<QWidget*>(control, Qt::FindDirectChildrenOnly);
        QVERIFY(target != nullptr);

        QStringList entries;
        bool opened = false;
        // Runs in the menu's own event loop: reads the entries as a screen reader does, then
        // picks "save" with the keyboard.
        QTimer::singleShot(0, &shown.window(), [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (menu == nullptr) {
                return;
            }
            opened = true;
            QAccessibleInterface* readable = QAccessible::queryAccessibleInterface(menu);
            for (int i = 0; readable != nullptr && i < readable->childCount(); ++i) {
                entries << readable->child(i)->text(QAccessible::Name);
            }
            for (QAction* action : menu->actions()) {
                if (action->text() == save_name) {
                    menu->setActiveAction(action);
                }
            }
            QTest::keyClick(menu, Qt::Key_Return);
        });
        if (reason == QContextMenuEvent::Keyboard) {
            target->setFocus(Qt::TabFocusReason);
        }
        const QPoint at = target->rect().center();
        QContextMenuEvent event(reason, at, target->mapToGlobal(at));
        QApplication::sendEvent(target, &event);

        QVERIFY(opened);
        // The slip's entries, then the comparison, each once.
        const QStringList ours{print_name, save_name, copy_name, compare_name};
        QStringList named = entries;
        named.removeIf([&](const QString& entry) { return !ours.contains(entry); });
        QVERIFY2(named == ours, qPrintable(entries.join(QStringLiteral(" | "))));
        // A field keeps its own entries (copy, select all) above the slip's.
        QCOMPARE(entries.indexOf(print_name) > 0, field);
        QCOMPARE(shown.suggested_pdf_paths.size(), 1);
    }

    void the_actions_take_no_focus_and_leave_the_results() {
        ShownWindow shown;
        compute_worked_slip(shown);
        const QStringList before = shown.result_texts();
        shown.list("Combo1").setFocus(Qt::OtherFocusReason);
        press(shown, QKeySequence(QStringLiteral("Ctrl+Shift+C")));
        shown.pdf_path_answer.clear();
        press(shown, QKeySequence(QStringLiteral("Ctrl+Shift+S")));
        QCOMPARE(gui_test::focused_control(shown.window()), QStringLiteral("Combo1"));
        QCOMPARE(shown.result_texts(), before);
    }

  private:
    gui_test::ModalGuard guard_;
    QTemporaryDir dir_;
};

VELNARO_GUI_TEST_MAIN(SlipActionsTest)

#include "slip_actions_test.moc"
