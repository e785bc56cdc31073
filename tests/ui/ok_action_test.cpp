// The OK action: refusals with their message and focus, computations shown in the fields, values
// carried between two presses, typed choices and the decimal separator.
#include <QAccessible>
#include <QComboBox>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <functional>

#include "accessibility_spy.h"
#include "gui_test_support.h"
#include "pay/pay_inputs.h"
#include "rules_at_the_edges.h"
#include "ui/field_fitting.h"

using gui_test::focused_control;
using gui_test::qt_text;
using gui_test::ShownWindow;

namespace {

// The message of every refusal: four spaces, then the words.
const QString refusal_text = QStringLiteral("    من فضلك اكمل البيانات");

// Item positions in the lists.
enum ScaleItem { scale_9, scale_10, scale_11, out_of_scale };
enum ZoneItem { zone_a, zone_b, zone_c };
enum YesNoItem { yes, no };

struct Picks {
    int scale;
    int rank;
    int zone;
    int special_charges;
    int children;
    int dependents;
    int mutual_member;
};

const char* rank_list_of(int scale) {
    static const std::array<const char*, 4> lists{"Combo2", "Combo8", "Combo9", "Combo10"};
    return lists[static_cast<std::size_t>(scale)];
}

void pick_all(ShownWindow& shown, const Picks& picks) {
    gui_test::pick_with_keys(shown.list("Combo1"), picks.scale);
    gui_test::pick_with_keys(shown.list(rank_list_of(picks.scale)), picks.rank);
    gui_test::pick_with_keys(shown.list("Combo3"), picks.zone);
    gui_test::pick_with_keys(shown.list("Combo4"), picks.special_charges);
    gui_test::pick_with_keys(shown.list("Combo5"), picks.children);
    gui_test::pick_with_keys(shown.list("Combo6"), picks.dependents);
    gui_test::pick_with_keys(shown.list("Combo7"), picks.mutual_member);
}

// Scale 9, rank 1 (235 points), zone C, no special charges, 2 children, 3 dependents, member.
constexpr Picks scale_9_rank_1{scale_9, 0, zone_c, no, 2, 3, yes};

// What that choice shows, with the separator written as '#'. Worked by hand:
//   base        ((235 - 150) * 50.92 + 9885) + 3981                      = 18194.2
//   residence   18194.2 / 100 * 10                                       = 1819.42
//   family      2 * 2400                                                 = 4800
//   gross       18194.2 + 1819.42 + 0 + 25212 + 3660 + 0                 = 48885.62 (+ 4800)
//   retirement  (1819.42 + 18194.2 + 25212 + 3660 + 0) / 100 * 10        = 4888.562
//   health      48885.62 / 100 * 2.5                                     = 1222.1405
//   mutual      18194.2 / 100 * 1.8                                      = 327.4956; fund 1500
//   taxable     48885.62 - (4888.562 + 9777.124 + 1222.1405 + 327.4956 + 1500) = 31170.2979
//   gross tax   (31170.2979 - 30000) / 100 * 10                          = 117.02979, "10 %"
//   exemption   3 * 360 = 1080, capped at the gross tax                  = 117.02979; tax 0
//   deductions  0 + 4888.562 + 60 + 1222.1405 + 327.4956 + 1500          = 7998.1981
//   annual      53685.62 - 7998.1981 = 45687.4219; monthly / 12          = 3807.2851583
const QStringList scale_9_rank_1_texts{
    "Text1=235#00",   "Text2=18194#20", "Text3=1819#42", "Text4=0#00",      "Text5=25212#00",
    "Text6=3660#00",  "Text7=0#00",     "Text8=4800#00", "Text16=53685#62", "Text9=4888#56",
    "Text12=1222#14", "Text13=327#50",  "Text14=1500",   "Text11=60#00",    "Text18=31170#30",
    "Text21=10 %",    "Text19=117#03",  "Text10=0#00",   "Text15=7998#20",  "Text25=45687#42",
    "Text20=3807#29",
};

// Out of scale, rank 8 (930 points), zone A, special charges, 5 children, 2 dependents, no
// member. Worked by hand:
//   base        ((930 - 150) * 50.92 + 9885) + 3981                      = 53583.6
//   residence   53583.6 / 100 * 25 = 13395.9; special 53583.6 / 100 * 85 = 45546.06
//   family      3 * 2400 + 2 * 432                                       = 8064
//   gross       53583.6 + 13395.9 + 45546.06 + 76800 + 12000 + 66000     = 267325.56 (+ 8064)
//   retirement  (5358.36 + 53583.6 + 76800 + 12000 + 66000) / 100 * 10   = 21374.196
//   health      213741.96 / 100 * 2.5 = 5343.549, above the ceiling      = 4800
//   taxable     267325.56 - (21374.196 + 30000 + 4800 + 0 + 0)           = 211151.364
//   gross tax   (211151.364 - 180000) / 100 * 38 + 44000                 = 55837.51832, "38 %"
//   exemption   2 * 360 = 720; tax 55837.51832 - 720                     = 55117.51832
//   deductions  55117.51832 + 21374.196 + 80 + 4800 + 0 + 0              = 81371.71432
//   annual      275389.56 - 81371.71432 = 194017.84568; monthly / 12     = 16168.153806
constexpr Picks out_of_scale_rank_8{out_of_scale, 7, zone_a, yes, 5, 2, no};
const QStringList out_of_scale_rank_8_texts{
    "Text1=930#00",    "Text2=53583#60", "Text3=13395#90",  "Text4=45546#06",   "Text5=76800#00",
    "Text6=12000#00",  "Text7=66000#00", "Text8=8064#00",   "Text16=275389#56", "Text9=21374#20",
    "Text12=4800#00",  "Text13=0#00",    "Text14=0",        "Text11=80#00",     "Text18=211151#36",
    "Text21=38 %",     "Text19=720#00",  "Text10=55117#52", "Text15=81371#71",  "Text25=194017#85",
    "Text20=16168#15",
};

// Special charges, six children, six dependents, member: under the rules at the edges, the
// largest amounts a rules file can reach.
constexpr Picks largest_amounts{out_of_scale, 7, zone_a, yes, 6, 6, yes};

// The window's visible result fields.
QList<QLineEdit*> result_fields(QWidget& window) {
    QList<QLineEdit*> fields;
    for (QLineEdit* field : window.findChildren<QLineEdit*>()) {
        if (field->objectName().startsWith(QLatin1String("Text")) && field->isVisible()) {
            fields.push_back(field);
        }
    }
    return fields;
}

// Whether the field's picture has ink in the two columns just inside its frame on either side:
// a text cut by the field's edge reaches them; a whole one, centred, does not.
bool ink_at_the_edges(QLineEdit& field) {
    const QImage image = field.grab().toImage();
    const int frame = field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &field);
    const QRgb ground = field.palette().color(QPalette::Base).rgb();
    const int width = field.width();
    const qreal ratio = image.devicePixelRatio();
    for (const int x : {frame, frame + 1, width - frame - 2, width - frame - 1}) {
        for (int y = frame + 2; y < field.height() - frame - 2; ++y) {
            const QPoint pixel(qRound(x * ratio), qRound(y * ratio));
            if (qGray(image.pixel(pixel)) < qGray(ground) - 64) {
                return true;
            }
        }
    }
    return false;
}

QStringList with_separator(const QStringList& texts, const QString& separator) {
    QStringList result = texts;
    result.replaceInStrings(QStringLiteral("#"), separator);
    return result;
}

const QStringList start_texts{
    "Text1=",   "Text2=0",  "Text3=0",  "Text4=0",  "Text5=0",  "Text6=0",  "Text7=0",
    "Text8=0",  "Text16=0", "Text9=0",  "Text12=0", "Text13=0", "Text14=0", "Text11=0",
    "Text18=0", "Text21=0", "Text19=0", "Text10=0", "Text15=0", "Text25=",  "Text20=",
};

using Setup = std::function<void(ShownWindow&)>;

}  // namespace

Q_DECLARE_METATYPE(Setup)

class OkActionTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() {
        QVERIFY2(guard_.take_unexpected().isEmpty(), "an unexpected modal window opened");
        QCOMPARE(guard_.pending(), std::size_t{0});
    }

    void a_refusal_shows_the_message_and_focuses_the_list_data() {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<QString>("focused");
        QTest::addColumn<QStringList>("shown_rank_lists");
        const QStringList stack{"Combo2", "Combo8", "Combo9", "Combo10"};
        // Fills the six choices other than the scale and the rank.
        const auto fill_six = [](ShownWindow& shown) {
            for (const char* name : {"Combo3", "Combo4", "Combo5", "Combo6", "Combo7"}) {
                gui_test::pick_with_keys(shown.list(name), 0);
            }
        };
        QTest::newRow("nothing chosen") << Setup{} << "Combo1" << stack;
        QTest::newRow("zone before rank") << Setup{[](ShownWindow& shown) {
            gui_test::pick_with_keys(shown.list("Combo1"), scale_9);
        }} << "Combo3" << QStringList{"Combo2"};
        QTest::newRow("rank of the picked scale") << Setup{[&](ShownWindow& shown) {
            fill_six(shown);
            gui_test::pick_with_keys(shown.list("Combo1"), scale_10);
        }} << "Combo8" << QStringList{"Combo8"};
        QTest::newRow("a rank left in another scale's list plays no part")
            << Setup{[&](ShownWindow& shown) {
                   fill_six(shown);
                   gui_test::pick_with_keys(shown.list("Combo1"), scale_9);
                   gui_test::pick_with_keys(shown.list("Combo2"), 3);
                   gui_test::pick_with_keys(shown.list("Combo1"), scale_10);
               }}
            << "Combo8" << QStringList{"Combo8"};
        QTest::newRow("typed scale, its rank list under the start stack")
            << Setup{[&](ShownWindow& shown) {
                   fill_six(shown);
                   gui_test::retype(shown.list("Combo1"), qt_text(pay::scale_items[scale_9]));
               }}
            << "Combo2" << QStringList{"Combo2"};
        QTest::newRow("typed scale, its rank list hidden") << Setup{[&](ShownWindow& shown) {
            fill_six(shown);
            gui_test::pick_with_keys(shown.list("Combo1"), scale_10);
            gui_test::pick_with_keys(shown.list("Combo8"), 0);
            gui_test::retype(shown.list("Combo1"), qt_text(pay::scale_items[scale_11]));
        }} << "Combo9" << QStringList{"Combo9"};
        QTest::newRow("typed scale that is no scale, no grid row yet")
            << Setup{[&](ShownWindow& shown) {
                   fill_six(shown);
                   gui_test::retype(shown.list("Combo1"), QStringLiteral("9"));
               }}
            << "Combo1" << stack;
        QTest::newRow("typed rank that is no rank, no grid row yet")
            << Setup{[&](ShownWindow& shown) {
                   fill_six(shown);
                   gui_test::pick_with_keys(shown.list("Combo1"), scale_9);
                   gui_test::retype(shown.list("Combo2"), QStringLiteral("11"));
               }}
            << "Combo2" << QStringList{"Combo2"};
        QTest::newRow("children that read as no number") << Setup{[&](ShownWindow& shown) {
            pick_all(shown, scale_9_rank_1);
            gui_test::retype(shown.list("Combo5"), QStringLiteral("x"));
        }} << "Combo5" << QStringList{"Combo2"};
        QTest::newRow("dependents beyond six") << Setup{[&](ShownWindow& shown) {
            pick_all(shown, scale_9_rank_1);
            gui_test::retype(shown.list("Combo6"), QStringLiteral("7"));
        }} << "Combo6" << QStringList{"Combo2"};
    }
    void a_refusal_shows_the_message_and_focuses_the_list() {
        QFETCH(Setup, setup);
        QFETCH(QString, focused);
        QFETCH(QStringList, shown_rank_lists);
        ShownWindow shown;
        if (setup) {
            setup(shown);
        }
        shown.press_ok();
        QCOMPARE(shown.messages.size(), std::size_t{1});
        QCOMPARE(shown.messages.front().title, QStringLiteral("Velnaro"));
        QCOMPARE(shown.messages.front().text, refusal_text);
        QCOMPARE(focused_control(shown.window()), focused);
        QStringList shown_lists;
        for (const char* name : {"Combo2", "Combo8", "Combo9", "Combo10"}) {
            if (shown.list(name).isVisible()) {
                shown_lists << QString::fromLatin1(name);
            }
        }
        QCOMPARE(shown_lists, shown_rank_lists);
        QCOMPARE(shown.result_texts(), start_texts);
    }

    void the_message_box_is_modal_with_one_ok_button() {
        ui::MainWindow window({.rules = pay::built_in_rules()});
        window.show();
        QString title;
        QString text;
        bool modal = false;
        QList<QAbstractButton*> buttons;
        QMessageBox::Icon icon = QMessageBox::Warning;
        guard_.expect([&](QWidget& opened) {
            auto* box = qobject_cast<QMessageBox*>(&opened);
            QVERIFY(box != nullptr);
            title = box->windowTitle();
            text = box->text();
            modal = box->windowModality() == Qt::ApplicationModal;
            buttons = box->buttons();
            icon = box->icon();
        });
        QTest::mouseClick(window.findChild<QWidget*>(QStringLiteral("Command1")), Qt::LeftButton);
        QCOMPARE(title, QStringLiteral("Velnaro"));
        QCOMPARE(text, refusal_text);
        QVERIFY(modal);
        QCOMPARE(buttons.size(), 1);
        QCOMPARE(icon, QMessageBox::NoIcon);
        QCOMPARE(gui_test::focused_control(window), QStringLiteral("Combo1"));
    }

    void a_computation_shows_every_field_data() {
        QTest::addColumn<QString>("separator");
        QTest::newRow("point") << QStringLiteral(".");
        QTest::newRow("comma") << QStringLiteral(",");
    }
    void a_computation_shows_every_field() {
        QFETCH(QString, separator);
        ShownWindow shown(separator);
        pick_all(shown, scale_9_rank_1);
        shown.press_ok();
        QVERIFY(shown.messages.empty());
        QCOMPARE(shown.result_texts(), with_separator(scale_9_rank_1_texts, separator));
        // Pressed again with the same choices, the same texts.
        shown.press_ok();
        QCOMPARE(shown.result_texts(), with_separator(scale_9_rank_1_texts, separator));
        pick_all(shown, out_of_scale_rank_8);
        shown.press_ok();
        QCOMPARE(shown.result_texts(), with_separator(out_of_scale_rank_8_texts, separator));
    }

    // The largest amounts a rules file can reach, and the longest rate label, show whole: each
    // field's text fits between its margins, and none is cut at the field's edge.
    void the_largest_amounts_show_whole_in_their_fields() {
        const pay::PayRules edges = test_support::rules_at_the_edges();
        ShownWindow shown(QStringLiteral("."), edges);
        pick_all(shown, largest_amounts);
        shown.press_ok();
        QVERIFY(shown.messages.empty());
        // Worked by hand in the rules' own test: the gross total is the largest amount.
        QCOMPARE(shown.field("Text16").text(), QStringLiteral("449975699.90"));
        const QList<QLineEdit*> fields = result_fields(shown.window());
        QCOMPARE(fields.size(), 21);
        for (QLineEdit* field : fields) {
            const QString what = field->objectName() + QLatin1Char('=') + field->text();
            QVERIFY2(QFontMetricsF(field->font()).horizontalAdvance(field->text()) <=
                         ui::text_room(*field),
                     qPrintable(what));
            QVERIFY2(!ink_at_the_edges(*field), qPrintable(what));
        }
        // A short text afterwards is back at the field's own size.
        ShownWindow ordinary;
        for (QLineEdit* field : fields) {
            field->setText(QStringLiteral("0.00"));
            QCOMPARE(field->font(), ordinary.field(qPrintable(field->objectName())).font());
        }
    }

    // Ordinary slips keep every field at the size the form gives it, so they look as they
    // always have.
    void ordinary_amounts_keep_the_fields_own_size() {
        ShownWindow shown;
        QHash<QString, QFont> own;
        for (QLineEdit* field : result_fields(shown.window())) {
            own.insert(field->objectName(), field->font());
        }
        for (const Picks& picks : {scale_9_rank_1, out_of_scale_rank_8}) {
            pick_all(shown, picks);
            shown.press_ok();
            for (QLineEdit* field : result_fields(shown.window())) {
                QCOMPARE(field->font(), own.value(field->objectName()));
                QVERIFY(!ink_at_the_edges(*field));
            }
        }
    }

    void keys_alone_make_the_choices_and_press_ok() {
        ShownWindow shown;
        pick_all(shown, scale_9_rank_1);
        // From the first explanation button, Tab reaches OK in five presses; Enter presses it.
        shown.window().findChild<QWidget*>(QStringLiteral("Command4"))->setFocus();
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(focused_control(shown.window()), QStringLiteral("Command1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(shown.result_texts(), with_separator(scale_9_rank_1_texts, "."));
    }

    // The results change where the focus is not: after each OK that computes, a screen reader
    // is told the monthly pay as its field shows it, by an alert that draws nothing.
    void each_computation_announces_the_monthly_pay_data() {
        QTest::addColumn<bool>("by_keys");
        QTest::newRow("click") << false;
        QTest::newRow("Return") << true;
    }
    void each_computation_announces_the_monthly_pay() {
        QFETCH(bool, by_keys);
        ShownWindow shown;
        auto* ok = shown.window().findChild<QWidget*>(QStringLiteral("Command1"));
        QLineEdit& monthly = shown.field("Text20");
        const auto press_ok = [&] {
            if (by_keys) {
                ok->setFocus(Qt::TabFocusReason);
                QTest::keyClick(ok, Qt::Key_Return);
            } else {
                shown.press_ok();
            }
        };
        gui_test::AccessibilitySpy spy;
        const auto announced = [&] {
            QStringList sentences;
            for (const auto& event : spy.of_type(QAccessible::Alert)) {
                QAccessibleInterface* element = QAccessible::queryAccessibleInterface(event.object);
                if (element != nullptr && element->role() == QAccessible::AlertMessage) {
                    sentences << event.name;
                }
            }
            return sentences;
        };

        // Refused: nothing computed, nothing announced.
        press_ok();
        QCOMPARE(announced(), QStringList());
        shown.messages.clear();

        pick_all(shown, scale_9_rank_1);
        press_ok();
        QCOMPARE(monthly.text(), QStringLiteral("3807.29"));
        QCOMPARE(announced().size(), 1);
        QVERIFY2(announced().back().contains(monthly.text()), qPrintable(announced().back()));
        QVERIFY(announced().back().contains(monthly.accessibleName()));

        // One child more: 200 a month more, announced in turn.
        gui_test::pick_with_keys(shown.list("Combo5"), 3);
        press_ok();
        QCOMPARE(monthly.text(), QStringLiteral("4007.29"));
        QCOMPARE(announced().size(), 2);
        QVERIFY2(announced().back().contains(monthly.text()), qPrintable(announced().back()));

        // The element is there for screen readers only: the window looks the same without it.
        QWidget* element = nullptr;
        for (const auto& event : spy.of_type(QAccessible::Alert)) {
            element = qobject_cast<QWidget*>(event.object.data());
        }
        QVERIFY(element != nullptr && element->isVisible());
        QCOMPARE(element->focusPolicy(), Qt::NoFocus);
        const QImage with = shown.window().grab().toImage();
        element->hide();
        QCOMPARE(shown.window().grab().toImage(), with);
    }

    void a_focused_button_takes_return_and_the_keypads_enter_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("pressed");
        const int none = Qt::NoModifier;
        const int keypad = Qt::KeypadModifier;
        QTest::newRow("OK, Return") << "Command1" << int(Qt::Key_Return) << none << true;
        QTest::newRow("OK, keypad Enter") << "Command1" << int(Qt::Key_Enter) << keypad << true;
        QTest::newRow("about, keypad Enter") << "Command2" << int(Qt::Key_Enter) << keypad << true;
        QTest::newRow("zone explanation, Return")
            << "Command4" << int(Qt::Key_Return) << none << true;
        QTest::newRow("dependents explanation, keypad Enter")
            << "Command7" << int(Qt::Key_Enter) << keypad << true;
        QTest::newRow("OK, Ctrl+keypad Enter")
            << "Command1" << int(Qt::Key_Enter) << (keypad | int(Qt::ControlModifier)) << false;
        QTest::newRow("zone explanation, Shift+Return")
            << "Command4" << int(Qt::Key_Return) << int(Qt::ShiftModifier) << false;
    }
    void a_focused_button_takes_return_and_the_keypads_enter() {
        QFETCH(QString, button);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, pressed);
        ShownWindow shown;
        auto* target = shown.window().findChild<QWidget*>(button);
        QVERIFY(target != nullptr);
        target->setFocus();
        QTest::keyClick(target, static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers));
        // Nothing is picked: OK answers with its message, a picture button opens its window.
        QCOMPARE(shown.messages.size() + shown.pictures.size(), pressed ? 1U : 0U);
    }

    void a_later_press_carries_what_it_does_not_write() {
        ShownWindow shown;
        pick_all(shown, scale_9_rank_1);
        shown.press_ok();
        // A rank that is no rank finds no grid row: the index points of the first computation
        // stay. The children change to 1.
        gui_test::retype(shown.list("Combo2"), QStringLiteral("99"));
        gui_test::pick_with_keys(shown.list("Combo5"), 1);
        shown.press_ok();
        QVERIFY(shown.messages.empty());
        QCOMPARE(shown.field("Text1").text(), QStringLiteral("235.00"));
        QCOMPARE(shown.field("Text2").text(), QStringLiteral("18194.20"));
        QCOMPARE(shown.field("Text8").text(), QStringLiteral("2400.00"));
        // 48885.62 + 2400
        QCOMPARE(shown.field("Text16").text(), QStringLiteral("51285.62"));
    }

    void a_refusal_after_a_computation_leaves_the_results() {
        ShownWindow shown;
        pick_all(shown, scale_9_rank_1);
        shown.press_ok();
        gui_test::retype(shown.list("Combo4"), QString());
        shown.press_ok();
        QCOMPARE(shown.messages.size(), std::size_t{1});
        QCOMPARE(focused_control(shown.window()), QStringLiteral("Combo4"));
        QCOMPARE(shown.result_texts(), with_separator(scale_9_rank_1_texts, "."));
    }

    void typed_arabic_choices_count_as_their_items() {
        ShownWindow shown;
        // The scale typed in full, character by character, then the other choices typed too.
        gui_test::retype(shown.list("Combo1"), qt_text(pay::scale_items[scale_9]));
        gui_test::retype(shown.list("Combo2"), QStringLiteral("1"));
        gui_test::retype(shown.list("Combo3"), qt_text(pay::zone_items[zone_b]));
        gui_test::retype(shown.list("Combo4"), qt_text(pay::yes_text));
        gui_test::retype(shown.list("Combo5"), QStringLiteral("0"));
        gui_test::retype(shown.list("Combo6"), QStringLiteral("0"));
        gui_test::retype(shown.list("Combo7"), qt_text(pay::no_text));
        // Typing switched no rank list.
        QVERIFY(shown.list("Combo10").isVisible());
        shown.press_ok();
        QVERIFY(shown.messages.empty());
        // Zone B: 18194.2 / 100 * 15; special charges: 18194.2 / 100 * 85.
        QCOMPARE(shown.field("Text3").text(), QStringLiteral("2729.13"));
        QCOMPARE(shown.field("Text4").text(), QStringLiteral("15465.07"));
        QCOMPARE(shown.field("Text14").text(), QStringLiteral("0"));
    }

    void result_fields_refuse_typing_but_take_the_focus() {
        ShownWindow shown;
        QLineEdit& base = shown.field("Text2");
        base.setFocus();
        QCOMPARE(focused_control(shown.window()), QStringLiteral("Text2"));
        QTest::keyClicks(&base, "123");
        QCOMPARE(base.text(), QStringLiteral("0"));
        QVERIFY(base.isReadOnly());
    }

    void picture_buttons_open_their_windows() {
        ShownWindow shown;
        for (const char* name : {"Command4", "Command5", "Command6", "Command7", "Command2"}) {
            QTest::mouseClick(shown.window().findChild<QWidget*>(QLatin1String(name)),
                              Qt::LeftButton);
        }
        const std::vector<ui::PictureWindow> expected{
            ui::PictureWindow::residence_allowance, ui::PictureWindow::saharan_provinces,
            ui::PictureWindow::family_allowances, ui::PictureWindow::tax_exemption,
            ui::PictureWindow::about};
        QVERIFY(shown.pictures == expected);
        QCOMPARE(shown.result_texts(), start_texts);
    }

    void an_explanation_window_is_modal() {
        ui::MainWindow window({.rules = pay::built_in_rules()});
        window.show();
        bool modal = false;
        guard_.expect([&](QWidget& opened) { modal = opened.isModal(); });
        QTest::mouseClick(window.findChild<QWidget*>(QStringLiteral("Command4")), Qt::LeftButton);
        QVERIFY(modal);
    }

  private:
    gui_test::ModalGuard guard_;
};

VELNARO_GUI_TEST_MAIN(OkActionTest)
#include "ok_action_test.moc"
