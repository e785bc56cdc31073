// The window with rules other than the built-in ones: the amounts it shows, an explanation, the
// slip it saves, the picture windows and its title follow the rules in effect.
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>

#include "gui_test_support.h"
#include "pay/amount_format.h"
#include "pay/explanation.h"
#include "pay/pay_session.h"
#include "pay/rules.h"
#include "pay/slip_view.h"
#include "pdf_text.h"
#include "print/bidi_text.h"
#include "print/rule_set_text.h"
#include "ui/application.h"
#include "ui/explanation_window.h"
#include "worded_slip.h"

using gui_test::qt_text;
using gui_test::ShownWindow;

namespace {

// A session of `rules` that took the press of the worked slip, as the window takes it.
pay::PaySession worked_session(const pay::PayRules& rules, const QString& separator) {
    pay::PaySession session(separator.toStdString(), rules);
    if (session.press_ok(gui_test::worked_slip_inputs())) {
        qFatal("the worked slip was refused");
    }
    return session;
}

QLineEdit& field_of(ShownWindow& shown, pay::SlipField field) {
    return *shown.window().controls().result_fields[static_cast<std::size_t>(field)];
}

}  // namespace

class RulesInEffectTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QVERIFY(dir_.isValid()); }

    void cleanup() {
        QVERIFY2(guard_.take_unexpected().isEmpty(), "an unexpected modal window opened");
        QCOMPARE(guard_.pending(), std::size_t{0});
    }

    void the_shown_amounts_are_those_of_the_rules_in_effect_data() {
        QTest::addColumn<QString>("separator");
        QTest::newRow("point") << QStringLiteral(".");
        QTest::newRow("comma") << QStringLiteral(",");
    }
    void the_shown_amounts_are_those_of_the_rules_in_effect() {
        QFETCH(QString, separator);
        ShownWindow shown(separator, raised_);
        shown.pick_worked_slip();
        shown.press_ok();
        QCOMPARE(shown.messages.size(), std::size_t{0});
        const pay::PaySession expected = worked_session(raised_, separator);
        const pay::PaySession built_in = worked_session(pay::built_in_rules(), separator);
        for (const pay::SlipFieldInfo& info : pay::slip_fields) {
            QCOMPARE(field_of(shown, info.field).text(), qt_text(expected.text(info.field)));
        }
        // The raised point value reaches the base salary and the pay.
        for (const pay::SlipField field :
             {pay::SlipField::annual_base_salary, pay::SlipField::monthly_pay}) {
            QVERIFY(expected.text(field) != built_in.text(field));
        }
    }

    void an_explanation_is_that_of_the_rules_in_effect() {
        ShownWindow shown(QStringLiteral("."), raised_);
        shown.pick_worked_slip();
        shown.press_ok();
        constexpr pay::SlipField field = pay::SlipField::annual_base_salary;
        QString text;
        guard_.expect([&](QWidget& window) {
            if (auto* edit = window.findChild<QTextEdit*>(QStringLiteral("ExplanationText"))) {
                text = edit->toPlainText();
            }
        });
        QLineEdit& base_salary = field_of(shown, field);
        base_salary.setFocus(Qt::OtherFocusReason);
        QTest::keyClick(&base_salary, Qt::Key_F1, Qt::ShiftModifier);
        const pay::PaySession expected = worked_session(raised_, QStringLiteral("."));
        const wording::Explanation explanation = worded_slip::explain_field(expected, field);
        // The field and its amount under the rules in effect, then how it was reached.
        QVERIFY2(text.startsWith(qt_text(explanation.name) + QStringLiteral(": ") +
                                 print::left_to_right(qt_text(expected.text(field)))),
                 qPrintable(text));
        QVERIFY2(text.contains(qt_text(explanation.sentence)), qPrintable(text));
        // The formula multiplies by the raised value of a point.
        QVERIFY2(text.contains(qt_text(pay::format_amount(raised_.base_salary.index_point_value))),
                 qPrintable(text));
    }

    void the_saved_slip_follows_and_names_the_rules_in_effect() {
        ShownWindow shown(QStringLiteral("."), raised_);
        shown.pick_worked_slip();
        shown.press_ok();
        shown.pdf_path_answer = dir_.filePath(QStringLiteral("raised.pdf"));
        QTest::keySequence(&shown.window(), QKeySequence(QStringLiteral("Ctrl+Shift+S")));
        // Only the message that names the file written.
        QCOMPARE(shown.messages.size(), std::size_t{1});
        QVERIFY(shown.messages.front().text.contains(QStringLiteral("raised.pdf")));
        const QString text = test_support::folded_pdf_text(shown.pdf_path_answer);
        QVERIFY(!text.isEmpty());

        const pay::PaySession expected = worked_session(raised_, QStringLiteral("."));
        for (const pay::SlipField field :
             {pay::SlipField::annual_base_salary, pay::SlipField::gross_total,
              pay::SlipField::annual_pay, pay::SlipField::monthly_pay}) {
            QVERIFY2(text.contains(qt_text(expected.text(field))),
                     qPrintable(qt_text(expected.text(field))));
        }
        const std::string twelfth = pay::view_slip(expected, pay::ViewDetail::amounts)
                                        .field(pay::SlipField::annual_base_salary)
                                        .monthly_text;
        QVERIFY(!twelfth.empty());
        QVERIFY(text.contains(qt_text(twelfth)));
        QVERIFY(text.contains(qt_text(print::rules_caption).remove(QLatin1Char(' '))));
        QVERIFY(text.contains(qt_text(raised_.name).remove(QLatin1Char(' '))));
        QVERIFY(text.contains(qt_text(pay::iso_date(raised_.effective))));
    }

    void the_title_names_a_rule_set_other_than_the_built_in_one() {
        const QString caption = qt_text(ui::window_caption);
        {
            ShownWindow shown;
            QCOMPARE(shown.window().windowTitle(), caption);
        }
        {
            // The built-in rules read from a file of their own are the built-in rules.
            const pay::PayRules same = pay::built_in_rules();
            ShownWindow shown(QStringLiteral("."), same);
            QCOMPARE(shown.window().windowTitle(), caption);
        }
        ShownWindow shown(QStringLiteral("."), raised_);
        QCOMPARE(shown.window().windowTitle(), caption + QStringLiteral(" — \u2068") +
                                                   qt_text(pay::rule_set_title(raised_)) +
                                                   QStringLiteral("\u2069"));
    }

    void the_picture_windows_draw_the_rules_in_effect() {
        ShownWindow shown(QStringLiteral("."), raised_);
        QTest::mouseClick(shown.window().controls().about_button, Qt::LeftButton);
        for (const ui::ExplanationButton& each : shown.window().controls().explanation_buttons) {
            QTest::mouseClick(each.button, Qt::LeftButton);
        }
        QCOMPARE(shown.pictures.size(), std::size_t{5});
        for (const pay::PayRules* drawn_with : shown.picture_rules) {
            QCOMPARE(drawn_with, &raised_);
        }
    }

  private:
    const pay::PayRules raised_ = gui_test::raised_point_value_rules();
    gui_test::ModalGuard guard_;
    QTemporaryDir dir_;
};

VELNARO_GUI_TEST_MAIN(RulesInEffectTest)
#include "rules_in_effect_test.moc"
