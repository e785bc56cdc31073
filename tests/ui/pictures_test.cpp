// The seven pictures: their size and depth, the amounts of the pay rules they show, and text
// that is laid out readably inside the part of the picture that its window shows.
#include <QRegularExpression>
#include <QTest>
#include <QTextLayout>

#include <velnaro/project.h>

#include <functional>

#include "pay/rules.h"
#include "print/fonts.h"
#include "print/qt_text.h"
#include "print/rule_set_text.h"
#include "rules_at_the_edges.h"
#include "ui/pictures/picture_painter.h"
#include "ui/pictures/picture_table.h"
#include "ui/pictures/picture_windows.h"
#include "ui/pictures/picture_words.h"
#include "ui/pictures/pictures.h"

using ui::PictureWindow;
using ui::pictures::Picture;
using ui::pictures::PictureDescription;
using ui::pictures::Text;

Q_DECLARE_METATYPE(Picture)
Q_DECLARE_METATYPE(PictureWindow)

namespace {

// The rules under another name and day.
pay::PayRules renamed(pay::PayRules rules) {
    rules.name = "2027";
    rules.effective = {.year = 2027, .month = 1, .day = 1};
    return rules;
}

bool has_arabic(const QString& text) {
    return text.contains(QRegularExpression(QStringLiteral("[\\x{0600}-\\x{06FF}]")));
}

// A number standing on its own, so that "2160" does not count as "160".
bool shows_number(const QString& text, const QString& number) {
    return text.contains(QRegularExpression(QStringLiteral("(^|[^0-9.])") +
                                            QRegularExpression::escape(number) +
                                            QStringLiteral("([^0-9.]|$)")));
}

bool any_text_shows(const PictureDescription& picture, const QString& number) {
    const QStringList texts = ui::pictures::texts_of(picture);
    return std::any_of(texts.begin(), texts.end(),
                       [&](const QString& text) { return shows_number(text, number); });
}

// The one text item that reads exactly `text`.
std::optional<Text> item_reading(const PictureDescription& picture, const QString& text) {
    std::optional<Text> found;
    for (const Text& item : ui::pictures::text_items_of(picture)) {
        if (item.text == text) {
            if (found) {
                return std::nullopt;
            }
            found = item;
        }
    }
    return found;
}

// The texts laid out on the same table row as `anchor`.
QStringList same_row(const PictureDescription& picture, const Text& anchor) {
    QStringList texts;
    for (const Text& item : ui::pictures::text_items_of(picture)) {
        const qreal middle = item.rect.center().y();
        if (middle > anchor.rect.top() && middle < anchor.rect.bottom() &&
            item.rect != anchor.rect) {
            texts.append(item.text);
        }
    }
    return texts;
}

}  // namespace

class PicturesTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { print::register_font_substitutions(); }

    void picture_has_its_size_and_24_bits_data() {
        QTest::addColumn<Picture>("picture");
        QTest::addColumn<QSize>("size");
        QTest::newRow("residence allowance") << Picture::residence_allowance << QSize(659, 471);
        QTest::newRow("saharan provinces") << Picture::saharan_provinces << QSize(606, 287);
        QTest::newRow("family allowances") << Picture::family_allowances << QSize(630, 240);
        QTest::newRow("tax exemption") << Picture::tax_exemption << QSize(635, 139);
        QTest::newRow("about") << Picture::about << QSize(393, 317);
        QTest::newRow("ok button") << Picture::ok_button << QSize(37, 34);
        QTest::newRow("about button") << Picture::about_button << QSize(64, 36);
    }
    void picture_has_its_size_and_24_bits() {
        QFETCH(Picture, picture);
        QFETCH(QSize, size);
        const QImage image = ui::pictures::picture_image(picture, pay::built_in_rules());
        QCOMPARE(image.size(), size);
        QCOMPARE(image.format(), QImage::Format_RGB888);
        QCOMPARE(image.depth(), 24);
        QVERIFY(!image.hasAlphaChannel());
    }

    void button_pictures_are_opaque_at_their_size() {
        const QPixmap ok = ui::ok_button_picture();
        const QPixmap about = ui::about_button_picture();
        QCOMPARE(ok.size(), QSize(37, 34));
        QCOMPARE(about.size(), QSize(64, 36));
        QVERIFY(!ok.hasAlphaChannel());
        QVERIFY(!about.hasAlphaChannel());
    }

    void about_button_is_a_disc_on_a_green_ground() {
        const QImage image =
            ui::pictures::picture_image(Picture::about_button, pay::built_in_rules());
        for (const QPoint corner : {QPoint(0, 0), QPoint(63, 0), QPoint(0, 35), QPoint(63, 35)}) {
            const QColor ground = image.pixelColor(corner);
            QVERIFY2(ground.green() > 2 * ground.red() && ground.green() > 2 * ground.blue(),
                     qPrintable(ground.name()));
        }
        // Left of the mark, inside the disc.
        QVERIFY(image.pixelColor(22, 18) != image.pixelColor(0, 18));
    }

    void residence_table_gives_each_zone_its_rate_data() {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("rate");
        QTest::newRow("zone A") << QStringLiteral("أ") << QStringLiteral("25%");
        QTest::newRow("zone B") << QStringLiteral("ب") << QStringLiteral("15%");
        QTest::newRow("zone C") << QStringLiteral("ج") << QStringLiteral("10%");
    }
    void residence_table_gives_each_zone_its_rate() {
        QFETCH(QString, zone);
        QFETCH(QString, rate);
        const PictureDescription picture =
            ui::pictures::describe(Picture::residence_allowance, pay::built_in_rules());
        const std::optional<Text> zone_cell = item_reading(picture, zone);
        QVERIFY(zone_cell);
        const QStringList row = same_row(picture, *zone_cell);
        QVERIFY2(row.contains(rate), qPrintable(row.join(QStringLiteral(" | "))));
        // The row names its zone in the coverage cell too, not another zone's.
        QVERIFY(std::any_of(row.begin(), row.end(), [&](const QString& text) {
            return text.contains(QStringLiteral("«") + zone + QStringLiteral("»"));
        }));
    }

    void special_charges_text_gives_its_rate() {
        const PictureDescription picture =
            ui::pictures::describe(Picture::saharan_provinces, pay::built_in_rules());
        QVERIFY(any_text_shows(picture, QStringLiteral("85%")));
        QVERIFY(!any_text_shows(picture, QStringLiteral("25%")));
    }

    void family_table_gives_the_monthly_amount_beside_the_yearly_one_data() {
        QTest::addColumn<QString>("monthly");
        QTest::addColumn<QString>("yearly");
        // 2400 / 12 and 432 / 12.
        QTest::newRow("first three children") << QStringLiteral("200") << QStringLiteral("2400");
        QTest::newRow("fourth to sixth child") << QStringLiteral("36") << QStringLiteral("432");
    }
    void family_table_gives_the_monthly_amount_beside_the_yearly_one() {
        QFETCH(QString, monthly);
        QFETCH(QString, yearly);
        const PictureDescription picture =
            ui::pictures::describe(Picture::family_allowances, pay::built_in_rules());
        const std::optional<Text> monthly_cell = item_reading(picture, monthly);
        const std::optional<Text> monthly_header =
            item_reading(picture, QStringLiteral("المبلغ الشهري"));
        QVERIFY(monthly_cell);
        QVERIFY(monthly_header);
        QVERIFY(same_row(picture, *monthly_cell).contains(yearly));
        const qreal column_middle = monthly_cell->rect.center().x();
        QVERIFY(column_middle > monthly_header->rect.left() &&
                column_middle < monthly_header->rect.right());
    }

    void family_rows_run_from_the_first_children_to_the_further_ones() {
        const PictureDescription picture =
            ui::pictures::describe(Picture::family_allowances, pay::built_in_rules());
        const std::optional<Text> first = item_reading(picture, QStringLiteral("200"));
        const std::optional<Text> further = item_reading(picture, QStringLiteral("36"));
        QVERIFY(first && further);
        QVERIFY(first->rect.bottom() <= further->rect.top());
        QVERIFY(same_row(picture, *first).join(QString()).contains(QStringLiteral("الثالث")));
        QVERIFY(same_row(picture, *further).join(QString()).contains(QStringLiteral("السادس")));
    }

    // Every rules file the reader takes draws every picture; the family table names each child
    // of the list once, whatever the number of first children.
    void every_picture_draws_rules_at_the_edges_of_their_ranges_data() {
        QTest::addColumn<int>("first_children");
        QTest::addColumn<int>("months");
        QTest::addColumn<bool>("one_bracket");
        QTest::newRow("no first children") << 0 << 12 << false;
        QTest::newRow("one first child") << 1 << 12 << false;
        QTest::newRow("five first children") << 5 << 12 << false;
        QTest::newRow("one month, one bracket") << 3 << 1 << true;
        QTest::newRow("24 months") << 3 << 24 << false;
    }
    void every_picture_draws_rules_at_the_edges_of_their_ranges() {
        QFETCH(int, first_children);
        QFETCH(int, months);
        QFETCH(bool, one_bracket);
        pay::PayRules rules = pay::built_in_rules();
        rules.family_allowance.first_children = first_children;
        rules.months_per_year = months;
        if (one_bracket) {
            rules.income_tax.brackets.resize(1);
        }
        for (const Picture picture : ui::pictures::all_pictures) {
            QVERIFY(!ui::pictures::picture_image(picture, rules).isNull());
        }
        const QString family =
            ui::pictures::texts_of(ui::pictures::describe(Picture::family_allowances, rules))
                .join(QLatin1Char('\n'));
        // The sixth child, the last of the list, is named once, as the end of the last band.
        QCOMPARE(family.count(QStringLiteral("السادس")), 1);
        QCOMPARE(family.contains(QStringLiteral("الطفل الأول")), true);
    }

    void tax_exemption_gives_the_amount_per_person_and_the_ceiling() {
        const PictureDescription picture =
            ui::pictures::describe(Picture::tax_exemption, pay::built_in_rules());
        QVERIFY(any_text_shows(picture, QStringLiteral("360")));
        // 6 x 360.
        QVERIFY(any_text_shows(picture, QStringLiteral("2160")));
    }

    void about_picture_gives_title_version_and_no_invented_address() {
        const QStringList texts =
            ui::pictures::texts_of(ui::pictures::describe(Picture::about, pay::built_in_rules()));
        QVERIFY(texts.contains(QStringLiteral("Velnaro")));
        QVERIFY(std::any_of(texts.begin(), texts.end(), [](const QString& text) {
            return shows_number(text, QString::fromLatin1(velnaro::version));
        }));
        for (const QString& text : texts) {
            QVERIFY2(!text.contains(QRegularExpression(QStringLiteral("@|https?:|www\\.|\\.com"))),
                     qPrintable(text));
        }
    }

    // Each picture draws the amounts of the rules it is given: a changed rule shows its new
    // amounts, and the old ones are gone.
    void pictures_show_the_amounts_of_their_rules() {
        using ui::pictures::amount_text;
        using ui::pictures::percent_text;
        struct Change {
            const char* name;
            Picture picture;
            std::function<void(pay::PayRules&)> change;
            // The numbers the picture shows of the rules.
            std::function<QStringList(const pay::PayRules&)> numbers;
        };
        const std::vector<Change> changes{
            {"a zone's rate", Picture::residence_allowance,
             [](pay::PayRules& rules) { rules.zone_rates[1] += 2.5; },
             [](const pay::PayRules& rules) {
                 return QStringList{percent_text(rules.zone_rates[1])};
             }},
            {"the months of a year", Picture::family_allowances,
             [](pay::PayRules& rules) { rules.months_per_year += 1; },
             [](const pay::PayRules& rules) {
                 const pay::FamilyAllowanceRule& family = rules.family_allowance;
                 return QStringList{
                     amount_text(family.first_child_amount / rules.months_per_year),
                     amount_text(family.further_child_amount / rules.months_per_year)};
             }},
            {"the special charges' rate", Picture::saharan_provinces,
             [](pay::PayRules& rules) { rules.special_charges_rate += 5; },
             [](const pay::PayRules& rules) {
                 return QStringList{percent_text(rules.special_charges_rate)};
             }},
            {"a first child's amount", Picture::family_allowances,
             [](pay::PayRules& rules) { rules.family_allowance.first_child_amount += 300; },
             [](const pay::PayRules& rules) {
                 const double yearly = rules.family_allowance.first_child_amount;
                 return QStringList{amount_text(yearly),
                                    amount_text(yearly / rules.months_per_year)};
             }},
            {"a dependent's exemption", Picture::tax_exemption,
             [](pay::PayRules& rules) { rules.income_tax.exemption_per_dependent += 40; },
             [](const pay::PayRules& rules) {
                 const double each = rules.income_tax.exemption_per_dependent;
                 return QStringList{amount_text(each), amount_text(each * pay::max_count)};
             }},
        };
        const pay::PayRules& built_in = pay::built_in_rules();
        for (const Change& each : changes) {
            pay::PayRules changed = built_in;
            each.change(changed);
            const PictureDescription picture = ui::pictures::describe(each.picture, changed);
            const QStringList now = each.numbers(changed);
            const QStringList before = each.numbers(built_in);
            for (qsizetype i = 0; i < now.size(); ++i) {
                QVERIFY2(now[i] != before[i], each.name);
                QVERIFY2(any_text_shows(picture, now[i]), each.name);
                QVERIFY2(!any_text_shows(picture, before[i]), each.name);
            }
        }
    }

    void the_about_picture_names_its_rule_set() {
        for (const pay::PayRules& rules : {pay::built_in_rules(), renamed(pay::built_in_rules())}) {
            const QStringList texts =
                ui::pictures::texts_of(ui::pictures::describe(Picture::about, rules));
            const QString title = print::isolated_rule_set_title(rules);
            QVERIFY(std::any_of(texts.begin(), texts.end(), [&](const QString& text) {
                return text.contains(title) && text.contains(print::qt_text(print::rules_caption));
            }));
        }
    }

    void a_table_reads_as_one_sentence_a_row() {
        // A paragraph, a two-column table with its headings, then a note: the cells are painted
        // right column first, as they read.
        PictureDescription picture{.size = {300, 200}};
        picture.add(Text{.text = QStringLiteral("فقرة  أولى\n")});
        ui::pictures::add_table(picture,
                                {.top_left = {0, 20},
                                 .column_widths = {100, 100},
                                 .header = {{QStringLiteral("الاسم")}, {QStringLiteral("المبلغ")}},
                                 .rows = {{{QStringLiteral("أ")}, {QStringLiteral("10")}},
                                          {{QStringLiteral("ب")}, {QStringLiteral("20")}}}});
        picture.add(Text{.text = QStringLiteral("ملاحظة")});
        QCOMPARE(ui::pictures::reading_text(picture), QStringLiteral("فقرة أولى\n"
                                                                     "الاسم: أ، المبلغ: 10.\n"
                                                                     "الاسم: ب، المبلغ: 20.\n"
                                                                     "ملاحظة"));
    }

    void texts_are_right_to_left_with_ascii_digits_data() {
        QTest::addColumn<Picture>("picture");
        for (const Picture picture : ui::pictures::all_pictures) {
            QTest::newRow(qPrintable(ui::pictures::picture_file_name(picture))) << picture;
        }
    }
    void texts_are_right_to_left_with_ascii_digits() {
        QFETCH(Picture, picture);
        for (const Text& item :
             ui::pictures::text_items_of(ui::pictures::describe(picture, pay::built_in_rules()))) {
            QVERIFY2(!item.text.contains(QRegularExpression(
                         QStringLiteral("[\\x{0660}-\\x{0669}\\x{06F0}-\\x{06F9}]"))),
                     qPrintable(item.text));
            if (has_arabic(item.text)) {
                QCOMPARE(ui::pictures::text_option(item).textDirection(), Qt::RightToLeft);
            }
        }
    }

    // A missing font would draw empty boxes (glyph 0) instead of letters.
    void every_character_has_a_glyph_data() { texts_are_right_to_left_with_ascii_digits_data(); }
    void every_character_has_a_glyph() {
        QFETCH(Picture, picture);
        for (const Text& item :
             ui::pictures::text_items_of(ui::pictures::describe(picture, pay::built_in_rules()))) {
            QTextLayout layout(item.text, ui::pictures::picture_font(item));
            layout.setTextOption(ui::pictures::text_option(item));
            layout.beginLayout();
            for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
                line.setLineWidth(item.rect.width());
            }
            layout.endLayout();
            for (const QGlyphRun& run : layout.glyphRuns()) {
                QVERIFY2(!run.glyphIndexes().contains(0), qPrintable(item.text));
            }
        }
    }

    void content_lies_inside_the_shown_part_data() {
        QTest::addColumn<PictureWindow>("window");
        // The name of the rule set the about window names.
        QTest::addColumn<QString>("rule_set");
        const QString built_in = QString::fromStdString(pay::built_in_rules().name);
        QTest::newRow("residence allowance") << PictureWindow::residence_allowance << built_in;
        QTest::newRow("saharan provinces") << PictureWindow::saharan_provinces << built_in;
        QTest::newRow("family allowances") << PictureWindow::family_allowances << built_in;
        QTest::newRow("tax exemption") << PictureWindow::tax_exemption << built_in;
        QTest::newRow("about") << PictureWindow::about << built_in;
        QTest::newRow("about, a long rule set name")
            << PictureWindow::about << QStringLiteral("Pay rules of the finance law of 2027");
        QTest::newRow("about, a name too long to draw whole")
            << PictureWindow::about << QString(200, QLatin1Char('x'));
        // The largest amounts and the longest name a rules file may hold.
        const QString longest = QString::fromStdString(test_support::rules_at_the_edges().name);
        for (const auto& [name, window] :
             {std::pair{"residence allowance", PictureWindow::residence_allowance},
              std::pair{"saharan provinces", PictureWindow::saharan_provinces},
              std::pair{"family allowances", PictureWindow::family_allowances},
              std::pair{"tax exemption", PictureWindow::tax_exemption},
              std::pair{"about", PictureWindow::about}}) {
            QTest::newRow(qPrintable(QStringLiteral("%1, rules at the edges").arg(name)))
                << window << longest;
        }
    }
    void content_lies_inside_the_shown_part() {
        QFETCH(PictureWindow, window);
        QFETCH(QString, rule_set);
        const bool edges =
            QString::fromLatin1(QTest::currentDataTag()).endsWith(QLatin1String("at the edges"));
        pay::PayRules rules = edges ? test_support::rules_at_the_edges() : pay::built_in_rules();
        rules.name = rule_set.toStdString();
        const QRectF shown = ui::visible_picture_area(window, rules);
        const PictureDescription picture = ui::pictures::describe(ui::picture_of(window), rules);
        for (const ui::pictures::Item& item : picture.items) {
            if (const auto* text = std::get_if<Text>(&item)) {
                const QRectF extent = ui::pictures::text_extent(*text);
                QVERIFY2(text->rect.adjusted(-0.5, -0.5, 0.5, 0.5).contains(extent),
                         qPrintable(text->text));
                QVERIFY2(shown.contains(extent), qPrintable(text->text));
            } else if (const auto& shape = std::get<ui::pictures::Shape>(item);
                       shape.outline.isValid()) {
                // A frame or a rule that the window cut would look broken.
                const QRectF drawn = shape.rect.normalized();
                QVERIFY(shown.contains(drawn.topLeft()) && shown.contains(drawn.bottomRight()));
            }
        }
        if (edges && window == PictureWindow::about) {
            // The longest name a rules file holds is drawn whole.
            QVERIFY(ui::pictures::texts_of(picture).join(QString()).contains(rule_set));
        }
    }
};

QTEST_MAIN(PicturesTest)
#include "pictures_test.moc"
