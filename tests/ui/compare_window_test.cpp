// The comparison window: opened by Ctrl+K and from the panels' context menu on the choices of the
// last OK press, its tables and their models, the highlighted row, the copied text, its names for
// screen readers, and the messages before any computation.
#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <optional>

#include "gui_test_support.h"
#include "pay/comparison.h"
#include "ui/compare/compare_window.h"
#include "ui/compare/comparison_model.h"

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
        QVERIFY2(seen.scale_note.endsWith(QStringLiteral(": 3")), qPrintable(seen.scale_note));
    }

    void isInThePanelsContextMenu() {
        ShownWindow shown;
        for (const char* name : {"Label31", "Label28"}) {
            auto* panel = shown.window().findChild<QLabel*>(QLatin1String(name));
            QVERIFY(panel != nullptr);
            QCOMPARE(panel->contextMenuPolicy(), Qt::ActionsContextMenu);
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
