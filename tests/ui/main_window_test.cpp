// The main window at its start: texts, places and colours read from its pixels, fonts, focus
// order, accessible names, direction and resizing.
#include <QAccessible>
#include <QAccessibleTextInterface>
#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <map>

#include "gui_test_support.h"
#include "pay/pay_inputs.h"

using gui_test::focused_control;
using gui_test::qt_text;
using gui_test::ShownWindow;

namespace {

QStringList items_of(const QComboBox& list) {
    QStringList items;
    for (int i = 0; i < list.count(); ++i) {
        items << list.itemText(i);
    }
    return items;
}

template <typename Items>
QStringList qt_items(const Items& items) {
    QStringList result;
    for (const std::string_view item : items) {
        result << qt_text(item);
    }
    return result;
}

// The focus order, all four rank lists shown.
const QStringList start_focus_order{
    "Combo1",   "Text1",    "Text19", "Text14",  "Text13",   "Text12",   "Text11",   "Text10",
    "Text9",    "Text8",    "Text7",  "Text5",   "Text6",    "Text4",    "Text3",    "Text2",
    "Combo6",   "Combo5",   "Combo4", "Combo3",  "Combo2",   "Combo7",   "Text20",   "Text16",
    "Text25",   "Combo8",   "Combo9", "Combo10", "Command4", "Command5", "Command6", "Command7",
    "Command1", "Command2", "Text15", "Text18",  "Text21",
};

QStringList tab_round(ShownWindow& shown) {
    QStringList visited{focused_control(shown.window())};
    for (;;) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        const QString now = focused_control(shown.window());
        if (now == visited.front() || visited.size() > 60) {
            return visited;
        }
        visited << now;
    }
}

// Whether the image holds a dark (text) pixel in the given box.
bool has_ink(const QImage& image, const QRect& box) {
    for (int y = box.top(); y <= box.bottom(); ++y) {
        for (int x = box.left(); x <= box.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 96) {
                return true;
            }
        }
    }
    return false;
}

// A caption as a screen reader should hear it: no tatweel (U+0640), no surrounding spaces.
QString spoken(QString caption) {
    return caption.remove(QChar(0x0640)).trimmed();
}

// The contrast of two colours as people perceive it, from 1 (none) to 21 (black on white).
double contrast(const QColor& one, const QColor& other) {
    const auto luminance = [](const QColor& colour) {
        const auto linear = [](double c) {
            return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
               0.0722 * linear(colour.blueF());
    };
    const double a = luminance(one) + 0.05;
    const double b = luminance(other) + 0.05;
    return std::max(a, b) / std::min(a, b);
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() {
        QVERIFY2(guard_.take_unexpected().isEmpty(), "an unexpected modal window opened");
    }

    void starts_empty_with_the_focus_in_the_scale_list() {
        ShownWindow shown;
        QCOMPARE(shown.window().windowTitle(), QStringLiteral("Velnaro  2010"));
        QCOMPARE(shown.window().size(), QSize(792, 544));
        QCOMPARE(QApplication::focusWidget() != nullptr, true);
        QCOMPARE(gui_test::control_name(QApplication::focusWidget(), shown.window()),
                 QStringLiteral("Combo1"));
        for (const QComboBox* list : shown.window().findChildren<QComboBox*>()) {
            QCOMPARE(list->currentText(), QString());
            QCOMPARE(list->currentIndex(), -1);
            QVERIFY(list->isEditable());
        }
        QCOMPARE(items_of(shown.list("Combo1")), qt_items(pay::scale_items));
        QCOMPARE(items_of(shown.list("Combo3")), qt_items(pay::zone_items));
        QCOMPARE(items_of(shown.list("Combo4")), qt_items(pay::yes_no_items));
        QCOMPARE(items_of(shown.list("Combo5")), qt_items(pay::count_items));
        QCOMPARE(items_of(shown.list("Combo6")), qt_items(pay::count_items));
        QCOMPARE(items_of(shown.list("Combo7")), qt_items(pay::yes_no_items));
        QCOMPARE(items_of(shown.list("Combo9")).size(), 14);
        // Three fields empty, every other one "0" without decimals.
        QCOMPARE(
            shown.result_texts(),
            QStringList({"Text1=",   "Text2=0",  "Text3=0",  "Text4=0",  "Text5=0",  "Text6=0",
                         "Text7=0",  "Text8=0",  "Text16=0", "Text9=0",  "Text12=0", "Text13=0",
                         "Text14=0", "Text11=0", "Text18=0", "Text21=0", "Text19=0", "Text10=0",
                         "Text15=0", "Text25=",  "Text20="}));
    }

    void pixels_show_places_and_colours_data() {
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<QColor>("colour");
        const QColor blue(0, 0, 255);
        const QColor peach(255, 224, 192);
        const QColor light_green(128, 255, 128);
        const QColor light_cyan(128, 255, 255);
        const QColor light_yellow(255, 255, 128);
        const QColor green(0, 192, 0);
        const QColor white(255, 255, 255);
        const QColor black(0, 0, 0);
        // Places in twips / 15.
        QTest::newRow("ground between OK and the choice panel") << QPoint(290, 50) << blue;
        QTest::newRow("choice panel Label31, left edge 4665") << QPoint(311, 100) << peach;
        QTest::newRow("left of Label31") << QPoint(310, 100) << blue;
        QTest::newRow("Label31 before the lists at 4800") << QPoint(319, 100) << peach;
        QTest::newRow("Label31, right edge 4665 + 7170") << QPoint(788, 5) << peach;
        QTest::newRow("right of Label31") << QPoint(789, 5) << blue;
        QTest::newRow("result panel Label28, left edge 15") << QPoint(1, 300) << peach;
        QTest::newRow("left of Label28") << QPoint(0, 300) << blue;
        QTest::newRow("Label28, bottom edge 3000 + 5010") << QPoint(400, 533) << peach;
        QTest::newRow("below Label28") << QPoint(400, 534) << blue;
        QTest::newRow("Label28, right edge 15 + 11820") << QPoint(788, 300) << peach;
        QTest::newRow("ground below Label25, above Label28") << QPoint(80, 196) << blue;
        QTest::newRow("Label9, left edge 8160") << QPoint(544, 9) << light_green;
        QTest::newRow("left of Label9") << QPoint(543, 9) << peach;
        QTest::newRow("Label9, right edge 8160 + 2535") << QPoint(712, 9) << light_green;
        QTest::newRow("right of Label9") << QPoint(713, 9) << peach;
        QTest::newRow("Label9, top edge 120") << QPoint(546, 8) << light_green;
        QTest::newRow("above Label9") << QPoint(546, 7) << peach;
        QTest::newRow("box Label5") << QPoint(2, 2) << light_green;
        QTest::newRow("box Label5, right edge 2415") << QPoint(160, 2) << light_green;
        QTest::newRow("right of Label5") << QPoint(161, 2) << blue;
        QTest::newRow("bar Label30") << QPoint(9, 209) << green;
        QTest::newRow("left of Label30, at 120") << QPoint(7, 209) << peach;
        QTest::newRow("total field Text15 is green") << QPoint(22, 228) << green;
        QTest::newRow("Line1 over the bar Label29 at 5880") << QPoint(392, 209) << black;
        QTest::newRow("bar Label29") << QPoint(393, 209) << green;
        QTest::newRow("bar Label29, right edge 5880 + 5895") << QPoint(784, 209) << green;
        QTest::newRow("right of Label29") << QPoint(785, 209) << peach;
        QTest::newRow("total field Text16 is green") << QPoint(405, 228) << green;
        QTest::newRow("Line1 between the columns") << QPoint(392, 300) << black;
        QTest::newRow("left of Line1") << QPoint(391, 300) << peach;
        QTest::newRow("right of Line1") << QPoint(393, 300) << peach;
        QTest::newRow("Line1, its end at 8040") << QPoint(392, 536) << black;
        QTest::newRow("under Line1's end") << QPoint(392, 537) << blue;
        QTest::newRow("row label Label6") << QPoint(530, 258) << light_green;
        QTest::newRow("left of Label6, at 7920") << QPoint(527, 258) << peach;
        QTest::newRow("result field Text2 on white") << QPoint(405, 270) << white;
        QTest::newRow("between Text2 and Label6") << QPoint(523, 270) << peach;
        QTest::newRow("sub-heading Label10") << QPoint(402, 348) << light_cyan;
        QTest::newRow("sub-heading Label19") << QPoint(10, 348) << light_cyan;
        QTest::newRow("row label Label13") << QPoint(530, 378) << light_cyan;
        QTest::newRow("row label Label18, left edge 2160") << QPoint(144, 445) << light_cyan;
        QTest::newRow("between Text14 and Label18") << QPoint(140, 445) << peach;
        QTest::newRow("row label Label24") << QPoint(146, 468) << light_yellow;
        QTest::newRow("row label Label34") << QPoint(146, 524) << light_yellow;
        QTest::newRow("row label Label27") << QPoint(782, 524) << light_green;
    }
    void pixels_show_places_and_colours() {
        QFETCH(QPoint, pixel);
        QFETCH(QColor, colour);
        ui::MainWindow window({.rules = pay::built_in_rules()});
        window.show();
        const QImage image = window.grab().toImage();
        QCOMPARE(image.size(), QSize(792, 544));
        QCOMPARE(QColor(image.pixel(pixel)), colour);
    }

    void the_about_button_is_pale_green() {
        ui::MainWindow window({.rules = pay::built_in_rules()});
        window.show();
        const QImage image = window.grab().toImage();
        // (2520, 1200, 1545, 1095): a point inside its lower left, clear of the caption.
        const QColor ground(image.pixel(172, 148));
        QVERIFY2(std::abs(ground.red() - 133) < 24 && std::abs(ground.green() - 255) < 24 &&
                     std::abs(ground.blue() - 128) < 24,
                 qPrintable(ground.name()));
    }

    void captions_are_set_where_the_form_puts_them() {
        ui::MainWindow window({.rules = pay::built_in_rules()});
        window.show();
        const QImage image = window.grab().toImage();
        // The bars set their captions to the right edge, although the text reads from the
        // right: text close to the right end of each bar, none just beside its field.
        QVERIFY(has_ink(image, QRect(300, 212, 88, 32)));   // Label30, right part
        QVERIFY(!has_ink(image, QRect(133, 212, 30, 32)));  // Label30, beside Text15
        QVERIFY(has_ink(image, QRect(690, 212, 92, 32)));   // Label29, right part
        // Row labels are centred: nothing at either end of Label6 (528, 256, 257, 30).
        QVERIFY(has_ink(image, QRect(620, 258, 80, 26)));
        QVERIFY(!has_ink(image, QRect(529, 258, 12, 26)));
        QVERIFY(!has_ink(image, QRect(772, 258, 12, 26)));
        // The box caption of Label5 shows above its field.
        QVERIFY(has_ink(image, QRect(10, 2, 140, 20)));
    }

    void no_caption_ink_is_covered_or_cut_data() {
        QTest::addColumn<qreal>("ratio");
        QTest::newRow("1") << 1.0;
        QTest::newRow("1.5") << 1.5;
        QTest::newRow("2") << 2.0;
    }
    void no_caption_ink_is_covered_or_cut() {
        // Every label drawn alone at the device-pixel ratio: none of its caption's ink (dots
        // below the letters included) may lie under a control stacked over the label, nor
        // touch the label's edge, where it would be cut.
        QFETCH(qreal, ratio);
        ui::MainWindow window({.rules = pay::built_in_rules()});
        window.show();
        const QList<QWidget*> controls =
            window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        QStringList faults;
        for (qsizetype index = 0; index < controls.size(); ++index) {
            auto* label = qobject_cast<QLabel*>(controls[index]);
            if (label == nullptr || label->text().isEmpty()) {
                continue;
            }
            // Siblings created later are stacked over the label.
            QList<std::pair<QString, QRectF>> covers;
            for (qsizetype above = index + 1; above < controls.size(); ++above) {
                const QWidget* control = controls[above];
                if (control->isVisible() && control->geometry().intersects(label->geometry())) {
                    covers.append({control->objectName(),
                                   QRectF(control->geometry().translated(-label->pos()))});
                }
            }
            QImage image(label->size() * ratio, QImage::Format_RGB32);
            image.setDevicePixelRatio(ratio);
            label->render(&image);
            // Ink: clearly darker than the label's ground.
            const int ink_below = qGray(label->palette().color(QPalette::Window).rgb()) / 2;
            QString fault;
            for (int y = 0; y < image.height() && fault.isEmpty(); ++y) {
                for (int x = 0; x < image.width() && fault.isEmpty(); ++x) {
                    if (qGray(image.pixel(x, y)) >= ink_below) {
                        continue;
                    }
                    const QRectF pixel(x / ratio, y / ratio, 1 / ratio, 1 / ratio);
                    if (x == 0 || y == 0 || x == image.width() - 1 || y == image.height() - 1) {
                        fault = QStringLiteral("cut at the edge, pixel (%1, %2)").arg(x).arg(y);
                    }
                    for (const auto& [name, cover] : covers) {
                        if (fault.isEmpty() && cover.intersects(pixel)) {
                            fault =
                                QStringLiteral("under %1, pixel (%2, %3)").arg(name).arg(x).arg(y);
                        }
                    }
                }
            }
            if (!fault.isEmpty()) {
                faults << label->objectName() + QStringLiteral(": ink ") + fault;
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
    }

    void list_texts_sit_at_the_right() {
        ShownWindow shown;
        gui_test::pick_with_keys(shown.list("Combo5"), 3);
        gui_test::pick_with_keys(shown.list("Combo3"), 1);
        const QImage image = shown.window().grab().toImage();
        // Combo5 (4800, 1740, 3255, 405) holds "3", Combo3 (4800, 930, ...) an Arabic letter:
        // both at the right end, none in the middle.
        QVERIFY(has_ink(image, QRect(500, 119, 34, 21)));
        QVERIFY(!has_ink(image, QRect(360, 119, 100, 21)));
        QVERIFY(has_ink(image, QRect(500, 65, 34, 21)));
        QVERIFY(!has_ink(image, QRect(360, 65, 100, 21)));
    }

    void fonts_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<qreal>("points");
        QTest::addColumn<bool>("bold");
        QTest::newRow("scale list") << "Combo1" << 12.0 << true;
        QTest::newRow("rank list") << "Combo10" << 12.0 << true;
        QTest::newRow("choice label") << "Label9" << 15.75 << false;
        QTest::newRow("box") << "Label5" << 18.0 << false;
        QTest::newRow("box field") << "Text1" << 18.0 << false;
        QTest::newRow("total bar") << "Label29" << 15.75 << false;
        QTest::newRow("total field") << "Text16" << 15.75 << false;
        QTest::newRow("row label") << "Label6" << 18.0 << false;
        QTest::newRow("sub-heading") << "Label10" << 18.0 << true;
        QTest::newRow("row field") << "Text2" << 14.25 << false;
        QTest::newRow("OK") << "Command1" << 15.75 << false;
        QTest::newRow("about") << "Command2" << 15.75 << false;
    }
    void fonts() {
        QFETCH(QString, control);
        QFETCH(qreal, points);
        QFETCH(bool, bold);
        ui::MainWindow window({.rules = pay::built_in_rules()});
        const QWidget* widget = window.findChild<QWidget*>(control);
        QVERIFY(widget != nullptr);
        QCOMPARE(widget->font().family(), QStringLiteral("Arabic Transparent"));
        QCOMPARE(widget->font().pointSizeF(), points);
        QCOMPARE(widget->font().bold(), bold);
        // The substitute is an installed Arabic sans font.
        QVERIFY2(QFontInfo(widget->font()).family().startsWith(QStringLiteral("Noto Sans Arabic")),
                 qPrintable(QFontInfo(widget->font()).family()));
    }

    void captions_fit_their_place_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("room");
        // Pixels between the label's right edge and the field on its left, or its width.
        QTest::newRow("earnings bar beside Text16") << "Label29" << (11775 - 7815) / 15;
        QTest::newRow("deductions bar beside Text15") << "Label30" << (5895 - 1935) / 15;
        QTest::newRow("widest deductions row") << "Label18" << 3615 / 15;
        QTest::newRow("widest earnings row") << "Label27" << 3855 / 15;
        QTest::newRow("widest choice row") << "Label26" << 2535 / 15;
        QTest::newRow("widest box") << "Label5" << 2415 / 15;
    }
    void captions_fit_their_place() {
        QFETCH(QString, label);
        QFETCH(int, room);
        ui::MainWindow window({.rules = pay::built_in_rules()});
        const auto* caption = window.findChild<QLabel*>(label);
        QVERIFY(caption != nullptr);
        const int width = QFontMetrics(caption->font()).horizontalAdvance(caption->text());
        QVERIFY2(width <= room, qPrintable(QStringLiteral("%1 > %2").arg(width).arg(room)));
    }

    void explanation_buttons_use_the_default_font() {
        ui::MainWindow window({.rules = pay::built_in_rules()});
        for (const char* name : {"Command4", "Command5", "Command6", "Command7"}) {
            const auto* button = window.findChild<QPushButton*>(QLatin1String(name));
            QVERIFY(button != nullptr);
            QCOMPARE(button->font(), QApplication::font(button));
            QCOMPARE(button->text(), window.findChild<QPushButton*>("Command4")->text());
        }
    }

    void picture_buttons_put_their_picture_above_the_caption() {
        ui::MainWindow window({.rules = pay::built_in_rules()});
        const auto* ok = window.findChild<QToolButton*>(QStringLiteral("Command1"));
        const auto* about = window.findChild<QToolButton*>(QStringLiteral("Command2"));
        QVERIFY(ok != nullptr && about != nullptr);
        for (const QToolButton* button : {ok, about}) {
            QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
            QCOMPARE(button->focusPolicy(), Qt::StrongFocus);
            QVERIFY(!button->icon().isNull());
        }
        QCOMPARE(ok->iconSize(), QSize(37, 34));
        QCOMPARE(about->iconSize(), QSize(64, 36));
    }

    // The focused state must stand out from the unfocused one (WCAG 2.2, 2.4.13): the pixels
    // that change between the two with a contrast of at least 3:1 cover at least the area of a
    // 2-pixel perimeter of the control, 2 × (w + h) × 2 pixels, in device pixels at any
    // device-pixel ratio. The frame stays inside the control and off its text; nothing moves.
    void a_focused_control_shows_a_frame_data() {
        QTest::addColumn<QString>("control");
        QTest::newRow("white result field") << "Text3";
        QTest::newRow("green total field") << "Text16";
        QTest::newRow("green monthly pay") << "Text20";
        QTest::newRow("white table field") << "Text9";
        QTest::newRow("list") << "Combo3";
        QTest::newRow("explanation button") << "Command4";
        QTest::newRow("OK button") << "Command1";
        QTest::newRow("about button") << "Command2";
    }
    void a_focused_control_shows_a_frame() {
        QFETCH(QString, control);
        ShownWindow shown;
        shown.pick_worked_slip();
        shown.press_ok();
        QWidget& window = shown.window();
        auto* target = window.findChild<QWidget*>(control);
        QVERIFY(target != nullptr);
        QApplication::focusWidget()->clearFocus();
        QCoreApplication::processEvents();
        const QImage before = window.grab().toImage();
        std::map<const QWidget*, QRect> places;
        for (const QWidget* child : window.findChildren<QWidget*>()) {
            places[child] = child->geometry();
        }
        // The ink of a field's amount: what changes when the field is emptied.
        QRegion ink;
        if (auto* field = qobject_cast<QLineEdit*>(target)) {
            const QString amount = field->text();
            field->setText(QString());
            const QImage empty = window.grab().toImage();
            field->setText(amount);
            for (int y = 0; y < before.height(); ++y) {
                for (int x = 0; x < before.width(); ++x) {
                    if (empty.pixel(x, y) != before.pixel(x, y)) {
                        ink += QRect(x, y, 1, 1);
                    }
                }
            }
            QVERIFY(!ink.isEmpty());
        }

        // Without selecting a field's text, so that only the marks of focus change.
        target->setFocus(Qt::OtherFocusReason);
        QCoreApplication::processEvents();
        const QImage after = window.grab().toImage();
        QCOMPARE(after.size(), before.size());
        const qreal ratio = after.devicePixelRatio();
        const QRect edge(QPointF(target->mapTo(&window, QPoint(0, 0))).toPoint() * ratio,
                         target->size() * ratio);

        double contrasting = 0;
        QStringList outside;
        QStringList over_text;
        for (int y = 0; y < after.height(); ++y) {
            for (int x = 0; x < after.width(); ++x) {
                if (after.pixel(x, y) == before.pixel(x, y)) {
                    continue;
                }
                if (!edge.contains(x, y)) {
                    outside << QStringLiteral("%1,%2").arg(x).arg(y);
                } else if (ink.contains(QPoint(x, y))) {
                    over_text << QStringLiteral("%1,%2").arg(x).arg(y);
                } else if (contrast(after.pixelColor(x, y), before.pixelColor(x, y)) >= 3.0) {
                    ++contrasting;
                }
            }
        }
        const double perimeter_area = 2.0 * (edge.width() + edge.height()) * 2 * ratio;
        QVERIFY2(contrasting >= perimeter_area,
                 qPrintable(QStringLiteral("%1 pixels change with 3:1, %2 needed")
                                .arg(contrasting)
                                .arg(perimeter_area)));
        QVERIFY2(outside.isEmpty(), qPrintable(QStringLiteral("changed outside the control: ") +
                                               outside.mid(0, 8).join(QLatin1Char(' '))));
        QVERIFY2(over_text.isEmpty(), qPrintable(QStringLiteral("drawn over the amount: ") +
                                                 over_text.mid(0, 8).join(QLatin1Char(' '))));
        // Nothing moved or changed size.
        for (const QWidget* child : window.findChildren<QWidget*>()) {
            if (child->objectName() != QStringLiteral("FocusRing") && !child->isWindow()) {
                QCOMPARE(child->geometry(), places[child]);
            }
        }
        // The frame is no control: a screen reader does not meet it.
        QAccessibleInterface* form = QAccessible::queryAccessibleInterface(&window);
        for (int i = 0; i < form->childCount(); ++i) {
            QVERIFY(form->child(i)->object()->objectName() != QStringLiteral("FocusRing"));
        }
    }

    void tab_follows_the_focus_order() {
        ShownWindow shown;
        QCOMPARE(tab_round(shown), start_focus_order);
    }

    void tab_skips_the_hidden_rank_lists() {
        ShownWindow shown;
        gui_test::pick_with_keys(shown.list("Combo1"), 2);  // scale 11: Combo9 alone
        QStringList expected = start_focus_order;
        expected.removeOne(QStringLiteral("Combo2"));
        expected.removeOne(QStringLiteral("Combo8"));
        expected.removeOne(QStringLiteral("Combo10"));
        QCOMPARE(tab_round(shown), expected);
    }

    void result_fields_read_as_read_only_text() {
        ShownWindow shown;
        shown.pick_worked_slip();
        shown.press_ok();
        for (QLineEdit* field : shown.window().controls().result_fields) {
            QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(field);
            QVERIFY(reader != nullptr);
            const QAccessible::State state = reader->state();
            QVERIFY2(state.readOnly && !state.editable, qPrintable(field->objectName()));
            QVERIFY2(reader->editableTextInterface() == nullptr, qPrintable(field->objectName()));
            // The amount stays there to read, select and copy.
            QCOMPARE(reader->text(QAccessible::Value), field->text());
            QAccessibleTextInterface* characters = reader->textInterface();
            QVERIFY(characters != nullptr);
            QCOMPARE(characters->text(0, characters->characterCount()), field->text());
            characters->setSelection(0, 0, 2);
            QCOMPARE(field->selectedText(), field->text().left(2));
        }
    }

    void every_label_and_frame_is_named() {
        ui::MainWindow window({.rules = pay::built_in_rules()});
        QStringList unnamed;
        for (QFrame* frame : window.findChildren<QFrame*>(Qt::FindDirectChildrenOnly)) {
            // Labels are frames too; fields and lists are not.
            if (QAccessible::queryAccessibleInterface(frame)->text(QAccessible::Name).isEmpty()) {
                unnamed << frame->objectName();
            }
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1Char(' '))));
    }

    // A screen reader meets each name once, except a label and the control it names.
    void no_two_elements_share_a_name() {
        ShownWindow shown;
        shown.pick_worked_slip();
        shown.press_ok();
        QAccessibleInterface* form = QAccessible::queryAccessibleInterface(&shown.window());
        std::map<QString, std::vector<QObject*>> by_name;
        for (int i = 0; i < form->childCount(); ++i) {
            QAccessibleInterface* element = form->child(i);
            if (!element->state().invisible) {
                by_name[element->text(QAccessible::Name)].push_back(element->object());
            }
        }
        QStringList shared;
        for (const auto& [name, elements] : by_name) {
            const auto* label = elements.size() == 2 ? qobject_cast<QLabel*>(elements[0]) : nullptr;
            const bool label_and_control =
                label != nullptr && static_cast<QObject*>(label->buddy()) == elements[1];
            if (elements.size() > 1 && !label_and_control) {
                QStringList names;
                for (const QObject* element : elements) {
                    names << element->objectName();
                }
                shared << QStringLiteral("\"%1\": %2").arg(name, names.join(QLatin1Char(' ')));
            }
        }
        QVERIFY2(shared.isEmpty(), qPrintable(shared.join(QLatin1Char('\n'))));
        // The children list is not the family allowance, nor the membership list the mutuals'
        // deductions.
        QVERIFY(shown.list("Combo5").accessibleName() != shown.field("Text8").accessibleName());
        QVERIFY(!shown.list("Combo5").accessibleDescription().isEmpty());
        QVERIFY(!shown.field("Text8").accessibleDescription().isEmpty());
    }

    // The isolates that keep amounts and formulas in order when drawn are not read out.
    void what_is_read_holds_no_bidi_marks() {
        ShownWindow shown;
        shown.pick_worked_slip();
        shown.press_ok();
        QAccessibleInterface* form = QAccessible::queryAccessibleInterface(&shown.window());
        const auto marked = [](const QString& text) {
            return text.contains(QChar(0x2066)) || text.contains(QChar(0x2068)) ||
                   text.contains(QChar(0x2069));
        };
        QStringList found;
        for (QLineEdit* field : shown.window().controls().result_fields) {
            // A focused field takes its explanation as its description.
            field->setFocus(Qt::TabFocusReason);
            QVERIFY(!field->accessibleDescription().isEmpty());
        }
        for (int i = 0; i < form->childCount(); ++i) {
            QAccessibleInterface* element = form->child(i);
            for (const QAccessible::Text kind :
                 {QAccessible::Name, QAccessible::Description, QAccessible::Value}) {
                if (marked(element->text(kind))) {
                    found << element->object()->objectName() + QStringLiteral(": ") +
                                 element->text(kind);
                }
            }
        }
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
    }

    void every_control_is_named_by_its_label_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("label");
        // The lists by their choice labels (the rank label by the rank list on screen, at
        // start the out-of-scale list on top), the fields by the label, bar or box they sit in.
        const std::vector<std::pair<const char*, const char*>> pairs{
            {"Combo1", "Label9"},  {"Combo10", "Label1"}, {"Combo3", "Label2"},
            {"Combo4", "Label3"},  {"Combo5", "Label4"},  {"Combo6", "Label26"},
            {"Combo7", "Label32"}, {"Text1", "Label5"},   {"Text25", "Label33"},
            {"Text20", "Label25"}, {"Text16", "Label29"}, {"Text15", "Label30"},
            {"Text2", "Label6"},   {"Text3", "Label7"},   {"Text4", "Label8"},
            {"Text5", "Label13"},  {"Text6", "Label12"},  {"Text7", "Label11"},
            {"Text8", "Label14"},  {"Text19", "Label27"}, {"Text9", "Label22"},
            {"Text10", "Label21"}, {"Text11", "Label20"}, {"Text12", "Label16"},
            {"Text13", "Label17"}, {"Text14", "Label18"}, {"Text18", "Label24"},
            {"Text21", "Label34"},
        };
        for (const auto& [control, label] : pairs) {
            QTest::newRow(control) << QString::fromLatin1(control) << QString::fromLatin1(label);
        }
    }
    void every_control_is_named_by_its_label() {
        QFETCH(QString, control);
        QFETCH(QString, label);
        ui::MainWindow window({.rules = pay::built_in_rules()});
        auto* widget = window.findChild<QWidget*>(control);
        const auto* caption = window.findChild<QLabel*>(label);
        QVERIFY(widget != nullptr && caption != nullptr);
        QVERIFY(!caption->text().isEmpty());
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(reader != nullptr);
        // The label's name, its caption as read, or more where the caption serves two things.
        const QString label_name =
            QAccessible::queryAccessibleInterface(const_cast<QLabel*>(caption))
                ->text(QAccessible::Name);
        QVERIFY(label_name.startsWith(spoken(caption->text())));
        QCOMPARE(reader->text(QAccessible::Name), label_name);
        QCOMPARE(caption->buddy(), widget);
        const auto labelled_by = reader->relations(QAccessible::Label);
        QCOMPARE(labelled_by.size(), 1);
        QCOMPARE(labelled_by.front().first->object(), caption);
    }

    void names_read_without_tatweel_or_spaces_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        // Captions drawn with tatweel or trailing spaces: "الرتبــــة", "التعويض عن الإقامــة",
        // "مجموع الاقتطاعات من الأجرة  ", "التقاعـــــد".
        QTest::newRow("rank list") << "Combo2" << QStringLiteral("الرتبة");
        QTest::newRow("residence allowance") << "Text3" << QStringLiteral("التعويض عن الإقامة");
        QTest::newRow("deductions total")
            << "Text15" << QStringLiteral("مجموع الاقتطاعات من الأجرة");
        QTest::newRow("retirement") << "Text9" << QStringLiteral("التقاعد");
        QTest::newRow("zone") << "Combo3" << QStringLiteral("المنطقة");
        // The labels themselves, which a screen reader also meets while reading the window.
        QTest::newRow("rank label") << "Label1" << QStringLiteral("الرتبة");
        QTest::newRow("retirement label") << "Label22" << QStringLiteral("التقاعد");
        QTest::newRow("deductions bar")
            << "Label30" << QStringLiteral("مجموع الاقتطاعات من الأجرة");
    }
    void names_read_without_tatweel_or_spaces() {
        QFETCH(QString, control);
        QFETCH(QString, name);
        ui::MainWindow window({.rules = pay::built_in_rules()});
        QCOMPARE(QAccessible::queryAccessibleInterface(window.findChild<QWidget*>(control))
                     ->text(QAccessible::Name),
                 name);
    }

    void lists_keep_their_names_after_a_pick_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("item");
        QTest::newRow("scale") << "Combo1"
                               << "Label9" << 3;
        QTest::newRow("rank, scale 9") << "Combo2"
                                       << "Label1" << 0;
        QTest::newRow("rank, scale 10") << "Combo8"
                                        << "Label1" << 10;
        QTest::newRow("rank, scale 11") << "Combo9"
                                        << "Label1" << 13;
        QTest::newRow("rank, out of scale") << "Combo10"
                                            << "Label1" << 4;
        QTest::newRow("zone") << "Combo3"
                              << "Label2" << 1;
        QTest::newRow("special charges") << "Combo4"
                                         << "Label3" << 0;
        QTest::newRow("children") << "Combo5"
                                  << "Label4" << 0;
        QTest::newRow("dependents") << "Combo6"
                                    << "Label26" << 0;
        QTest::newRow("mutual") << "Combo7"
                                << "Label32" << 1;
    }
    void lists_keep_their_names_after_a_pick() {
        QFETCH(QString, list);
        QFETCH(QString, label);
        QFETCH(int, item);
        ShownWindow shown;
        QComboBox& picked = shown.list(list.toLatin1().constData());
        auto* caption_label = shown.window().findChild<QLabel*>(label);
        // The label's name: its caption as read, or more where the caption serves two things.
        const QString caption =
            QAccessible::queryAccessibleInterface(caption_label)->text(QAccessible::Name);
        QVERIFY(caption.startsWith(spoken(caption_label->text())));
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(&picked);
        QCOMPARE(reader->role(), QAccessible::ComboBox);
        QCOMPARE(reader->text(QAccessible::Name), caption);
        QCOMPARE(reader->text(QAccessible::Value), QString());
        gui_test::pick_with_keys(picked, item);
        QCOMPARE(picked.currentIndex(), item);
        QCOMPARE(reader->text(QAccessible::Name), caption);
        QCOMPARE(reader->text(QAccessible::Value), picked.itemText(item));
        // A typed text is the value too.
        gui_test::retype(picked, QStringLiteral("7"));
        QCOMPARE(reader->text(QAccessible::Name), caption);
        QCOMPARE(reader->text(QAccessible::Value), QStringLiteral("7"));
    }

    void the_rank_label_follows_the_rank_list_on_screen() {
        ShownWindow shown;
        const auto* rank_label = shown.window().findChild<QLabel*>(QStringLiteral("Label1"));
        QCOMPARE(rank_label->buddy(), &shown.list("Combo10"));
        gui_test::pick_with_keys(shown.list("Combo1"), 1);  // scale 10: Combo8 alone
        QCOMPARE(rank_label->buddy(), &shown.list("Combo8"));
        const auto labelled_by = QAccessible::queryAccessibleInterface(&shown.list("Combo8"))
                                     ->relations(QAccessible::Label);
        QCOMPARE(labelled_by.size(), 1);
        QCOMPARE(labelled_by.front().first->object(), rank_label);
    }

    void buttons_say_what_they_do_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("name");
        // Each explanation button names the topic of the window it opens.
        QTest::newRow("OK") << "Command1" << QStringLiteral("موافق") << QStringLiteral("موافق");
        QTest::newRow("about") << "Command2" << QStringLiteral("حول البرنامج")
                               << QStringLiteral("حول البرنامج");
        QTest::newRow("zone") << "Command4" << QStringLiteral("توضيح")
                              << QStringLiteral("توضيح: التعويض عن الإقامة");
        QTest::newRow("special charges")
            << "Command5" << QStringLiteral("توضيح")
            << QStringLiteral("توضيح: التعويض عن العمل في الأقاليم الصحراوية المسترجعة");
        QTest::newRow("children") << "Command6" << QStringLiteral("توضيح")
                                  << QStringLiteral("توضيح: التعويضات العائلية");
        QTest::newRow("dependents")
            << "Command7" << QStringLiteral("توضيح")
            << QStringLiteral("توضيح: خصم الإعفاءات الضريبية عن الأطفال والزوجة");
    }
    void buttons_say_what_they_do() {
        QFETCH(QString, button);
        QFETCH(QString, caption);
        QFETCH(QString, name);
        ui::MainWindow window({.rules = pay::built_in_rules()});
        auto* widget = window.findChild<QAbstractButton*>(button);
        QVERIFY(widget != nullptr);
        QCOMPARE(widget->text(), caption);
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(widget);
        QCOMPARE(reader->role(), QAccessible::Button);
        QCOMPARE(reader->text(QAccessible::Name), name);
    }

    void stays_left_to_right_with_arabic_translations() {
        // The application loaded Qt's Arabic texts, as the program does.
        QVERIFY(QCoreApplication::translate("QPlatformTheme", "OK") != QStringLiteral("OK"));
        ui::MainWindow window({.rules = pay::built_in_rules()});
        window.show();
        QCoreApplication::processEvents();
        // Menus and dialogs read right to left; the form does not.
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::RightToLeft);
        QCOMPARE(window.layoutDirection(), Qt::LeftToRight);
        // The Arabic lists read from the right; the amounts do not.
        QCOMPARE(window.findChild<QComboBox*>(QStringLiteral("Combo1"))->layoutDirection(),
                 Qt::RightToLeft);
        QCOMPARE(window.findChild<QLineEdit*>(QStringLiteral("Text2"))->layoutDirection(),
                 Qt::LeftToRight);
        // Explanation buttons stay at the right edge: (10800, 930, 945, 405).
        QCOMPARE(window.findChild<QWidget*>(QStringLiteral("Command4"))->geometry(),
                 QRect(720, 62, 63, 27));
    }

    // The form is drawn pixel for pixel as in a left-to-right application, every control in its
    // place, though the application reads right to left.
    void the_form_is_not_mirrored_by_the_right_to_left_application() {
        const auto places = [](const QWidget& window) {
            QStringList all;
            for (const QWidget* child : window.findChildren<QWidget*>()) {
                const QRect place(child->mapTo(&window, QPoint(0, 0)), child->size());
                all << QStringLiteral("%1 %2,%3 %4x%5")
                           .arg(child->objectName())
                           .arg(place.x())
                           .arg(place.y())
                           .arg(place.width())
                           .arg(place.height());
            }
            return all;
        };
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::RightToLeft);
        ui::MainWindow right_to_left({.rules = pay::built_in_rules()});
        const QImage drawn = right_to_left.grab().toImage();
        const QStringList placed = places(right_to_left);
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
        ui::MainWindow left_to_right({.rules = pay::built_in_rules()});
        const QImage expected = left_to_right.grab().toImage();
        const QStringList expected_places = places(left_to_right);
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
        QCOMPARE(placed, expected_places);
        QVERIFY(drawn == expected);
    }

    // A right click on a result field or on a panel opens its menu right to left, Qt's own
    // entries in Arabic; Qt's dialogs over the window read right to left too.
    void menus_and_dialogs_read_right_to_left() {
        ShownWindow shown;
        struct SeenMenu {
            bool opened = false;
            Qt::LayoutDirection direction = Qt::LeftToRight;
            QStringList entries;
        };
        const auto right_click = [&](QWidget& control) {
            SeenMenu seen;
            QTimer::singleShot(0, &shown.window(), [&] {
                auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                if (menu == nullptr) {
                    return;
                }
                seen.opened = true;
                seen.direction = menu->layoutDirection();
                for (const QAction* action : menu->actions()) {
                    if (!action->isSeparator()) {
                        seen.entries << action->text();
                    }
                }
                menu->close();
            });
            // Through the window, as the system delivers a click: the window makes the menu
            // event.
            QTest::mouseClick(control.window()->windowHandle(), Qt::RightButton, {},
                              control.mapTo(control.window(), control.rect().center()));
            return seen;
        };
        const SeenMenu field = right_click(shown.field("Text2"));
        QVERIFY(field.opened);
        QCOMPARE(field.direction, Qt::RightToLeft);
        // The field's own "Copy" and "Select All" speak Arabic.
        const QString copy = QCoreApplication::translate("QLineEdit", "&Copy");
        const QString select_all = QCoreApplication::translate("QLineEdit", "Select All");
        QVERIFY(copy != QStringLiteral("&Copy"));
        // An entry's text carries its shortcut after a tab.
        const auto has_entry = [&](const QString& caption) {
            return std::any_of(field.entries.begin(), field.entries.end(), [&](const QString& e) {
                return e.section(QLatin1Char('\t'), 0, 0) == caption;
            });
        };
        QVERIFY2(has_entry(copy) && has_entry(select_all),
                 qPrintable(field.entries.join(QLatin1Char('|'))));
        auto* panel = shown.window().findChild<QLabel*>(QStringLiteral("Label28"));
        QVERIFY(panel != nullptr);
        const SeenMenu panel_menu = right_click(*panel);
        QVERIFY(panel_menu.opened);
        QCOMPARE(panel_menu.direction, Qt::RightToLeft);
        QVERIFY(!panel_menu.entries.isEmpty());

        QFileDialog files(&shown.window());
        files.setOption(QFileDialog::DontUseNativeDialog);
        QCOMPARE(files.layoutDirection(), Qt::RightToLeft);
        QVERIFY(QCoreApplication::translate("QFileDialog", "Save As") != QStringLiteral("Save As"));
        QMessageBox box(&shown.window());
        QCOMPARE(box.layoutDirection(), Qt::RightToLeft);
    }

    void resizing_moves_no_control() {
        ui::MainWindow window({.rules = pay::built_in_rules()});
        window.show();
        QList<QRect> before;
        const QList<QWidget*> controls =
            window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        for (const QWidget* control : controls) {
            before << control->geometry();
        }
        for (const QSize size : {QSize(1000, 700), QSize(400, 300), QSize(792, 544)}) {
            window.resize(size);
            QCoreApplication::processEvents();
            QList<QRect> after;
            for (const QWidget* control : controls) {
                after << control->geometry();
            }
            QCOMPARE(after, before);
        }
    }

    void opens_centred_on_the_screen() {
        ui::MainWindow window({.rules = pay::built_in_rules()});
        window.centre_on_screen();
        const QRect screen = window.screen()->availableGeometry();
        QVERIFY(std::abs(window.geometry().center().x() - screen.center().x()) <= 1);
        QVERIFY(std::abs(window.geometry().center().y() - screen.center().y()) <= 1);
    }

  private:
    gui_test::ModalGuard guard_;
};

VELNARO_GUI_TEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
