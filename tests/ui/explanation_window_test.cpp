// Every result field explains its amount: a tooltip on hover and on keyboard focus, and a modal
// window on a double-click or Shift+F1 that Escape and its close button close.
#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleTextInterface>
#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGlyphRun>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRawFont>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>
#include <QTimer>
#include <QToolTip>
#include <QWindow>
#include <algorithm>
#include <vector>

#include "accessibility_spy.h"
#include "gui_test_support.h"
#include "language/catalogue.h"
#include "pay/pay_inputs.h"
#include "ui/field_explanations.h"

using gui_test::ShownWindow;

namespace {

const QString title = QStringLiteral("كيف حُسب هذا المبلغ؟");
const QString lri = QStringLiteral("\u2066");
const QString pdi = QStringLiteral("\u2069");

// Scale 9, rank 1 (235 points), zone C, no special charges, 2 children, 3 dependents, member,
// as list positions. Worked by hand:
//   base        ((235 - 150) * 50.92 + 9885) + 3981                      = 18194.2
//   residence   18194.2 / 100 * 10                                       = 1819.42
//   taxable     48885.62 - (4888.562 + 9777.124 + 1222.1405 + 327.4956 + 1500) = 31170.2979
//   gross tax   (31170.2979 - 30000) / 100 * 10 + 0                      = 117.02979, "10 %"
//   exemption   3 * 360 = 1080, limited to the gross tax                 = 117.02979; tax 0
void pick_scale_9_rank_1(ShownWindow& shown) {
    shown.pick_worked_slip();
}

// What the explanation window showed, read while it was open.
struct Seen {
    bool opened = false;
    QString title;
    bool modal = false;
    Qt::LayoutDirection direction = Qt::LeftToRight;
    QString text;
    bool selectable = false;
    QString accessible_window_name;
    QString accessible_name;
    QString accessible_text;
    bool closed_by_key = false;
    bool text_has_focus = false;
    int height = 0;
    bool scrolls = true;
};

Seen read_window(QWidget& window) {
    Seen seen;
    seen.opened = true;
    seen.title = window.windowTitle();
    seen.modal = window.isModal();
    seen.direction = window.layoutDirection();
    auto* text = window.findChild<QTextEdit*>(QStringLiteral("ExplanationText"));
    if (text == nullptr) {
        return seen;
    }
    seen.text = text->toPlainText();
    seen.height = window.height();
    seen.scrolls = text->verticalScrollBar()->isVisible();
    seen.selectable = text->textInteractionFlags().testFlag(Qt::TextSelectableByKeyboard) &&
                      text->textInteractionFlags().testFlag(Qt::TextSelectableByMouse);
    seen.accessible_window_name =
        QAccessible::queryAccessibleInterface(&window)->text(QAccessible::Name);
    QAccessibleInterface* readable = QAccessible::queryAccessibleInterface(text);
    seen.accessible_name = readable->text(QAccessible::Name);
    if (QAccessibleTextInterface* characters = readable->textInterface()) {
        seen.accessible_text = characters->text(0, characters->characterCount());
    }
    return seen;
}

// Where a line of text paints a character, from the glyphs of its runs.
std::vector<qreal> drawn_x(const QTextLine& line, QChar character) {
    std::vector<qreal> xs;
    for (const QGlyphRun& run : line.glyphRuns()) {
        const quint32 glyph = run.rawFont().glyphIndexesForString(QString(character)).value(0);
        const QList<quint32> glyphs = run.glyphIndexes();
        for (qsizetype at = 0; at < glyphs.size(); ++at) {
            if (glyph != 0 && glyphs.at(at) == glyph) {
                xs.push_back(run.positions().at(at).x());
            }
        }
    }
    return xs;
}

// Gives `target` the focus with the Tab key, from whatever has it, as a keyboard user does.
void tab_to(QWidget& target) {
    for (int presses = 0; QApplication::focusWidget() != &target && presses < 80; ++presses) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
}

// A line without its bidi isolates, as a screen reader reads it.
QString without_isolates(QString line) {
    for (const char16_t mark : {u'\u2066', u'\u2067', u'\u2068', u'\u2069'}) {
        line.remove(QChar(mark));
    }
    return line.trimmed();
}

}  // namespace

class ExplanationWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() {
        QToolTip::hideText();
        QVERIFY2(guard_.take_unexpected().isEmpty(), "an unexpected modal window opened");
        QCOMPARE(guard_.drop_pending(), std::size_t{0});
    }

    void a_hover_shows_the_fields_explanation_data() {
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("formula");
        QTest::newRow("residence") << "."
                                   << "Text3"
                                   << "18194.20 × 10 % = 1819.42";
        QTest::newRow("residence, comma") << ","
                                          << "Text3"
                                          << "18194,20 × 10 % = 1819,42";
        QTest::newRow("income tax") << "."
                                    << "Text10"
                                    << "117.03 − 117.03 = 0.00";
        QTest::newRow("family exemption") << "."
                                          << "Text19"
                                          << "min(3 × 360.00 ; 117.03) = 117.03";
        QTest::newRow("monthly pay") << "."
                                     << "Text20"
                                     << "(53685.62 − 7998.20) ÷ 12 ≈ 3807.29";
    }
    void a_hover_shows_the_fields_explanation() {
        QFETCH(QString, separator);
        QFETCH(QString, field);
        QFETCH(QString, formula);
        ShownWindow shown(separator);
        pick_scale_9_rank_1(shown);
        shown.press_ok();
        QLineEdit& edit = shown.field(field.toLatin1().constData());
        const QPoint centre = edit.rect().center();
        QHelpEvent hover(QEvent::ToolTip, centre, edit.mapToGlobal(centre));
        QApplication::sendEvent(&edit, &hover);
        QTRY_VERIFY(QToolTip::isVisible());
        QVERIFY2(QToolTip::text().contains(formula.toHtmlEscaped()), qPrintable(QToolTip::text()));
        QVERIFY(QToolTip::text().contains(QStringLiteral("dir=\"rtl\"")));
    }

    // The focus shows no tooltip over the results around the field; the field describes its
    // amount to a screen reader.
    void keyboard_focus_describes_the_explanation() {
        ShownWindow shown;
        pick_scale_9_rank_1(shown);
        shown.press_ok();
        QLineEdit& residence = shown.field("Text3");
        residence.setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        QVERIFY(!QToolTip::isVisible());
        const QString sentence = QStringLiteral("التعويض عن الإقامة هو نسبة المنطقة");
        const QString description =
            QAccessible::queryAccessibleInterface(&residence)->text(QAccessible::Description);
        QVERIFY(description.contains(sentence));
        // The formula as read: the isolates that order it when drawn are left out.
        QVERIFY(description.contains(QStringLiteral("\n18194.20 × 10 % = 1819.42\n")));
        QVERIFY(!description.contains(lri) && !description.contains(pdi));
    }

    // A screen reader says the focused field's name and value itself: the description the
    // field gives with the focus adds the explanation alone, neither a heading of the name and
    // value before it nor the field's own amount among the named numbers.
    void a_fields_description_adds_only_the_explanation_data() {
        QTest::addColumn<QString>("field");
        QTest::newRow("index points") << "Text1";
        QTest::newRow("residence") << "Text3";
        QTest::newRow("income tax") << "Text10";
        QTest::newRow("monthly pay") << "Text20";
    }
    void a_fields_description_adds_only_the_explanation() {
        QFETCH(QString, field);
        ShownWindow shown;
        pick_scale_9_rank_1(shown);
        shown.press_ok();
        QLineEdit& edit = shown.field(field.toLatin1().constData());
        gui_test::AccessibilitySpy spy;
        tab_to(edit);
        QCOMPARE(QApplication::focusWidget(), &edit);

        const auto focus = spy.of_type(QAccessible::Focus);
        const auto said = std::find_if(focus.rbegin(), focus.rend(),
                                       [&](const auto& event) { return event.object == &edit; });
        QVERIFY(said != focus.rend());
        QCOMPARE(said->name, edit.accessibleName());
        QCOMPARE(said->value, edit.text());
        QVERIFY(!said->description.isEmpty());
        for (const QString& line : said->description.split(QLatin1Char('\n'))) {
            QVERIFY2(!line.contains(said->name + QStringLiteral(": ")), qPrintable(line));
            QVERIFY2(without_isolates(line) != said->value, qPrintable(line));
        }
    }

    // The window's text is read as the value of its text box, once: neither its name nor a
    // description repeats it.
    void the_windows_text_is_read_once() {
        ShownWindow shown;
        pick_scale_9_rank_1(shown);
        shown.press_ok();
        QLineEdit& monthly = shown.field("Text20");
        tab_to(monthly);
        QStringList repeated;
        QString read;
        guard_.expect([&](QWidget& window) {
            auto* text = window.findChild<QTextEdit*>(QStringLiteral("ExplanationText"));
            QAccessibleInterface* readable = QAccessible::queryAccessibleInterface(text);
            read = readable->textInterface()->text(0, readable->textInterface()->characterCount());
            // Each line of the text, looked for in what else the window and the text box say.
            const QStringList others{
                readable->text(QAccessible::Name), readable->text(QAccessible::Description),
                QAccessible::queryAccessibleInterface(&window)->text(QAccessible::Name),
                QAccessible::queryAccessibleInterface(&window)->text(QAccessible::Description)};
            for (const QString& line : text->toPlainText().split(QLatin1Char('\n'))) {
                for (const QString& other : others) {
                    if (other.contains(line)) {
                        repeated << line;
                    }
                }
            }
        });
        QTest::keyClick(&monthly, Qt::Key_F1, Qt::ShiftModifier);
        QVERIFY(read.contains(QStringLiteral("(53685.62 − 7998.20) ÷ 12 ≈ 3807.29")));
        QVERIFY2(repeated.isEmpty(), qPrintable(repeated.join(QLatin1Char('\n'))));
    }

    // The pointer resting on a field shows its tooltip; a click on another field where the
    // tooltip lies reaches that field, and Escape dismisses the tooltip without moving the focus.
    void the_tooltip_takes_no_click_and_escape_dismisses_it() {
        ShownWindow shown;
        pick_scale_9_rank_1(shown);
        shown.press_ok();
        QWindow* window = shown.window().windowHandle();
        QLineEdit& points = shown.field("Text1");
        shown.list("Combo1").setFocus(Qt::OtherFocusReason);
        // Real pointer moves through the window, onto the field, where it rests.
        QTest::mouseMove(window, points.mapTo(&shown.window(), QPoint(2, 2)));
        QTest::mouseMove(window, points.mapTo(&shown.window(), points.rect().center()));
        QTRY_VERIFY(QToolTip::isVisible());
        QWidget* tip = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->inherits("QTipLabel") && top->isVisible()) {
                tip = top;
            }
        }
        QVERIFY(tip != nullptr);
        QVERIFY(tip->windowHandle()->flags().testFlag(Qt::WindowTransparentForInput));

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTRY_VERIFY(!QToolTip::isVisible());
        QCOMPARE(gui_test::focused_control(shown.window()), QStringLiteral("Combo1"));
    }

    // The tooltip goes as soon as the pointer leaves its field.
    void the_tooltip_goes_when_the_pointer_leaves_the_field() {
        ShownWindow shown;
        pick_scale_9_rank_1(shown);
        shown.press_ok();
        QWindow* window = shown.window().windowHandle();
        QLineEdit& points = shown.field("Text1");
        QLineEdit& annual = shown.field("Text25");
        QTest::mouseMove(window, points.mapTo(&shown.window(), QPoint(2, 2)));
        QTest::mouseMove(window, points.mapTo(&shown.window(), points.rect().center()));
        QTRY_VERIFY(QToolTip::isVisible());
        QTest::mouseClick(window, Qt::LeftButton, {},
                          annual.mapTo(&shown.window(), annual.rect().center()));
        QTRY_VERIFY(!QToolTip::isVisible());
        QCOMPARE(gui_test::focused_control(shown.window()), QStringLiteral("Text25"));
    }

    void a_double_click_opens_the_window_of_the_income_tax() {
        ShownWindow shown;
        pick_scale_9_rank_1(shown);
        shown.press_ok();
        Seen seen;
        guard_.expect([&](QWidget& window) { seen = read_window(window); });
        QTest::mouseDClick(&shown.field("Text10"), Qt::LeftButton);
        QVERIFY(seen.opened);
        QCOMPARE(seen.title, title);
        QVERIFY(seen.modal);
        QCOMPARE(seen.direction, Qt::RightToLeft);
        QVERIFY(seen.selectable);
        const QStringList lines = seen.text.split(QLatin1Char('\n'));
        QCOMPARE(lines.value(0),
                 QStringLiteral("الضريبة العامة على الدخل: ") + lri + QStringLiteral("0.00") + pdi);
        QVERIFY(lines.value(1).startsWith(QStringLiteral("الضريبة العامة على الدخل هي ")));
        QCOMPARE(
            lines.mid(2, 3),
            (QStringList{lri + QStringLiteral("30000.00 < 31170.30 ≤ 50000.00 → 10 %") + pdi,
                         lri + QStringLiteral("(31170.30 − 30000.00) × 10 % + 0.00 = 117.03") + pdi,
                         lri + QStringLiteral("117.03 − 117.03 = 0.00") + pdi}));
        QVERIFY(lines.contains(QStringLiteral("• الحد الأدنى للشريحة: ") + lri +
                               QStringLiteral("30000.00") + pdi));
        // A screen reader finds the window by its title and reads the whole text.
        QCOMPARE(seen.accessible_window_name, title);
        QCOMPARE(seen.accessible_name, QStringLiteral("الضريبة العامة على الدخل"));
        QCOMPARE(seen.accessible_text, seen.text);
    }

    void numbers_and_formulas_are_drawn_left_to_right() {
        ShownWindow shown;
        pick_scale_9_rank_1(shown);
        shown.press_ok();
        // Each left-to-right run of the text (a formula line, an amount, "10 %"), read from the
        // glyphs the window paints: its first character stands left of its last.
        QStringList wrong;
        int checked = 0;
        guard_.expect([&](QWidget& window) {
            auto* text = window.findChild<QTextEdit*>(QStringLiteral("ExplanationText"));
            QVERIFY(text != nullptr);
            for (QTextBlock block = text->document()->begin(); block.isValid();
                 block = block.next()) {
                const QString line = block.text();
                for (qsizetype start = line.indexOf(lri); start >= 0;
                     start = line.indexOf(lri, start + 1)) {
                    const qsizetype end = line.indexOf(pdi, start);
                    const QString run = line.mid(start + 1, end - start - 1);
                    const QTextLine drawn = block.layout()->lineForTextPosition(int(start));
                    // The first and the last character of the run that the line paints once.
                    std::vector<qreal> once;
                    for (const QChar character : run) {
                        const std::vector<qreal> xs = drawn_x(drawn, character);
                        if (xs.size() == 1) {
                            once.push_back(xs.front());
                        }
                    }
                    if (once.size() < 2) {
                        continue;
                    }
                    ++checked;
                    if (once.front() >= once.back()) {
                        wrong << run;
                    }
                }
            }
        });
        QTest::mouseDClick(&shown.field("Text10"), Qt::LeftButton);
        // The three formula lines and "10 %" in the sentence and in the rate's line at least.
        QVERIFY2(checked >= 5, qPrintable(QString::number(checked)));
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
    }

    void shift_f1_opens_the_window_and_escape_closes_it() {
        ShownWindow shown;
        pick_scale_9_rank_1(shown);
        shown.press_ok();
        QLineEdit& residence = shown.field("Text3");
        residence.setFocus(Qt::TabFocusReason);
        Seen seen;
        guard_.expect([&](QWidget& window) {
            seen = read_window(window);
            // The window opens with the focus in its text.
            QWidget* focused = window.focusWidget();
            seen.text_has_focus =
                focused != nullptr && focused->objectName() == QStringLiteral("ExplanationText");
            QTest::keyClick(focused != nullptr ? focused : &window, Qt::Key_Escape);
            seen.closed_by_key = !window.isVisible();
        });
        QTest::keyClick(&residence, Qt::Key_F1, Qt::ShiftModifier);
        QVERIFY(seen.opened);
        QVERIFY(seen.text.contains(QStringLiteral("18194.20 × 10 % = 1819.42")));
        QVERIFY(seen.text_has_focus);
        QVERIFY(seen.closed_by_key);
        // F1 alone opens nothing.
        QTest::keyClick(&residence, Qt::Key_F1);
    }

    // A right click on a result field shows its menu, which begins with the entry that opens the
    // field's explanation, Shift+F1 beside it; a click on that entry opens that field's window.
    void the_context_menu_opens_the_fields_window_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("formula");
        QTest::newRow("residence") << "Text3"
                                   << "18194.20 × 10 % = 1819.42";
        QTest::newRow("monthly pay") << "Text20"
                                     << "(53685.62 − 7998.20) ÷ 12 ≈ 3807.29";
    }
    void the_context_menu_opens_the_fields_window() {
        QFETCH(QString, field);
        QFETCH(QString, formula);
        ShownWindow shown;
        pick_scale_9_rank_1(shown);
        shown.press_ok();
        QLineEdit& edit = shown.field(field.toLatin1().constData());
        QStringList entries;
        QString shortcut;
        QTimer::singleShot(0, &shown.window(), [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu != nullptr);
            QAction* explain = nullptr;
            for (QAction* action : menu->actions()) {
                if (!action->isSeparator()) {
                    entries << action->text();
                }
                if (action->text() == gui_test::qt_text(ui::explain_amount_caption)) {
                    explain = action;
                }
            }
            QVERIFY(explain != nullptr);
            shortcut = explain->shortcut().toString(QKeySequence::PortableText);
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(explain).center());
        });
        Seen seen;
        guard_.expect([&](QWidget& window) { seen = read_window(window); });
        // Through the window, as the system delivers a click: the window makes the menu event.
        QTest::mouseClick(edit.window()->windowHandle(), Qt::RightButton, {},
                          edit.mapTo(edit.window(), edit.rect().center()));
        QVERIFY(seen.opened);
        QCOMPARE(seen.title, title);
        QVERIFY2(seen.text.contains(formula), qPrintable(seen.text));
        QVERIFY2(entries.contains(gui_test::qt_text(ui::explain_amount_caption)),
                 qPrintable(entries.join(QLatin1Char('|'))));
        QCOMPARE(shortcut, QStringLiteral("Shift+F1"));
        // The field's own editing entries come first; the explanation leads the window's entries.
        const qsizetype explain_at = entries.indexOf(gui_test::qt_text(ui::explain_amount_caption));
        QVERIFY(explain_at > 0);
        const auto* print = shown.window().findChild<QAction*>(QStringLiteral("print_slip"));
        QVERIFY(print != nullptr);
        QCOMPARE(entries.value(explain_at + 1), print->text());
    }

    // The tooltip says how to reach the explanation window, in the window's language.
    void the_tooltip_says_how_to_open_the_window_data() {
        QTest::addColumn<language::Language>("language");
        QTest::addColumn<QStringList>("ways");
        QTest::newRow("ar") << language::Language::ar
                            << QStringList{QStringLiteral("انقر مرتين"), QStringLiteral("Shift+F1"),
                                           gui_test::qt_text(ui::explain_amount_caption)};
        QTest::newRow("fr") << language::Language::fr
                            << QStringList{QStringLiteral("double-cliquez"),
                                           QStringLiteral("Shift+F1"),
                                           QStringLiteral("Expliquer ce montant")};
        QTest::newRow("en") << language::Language::en
                            << QStringList{QStringLiteral("double-click"),
                                           QStringLiteral("Shift+F1"),
                                           QStringLiteral("Explain this amount")};
    }
    void the_tooltip_says_how_to_open_the_window() {
        QFETCH(language::Language, language);
        QFETCH(QStringList, ways);
        ShownWindow shown(QStringLiteral("."), pay::built_in_rules(), nullptr, {}, 0,
                          language::Catalogue::of(language));
        pick_scale_9_rank_1(shown);
        shown.press_ok();
        QLineEdit& edit = shown.field("Text3");
        const QPoint centre = edit.rect().center();
        QHelpEvent hover(QEvent::ToolTip, centre, edit.mapToGlobal(centre));
        QApplication::sendEvent(&edit, &hover);
        QTRY_VERIFY(QToolTip::isVisible());
        for (const QString& way : ways) {
            QVERIFY2(QToolTip::text().contains(way), qPrintable(QToolTip::text()));
        }
    }

    // A French window explains in French, read left to right: the rule's sentence with the zone
    // picked (C, 10 %) and no Arabic word, whichever language the sentences are written in.
    void a_french_tooltip_explains_in_french() {
        ShownWindow shown(QStringLiteral("."), pay::built_in_rules(), nullptr, {}, 0,
                          language::Catalogue::of(language::Language::fr));
        pick_scale_9_rank_1(shown);
        shown.press_ok();
        QLineEdit& edit = shown.field("Text3");
        const QPoint centre = edit.rect().center();
        QHelpEvent hover(QEvent::ToolTip, centre, edit.mapToGlobal(centre));
        QApplication::sendEvent(&edit, &hover);
        QTRY_VERIFY(QToolTip::isVisible());
        const QString tooltip = QToolTip::text();
        const QString sentence = QStringLiteral(
            "L’indemnité de résidence est le taux de la zone «\u2068C\u2069», soit \u206610 "
            "%\u2069, du traitement de base annuel.");
        QVERIFY2(tooltip.contains(sentence.toHtmlEscaped()), qPrintable(tooltip));
        QVERIFY(tooltip.contains(QStringLiteral("18194.20 × 10 % = 1819.42")));
        QVERIFY(!tooltip.contains(QStringLiteral("dir=\"rtl\"")));
        static const QRegularExpression arabic(QStringLiteral("[\\x{0600}-\\x{06FF}]"));
        QVERIFY2(!tooltip.contains(arabic), qPrintable(tooltip));
        // The description a screen reader reads is the same French sentence.
        edit.setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        const QString description =
            QAccessible::queryAccessibleInterface(&edit)->text(QAccessible::Description);
        QVERIFY2(description.startsWith(QStringLiteral("L’indemnité de résidence est le taux")),
                 qPrintable(description));
    }

    // An English window's explanation window: English title, left to right, the field's English
    // name, the sentence and the named numbers in English.
    void an_english_window_opens_an_english_explanation() {
        ShownWindow shown(QStringLiteral("."), pay::built_in_rules(), nullptr, {}, 0,
                          language::Catalogue::of(language::Language::en));
        pick_scale_9_rank_1(shown);
        shown.press_ok();
        Seen seen;
        guard_.expect([&](QWidget& window) { seen = read_window(window); });
        QTest::mouseDClick(&shown.field("Text3"), Qt::LeftButton);
        QVERIFY(seen.opened);
        QCOMPARE(seen.title, QStringLiteral("How was this amount computed?"));
        QCOMPARE(seen.direction, Qt::LeftToRight);
        const QStringList lines = seen.text.split(QLatin1Char('\n'));
        QCOMPARE(lines.value(0),
                 QStringLiteral("Residence allowance: ") + lri + QStringLiteral("1819.42") + pdi);
        QCOMPARE(lines.value(1),
                 QStringLiteral("The residence allowance is the rate of zone «\u2068C\u2069», that "
                                "is \u206610 %\u2069, of the annual base salary."));
        QVERIFY(lines.contains(QStringLiteral("• Annual base salary: ") + lri +
                               QStringLiteral("18194.20") + pdi));
        QVERIFY(lines.contains(QStringLiteral("• rate of zone «\u2068C\u2069»: ") + lri +
                               QStringLiteral("10 %") + pdi));
        QCOMPARE(seen.accessible_name, QStringLiteral("Residence allowance"));
    }

    void the_close_button_closes_the_window() {
        ShownWindow shown;
        bool closed = false;
        QString text;
        guard_.expect([&](QWidget& window) {
            text = read_window(window).text;
            auto* buttons = window.findChild<QDialogButtonBox*>();
            QPushButton* close = buttons->button(QDialogButtonBox::Close);
            close->click();
            closed =
                !window.isVisible() &&
                !QAccessible::queryAccessibleInterface(close)->text(QAccessible::Name).isEmpty();
        });
        QTest::mouseDClick(&shown.field("Text2"), Qt::LeftButton);
        QVERIFY(closed);
        // Before any computation there is nothing to explain yet.
        QVERIFY2(text.contains(QStringLiteral("لم يُحسب أي مبلغ بعد")), qPrintable(text));
    }

    void a_carried_field_says_it_was_kept() {
        ShownWindow shown;
        pick_scale_9_rank_1(shown);
        shown.press_ok();
        // An alef without hamza is no zone: the residence allowance keeps its 1819.42.
        gui_test::retype(shown.list("Combo3"), QStringLiteral("\u0627"));
        shown.press_ok();
        QVERIFY(shown.messages.empty());
        Seen seen;
        guard_.expect([&](QWidget& window) { seen = read_window(window); });
        QTest::mouseDClick(&shown.field("Text3"), Qt::LeftButton);
        QVERIFY(seen.text.contains(QStringLiteral("لم يكتب الحساب الأخير التعويض عن الإقامة")));
        QVERIFY(seen.text.contains(lri + QStringLiteral("1819.42") + pdi));
        QVERIFY(seen.text.contains(QStringLiteral("\u2068\u0627\u2069")));
    }

    void the_window_is_as_high_as_its_text() {
        ShownWindow shown;
        Seen before;
        guard_.expect([&](QWidget& window) { before = read_window(window); });
        QTest::mouseDClick(&shown.field("Text10"), Qt::LeftButton);
        pick_scale_9_rank_1(shown);
        shown.press_ok();
        Seen computed;
        guard_.expect([&](QWidget& window) { computed = read_window(window); });
        QTest::mouseDClick(&shown.field("Text10"), Qt::LeftButton);
        // Both texts are read whole without scrolling; the one-sentence window is the lower.
        QVERIFY(!before.scrolls);
        QVERIFY(!computed.scrolls);
        QVERIFY2(before.height < computed.height - 100,
                 qPrintable(QStringLiteral("%1 %2").arg(before.height).arg(computed.height)));
    }

    // A picture window, closed by the window manager, leaves the monthly pay (which the
    // announcement of a computation lies over) answering a double-click as before.
    void the_monthly_field_answers_after_a_picture_window_data() {
        QTest::addColumn<QString>("button");
        QTest::newRow("Command4: residence allowance") << "Command4";
        QTest::newRow("Command5: saharan provinces") << "Command5";
        QTest::newRow("Command6: family allowances") << "Command6";
        QTest::newRow("Command7: tax exemption") << "Command7";
        QTest::newRow("Command2: about") << "Command2";
    }
    void the_monthly_field_answers_after_a_picture_window() {
        QFETCH(QString, button);
        ShownWindow shown;
        shown.open_pictures = true;
        pick_scale_9_rank_1(shown);
        shown.press_ok();
        QString picture;
        guard_.expect([&](QWidget& window) {
            picture = window.objectName();
            gui_test::close_as_window_manager(window);
        });
        auto* opener = shown.window().findChild<QAbstractButton*>(button);
        QVERIFY(opener != nullptr);
        QTest::mouseClick(opener, Qt::LeftButton);
        QVERIFY(picture.startsWith(QStringLiteral("Form")));

        Seen seen;
        guard_.expect([&](QWidget& window) { seen = read_window(window); });
        gui_test::double_click_through_window_system(shown.field("Text20"));
        QVERIFY(seen.opened);
        QCOMPARE(seen.title, title);
        QVERIFY2(seen.text.startsWith(QStringLiteral("الأجرة الشهرية")), qPrintable(seen.text));

        // Every control is still drawn in the main window's own platform window.
        QStringList native;
        for (const QWidget* control : shown.window().findChildren<QWidget*>()) {
            if (!control->isWindow() && control->windowHandle() != nullptr) {
                native << control->objectName();
            }
        }
        QVERIFY2(native.isEmpty(), qPrintable(native.join(QLatin1Char(' '))));
    }

    // Should a control of the window get a native window of its own, so do its siblings, the
    // announcement over the monthly pay among them: the click still goes to the field.
    void a_native_announcement_lets_clicks_through() {
        ShownWindow shown;
        pick_scale_9_rank_1(shown);
        shown.press_ok();
        QWidget* announcement = shown.window().findChild<QWidget*>(QStringLiteral("Announcement"));
        QVERIFY(announcement != nullptr);
        QVERIFY(announcement->isVisible());
        announcement->winId();
        QVERIFY(announcement->windowHandle() != nullptr);
        Seen seen;
        guard_.expect([&](QWidget& window) { seen = read_window(window); });
        gui_test::double_click_through_window_system(shown.field("Text20"));
        QVERIFY(seen.opened);
        QVERIFY2(seen.text.startsWith(QStringLiteral("الأجرة الشهرية")), qPrintable(seen.text));
    }

  private:
    gui_test::ModalGuard guard_;
};

VELNARO_GUI_TEST_MAIN(ExplanationWindowTest)
#include "explanation_window_test.moc"
