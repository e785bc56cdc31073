// The comparison window: opened by Ctrl+K and from the panels' context menu on the choices of the
// last OK press, its tables and their models, the highlighted row, the copied text, its names for
// screen readers, and the messages before any computation.
#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFontInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "accessibility_spy.h"
#include "gui_test_support.h"
#include "pay/comparison.h"
#include "pay/explanation.h"
#include "pay/pay_session.h"
#include "pay/shown_units.h"
#include "pay/slip_fields.h"
#include "print/rule_set_text.h"
#include "ui/compare/compare_window.h"
#include "ui/compare/comparison_model.h"
#include "ui/compare/rules_comparison_model.h"
#include "ui/focus_ring.h"
#include "ui/screen_placement.h"
#include "wording/catalogue.h"

using gui_test::qt_text;
using gui_test::ShownWindow;
using pay::CompareAxis;

namespace {

// Scale 9, rank 1 (235 points), zone C, no special charges, 2 children, 3 dependents, member:
// the window shows 3807#29 a month, 45687#42 a year (worked by hand in the OK action's test).
void pick_scale_9_rank_1(ShownWindow& shown) {
    shown.pick_worked_slip();
}

void press_compare_keys(ShownWindow& shown) {
    QTest::keyClick(&shown.window(), Qt::Key_K, Qt::ControlModifier);
}

QString accessible_name(QObject* object) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(QAccessible::Name) : QString();
}

// What a test reads in the comparison window while it is open.
struct Seen {
    bool right_to_left = false;
    QStringList tab_captions;
    QString focused_table;
    int start_row = -1;
    bool start_selected = true;
    std::optional<int> current_row;
    std::vector<int> rows;
    QStringList children_texts;  // the children table, row by row, cells joined by '|'
    QVariant own_background;
    QVariant other_background;
    QVariant gain_colour;
    QVariant loss_colour;
    QString copied;
    QString table_name;
    QString table_role;
    QStringList header_cells;
    QString own_row_header;
    QString own_cell_description;
    QStringList tab_names;
    QString scale_note;
    QString close_name;
};

Seen inspect(QWidget& window) {
    Seen seen;
    auto& compare = dynamic_cast<ui::CompareWindow&>(window);
    seen.right_to_left = compare.layoutDirection() == Qt::RightToLeft;
    for (int i = 0; i < compare.tabs()->count(); ++i) {
        seen.tab_captions << compare.tabs()->tabText(i);
    }
    seen.focused_table = compare.focusWidget() ? compare.focusWidget()->objectName() : QString();
    for (const CompareAxis axis : pay::all_compare_axes) {
        seen.rows.push_back(compare.model(axis).rowCount());
    }

    QTableView* children = compare.table(CompareAxis::children);
    const QAbstractItemModel& model = *children->model();
    seen.start_row = children->currentIndex().row();
    seen.start_selected = children->selectionModel()->hasSelection();
    seen.current_row = compare.model(CompareAxis::children).comparison().current
                           ? std::optional<int>(static_cast<int>(
                                 *compare.model(CompareAxis::children).comparison().current))
                           : std::nullopt;
    for (int row = 0; row < model.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < model.columnCount(); ++column) {
            cells << model.index(row, column).data().toString();
        }
        seen.children_texts << cells.join(QLatin1Char('|'));
    }
    const int last = model.columnCount() - 1;
    seen.own_background = model.index(2, 0).data(Qt::BackgroundRole);
    seen.other_background = model.index(0, 0).data(Qt::BackgroundRole);
    seen.gain_colour = model.index(3, last).data(Qt::ForegroundRole);
    seen.loss_colour = model.index(0, last).data(Qt::ForegroundRole);
    seen.own_row_header = model.headerData(2, Qt::Vertical).toString();
    seen.own_cell_description = model.index(2, 1).data(Qt::AccessibleDescriptionRole).toString();

    // Rows 0 and 3 selected, then Ctrl+C.
    compare.tabs()->setCurrentIndex(static_cast<int>(CompareAxis::children));
    children->setFocus();
    children->clearSelection();
    children->selectionModel()->select(model.index(3, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
    children->selectionModel()->select(model.index(0, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QTest::keyClick(children, Qt::Key_C, Qt::ControlModifier);
    seen.copied = QGuiApplication::clipboard()->text();

    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(children);
    seen.table_name = table->text(QAccessible::Name);
    seen.table_role = table->role() == QAccessible::Table ? QStringLiteral("table") : QString();
    if (QAccessibleTableInterface* cells = table->tableInterface()) {
        if (QAccessibleInterface* cell = cells->cellAt(0, last)) {
            for (QAccessibleInterface* header : cell->tableCellInterface()->columnHeaderCells()) {
                seen.header_cells << header->text(QAccessible::Name);
                // Qt makes a new header cell for each call and keeps no hold of it; its cache
                // takes it, and deletes it with the others when the program ends.
                QAccessible::uniqueId(header);
            }
        }
    }
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(compare.tabs()->tabBar());
    for (int i = 0; i < bar->childCount(); ++i) {
        // The bar's scroll buttons are children too.
        if (bar->child(i)->role() == QAccessible::PageTab) {
            seen.tab_names << bar->child(i)->text(QAccessible::Name);
        }
    }
    if (auto* note = compare.findChild<QLabel*>(QStringLiteral("comparison_note_scale"))) {
        seen.scale_note = note->text();
    }
    for (QObject* child : compare.findChildren<QPushButton*>()) {
        seen.close_name = accessible_name(child);
    }
    return seen;
}

// What a test reads of the rule sets' tab while the window is open.
struct SeenRules {
    bool opened = false;
    QStringList tab_captions;
    QString note;
    QString first_tab_note;  // the label of the rules tab before any computation
    bool note_takes_focus = false;
    // How far in from the label's nearest edge its words' ink lies, in its own pixels; -1 when
    // it draws no ink.
    int note_ink_inset = -1;
    QString focused;
    bool has_table = false;
    // Column by column, row by row.
    QStringList titles;
    QStringList in_effect;
    QStringList previous;
    QStringList differences;
    QStringList header;
    QString table_name;
    QString table_description;
    bool table_role = false;
    QStringList tab_names;
    QString page_name;
    QStringList header_cells;
    QString focused_after_keys;
};

QStringList column_texts(const QAbstractItemModel& model, ui::RulesComparisonModel::Column column) {
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row) {
        texts << model.index(row, static_cast<int>(column)).data().toString();
    }
    return texts;
}

// How far the dark pixels of `image` keep from its nearest edge, in device pixels over the ratio;
// -1 when it has none.
int ink_inset(const QImage& image) {
    int inset = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 100) {
                const int here = std::min({x, y, image.width() - 1 - x, image.height() - 1 - y});
                inset = inset < 0 ? here : std::min(inset, here);
            }
        }
    }
    return inset < 0 ? inset : static_cast<int>(inset / image.devicePixelRatio());
}

SeenRules inspect_rules(QWidget& window) {
    using Column = ui::RulesComparisonModel::Column;
    SeenRules seen;
    seen.opened = true;
    auto& compare = dynamic_cast<ui::CompareWindow&>(window);
    for (int i = 0; i < compare.tabs()->count(); ++i) {
        seen.tab_captions << compare.tabs()->tabText(i);
    }
    if (auto* note = compare.findChild<QLabel*>(QStringLiteral("comparison_note"))) {
        seen.note = note->text();
    }
    seen.focused = compare.focusWidget() ? compare.focusWidget()->objectName() : QString();
    if (auto* label = compare.findChild<QLabel*>(QStringLiteral("comparison_note_rules"))) {
        seen.first_tab_note = label->text();
        seen.note_takes_focus = label->focusPolicy() & Qt::TabFocus;
        seen.note_ink_inset = ink_inset(label->grab().toImage());
    }
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(compare.tabs()->tabBar());
    for (int i = 0; i < bar->childCount(); ++i) {
        if (bar->child(i)->role() == QAccessible::PageTab) {
            seen.tab_names << bar->child(i)->text(QAccessible::Name);
        }
    }
    if (compare.rules_page() != nullptr) {
        seen.page_name =
            QAccessible::queryAccessibleInterface(compare.rules_page())->text(QAccessible::Name);
    }
    QTableView* table = compare.rules_table();
    seen.has_table = table != nullptr;
    if (table == nullptr) {
        return seen;
    }
    const QAbstractItemModel& model = *table->model();
    seen.titles = column_texts(model, Column::field);
    seen.in_effect = column_texts(model, Column::in_effect);
    seen.previous = column_texts(model, Column::previous);
    seen.differences = column_texts(model, Column::difference);
    for (int column = 0; column < model.columnCount(); ++column) {
        seen.header << model.headerData(column, Qt::Horizontal).toString();
    }
    QAccessibleInterface* readable = QAccessible::queryAccessibleInterface(table);
    seen.table_name = readable->text(QAccessible::Name);
    seen.table_description = readable->text(QAccessible::Description);
    seen.table_role = readable->role() == QAccessible::Table;
    if (QAccessibleTableInterface* cells = readable->tableInterface()) {
        if (QAccessibleInterface* cell = cells->cellAt(0, static_cast<int>(Column::difference))) {
            for (QAccessibleInterface* header : cell->tableCellInterface()->columnHeaderCells()) {
                seen.header_cells << header->text(QAccessible::Name);
                QAccessible::uniqueId(header);  // the cache deletes it, as above
            }
        }
    }
    // From the first tab's table, the keyboard reaches the rule sets' tab and its table.
    for (int i = 0;
         i < compare.tabs()->count() && compare.tabs()->currentWidget() != compare.rules_page();
         ++i) {
        QTest::keyClick(compare.focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    }
    if (compare.focusWidget() != table) {
        QTest::keyClick(compare.focusWidget(), Qt::Key_Tab);
    }
    seen.focused_after_keys =
        compare.focusWidget() ? compare.focusWidget()->objectName() : QString();
    return seen;
}

// Opens the comparison window with its keys and reads its rule-sets tab; `guard` has it open.
SeenRules open_and_inspect_rules(ShownWindow& shown, gui_test::ModalGuard& guard) {
    SeenRules seen;
    guard.expect([&](QWidget& window) { seen = inspect_rules(window); });
    press_compare_keys(shown);
    return seen;
}

// A session of `rules` that took the given presses, as a window would.
pay::PaySession session_after(const pay::PayRules& rules,
                              const std::vector<pay::PayInputs>& presses,
                              const QString& separator) {
    pay::PaySession session(separator.toStdString(), rules);
    for (const pay::PayInputs& inputs : presses) {
        session.press_ok(inputs);
    }
    return session;
}

QStringList shown_texts(const pay::PaySession& session) {
    QStringList texts;
    for (const pay::SlipFieldInfo& info : pay::slip_fields) {
        texts << qt_text(session.text(info.field));
    }
    return texts;
}

// In effect less previous, as the tab writes it; none for the rate label.
QStringList differences(const pay::PaySession& in_effect, const pay::PaySession& previous) {
    QStringList texts;
    for (const pay::SlipFieldInfo& info : pay::slip_fields) {
        texts << qt_text(pay::field_difference(info.field, in_effect.text(info.field),
                                               previous.text(info.field),
                                               in_effect.decimal_separator().front()));
    }
    return texts;
}

}  // namespace

class CompareWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void saysThereIsNothingToCompareBeforeAnyComputation() {
        gui_test::ModalGuard guard;
        ShownWindow shown;
        press_compare_keys(shown);
        shown.press_ok();  // refused: every list is empty
        shown.messages.clear();
        press_compare_keys(shown);
        QCOMPARE(shown.messages.size(), 1U);
        QCOMPARE(shown.messages[0].title, QStringLiteral("Velnaro"));
        QCOMPARE(shown.messages[0].text, qt_text(ui::nothing_to_compare_text));
        QCOMPARE(guard.take_unexpected(), QStringList());
    }

    // A typed scale computes on the grid row carried from the press before; a comparison, which
    // computes every row afresh, has none.
    void saysWhenTheLastComputationCannotBeComparedAlone() {
        gui_test::ModalGuard guard;
        ShownWindow shown;
        pick_scale_9_rank_1(shown);
        shown.press_ok();
        gui_test::retype(shown.list("Combo1"), QStringLiteral("9"));
        shown.press_ok();
        QCOMPARE(shown.messages.size(), 0U);
        press_compare_keys(shown);
        QCOMPARE(shown.messages.size(), 1U);
        QCOMPARE(shown.messages[0].text, qt_text(ui::cannot_compare_text));
        QCOMPARE(guard.take_unexpected(), QStringList());
    }

    void showsTheTablesOfTheLastOkPress() {
        gui_test::ModalGuard guard;
        ShownWindow shown(QStringLiteral("#"));
        pick_scale_9_rank_1(shown);
        shown.press_ok();
        // Changed after the press: the comparison keeps the children of the press.
        gui_test::pick_with_keys(shown.list("Combo5"), 5);
        Seen seen;
        guard.expect([&](QWidget& window) { seen = inspect(window); });
        press_compare_keys(shown);
        QCOMPARE(guard.pending(), 0U);
        QCOMPARE(guard.take_unexpected(), QStringList());

        QVERIFY(seen.right_to_left);
        QCOMPARE(seen.tab_captions,
                 QStringList({QStringLiteral("حسب الرتبة"), QStringLiteral("حسب السلم"),
                              QStringLiteral("حسب المنطقة"), QStringLiteral("حسب عدد الأطفال"),
                              QStringLiteral("حسب الأشخاص المتكفل بهم")}));
        QCOMPARE(seen.focused_table, QStringLiteral("comparison_rank"));
        // Ten ranks of scale 9; every scale has a first rank; three zones; 0 to 6 twice.
        QCOMPARE(seen.rows, (std::vector<int>{10, 4, 3, 7, 7}));
        QCOMPARE(seen.current_row, std::optional<int>(2));
        // The keyboard starts on the own row, left unselected so that its highlight shows.
        QCOMPARE(seen.start_row, 2);
        QVERIFY(!seen.start_selected);

        // The family allowance enters neither the deductions nor the tax: each child adds 2400
        // (432 from the fourth) to the earnings and the pay, 200 (36) a month.
        QCOMPARE(seen.children_texts,
                 QStringList({
                     "0|48885#62|7998#20|0#00|40887#42|3407#29|-400#00|-4800#00",
                     "1|51285#62|7998#20|0#00|43287#42|3607#29|-200#00|-2400#00",
                     "2|53685#62|7998#20|0#00|45687#42|3807#29|0#00|0#00",
                     "3|56085#62|7998#20|0#00|48087#42|4007#29|+200#00|+2400#00",
                     "4|56517#62|7998#20|0#00|48519#42|4043#29|+236#00|+2832#00",
                     "5|56949#62|7998#20|0#00|48951#42|4079#29|+272#00|+3264#00",
                     "6|57381#62|7998#20|0#00|49383#42|4115#29|+308#00|+3696#00",
                 }));
        QVERIFY(seen.own_background.isValid());
        QVERIFY(!seen.other_background.isValid());
        QVERIFY(seen.gain_colour.isValid());
        QVERIFY(seen.loss_colour.isValid());
        QVERIFY(seen.gain_colour != seen.loss_colour);
        QCOMPARE(seen.own_row_header, ui::own_row_caption());
        QCOMPARE(seen.own_cell_description, ui::own_row_caption());

        const QString header = QStringLiteral(
            "عدد الأطفال\tمجموع الراتب الأساسي والتعويضات\tمجموع الاقتطاعات من الأجرة\t"
            "الضريبة العامة على الدخل\tالأجرة السنوية\tالأجرة الشهرية\tالفرق في الأجرة الشهرية\t"
            "الفرق في الأجرة السنوية\n");
        QCOMPARE(seen.copied,
                 header + "0\t48885#62\t7998#20\t0#00\t40887#42\t3407#29\t-400#00\t-4800#00\n" +
                     "3\t56085#62\t7998#20\t0#00\t48087#42\t4007#29\t+200#00\t+2400#00\n");
    }

    // Opening the window tells a screen reader of the focus in the shown tab alone: no table of
    // a hidden tab, nor any of its cells, is said to take it.
    void opensWithNoFocusInHiddenTabs_data() {
        QTest::addColumn<bool>("with_previous_rules");
        QTest::newRow("choices' tabs") << false;
        QTest::newRow("with the rule sets' tab") << true;
    }
    void opensWithNoFocusInHiddenTabs() {
        QFETCH(bool, with_previous_rules);
        gui_test::ModalGuard guard;
        const pay::PayRules previous = gui_test::raised_point_value_rules();
        ShownWindow shown(QStringLiteral("."), pay::built_in_rules(),
                          with_previous_rules ? &previous : nullptr);
        pick_scale_9_rank_1(shown);
        shown.press_ok();
        gui_test::AccessibilitySpy spy;
        QStringList hidden;
        guard.expect([&](QWidget& window) {
            auto& compare = dynamic_cast<ui::CompareWindow&>(window);
            const QWidget* page = compare.tabs()->currentWidget();
            for (const auto& event : spy.of_type(QAccessible::Focus)) {
                const auto* widget = qobject_cast<QWidget*>(event.object.data());
                if (widget != nullptr && compare.tabs()->isAncestorOf(widget) &&
                    !page->isAncestorOf(widget)) {
                    hidden << widget->objectName() + QStringLiteral(" child ") +
                                  QString::number(event.child);
                }
            }
        });
        press_compare_keys(shown);
        QCOMPARE(guard.pending(), 0U);
        QCOMPARE(hidden, QStringList());
    }

    // Ctrl+Tab and Ctrl+Shift+Tab go round the tabs, the focus from table to table and never
    // through the close button on the way. The tab list is named by the tab brought up, and
    // tells a screen reader of its new name.
    void ctrlTabMovesFromTableToTable() {
        gui_test::ModalGuard guard;
        const pay::PayRules previous = gui_test::raised_point_value_rules();
        ShownWindow shown(QStringLiteral("."), pay::built_in_rules(), &previous);
        pick_scale_9_rank_1(shown);
        shown.press_ok();
        gui_test::AccessibilitySpy spy;
        QStringList wrong;
        int switches = 0;
        guard.expect([&](QWidget& window) {
            auto& compare = dynamic_cast<ui::CompareWindow&>(window);
            QTabWidget& tabs = *compare.tabs();
            const int count = tabs.count();
            // The keys go where a person's would: to the window's focused table. The offscreen
            // platform leaves a modal window to be activated by hand.
            QApplication::setActiveWindow(&window);
            if (!window.isActiveWindow() ||
                QApplication::focusWidget() != compare.table(CompareAxis::rank)) {
                wrong << QStringLiteral("the window's table has not the focus: ") +
                             (QApplication::focusWidget() != nullptr
                                  ? QApplication::focusWidget()->objectName()
                                  : QString());
                return;
            }
            for (int press = 0; press < 2 * count; ++press) {
                const bool back = press >= count;
                const int expected = (tabs.currentIndex() + (back ? count - 1 : 1)) % count;
                const QString caption = tabs.tabText(expected);
                spy.clear();
                if (back) {
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab,
                                    Qt::ControlModifier | Qt::ShiftModifier);
                } else {
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
                }
                ++switches;
                if (tabs.currentIndex() != expected) {
                    wrong << caption + QStringLiteral(": not brought up");
                    continue;
                }
                const QWidget* focused = QApplication::focusWidget();
                if (focused == nullptr || !tabs.currentWidget()->isAncestorOf(focused)) {
                    wrong << caption + QStringLiteral(": the focus is on ") +
                                 (focused != nullptr ? focused->objectName() : QString());
                }
                for (const auto& event : spy.of_type(QAccessible::Focus)) {
                    const auto* widget = qobject_cast<QWidget*>(event.object.data());
                    if (widget == nullptr || !tabs.currentWidget()->isAncestorOf(widget)) {
                        wrong << caption + QStringLiteral(": the focus passed through ") +
                                     event.name;
                    }
                }
                if (accessible_name(tabs.tabBar()) != caption) {
                    wrong << caption + QStringLiteral(": the tab list is named ") +
                                 accessible_name(tabs.tabBar());
                }
                const auto renamed = spy.of_type(QAccessible::NameChanged);
                if (std::none_of(renamed.begin(), renamed.end(), [&](const auto& event) {
                        return event.object == tabs.tabBar() && event.name == caption;
                    })) {
                    wrong << caption + QStringLiteral(": no new name told");
                }
            }
        });
        press_compare_keys(shown);
        QCOMPARE(guard.pending(), 0U);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
        QCOMPARE(switches, 12);  // six tabs, forward and back
    }

    void isNamedForScreenReaders() {
        gui_test::ModalGuard guard;
        ShownWindow shown;
        pick_scale_9_rank_1(shown);
        shown.press_ok();
        Seen seen;
        guard.expect([&](QWidget& window) { seen = inspect(window); });
        shown.window().open_comparison();
        QCOMPARE(guard.pending(), 0U);

        QCOMPARE(seen.table_name, QStringLiteral("جدول المقارنة حسب عدد الأطفال"));
        QCOMPARE(seen.table_role, QStringLiteral("table"));
        QCOMPARE(seen.header_cells, QStringList({QStringLiteral("الفرق في الأجرة السنوية")}));
        QCOMPARE(seen.tab_names,
                 QStringList({QStringLiteral("حسب الرتبة"), QStringLiteral("حسب السلم"),
                              QStringLiteral("حسب المنطقة"), QStringLiteral("حسب عدد الأطفال"),
                              QStringLiteral("حسب الأشخاص المتكفل بهم")}));
        QCOMPARE(seen.close_name, QStringLiteral("إغلاق"));
        QCOMPARE(seen.scale_note, QString());  // rank 1 stands in every scale's list
    }

    // Scale 11, rank 12: the thirteenth rank, in no other scale's list.
    void notesTheScalesLeftOut() {
        gui_test::ModalGuard guard;
        ShownWindow shown;
        pick_scale_9_rank_1(shown);
        gui_test::pick_with_keys(shown.list("Combo1"), 2);
        gui_test::pick_with_keys(shown.list("Combo9"), 12);
        shown.press_ok();
        Seen seen;
        guard.expect([&](QWidget& window) { seen = inspect(window); });
        press_compare_keys(shown);
        QCOMPARE(guard.pending(), 0U);
        QCOMPARE(seen.rows[1], 1);
        QVERIFY2(seen.scale_note.endsWith(QStringLiteral(": \u20683\u2069")),
                 qPrintable(seen.scale_note));
    }

    // The choices' tabs compute with the rules in effect: the own row's pay is the window's.
    void theChoicesTabsComputeWithTheRulesInEffect() {
        gui_test::ModalGuard guard;
        const pay::PayRules raised = gui_test::raised_point_value_rules();
        ShownWindow shown(QStringLiteral("."), raised);
        pick_scale_9_rank_1(shown);
        shown.press_ok();
        Seen seen;
        guard.expect([&](QWidget& window) { seen = inspect(window); });
        press_compare_keys(shown);
        QCOMPARE(guard.pending(), 0U);
        QCOMPARE(seen.tab_captions.size(), static_cast<qsizetype>(pay::all_compare_axes.size()));
        const QStringList own = seen.children_texts.value(2).split(QLatin1Char('|'));
        QCOMPARE(own.value(4), shown.field("Text25").text());  // the annual pay
        QCOMPARE(own.value(5), shown.field("Text20").text());  // the monthly pay
    }

    // A zone text that is no list item keeps the residence allowance the window showed before;
    // the own row of every tab keeps it too, and shows the window's amounts to the cent.
    void theOwnRowShowsWhatTheWindowShowsWithATypedZone() {
        using Column = ui::ComparisonModel::Column;
        gui_test::ModalGuard guard;
        ShownWindow shown;
        pick_scale_9_rank_1(shown);
        shown.press_ok();
        const QString allowance = shown.field("Text3").text();
        gui_test::retype(shown.list("Combo3"), QStringLiteral("X"));
        shown.press_ok();
        QCOMPARE(shown.messages.size(), 0U);
        QCOMPARE(shown.field("Text3").text(), allowance);
        QVERIFY(allowance != QStringLiteral("0"));
        const std::vector<std::pair<Column, pay::SlipField>> shown_in{
            {Column::gross_total, pay::SlipField::gross_total},
            {Column::total_deductions, pay::SlipField::total_deductions},
            {Column::income_tax, pay::SlipField::income_tax},
            {Column::annual_pay, pay::SlipField::annual_pay},
            {Column::monthly_pay, pay::SlipField::monthly_pay}};
        QStringList mismatches;
        int own_rows = 0;
        guard.expect([&](QWidget& window) {
            auto& compare = dynamic_cast<ui::CompareWindow&>(window);
            for (const CompareAxis axis : pay::all_compare_axes) {
                const ui::ComparisonModel& model = compare.model(axis);
                if (!model.comparison().current) {
                    continue;  // the zone: the typed text is no row of its own
                }
                ++own_rows;
                const int row = static_cast<int>(*model.comparison().current);
                for (int column = 0; column < model.columnCount(); ++column) {
                    for (const auto& [kind, field] : shown_in) {
                        const std::string control(pay::field_info(field).control);
                        const QString window_text = shown.field(control.c_str()).text();
                        const QString cell = model.index(row, column).data().toString();
                        if (model.column_kind(column) == kind && cell != window_text) {
                            mismatches << QStringLiteral("%1 %2: %3 against %4")
                                              .arg(qt_text(pay::axis_name(axis)), qt_text(control),
                                                   cell, window_text);
                        }
                    }
                }
            }
        });
        press_compare_keys(shown);
        QCOMPARE(guard.pending(), 0U);
        QCOMPARE(own_rows, static_cast<int>(pay::all_compare_axes.size()) - 1);
        QVERIFY2(mismatches.isEmpty(), qPrintable(mismatches.join(QLatin1Char('\n'))));
    }

    void fitsTheAvailableAreaCentredWhereItFits_data() {
        QTest::addColumn<QSize>("wanted");
        QTest::addColumn<QPoint>("centre");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QRect>("expected");
        const QRect screen(0, 0, 1280, 994);  // 1280x1024 less a 30 px panel
        QTest::newRow("fits, centred")
            << QSize(900, 460) << QPoint(640, 500) << screen << QRect(191, 271, 900, 460);
        QTest::newRow("twice the screen's width")
            << QSize(2560, 460) << QPoint(640, 500) << screen << QRect(0, 271, 1280, 460);
        QTest::newRow("main window near the right edge")
            << QSize(900, 460) << QPoint(1100, 500) << screen << QRect(380, 271, 900, 460);
        QTest::newRow("main window near the top left")
            << QSize(900, 460) << QPoint(100, 50) << screen << QRect(0, 0, 900, 460);
        QTest::newRow("taller than the area, on a second screen")
            << QSize(700, 2000) << QPoint(2000, 300) << QRect(1280, 0, 1920, 1050)
            << QRect(1651, 0, 700, 1050);
    }

    void fitsTheAvailableAreaCentredWhereItFits() {
        QFETCH(QSize, wanted);
        QFETCH(QPoint, centre);
        QFETCH(QRect, available);
        QFETCH(QRect, expected);
        QCOMPARE(ui::fitted_rect(wanted, centre, available), expected);
    }

    // The window as opened: on the screen, over the main window where it fits, each table's
    // columns as wide as their contents within 1280 px, amounts right-aligned in fixed-width
    // figures, no row numbers.
    void opensWithinTheScreenWithTablesSizedToTheirContents() {
        gui_test::ModalGuard guard;
        ShownWindow shown;
        pick_scale_9_rank_1(shown);
        shown.press_ok();
        QRect frame;
        QRect available;
        QStringList too_wide;
        QStringList numbered;
        QStringList misset;
        guard.expect([&](QWidget& window) {
            auto& compare = dynamic_cast<ui::CompareWindow&>(window);
            frame = compare.frameGeometry();
            available = compare.screen()->availableGeometry();
            for (const CompareAxis axis : pay::all_compare_axes) {
                QTableView* table = compare.table(axis);
                const ui::ComparisonModel& model = compare.model(axis);
                // The tab's table is laid out once shown: what the window takes around it.
                compare.tabs()->setCurrentWidget(table->parentWidget());
                QCoreApplication::processEvents();
                const int chrome = compare.width() - table->viewport()->width();
                const int needed = table->horizontalHeader()->length() + chrome;
                if (needed > 1280) {
                    too_wide
                        << QStringLiteral("%1: %2").arg(model.comparison().rows.size()).arg(needed);
                }
                if (!table->verticalHeader()->isHidden()) {
                    numbered << table->objectName();
                }
                for (int column = 0; column < model.columnCount(); ++column) {
                    const QModelIndex cell = model.index(0, column);
                    const auto alignment = cell.data(Qt::TextAlignmentRole).value<Qt::Alignment>();
                    const bool fixed =
                        QFontInfo(cell.data(Qt::FontRole).value<QFont>()).fixedPitch();
                    const bool right =
                        (alignment & Qt::AlignRight) && (alignment & Qt::AlignAbsolute);
                    if (model.is_amount(column) != right || model.is_amount(column) != fixed) {
                        misset
                            << QStringLiteral("%1 column %2").arg(table->objectName()).arg(column);
                    }
                }
            }
        });
        press_compare_keys(shown);
        QCOMPARE(guard.pending(), 0U);
        QVERIFY2(available.contains(frame), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                           .arg(frame.x())
                                                           .arg(frame.y())
                                                           .arg(frame.width())
                                                           .arg(frame.height())));
        // Centred on the main window, unless that would push it past an edge of the area.
        const QPoint main_centre = shown.window().frameGeometry().center();
        const bool centred_across = std::abs(frame.center().x() - main_centre.x()) <= 1;
        const bool at_side = frame.left() == available.left() || frame.right() == available.right();
        QVERIFY(centred_across || at_side);
        QVERIFY2(too_wide.isEmpty(), qPrintable(too_wide.join(QLatin1Char(' '))));
        QVERIFY2(numbered.isEmpty(), qPrintable(numbered.join(QLatin1Char(' '))));
        QVERIFY2(misset.isEmpty(), qPrintable(misset.join(QLatin1Char(' '))));
    }

    // A click on a column header sorts by that column's amounts, a second the other way; the own
    // row keeps its highlight and its bold wherever it goes.
    void aClickOnAColumnHeaderSorts() {
        using Column = ui::ComparisonModel::Column;
        gui_test::ModalGuard guard;
        ShownWindow shown;
        pick_scale_9_rank_1(shown);
        shown.press_ok();
        QList<double> ascending;
        QList<double> descending;
        QStringList own_rank_before;
        QStringList own_rank_after;
        guard.expect([&](QWidget& window) {
            auto& compare = dynamic_cast<ui::CompareWindow&>(window);
            QTableView* table = compare.table(CompareAxis::rank);
            const ui::ComparisonModel& source = compare.model(CompareAxis::rank);
            int monthly = -1;
            for (int column = 0; column < source.columnCount(); ++column) {
                if (source.column_kind(column) == Column::monthly_pay) {
                    monthly = column;
                }
            }
            QHeaderView* header = table->horizontalHeader();
            const auto click_header = [&] {
                const QPoint middle(
                    header->sectionViewportPosition(monthly) + header->sectionSize(monthly) / 2,
                    header->height() / 2);
                QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, middle);
            };
            const QAbstractItemModel& shown_rows = *table->model();
            const auto own_ranks = [&] {
                QStringList ranks;
                for (int row = 0; row < shown_rows.rowCount(); ++row) {
                    const QModelIndex first = shown_rows.index(row, 0);
                    if (first.data(Qt::BackgroundRole).isValid() &&
                        shown_rows.index(row, monthly).data(Qt::FontRole).value<QFont>().bold()) {
                        ranks << first.data().toString();
                    }
                }
                return ranks;
            };
            const auto monthly_column = [&] {
                QList<double> amounts;
                for (int row = 0; row < shown_rows.rowCount(); ++row) {
                    amounts << shown_rows.index(row, monthly).data().toString().toDouble();
                }
                return amounts;
            };
            own_rank_before = own_ranks();
            click_header();
            ascending = monthly_column();
            own_rank_after = own_ranks();
            click_header();
            descending = monthly_column();
        });
        press_compare_keys(shown);
        QCOMPARE(guard.pending(), 0U);
        QVERIFY(ascending.size() > 2);
        QVERIFY2(std::is_sorted(ascending.begin(), ascending.end()), "ascending");
        QVERIFY2(std::is_sorted(descending.rbegin(), descending.rend()), "descending");
        QVERIFY(ascending != descending);
        QCOMPARE(own_rank_before.size(), 1);
        QCOMPARE(own_rank_after, own_rank_before);
    }

    void theRuleSetsTabSaysPressOkFirstBeforeAnyComputation() {
        gui_test::ModalGuard guard;
        const pay::PayRules previous = gui_test::raised_point_value_rules();
        ShownWindow shown(QStringLiteral("."), pay::built_in_rules(), &previous);
        const SeenRules seen = open_and_inspect_rules(shown, guard);
        QCOMPARE(guard.pending(), 0U);
        QCOMPARE(guard.take_unexpected(), QStringList());
        QCOMPARE(shown.messages.size(), 0U);
        QCOMPARE(seen.tab_captions, QStringList{ui::rules_tab_caption()});
        QVERIFY(!seen.has_table);
        QCOMPARE(seen.first_tab_note, qt_text(wording::nothing_computed_text()));
        QVERIFY(seen.note_takes_focus);
        QCOMPARE(seen.focused, QStringLiteral("comparison_note_rules"));
        // The focus frame lies inside the focused label's edge: its words keep clear of it.
        QVERIFY2(seen.note_ink_inset > ui::focus_frame_width,
                 qPrintable(QString::number(seen.note_ink_inset)));
        QCOMPARE(seen.note, QString());
    }

    // The same rules on both sides: every amount the same, every difference zero.
    void theRuleSetsTabShowsNoDifferenceBetweenEqualRules() {
        gui_test::ModalGuard guard;
        const pay::PayRules same = pay::built_in_rules();
        ShownWindow shown(QStringLiteral(","), pay::built_in_rules(), &same);
        pick_scale_9_rank_1(shown);
        shown.press_ok();
        const SeenRules seen = open_and_inspect_rules(shown, guard);
        QCOMPARE(guard.pending(), 0U);
        QCOMPARE(seen.tab_captions.size(),
                 static_cast<qsizetype>(pay::all_compare_axes.size() + 1));
        QCOMPARE(seen.tab_captions.back(), ui::rules_tab_caption());

        QStringList titles;
        QStringList window_texts;
        QStringList zeros;
        for (const pay::SlipFieldInfo& info : pay::slip_fields) {
            titles << qt_text(pay::field_title(info.field));
            window_texts << shown.window()
                                .controls()
                                .result_fields[static_cast<std::size_t>(info.field)]
                                ->text();
            // No difference for the rate label; a whole number's is "0", an amount's "0,00".
            zeros << (info.field == pay::SlipField::tax_rate_label ? QString()
                      : pay::field_info(info.field).display == pay::FieldDisplay::whole_number
                          ? QStringLiteral("0")
                          : QStringLiteral("0,00"));
        }
        QCOMPARE(seen.titles, titles);
        QCOMPARE(seen.in_effect, window_texts);
        QCOMPARE(seen.previous, window_texts);
        QCOMPARE(seen.differences, zeros);
    }

    // Each column is what a window of those rules alone shows after the same presses: here a
    // computation, then another with more children.
    void theRuleSetsTabSetsTheSlipUnderBothRuleSets_data() {
        QTest::addColumn<bool>("raised_in_effect");
        QTest::newRow("raised rules in effect, the built-in ones before") << true;
        QTest::newRow("the built-in rules in effect, raised ones before") << false;
    }
    void theRuleSetsTabSetsTheSlipUnderBothRuleSets() {
        QFETCH(bool, raised_in_effect);
        gui_test::ModalGuard guard;
        const pay::PayRules raised = gui_test::raised_point_value_rules();
        const pay::PayRules& built_in = pay::built_in_rules();
        const pay::PayRules& in_effect = raised_in_effect ? raised : built_in;
        const pay::PayRules& previous = raised_in_effect ? built_in : raised;
        ShownWindow shown(QStringLiteral("."), in_effect, &previous);
        pick_scale_9_rank_1(shown);
        shown.press_ok();
        gui_test::pick_with_keys(shown.list("Combo5"), 5);
        shown.press_ok();
        pay::PayInputs more_children = gui_test::worked_slip_inputs();
        more_children.children = std::string(pay::count_items[5]);
        const std::vector<pay::PayInputs> presses{gui_test::worked_slip_inputs(), more_children};
        const pay::PaySession now = session_after(in_effect, presses, QStringLiteral("."));
        const pay::PaySession before = session_after(previous, presses, QStringLiteral("."));

        const SeenRules seen = open_and_inspect_rules(shown, guard);
        QCOMPARE(guard.pending(), 0U);
        QCOMPARE(seen.in_effect, shown_texts(now));
        QCOMPARE(seen.previous, shown_texts(before));
        QCOMPARE(seen.differences, differences(now, before));
        QVERIFY(seen.in_effect != seen.previous);
        for (const QString& difference : seen.differences) {
            QVERIFY2(!difference.startsWith(QStringLiteral("-0.00")), qPrintable(difference));
        }
        // The base salary rises with the value of a point.
        const auto base = static_cast<qsizetype>(pay::SlipField::annual_base_salary);
        QVERIFY(seen.differences[base].startsWith(raised_in_effect ? QLatin1Char('+')
                                                                   : QLatin1Char('-')));
    }

    // A typed scale computes on the grid row carried from the press before: the choices' tabs
    // cannot be computed alone, the rule sets' tab still can, each side carrying its own row.
    void aCarriedComputationShowsTheRuleSetsTabAlone() {
        gui_test::ModalGuard guard;
        const pay::PayRules raised = gui_test::raised_point_value_rules();
        ShownWindow shown(QStringLiteral("."), raised, &pay::built_in_rules());
        pick_scale_9_rank_1(shown);
        shown.press_ok();
        gui_test::retype(shown.list("Combo1"), QStringLiteral("9"));
        shown.press_ok();
        // The typed scale names no list, so no rank is read.
        pay::PayInputs typed = gui_test::worked_slip_inputs();
        typed.scale = QStringLiteral("9").toStdString();
        typed.rank = std::string();
        const std::vector<pay::PayInputs> presses{gui_test::worked_slip_inputs(), typed};

        const SeenRules seen = open_and_inspect_rules(shown, guard);
        QCOMPARE(guard.pending(), 0U);
        QCOMPARE(shown.messages.size(), 0U);
        QCOMPARE(seen.tab_captions, QStringList{ui::rules_tab_caption()});
        QCOMPARE(seen.note, qt_text(ui::cannot_compare_text));
        QCOMPARE(seen.focused, QStringLiteral("comparison_rules"));
        QCOMPARE(seen.in_effect, shown_texts(session_after(raised, presses, QStringLiteral("."))));
        QCOMPARE(seen.previous,
                 shown_texts(session_after(pay::built_in_rules(), presses, QStringLiteral("."))));
    }

    void theRuleSetsTabIsNamedAndReachedByKeyboard() {
        gui_test::ModalGuard guard;
        const pay::PayRules previous = gui_test::raised_point_value_rules();
        ShownWindow shown(QStringLiteral("."), pay::built_in_rules(), &previous);
        pick_scale_9_rank_1(shown);
        shown.press_ok();
        const SeenRules seen = open_and_inspect_rules(shown, guard);
        QCOMPARE(guard.pending(), 0U);

        const QString caption = qt_text(print::rules_caption);
        QCOMPARE(seen.tab_names.back(), caption);
        QCOMPARE(seen.page_name, caption);
        QCOMPARE(seen.table_name, QStringLiteral("جدول المقارنة ") + caption);
        QVERIFY(seen.table_role);
        QVERIFY(
            seen.table_description.contains(print::isolated_rule_set_title(pay::built_in_rules())));
        QVERIFY(seen.table_description.contains(print::isolated_rule_set_title(previous)));
        QCOMPARE(seen.header_cells, QStringList{seen.header.back()});
        QCOMPARE(seen.focused, QStringLiteral("comparison_rank"));
        QCOMPARE(seen.focused_after_keys, QStringLiteral("comparison_rules"));
        // The two rule sets' columns say which set they show.
        QVERIFY(seen.header[1].contains(print::isolated_rule_set_title(pay::built_in_rules())));
        QVERIFY(seen.header[2].contains(print::isolated_rule_set_title(previous)));
    }

    // The rule sets' tab shows its 21 rows, the income tax, the totals and the pay at the
    // bottom included, without scrolling, unless the window already takes the screen's height.
    void theRuleSetsTabShowsEveryRowWhereTheScreenAllows() {
        gui_test::ModalGuard guard;
        const pay::PayRules previous = gui_test::raised_point_value_rules();
        ShownWindow shown(QStringLiteral("."), pay::built_in_rules(), &previous);
        pick_scale_9_rank_1(shown);
        shown.press_ok();
        int rows = 0;
        int hidden_rows = -1;
        int frame_height = 0;
        int available_height = 0;
        guard.expect([&](QWidget& window) {
            auto& compare = dynamic_cast<ui::CompareWindow&>(window);
            compare.tabs()->setCurrentWidget(compare.rules_page());
            QCoreApplication::processEvents();
            QTableView* table = compare.rules_table();
            rows = table->model()->rowCount();
            hidden_rows = 0;
            for (int row = 0; row < rows; ++row) {
                const QRect cell = table->visualRect(table->model()->index(row, 0));
                if (!table->viewport()->rect().contains(cell)) {
                    ++hidden_rows;
                }
            }
            frame_height = compare.frameGeometry().height();
            available_height = compare.screen()->availableGeometry().height();
        });
        press_compare_keys(shown);
        QCOMPARE(guard.pending(), 0U);
        QCOMPARE(rows, static_cast<int>(pay::slip_field_count));
        QVERIFY2(hidden_rows == 0 || frame_height >= available_height - 1,
                 qPrintable(QStringLiteral("%1 rows cut, %2 of %3 px high")
                                .arg(hidden_rows)
                                .arg(frame_height)
                                .arg(available_height)));
    }

    void isInThePanelsContextMenu() {
        ShownWindow shown;
        for (const char* name : {"Label31", "Label28"}) {
            auto* panel = shown.window().findChild<QLabel*>(QLatin1String(name));
            QVERIFY(panel != nullptr);
            // A menu of the panel's actions, made right to left by the window.
            QCOMPARE(panel->contextMenuPolicy(), Qt::CustomContextMenu);
            QStringList captions;
            for (const QAction* action : panel->actions()) {
                captions << action->text();
            }
            QVERIFY2(captions.contains(QStringLiteral("مقارنة")), name);
        }
    }
};

VELNARO_GUI_TEST_MAIN(CompareWindowTest)
#include "compare_window_test.moc"
