// The printed slip: its PDF text in reading order, its embedded fonts, a page laid out with no
// missing glyph, the tax bracket line, the text copied out, and the PDF file written safely.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTextBoundaryFinder>
#include <QTextLayout>
#include <QtTest>

#include "pay/pay_session.h"
#include "pay/slip_view.h"
#include "pdf_text.h"
#include "print/fonts.h"
#include "print/qt_text.h"
#include "print/rule_set_text.h"
#include "print/slip_page.h"
#include "print/slip_pdf.h"
#include "rules_at_the_edges.h"
#include "worked_slip.h"

Q_DECLARE_METATYPE(std::optional<pay::BracketReached>)

namespace {

// Out of scale, rank 8, zone A, special charges, 5 children, 2 dependents, no member.
pay::PayInputs top_bracket_choices() {
    return {.scale = std::string(pay::scale_text(pay::Scale::out_of_scale)),
            .rank = std::string(pay::rank_items(pay::Scale::out_of_scale)[7]),
            .zone = std::string(pay::zone_items[0]),
            .special_charges = std::string(pay::yes_text),
            .children = "5",
            .dependents = "2",
            .mutual_member = std::string(pay::no_text)};
}

const QDateTime printed_at(QDate(2026, 3, 14), QTime(9, 26));

print::SlipContent content_of(const pay::PayInputs& choices, const QString& separator,
                              const pay::PayRules& rules = pay::built_in_rules()) {
    pay::PaySession session(separator.toStdString(), rules);
    if (session.press_ok(choices)) {
        qFatal("the worked choices were refused");
    }
    return print::slip_content(session, choices, separator, printed_at);
}

QString without_space(QString text) {
    return text.remove(QRegularExpression(QStringLiteral("\\s")));
}

// Characters that act on the text around them instead of showing: bidi embeddings, overrides,
// isolates and marks, control characters, and the line and paragraph separators.
bool acts_unseen(QChar c) {
    const char16_t u = c.unicode();
    return (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069) || u == 0x200E ||
           u == 0x200F || u == 0x061C || u < 0x20 || (u >= 0x7F && u <= 0x9F) || u == 0x2028 ||
           u == 0x2029;
}

// What may stand for such a character on a page: a control picture or U+FFFD.
bool marks_unseen(QChar c) {
    return (c.unicode() >= 0x2400 && c.unicode() <= 0x2421) || c.unicode() == 0xFFFD;
}

QString repeated_to(const QString& piece, qsizetype size) {
    QString text;
    while (text.size() < size) {
        text += piece;
    }
    return text;
}

// How wide a text is drawn on a page of the PDF writer, in millimetres.
qreal drawn_mm(const QString& text, const QFont& font) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const QPdfWriter pdf(&buffer);
    return QFontMetricsF(font, &pdf).horizontalAdvance(text) / pdf.logicalDpiX() * 25.4;
}

// What a page says, without its spaces and bidi isolates: where a text is wrapped over lines, its
// pieces read on as one.
QString page_words(const print::PageLayout& page) {
    QString words;
    for (const print::PageText& text : page.texts) {
        words += text.text;
    }
    static const QRegularExpression unseen(QStringLiteral("[\\s\\x{2066}-\\x{2069}]"));
    return words.remove(unseen);
}

// Every text of a page is drawn whole inside its box, every box lies on the printable area of the
// sheet (180 x 267 mm), and no two boxes share any of the page: nothing overprints anything.
void check_every_text_in_its_own_place(const print::PageLayout& page) {
    constexpr qreal printable_width = 210 - 2 * 15;
    constexpr qreal printable_height = 297 - 2 * 15;
    // A thousandth of a millimetre for rounding.
    constexpr qreal slack = 0.001;
    const QRectF sheet(0, 0, printable_width, printable_height);
    for (std::size_t i = 0; i < page.texts.size(); ++i) {
        const print::PageText& text = page.texts[i];
        const QString what = text.text + QStringLiteral(" at ") + QString::number(text.place.x()) +
                             QLatin1Char(',') + QString::number(text.place.y());
        QVERIFY2(sheet.adjusted(-slack, -slack, slack, slack).contains(text.place),
                 qPrintable(what));
        QVERIFY2(drawn_mm(text.text, print::window_font(text.points, text.bold)) <=
                     text.place.width() + slack,
                 qPrintable(what));
        for (std::size_t j = i + 1; j < page.texts.size(); ++j) {
            const QRectF shared = text.place.intersected(page.texts[j].place);
            QVERIFY2(shared.width() <= slack || shared.height() <= slack,
                     qPrintable(what + QStringLiteral(" and ") + page.texts[j].text));
        }
    }
}

}  // namespace

class SlipPageTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        print::register_font_substitutions();
        QVERIFY(dir_.isValid());
    }

    void pdf_text_holds_every_label_and_amount_in_reading_order() {
        print::SlipContent content =
            content_of(test_support::worked_slip_inputs(), QStringLiteral(","));
        content.headings.push_back({QStringLiteral("الاسم"), QStringLiteral("سعاد العلوي")});
        const QString pdf = dir_.filePath(QStringLiteral("worked.pdf"));
        QCOMPARE(print::write_slip_pdf(pdf, content), QString());
        const QString text = test_support::folded_pdf_text(pdf);
        QVERIFY(!text.isEmpty());

        // Right to left, top to bottom: each row's label, yearly amount and monthly twelfth, the
        // earnings column's row before the deductions column's. The yearly amounts and twelfths
        // are those of the worked slip: 18194.20 / 12 = 1516.18, 45687.42 / 12 = 3807.285 -> .29.
        const QStringList reading_order{
            "بيان الأجرة", "تاريخ الطبع", "2026-03-14 09:26", "الاسم", "سعاد العلوي", "الاختيارات",
            // The scale's own text mixes digits and words; poppler orders such a run by its own
            // guess, so its caption is followed by the next row's words.
            "السلم أو الدرجة", "التعويضات العائلية", "2", "الرتبــــة", "1", "الأشخص المتكفل بهم",
            "3", "المنطقـــة", "ج", "التعاضديات", "نعم", "الأعباء الخاصة", "لا",
            "مجموع الراتب الأساسي والتعويضات", "53685,62", "4473,80", "مجموع الاقتطاعات من الأجرة",
            "7998,20", "666,52", "الراتب الأساسي السنوي", "18194,20", "1516,18", "التقاعد",
            "4888,56", "407,38", "التعويض عن الإقامة", "1819,42", "151,62",
            "الضريبة العامة على الدخل", "0,00", "0,00", "التعويض عن الأعباء الخاصة", "0,00", "0,00",
            "مؤسسة Orsanne", "60,00", "5,00", "التعويض عن التدرج الإداري", "25212,00", "2101,00",
            "التأمين الإجباري عن المرض", "1222,14", "101,85", "التعويض عن الأعباء", "3660,00",
            "305,00", "القطاع بالتعاضدية العامة", "327,50", "27,29", "التعويض عن التأطير", "0,00",
            "0,00", "الصندوق التعاضدي المستقل", "1500", "125,00", "التعويضات العائلية", "4800,00",
            "400,00", "المبلغ الخاضع للضريبة", "31170,30", "2597,53",
            "الإعفاءات عن الأطفال والزوجة", "117,03", "9,75", "النسبة المطبقة", "10 %",
            "النقطة الاستدلالية", "235,00", "الأجرة السنوية", "45687,42", "3807,29",
            "الأجرة الشهرية", "3807,29", "شريحة الضريبة", "10 %", "أكثر من 30000,00 إلى 50000,00",
            // Under the rule, the formula of each amount that is more than a grid amount, beside
            // its label and reading left to right, worked by hand: (235 - 150) x 50.92 = 4328.20,
            // + 9885 + 3981 = 18194.20; the base, a tenth of it and the allowances give 48885.62
            // for retirement (10 %) and health insurance (2.5 %); the tax is 10 % of 1170.30. The
            // lines whose shown numbers give more decimals (4888.562, 1222.1405, 327.4956,
            // 3807.285) say "≈".
            "طريقة الحساب", "الراتب الأساسي السنوي",
            "(235,00 − 150,00) × 50,92 + 9885,00 + 3981,00 = 18194,20", "التعويض عن الإقامة",
            "18194,20 × 10 % = 1819,42", "التعويضات العائلية", "2 × 2400,00 = 4800,00",
            "18194,20 + 1819,42 + 0,00 + 25212,00 + 3660,00 + 0,00 + 4800,00 = 53685,62", "التقاعد",
            "18194,20 × 10 % + 18194,20 + 25212,00 + 3660,00 + 0,00 = 48885,62",
            "48885,62 × 10 % ≈ 4888,56", "48885,62 × 2,5 % ≈ 1222,14", "18194,20 × 1,8 % ≈ 327,50",
            "48885,62 − 4888,56 − 9777,12 − 1222,14 − 327,50 − 1500 = 31170,30",
            "30000,00 < 31170,30 ≤ 50000,00 → 10 %", "min(3 × 360,00 ; 117,03) = 117,03",
            "(31170,30 − 30000,00) × 10 % + 0,00 = 117,03", "117,03 − 117,03 = 0,00",
            "0,00 + 4888,56 + 60,00 + 1222,14 + 327,50 + 1500 = 7998,20",
            "53685,62 − 7998,20 = 45687,42", "الأجرة الشهرية",
            "(53685,62 − 7998,20) ÷ 12 ≈ 3807,29"};
        qsizetype at = 0;
        for (const QString& expected : reading_order) {
            const qsizetype found = text.indexOf(without_space(expected), at);
            QVERIFY2(found >= 0, qPrintable(QStringLiteral("«%1» missing or out of order after: %2")
                                                .arg(expected, text.mid(at, 80))));
            at = found + without_space(expected).size();
        }
        QVERIFY(text.contains(QStringLiteral("Velnaro")));
        // Never reversed: no label reads backwards.
        QVERIFY(!text.contains(QStringLiteral("يونسلايساسلأابتارلا")));
    }

    void pdf_embeds_its_fonts() {
        const QString pdf = dir_.filePath(QStringLiteral("fonts.pdf"));
        QCOMPARE(print::write_slip_pdf(
                     pdf, content_of(test_support::worked_slip_inputs(), QStringLiteral("."))),
                 QString());
        QProcess tool;
        tool.start(QStringLiteral("pdffonts"), {pdf});
        QVERIFY(tool.waitForFinished());
        QCOMPARE(tool.exitCode(), 0);
        // A header, a rule, then a row per font whose "emb" column reads yes.
        const QStringList rows =
            QString::fromUtf8(tool.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts).mid(2);
        QVERIFY(!rows.isEmpty());
        const QRegularExpression embedded(QStringLiteral("\\s(yes)\\s+(yes|no)\\s+(yes|no)\\s"));
        for (const QString& row : rows) {
            QVERIFY2(embedded.match(row).hasMatch(), qPrintable(row));
        }
    }

    void every_text_of_the_page_has_its_glyphs_data() {
        QTest::addColumn<QString>("separator");
        QTest::addColumn<bool>("top_bracket");
        QTest::newRow("worked slip, comma") << QStringLiteral(",") << false;
        QTest::newRow("top bracket, Arabic decimal separator") << QStringLiteral("٫") << true;
    }
    void every_text_of_the_page_has_its_glyphs() {
        QFETCH(QString, separator);
        QFETCH(bool, top_bracket);
        print::SlipContent content = content_of(
            top_bracket ? top_bracket_choices() : test_support::worked_slip_inputs(), separator);
        content.headings.push_back({QStringLiteral("الرقم"), QStringLiteral("A-1027")});
        const print::PageLayout page = print::lay_out_slip_page(content);
        QVERIFY(page.texts.size() > 2 * pay::slip_field_count);
        for (const print::PageText& each : page.texts) {
            QTextLayout layout(each.text, print::window_font(each.points, each.bold));
            QTextOption option;
            option.setTextDirection(each.direction);
            layout.setTextOption(option);
            layout.beginLayout();
            layout.createLine();
            layout.endLayout();
            for (const QGlyphRun& run : layout.glyphRuns()) {
                // Glyph 0 is the font's missing-glyph box.
                QVERIFY2(!run.glyphIndexes().contains(0), qPrintable(each.text));
            }
        }
    }

    // The longest slip, with a name and an id at its top, still ends on its A4 sheet: 297 mm less
    // two 15 mm margins, 180 mm wide. The formulas' lines vary with the choices, so every
    // combination is laid out.
    void every_slip_fits_on_its_sheet() {
        constexpr qreal printable_width = 210 - 2 * 15;
        constexpr qreal printable_height = 297 - 2 * 15;
        qreal lowest = 0;
        for (const pay::PayInputs& choices : pay::every_list_combination()) {
            print::SlipContent content = content_of(choices, QStringLiteral("."));
            content.headings = {{QStringLiteral("الاسم"), QStringLiteral("a")},
                                {QStringLiteral("الرقم"), QStringLiteral("1")}};
            for (const print::PageText& text : print::lay_out_slip_page(content).texts) {
                QVERIFY(text.place.left() >= 0);
                QVERIFY(text.place.right() <= printable_width);
                lowest = std::max(lowest, text.place.bottom());
            }
        }
        QVERIFY2(lowest <= printable_height, qPrintable(QString::number(lowest)));
    }

    // The largest amounts, the longest rule set name and formula lines of the largest amounts,
    // whole and apart; an ordinary slip likewise.
    void every_text_is_whole_in_its_own_place_data() {
        QTest::addColumn<bool>("at_the_edges");
        QTest::newRow("worked slip") << false;
        QTest::newRow("rules at the edges") << true;
    }
    void every_text_is_whole_in_its_own_place() {
        QFETCH(bool, at_the_edges);
        const pay::PayRules rules =
            at_the_edges ? test_support::rules_at_the_edges() : pay::built_in_rules();
        print::SlipContent content =
            content_of(at_the_edges ? test_support::largest_amount_choices()
                                    : test_support::worked_slip_inputs(),
                       QStringLiteral("."), rules);
        content.headings = {{QStringLiteral("الاسم"), QStringLiteral("سعاد العلوي")},
                            {QStringLiteral("الرقم"), QStringLiteral("A-1027")}};
        const print::PageLayout page = print::lay_out_slip_page(content);
        check_every_text_in_its_own_place(page);
        // Nothing is left out to make room: the rule set's title, every amount and every
        // formula line are all on the page.
        const QString words = page_words(page);
        QVERIFY(words.contains(without_space(print::qt_text(pay::rule_set_title(rules)))));
        for (const print::SlipAmount& amount : content.amounts) {
            QVERIFY2(words.contains(without_space(amount.text)), qPrintable(amount.text));
        }
        for (const print::SlipFormula& formula : content.formulas) {
            for (const QString& line : formula.formula.split(QLatin1Char('\n'))) {
                QVERIFY2(words.contains(without_space(line)), qPrintable(line));
            }
        }
    }

    // A name or an id as a staff file may hold it: whatever it holds reads in its own place, in
    // the file's order, as one run that reorders nothing around it, within its box; what does not
    // fit is cut between two characters as they are seen (never inside a letter with its marks,
    // an emoji or a flag) and ends with "…".
    void a_heading_value_shows_what_the_file_holds_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("is_id");
        QTest::addColumn<bool>("cut");
        const QString arabic_name = QStringLiteral("سعاد العلوي");
        QTest::newRow("override before an id") << QStringLiteral("\u202E123456") << true << false;
        QTest::newRow("override before a Latin name")
            << QStringLiteral("\u202EAli Ben Salah") << false << false;
        QTest::newRow("Arabic name, override before digits")
            << arabic_name + QStringLiteral(" \u202E2026 15") << false << false;
        QTest::newRow("line breaks") << QStringLiteral("line1\nline2\rline3") << false << false;
        QTest::newRow("an escape sequence")
            << QStringLiteral("Ali\x1b[2J\x1b]0;x\x07 Ben") << false << false;
        QTest::newRow("every bidi formatting character")
            << QStringLiteral(
                   "a\u202Ab\u202Bc\u202Cd\u202De\u202Ef\u2066g\u2067h\u2068i\u2069j"
                   "\u200Ek\u200Fl\u061Cm")
            << false << false;
        QTest::newRow("every other kind of control in an id")
            << QStringLiteral(
                   "1\t2\x7f"
                   "3\u00854\u009b5\u20286\u20297\x01")
            << true << false;
        QTest::newRow("an Arabic name") << arabic_name << false << false;
        QTest::newRow("3,000 characters")
            << repeated_to(QStringLiteral("Ali Ben Salah "), 3000) << false << true;
        QTest::newRow("an id of 3,000 digits")
            << repeated_to(QStringLiteral("0123456789"), 3000) << true << true;
        QTest::newRow("an Arabic name over and over")
            << repeated_to(arabic_name + QLatin1Char(' '), 3000) << false << true;
        QTest::newRow("1 MB") << repeated_to(QStringLiteral("Ali Ben Salah "), 1 << 20) << false
                              << true;
        QTest::newRow("letters with two marks each")
            << repeated_to(QStringLiteral("e\u0301\u0323"), 3000) << false << true;
        QTest::newRow("emoji of several characters joined")
            << repeated_to(QStringLiteral("\U0001F468\u200D\U0001F469\u200D\U0001F467"), 4000)
            << false << true;
        QTest::newRow("flags") << repeated_to(QStringLiteral("\U0001F1F2\U0001F1E6"), 4000) << false
                               << true;
        QTest::newRow("a long override in the middle")
            << QStringLiteral("12") + repeated_to(QStringLiteral("\u202E3"), 3000) << true << true;
    }
    void a_heading_value_shows_what_the_file_holds() {
        QFETCH(QString, value);
        QFETCH(bool, is_id);
        QFETCH(bool, cut);
        print::SlipContent content =
            content_of(test_support::worked_slip_inputs(), QStringLiteral("."));
        content.headings.push_back(
            {is_id ? QStringLiteral("الرقم") : QStringLiteral("الاسم"), value,
             is_id ? print::ValueReading::left_to_right : print::ValueReading::own_direction});
        const print::PageLayout page = print::lay_out_slip_page(content);
        // The value is seen on this page alone: the painter keeps no copy of it.
        std::vector<print::PageText> values;
        std::copy_if(page.texts.begin(), page.texts.end(), std::back_inserter(values),
                     [](const print::PageText& text) { return !text.kept; });
        QCOMPARE(values.size(), std::size_t{1});
        const print::PageText& shown = values.front();
        const QString& text = shown.text;

        // One run, isolated; an id left to right.
        QVERIFY2(text.size() >= 2, qPrintable(text));
        QCOMPARE(text.front(), is_id ? QChar(0x2066) : QChar(0x2068));
        QCOMPARE(text.back(), QChar(0x2069));
        if (is_id) {
            QCOMPARE(shown.direction, Qt::LeftToRight);
        }
        QString inner = text.mid(1, text.size() - 2);
        QVERIFY2(inner.size() < 10000, "the whole value was laid out");
        for (const QChar c : inner) {
            QVERIFY2(!acts_unseen(c), qPrintable(QString::number(c.unicode(), 16)));
        }

        // The file's characters in the file's order, each hidden one marked where it was.
        QCOMPARE(inner.endsWith(QChar(0x2026)), cut);
        if (cut) {
            inner.chop(1);
            QVERIFY(inner.size() < value.size());
            QTextBoundaryFinder clusters(QTextBoundaryFinder::Grapheme, value);
            clusters.setPosition(inner.size());
            QVERIFY2(clusters.isAtBoundary(), qPrintable(QString::number(inner.size())));
        } else {
            QCOMPARE(inner.size(), value.size());
        }
        for (qsizetype i = 0; i < inner.size(); ++i) {
            const bool marked =
                acts_unseen(value[i]) ? marks_unseen(inner[i]) : inner[i] == value[i];
            QVERIFY2(marked, qPrintable(QStringLiteral("at %1: %2 for %3")
                                            .arg(i)
                                            .arg(inner[i].unicode(), 0, 16)
                                            .arg(value[i].unicode(), 0, 16)));
        }

        // Within its box, at the page's resolution and at the screen's; and a cut leaves no
        // more room than a few characters would take.
        const QFont font = print::window_font(shown.points, shown.bold);
        const qreal drawn = drawn_mm(text, font);
        QVERIFY2(drawn <= shown.place.width(),
                 qPrintable(QStringLiteral("%1 mm in %2 mm").arg(drawn).arg(shown.place.width())));
        const qreal on_screen = QFontMetricsF(font).horizontalAdvance(text) /
                                QGuiApplication::primaryScreen()->logicalDotsPerInchX() * 25.4;
        QVERIFY2(on_screen <= shown.place.width(), qPrintable(QString::number(on_screen)));
        if (cut) {
            QVERIFY2(drawn > shown.place.width() - 12, qPrintable(QString::number(drawn)));
        }
    }

    // What stands for a hidden character, and the cut's ellipsis, can be drawn.
    void the_marks_of_hidden_characters_have_glyphs() {
        QString marks = QStringLiteral("\u2421\uFFFD\u2026");
        for (char16_t c = 0x2400; c < 0x2420; ++c) {
            marks += QChar(c);
        }
        for (const bool bold : {false, true}) {
            QTextLayout layout(marks, print::window_font(10, bold));
            layout.beginLayout();
            layout.createLine();
            layout.endLayout();
            for (const QGlyphRun& run : layout.glyphRuns()) {
                QVERIFY(!run.glyphIndexes().contains(0));
            }
        }
    }

    void the_bracket_line_gives_the_bounds_of_the_bracket_reached_data() {
        QTest::addColumn<std::optional<pay::BracketReached>>("bracket");
        QTest::addColumn<QString>("line");
        const auto reached = [](std::size_t index, double lower, std::optional<double> upper) {
            return std::optional<pay::BracketReached>(pay::BracketReached{.index = index,
                                                                          .lower = lower,
                                                                          .upper = upper,
                                                                          .rate = 0,
                                                                          .base_amount = 0,
                                                                          .label = {}});
        };
        QTest::newRow("lowest, from its bound itself")
            << reached(0, 0, 30000) << QStringLiteral("من 0.00 إلى 30000.00");
        QTest::newRow("above its bound")
            << reached(1, 30000, 50000) << QStringLiteral("أكثر من 30000.00 إلى 50000.00");
        QTest::newRow("highest, no upper bound")
            << reached(5, 180000, std::nullopt) << QStringLiteral("أكثر من 180000.00");
        QTest::newRow("below every bracket")
            << std::optional<pay::BracketReached>() << QStringLiteral("دون أدنى شرائح الضريبة");
    }
    void the_bracket_line_gives_the_bounds_of_the_bracket_reached() {
        QFETCH(std::optional<pay::BracketReached>, bracket);
        QFETCH(QString, line);
        QCOMPARE(print::tax_bracket_text(bracket, "."), line);
    }

    // A taxable amount shown as a bracket's bound but computed a hair above it is printed in
    // the bracket the computation took, the one its rate label names.
    void the_printed_bracket_is_the_computations() {
        pay::PayRules rules = pay::built_in_rules();
        rules.income_tax.brackets.at(1).lower = 47553.15;
        pay::PaySession session(".", rules);
        const pay::PayInputs inputs = test_support::bracket_edge_inputs();
        QVERIFY(!session.press_ok(inputs));
        QCOMPARE(session.text(pay::SlipField::taxable_amount), std::string("47553.15"));
        QCOMPARE(session.text(pay::SlipField::tax_rate_label), std::string("10 %"));
        const print::SlipContent content =
            print::slip_content(session, inputs, QStringLiteral("."), printed_at);
        QCOMPARE(content.bracket, QStringLiteral("أكثر من 47553.15 إلى 50000.00"));
    }

    // Rules of another year: a thirteenth month and every tax bracket a thousand higher. The
    // page shows their amounts, their twelfths and bracket, and names them.
    void a_slip_follows_its_rules_and_names_them() {
        pay::PayRules rules = pay::built_in_rules();
        rules.name = "2027";
        rules.effective = {.year = 2027, .month = 1, .day = 1};
        rules.months_per_year += 1;
        for (pay::TaxBracket& bracket : rules.income_tax.brackets) {
            bracket.lower += bracket.lower > 0 ? 1000 : 0;
        }
        pay::PaySession session(".", rules);
        QVERIFY(!session.press_ok(test_support::worked_slip_inputs()));
        const print::SlipContent content = print::slip_content(
            session, test_support::worked_slip_inputs(), QStringLiteral("."), printed_at);
        const print::SlipContent built_in =
            content_of(test_support::worked_slip_inputs(), QStringLiteral("."));
        const pay::SlipView view = pay::view_slip(session, pay::ViewDetail::amounts);

        QCOMPARE(content.rule_set, QStringLiteral("\u2068") +
                                       QString::fromStdString(pay::rule_set_title(rules)) +
                                       QStringLiteral("\u2069"));
        for (const pay::SlipFieldInfo& info : pay::slip_fields) {
            const auto at = static_cast<std::size_t>(info.field);
            QCOMPARE(content.amounts[at].text, QString::fromStdString(session.text(info.field)));
            QCOMPARE(content.amounts[at].monthly,
                     QString::fromStdString(view.field(info.field).monthly_text));
        }
        QCOMPARE(content.bracket, print::tax_bracket_text(view.bracket, "."));
        QVERIFY(content.bracket != built_in.bracket);
        const auto base = static_cast<std::size_t>(pay::SlipField::annual_base_salary);
        QVERIFY(content.amounts[base].monthly != built_in.amounts[base].monthly);

        // Laid out right to left, the title isolated, beside its caption.
        const print::PageLayout page = print::lay_out_slip_page(content);
        const auto title =
            std::find_if(page.texts.begin(), page.texts.end(),
                         [&](const auto& text) { return text.text == content.rule_set; });
        QVERIFY(title != page.texts.end());
        QCOMPARE(title->direction, Qt::RightToLeft);
        QVERIFY(std::any_of(page.texts.begin(), page.texts.end(), [&](const auto& text) {
            return text.text == print::qt_text(print::rules_caption) &&
                   text.place.top() == title->place.top() &&
                   text.place.left() > title->place.left();
        }));

        const QString pdf = dir_.filePath(QStringLiteral("2027.pdf"));
        QCOMPARE(print::write_slip_pdf(pdf, content), QString());
        const QString text = test_support::folded_pdf_text(pdf);
        for (const QString& expected :
             {without_space(print::qt_text(print::rules_caption)),
              QString::fromStdString(rules.name),
              QString::fromStdString(pay::iso_date(rules.effective)), content.amounts[base].text,
              content.amounts[base].monthly, without_space(content.bracket)}) {
            QVERIFY2(text.contains(expected), qPrintable(expected));
        }
    }

    void the_copied_text_has_a_line_per_amount() {
        // The page's date, rule set and choices, a blank line, then label, tab, the amount as the
        // window shows it; no tatweel or trailing spaces of the window's captions.
        const QString expected = QStringLiteral(
            "تاريخ الطبع\t2026-03-14 09:26\n"
            "قواعد الأجرة\t\u20682010 (2010-01-01)\u2069\n"
            "الاختيارات\n"
            "السلم أو الدرجة\t9 / الدرجة الثالثة\n"
            "الرتبة\t1\n"
            "المنطقة\tج\n"
            "الأعباء الخاصة\tلا\n"
            "التعويضات العائلية\t2\n"
            "الأشخص المتكفل بهم\t3\n"
            "التعاضديات\tنعم\n"
            "\n"
            "النقطة الاستدلالية\t235,00\n"
            "الراتب الأساسي السنوي\t18194,20\n"
            "التعويض عن الإقامة\t1819,42\n"
            "التعويض عن الأعباء الخاصة\t0,00\n"
            "التعويض عن التدرج الإداري\t25212,00\n"
            "التعويض عن الأعباء\t3660,00\n"
            "التعويض عن التأطير\t0,00\n"
            "التعويضات العائلية\t4800,00\n"
            "مجموع الراتب الأساسي والتعويضات\t53685,62\n"
            "التقاعد\t4888,56\n"
            "التأمين الإجباري عن المرض\t1222,14\n"
            "القطاع بالتعاضدية العامة\t327,50\n"
            "الصندوق التعاضدي المستقل\t1500\n"
            "مؤسسة Orsanne\t60,00\n"
            "المبلغ الخاضع للضريبة\t31170,30\n"
            "النسبة المطبقة\t10 %\n"
            "الإعفاءات عن الأطفال والزوجة\t117,03\n"
            "الضريبة العامة على الدخل\t0,00\n"
            "مجموع الاقتطاعات من الأجرة\t7998,20\n"
            "الأجرة السنوية\t45687,42\n"
            "الأجرة الشهرية\t3807,29\n");
        QCOMPARE(print::slip_as_text(
                     content_of(test_support::worked_slip_inputs(), QStringLiteral(","))),
                 expected);
    }

    void a_file_of_slips_has_a_page_per_slip() {
        const QString pdf = dir_.filePath(QStringLiteral("three.pdf"));
        QFile device(pdf);
        QVERIFY(device.open(QIODevice::WriteOnly));
        print::SlipPdfWriter file(device);
        QVERIFY(file.is_open());
        const print::SlipContent content =
            content_of(test_support::worked_slip_inputs(), QStringLiteral("."));
        for (int i = 0; i < 3; ++i) {
            file.add_page(content);
        }
        QVERIFY(file.finish());
        device.close();
        QProcess tool;
        tool.start(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY(tool.waitForFinished());
        QVERIFY(QString::fromUtf8(tool.readAllStandardOutput())
                    .contains(QRegularExpression(QStringLiteral("Pages:\\s+3\\n"))));
    }

    void an_unfinished_file_leaves_the_earlier_one() {
        const QString pdf = dir_.filePath(QStringLiteral("earlier.pdf"));
        {
            QFile earlier(pdf);
            QVERIFY(earlier.open(QIODevice::WriteOnly));
            earlier.write("earlier");
        }
        {
            // Ended before its document is: the file is never committed.
            QSaveFile device(pdf);
            QVERIFY(device.open(QIODevice::WriteOnly));
            print::SlipPdfWriter file(device);
            QVERIFY(file.is_open());
            file.add_page(content_of(test_support::worked_slip_inputs(), QStringLiteral(".")));
        }
        QFile earlier(pdf);
        QVERIFY(earlier.open(QIODevice::ReadOnly));
        QCOMPARE(earlier.readAll(), QByteArray("earlier"));
        // Nothing but the earlier file is left in the folder.
        QCOMPARE(QDir(dir_.path()).entryList({QStringLiteral("earlier*")}, QDir::Files),
                 QStringList{QStringLiteral("earlier.pdf")});
    }

    void a_file_that_cannot_be_written_says_why() {
        const QString pdf = dir_.filePath(QStringLiteral("no-such-folder/slip.pdf"));
        const QString error = print::write_slip_pdf(
            pdf, content_of(test_support::worked_slip_inputs(), QStringLiteral(".")));
        QVERIFY(!error.isEmpty());
        QVERIFY(!QFile::exists(pdf));
    }

  private:
    QTemporaryDir dir_;
};

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    SlipPageTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "slip_page_test.moc"
