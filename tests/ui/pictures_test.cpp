// The seven pictures: their size and depth, the amounts of the pay rules they show, and text
// that is laid out readably inside the part of the picture that its window shows.
#include <QRegularExpression>
#include <QTest>
#include <QTextLayout>

#include <velnaro/project.h>

#include "pay/rules.h"
#include "print/fonts.h"
#include "ui/pictures/picture_painter.h"
#include "ui/pictures/picture_table.h"
#include "ui/pictures/picture_windows.h"
#include "ui/pictures/pictures.h"

using ui::PictureWindow;
using ui::pictures::Picture;
using ui::pictures::PictureDescription;
using ui::pictures::Text;

Q_DECLARE_METATYPE(Picture)
Q_DECLARE_METATYPE(PictureWindow)

namespace {

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
        QTest::newRow("residence allowance") << Picture::residence_allowance << QSize(663, 479);
        QTest::newRow("saharan provinces") << Picture::saharan_provinces << QSize(612, 290);
        QTest::newRow("family allowances") << Picture::family_allowances << QSize(630, 240);
        QTest::newRow("tax exemption") << Picture::tax_exemption << QSize(635, 139);
        QTest::newRow("about") << Picture::about << QSize(393, 319);
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
        QTest::newRow("residence allowance") << PictureWindow::residence_allowance;
        QTest::newRow("saharan provinces") << PictureWindow::saharan_provinces;
        QTest::newRow("family allowances") << PictureWindow::family_allowances;
        QTest::newRow("tax exemption") << PictureWindow::tax_exemption;
        QTest::newRow("about") << PictureWindow::about;
    }
    void content_lies_inside_the_shown_part() {
        QFETCH(PictureWindow, window);
        const QRectF shown = ui::visible_picture_area(window, pay::built_in_rules());
        const PictureDescription picture =
            ui::pictures::describe(ui::picture_of(window), pay::built_in_rules());
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
    }
};

QTEST_MAIN(PicturesTest)
#include "pictures_test.moc"
