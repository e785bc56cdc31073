// The panels' submenu of the known rule sets: it lists them by day and name with the one in use
// checked, and a pick computes the last press again under the set picked and names it in the
// title. With one set known the menu is as it was.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include "gui_test_support.h"
#include "pay/pay_session.h"
#include "pay/rules.h"
#include "print/rule_set_text.h"
#include "ui/application.h"
#include "ui/rules_menu.h"

using gui_test::qt_text;
using gui_test::ShownWindow;

namespace {

// The rules submenu among a panel's actions, or null.
QMenu* rules_menu_of(ShownWindow& shown) {
    auto* panel = shown.window().findChild<QLabel*>(QStringLiteral("Label31"));
    QTEST_ASSERT(panel != nullptr);
    for (QAction* action : panel->actions()) {
        if (action->menu() != nullptr && action->text() == qt_text(ui::rules_menu_caption)) {
            return action->menu();
        }
    }
    return nullptr;
}

QString worked_monthly_pay(const pay::PayRules& rules) {
    pay::PaySession session(".", rules);
    if (session.press_ok(gui_test::worked_slip_inputs())) {
        qFatal("the worked slip was refused");
    }
    return qt_text(session.text(pay::SlipField::monthly_pay));
}

}  // namespace

class RulesMenuTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() {
        QVERIFY2(guard_.take_unexpected().isEmpty(), "an unexpected modal window opened");
        QCOMPARE(guard_.pending(), std::size_t{0});
    }

    void with_one_set_the_panels_have_no_rules_menu() {
        ShownWindow shown(QStringLiteral("."), pay::built_in_rules(), nullptr,
                          {&pay::built_in_rules()}, 0);
        QCOMPARE(rules_menu_of(shown), nullptr);
    }

    void the_menu_lists_the_sets_with_the_one_in_use_checked() {
        ShownWindow shown(QStringLiteral("."), pay::built_in_rules(), nullptr,
                          {&pay::built_in_rules(), &raised_}, 0);
        QMenu* menu = rules_menu_of(shown);
        QVERIFY(menu != nullptr);
        const QList<QAction*> entries = menu->actions();
        QCOMPARE(entries.size(), 2);
        QCOMPARE(entries[0]->text(), QStringLiteral("\u2066") + QStringLiteral("2010-01-01  2010") +
                                         QStringLiteral("\u2069"));
        QCOMPARE(entries[1]->text(), QStringLiteral("\u2066") +
                                         QStringLiteral("2027-01-01  Raised point value") +
                                         QStringLiteral("\u2069"));
        QVERIFY(entries[0]->isChecked());
        QVERIFY(!entries[1]->isChecked());
    }

    void a_pick_computes_the_last_press_again_under_the_set_picked() {
        ShownWindow shown(QStringLiteral("."), pay::built_in_rules(), nullptr,
                          {&pay::built_in_rules(), &raised_}, 0);
        const QString plain_title = shown.window().windowTitle();
        shown.pick_worked_slip();
        shown.press_ok();
        QCOMPARE(shown.field("Text20").text(), worked_monthly_pay(pay::built_in_rules()));
        QMenu* menu = rules_menu_of(shown);
        QVERIFY(menu != nullptr);

        menu->actions()[1]->trigger();
        QVERIFY(menu->actions()[1]->isChecked());
        QVERIFY(!menu->actions()[0]->isChecked());
        QCOMPARE(shown.field("Text20").text(), worked_monthly_pay(raised_));
        QVERIFY(worked_monthly_pay(raised_) != worked_monthly_pay(pay::built_in_rules()));
        QCOMPARE(shown.window().windowTitle(), ui::window_title(raised_));
        QVERIFY(shown.window().windowTitle().contains(qt_text(pay::rule_set_title(raised_))));

        menu->actions()[0]->trigger();
        QCOMPARE(shown.field("Text20").text(), worked_monthly_pay(pay::built_in_rules()));
        QCOMPARE(shown.window().windowTitle(), plain_title);
        QCOMPARE(shown.messages.size(), std::size_t{0});
    }

    void a_pick_before_any_press_shows_nothing_new() {
        ShownWindow shown(QStringLiteral("."), pay::built_in_rules(), nullptr,
                          {&pay::built_in_rules(), &raised_}, 0);
        const QStringList before = shown.result_texts();
        rules_menu_of(shown)->actions()[1]->trigger();
        QCOMPARE(shown.result_texts(), before);
    }

  private:
    const pay::PayRules raised_ = gui_test::raised_point_value_rules();
    gui_test::ModalGuard guard_;
};

VELNARO_GUI_TEST_MAIN(RulesMenuTest)
#include "rules_menu_test.moc"
