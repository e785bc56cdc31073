// Picking versus typing in the scale list, and what each does to the four rank lists.
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "gui_test_support.h"
#include "pay/pay_inputs.h"
#include "ui/rank_lists.h"

using gui_test::focused_control;
using gui_test::qt_text;
using gui_test::ShownWindow;

namespace {

const QStringList rank_list_names{"Combo2", "Combo8", "Combo9", "Combo10"};

// The rank lists that are shown, in the order Combo2, Combo8, Combo9, Combo10.
QStringList shown_rank_lists(ShownWindow& shown) {
    QStringList names;
    for (const QString& name : rank_list_names) {
        if (shown.list(name.toLatin1().constData()).isVisible()) {
            names << name;
        }
    }
    return names;
}

// The control a click in the middle of the rank row reaches.
QString control_on_top_of_rank_row(ShownWindow& shown) {
    // The rank row: (4800, 525, 3255, 405) twips.
    const QPoint middle((4800 + 3255 / 2) / 15, (525 + 405 / 2) / 15);
    return gui_test::control_name(shown.window().childAt(middle), shown.window());
}

enum class Finish { tab, enter, click_elsewhere };

}  // namespace

Q_DECLARE_METATYPE(Finish)

class RankListsTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() {
        QVERIFY2(guard_.take_unexpected().isEmpty(), "an unexpected modal window opened");
    }

    void start_stack_has_the_out_of_scale_list_on_top() {
        ShownWindow shown;
        QCOMPARE(shown_rank_lists(shown), rank_list_names);
        QCOMPARE(control_on_top_of_rank_row(shown), QStringLiteral("Combo10"));
        const QComboBox& top = shown.list("Combo10");
        QCOMPARE(top.count(), 8);
        QCOMPARE(top.itemText(0), QStringLiteral("1"));
        QCOMPARE(top.itemText(7), QStringLiteral("8"));
        for (const QString& name : rank_list_names) {
            const QComboBox& list = shown.list(name.toLatin1().constData());
            QCOMPARE(list.currentText(), QString());
            QCOMPARE(list.currentIndex(), -1);
        }
    }

    void a_pick_shows_the_scale_list_alone_data() {
        QTest::addColumn<bool>("with_mouse");
        QTest::addColumn<int>("scale_index");
        QTest::addColumn<QString>("shown_list");
        QTest::addColumn<int>("item_count");
        const std::array<const char*, 4> lists{"Combo2", "Combo8", "Combo9", "Combo10"};
        const std::array<int, 4> counts{10, 11, 14, 8};
        for (const bool mouse : {false, true}) {
            for (int i = 0; i < 4; ++i) {
                QTest::addRow("%s scale %d", mouse ? "mouse" : "keys", i)
                    << mouse << i << QString::fromLatin1(lists[i]) << counts[i];
            }
        }
    }
    void a_pick_shows_the_scale_list_alone() {
        QFETCH(bool, with_mouse);
        QFETCH(int, scale_index);
        QFETCH(QString, shown_list);
        QFETCH(int, item_count);
        ShownWindow shown;
        QComboBox& scale = shown.list("Combo1");
        if (with_mouse) {
            gui_test::pick_with_mouse(scale, scale_index);
        } else {
            gui_test::pick_with_keys(scale, scale_index);
        }
        QCOMPARE(scale.currentText(), qt_text(pay::scale_items[scale_index]));
        QCOMPARE(shown_rank_lists(shown), QStringList{shown_list});
        QCOMPARE(control_on_top_of_rank_row(shown), shown_list);
        QCOMPARE(shown.list(shown_list.toLatin1().constData()).count(), item_count);
        QCOMPARE(focused_control(shown.window()), QStringLiteral("Combo1"));
    }

    void a_typed_scale_switches_nothing_data() {
        QTest::addColumn<Finish>("finish");
        QTest::addColumn<bool>("after_a_pick");
        for (const bool picked : {false, true}) {
            const char* state = picked ? "after a pick" : "at start";
            QTest::addRow("Tab, %s", state) << Finish::tab << picked;
            QTest::addRow("Enter, %s", state) << Finish::enter << picked;
            QTest::addRow("click elsewhere, %s", state) << Finish::click_elsewhere << picked;
        }
    }
    void a_typed_scale_switches_nothing() {
        QFETCH(Finish, finish);
        QFETCH(bool, after_a_pick);
        ShownWindow shown;
        QComboBox& scale = shown.list("Combo1");
        QStringList expected = rank_list_names;
        if (after_a_pick) {
            gui_test::pick_with_keys(scale, 1);  // "10 / ...": Combo8
            expected = QStringList{"Combo8"};
        }
        // Exactly the text of scale 9, typed.
        const QString typed = qt_text(pay::scale_items[0]);
        gui_test::retype(scale, typed);
        switch (finish) {
            case Finish::tab:
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                break;
            case Finish::enter:
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                break;
            case Finish::click_elsewhere:
                QTest::mouseClick(&shown.list("Combo3"), Qt::LeftButton);
                break;
        }
        QVERIFY(focused_control(shown.window()) != QStringLiteral("Combo1") ||
                finish == Finish::enter);
        QCOMPARE(shown_rank_lists(shown), expected);
        QCOMPARE(scale.currentText(), typed);
        QCOMPARE(scale.count(), 4);
    }

    void typed_text_stays_as_typed() {
        ShownWindow shown;
        QComboBox& scale = shown.list("Combo1");
        // A prefix of an item is neither completed nor inserted as an item on Enter.
        gui_test::retype(scale, QStringLiteral("9"));
        QCOMPARE(scale.currentText(), QStringLiteral("9"));
        QTest::keyClick(scale.lineEdit(), Qt::Key_Return);
        QCOMPARE(scale.currentText(), QStringLiteral("9"));
        QCOMPARE(scale.count(), 4);
        QCOMPARE(shown_rank_lists(shown), rank_list_names);
    }

    void a_hidden_list_keeps_its_text() {
        ShownWindow shown;
        QComboBox& scale = shown.list("Combo1");
        gui_test::pick_with_keys(shown.list("Combo10"), 4);
        QCOMPARE(shown.list("Combo10").currentText(), QStringLiteral("5"));
        gui_test::pick_with_keys(scale, 0);
        QCOMPARE(shown_rank_lists(shown), QStringList{"Combo2"});
        QCOMPARE(shown.list("Combo2").currentText(), QString());
        gui_test::pick_with_keys(scale, 3);
        QCOMPARE(shown_rank_lists(shown), QStringList{"Combo10"});
        QCOMPARE(shown.list("Combo10").currentText(), QStringLiteral("5"));
    }

    void picking_the_same_scale_again_changes_nothing() {
        ShownWindow shown;
        QComboBox& scale = shown.list("Combo1");
        gui_test::pick_with_keys(scale, 1);
        gui_test::pick_with_keys(scale, 2);
        QCOMPARE(shown_rank_lists(shown), QStringList{"Combo9"});
        gui_test::pick_with_keys(shown.list("Combo9"), 10);
        gui_test::pick_with_mouse(scale, 2);
        QCOMPARE(shown_rank_lists(shown), QStringList{"Combo9"});
        QCOMPARE(shown.list("Combo9").currentText(), qt_text(pay::exceptional_rank));
    }

    void a_pick_leaves_the_results_alone() {
        ShownWindow shown;
        gui_test::pick_with_keys(shown.list("Combo1"), 0);
        gui_test::pick_with_keys(shown.list("Combo2"), 0);
        for (const char* name : {"Combo3", "Combo4", "Combo5", "Combo6", "Combo7"}) {
            gui_test::pick_with_keys(shown.list(name), 0);
        }
        shown.press_ok();
        QVERIFY(shown.messages.empty());
        const QStringList computed = shown.result_texts();
        QCOMPARE(shown.field("Text1").text(), QStringLiteral("235.00"));

        gui_test::pick_with_keys(shown.list("Combo1"), 3);
        gui_test::pick_with_mouse(shown.list("Combo3"), 2);
        QCOMPARE(shown_rank_lists(shown), QStringList{"Combo10"});
        QCOMPARE(shown.result_texts(), computed);
    }

    // A pick names its place in the scale list, whose items are in the order of the scales:
    // each place shows its own scale's list; a place out of the list (none picked) shows no
    // other.
    void a_place_in_the_scale_list_names_its_scale_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QList<bool>>("shown");
        QTest::newRow("none picked") << -1 << QList<bool>{true, true, true, true};
        QTest::newRow("scale 9") << 0 << QList<bool>{true, false, false, false};
        QTest::newRow("scale 10") << 1 << QList<bool>{false, true, false, false};
        QTest::newRow("scale 11") << 2 << QList<bool>{false, false, true, false};
        QTest::newRow("out of scale") << 3 << QList<bool>{false, false, false, true};
        QTest::newRow("past the list") << 4 << QList<bool>{true, true, true, true};
    }
    void a_place_in_the_scale_list_names_its_scale() {
        QFETCH(int, index);
        QFETCH(QList<bool>, shown);
        QWidget parent;
        std::array<QComboBox*, pay::all_scales.size()> lists{};
        for (QComboBox*& list : lists) {
            list = new QComboBox(&parent);
        }
        parent.show();
        const ui::RankLists ranks(lists);
        ranks.show_rank_list(index);
        for (std::size_t i = 0; i < lists.size(); ++i) {
            QCOMPARE(lists[i]->isVisible(), shown[static_cast<qsizetype>(i)]);
        }
    }
    // What a place reads as rests on this order.
    void the_scale_list_holds_the_scales_in_their_order() {
        for (std::size_t i = 0; i < pay::all_scales.size(); ++i) {
            QCOMPARE(pay::scale_text(pay::all_scales[i]), pay::scale_items[i]);
        }
    }

  private:
    gui_test::ModalGuard guard_;
};

VELNARO_GUI_TEST_MAIN(RankListsTest)
#include "rank_lists_test.moc"
