#include "print/slip_page.h"

#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>
#include <QTextLayout>
#include <QTextOption>
#include <algorithm>
#include <iterator>
#include <map>
#include <optional>
#include <span>

#include "language/pay_texts.h"
#include "pay/amount_format.h"
#include "pay/captions.h"
#include "pay/explanation.h"
#include "pay/pay_session.h"
#include "pay/result_columns.h"
#include "pay/slip_fields.h"
#include "pay/slip_view.h"
#include "print/bidi_text.h"
#include "print/fonts.h"
#include "print/page_fitting.h"
#include "print/qt_text.h"
#include "print/rule_set_text.h"
#include "velnaro/project.h"
#include "wording/explanation_text.h"

namespace print {

using pay::box_fields;
using pay::deductions_column;
using pay::earnings_column;
namespace {

using pay::SlipField;

constexpr std::string_view title_text = "بيان الأجرة";
constexpr std::string_view printed_caption = "تاريخ الطبع";
constexpr std::string_view choices_caption = "الاختيارات";
constexpr std::string_view yearly_caption = "سنوي";
constexpr std::string_view monthly_caption = "شهري";
constexpr std::string_view bracket_caption = "شريحة الضريبة";
constexpr std::string_view from_words = "من";
constexpr std::string_view to_words = "إلى";
constexpr std::string_view above_words = "أكثر من";
constexpr std::string_view no_bracket_words = "دون أدنى شرائح الضريبة";
constexpr std::string_view formulas_caption = "طريقة الحساب";
constexpr const char* print_context = "print";
// Where a row has no twelfth.
constexpr std::string_view no_share = "—";

// --- The sheet, in millimetres.
constexpr qreal margin_mm = 15;
constexpr qreal width_mm = 210 - 2 * margin_mm;
constexpr qreal height_mm = 297 - 2 * margin_mm;
constexpr qreal column_gap_mm = 4;
constexpr qreal column_mm = (width_mm - column_gap_mm) / 2;
// The right column starts here, from the left edge of the printable area.
constexpr qreal right_column_x = column_mm + column_gap_mm;
constexpr qreal row_mm = 6.5;
constexpr qreal label_mm = 50;
constexpr qreal amount_mm = 21;
constexpr qreal monthly_mm = column_mm - label_mm - amount_mm;
constexpr qreal choice_label_mm = 36;
constexpr qreal formula_row_mm = 4.1;
constexpr qreal formula_label_mm = 52;

constexpr qreal title_points = 16;
constexpr qreal text_points = 10;
constexpr qreal small_points = 8;
constexpr qreal formula_points = 7.5;
// The smallest sizes a text is drawn at to fit its box: past them a rule set's title and a formula
// line go on over more lines, and an amount, which the bounds of a rules file keep short, is
// drawn at the smallest size of all.
constexpr qreal smallest_title_points = 8;
constexpr qreal smallest_formula_points = 6;
constexpr qreal smallest_points = 5;

constexpr Qt::Alignment right_edge = Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter;
constexpr Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignVCenter;

// A formula that only restates its amount (a grid amount, a kept value) adds nothing to the
// table above it, and the page has room for the others only.
bool restates_amount(const pay::FieldExplanation& explanation) {
    return std::all_of(explanation.terms.begin(), explanation.terms.end(), [](const auto& term) {
        return term.operation == pay::TermOperation::first ||
               term.operation == pay::TermOperation::gives;
    });
}

}  // namespace

SlipCaptions slip_captions(const language::Catalogue& catalogue) {
    const auto text = [&catalogue](std::string_view arabic) {
        return catalogue.text(print_context, arabic);
    };
    SlipCaptions captions{
        .title = qt_text(velnaro::application_title) + QStringLiteral(" — ") + text(title_text),
        .printed = text(printed_caption),
        .rules = text(rules_caption),
        .choices = text(choices_caption),
        .choice_captions = {},
        .yearly = text(yearly_caption),
        .monthly = text(monthly_caption),
        .earnings_heading = language::pay_text(catalogue, pay::earnings_heading),
        .deductions_heading = language::pay_text(catalogue, pay::deductions_heading),
        .bracket = text(bracket_caption),
        .formulas = text(formulas_caption),
        .direction =
            language::is_right_to_left(catalogue.language()) ? Qt::RightToLeft : Qt::LeftToRight,
    };
    for (std::size_t i = 0; i < captions.choice_captions.size(); ++i) {
        captions.choice_captions[i] = language::pay_text(catalogue, pay::choice_captions[i]);
    }
    return captions;
}

QString tax_bracket_text(const std::optional<pay::BracketReached>& bracket,
                         const std::string& separator, const language::Catalogue& catalogue) {
    const auto text = [&catalogue](std::string_view arabic) {
        return catalogue.text(print_context, arabic);
    };
    if (!bracket) {
        return text(no_bracket_words);
    }
    const QString lower = qt_text(pay::format_amount(bracket->lower, separator));
    if (!bracket->upper) {
        return text(above_words) + QLatin1Char(' ') + lower;
    }
    const QString upper = qt_text(pay::format_amount(*bracket->upper, separator));
    // The lowest bracket starts at its bound itself; the others just above theirs.
    const QString start = text(bracket->lowest() ? from_words : above_words);
    return start + QLatin1Char(' ') + lower + QLatin1Char(' ') + text(to_words) + QLatin1Char(' ') +
           upper;
}

namespace {

class PageBuilder {
  public:
    void text(const QRectF& place, const QString& text, qreal points, bool bold,
              Qt::LayoutDirection direction, Qt::Alignment alignment, bool kept = true) {
        // Drawn smaller only when it is wider than its box: the largest amounts a rules file
        // allows, which would otherwise run into the next column.
        const bool fits = width_mm(text, points, bold) <= place.width();
        const qreal fitted =
            fits ? points : fitted_points(text, points, bold, place.width(), smallest_points);
        page_.texts.push_back({place, text, fitted, bold, direction, alignment, kept});
    }

    // A name or an id from a file, right to left from `right`: shown safely, in its box, and
    // not kept by the painter, since no other page has it.
    void value(qreal right, qreal y, qreal width, const QString& value, ValueReading reading,
               qreal points, bool bold) {
        const bool left_to_right = reading == ValueReading::left_to_right;
        this->text({right - width, y, width, row_mm},
                   shown_value(value, reading, window_font(points, bold), width), points, bold,
                   left_to_right ? Qt::LeftToRight : Qt::RightToLeft, right_edge, false);
    }

    explicit PageBuilder(const QHash<QString, QString>& second_language)
        : second_language_(second_language) {}

    // Right to left from `right`: an Arabic caption, then values left of it. On a bilingual
    // page the caption in the second language follows under it, smaller, left to right.
    void caption(qreal right, qreal y, qreal width, const QString& text, qreal points, bool bold) {
        const auto second = second_language_.constFind(text);
        if (second == second_language_.constEnd()) {
            this->text({right - width, y, width, row_mm}, text, points, bold, Qt::RightToLeft,
                       right_edge);
            return;
        }
        constexpr qreal first_part = 0.58;
        this->text({right - width, y - 0.4, width, row_mm * first_part}, text, points * 0.9, bold,
                   Qt::RightToLeft, right_edge);
        this->text({right - width, y + row_mm * first_part - 0.6, width, row_mm * (1 - first_part)},
                   *second, points * 0.62, bold, Qt::LeftToRight, right_edge);
    }

    // A centred heading, and on a bilingual page its second language beside it.
    void heading(const QRectF& place, const QString& text, qreal points) {
        const auto second = second_language_.constFind(text);
        const QString shown =
            second == second_language_.constEnd()
                ? text
                : text + QStringLiteral(" \u2014 ") + QChar(0x2066) + *second + QChar(0x2069);
        this->text(place, shown, points, true, Qt::RightToLeft, centred);
    }

    void number(qreal right, qreal y, qreal width, const QString& text, qreal points, bool bold) {
        this->text({right - width, y, width, row_mm}, text, points, bold, Qt::LeftToRight,
                   right_edge);
    }

    void rule(qreal x1, qreal y1, qreal x2, qreal y2) { page_.rules.emplace_back(x1, y1, x2, y2); }

    // A row of amounts: label, shown text and twelfth, from the column's right edge.
    void amount_row(qreal right, qreal y, const SlipAmount& amount, bool bold) {
        caption(right, y, label_mm, amount.label, text_points, bold);
        number(right - label_mm, y, amount_mm, amount.text, text_points, bold);
        number(right - label_mm - amount_mm, y, monthly_mm, amount.monthly, text_points, bold);
    }

    void column(qreal right, qreal y, std::span<const std::optional<SlipField>> rows,
                const QString& heading, const SlipContent& content) {
        bool first = true;
        for (const std::optional<SlipField>& row : rows) {
            if (row) {
                amount_row(right, y, content.amounts[static_cast<std::size_t>(*row)], first);
            } else {
                this->heading({right - column_mm, y, column_mm, row_mm}, heading, text_points);
            }
            first = false;
            y += row_mm;
        }
    }

    // The page read from the left: every box mirrored across the sheet, every caption read left
    // to right from its box's left edge. Numbers and names keep their direction and alignment.
    void mirror() {
        for (PageText& text : page_.texts) {
            text.place.moveLeft(::print::width_mm - text.place.right());
            if (text.direction == Qt::RightToLeft) {
                text.direction = Qt::LeftToRight;
                if (text.alignment.testFlag(Qt::AlignRight)) {
                    text.alignment = (text.alignment & ~Qt::AlignRight) | Qt::AlignLeft;
                }
            }
        }
        for (QLineF& rule : page_.rules) {
            rule = QLineF(::print::width_mm - rule.x1(), rule.y1(), ::print::width_mm - rule.x2(),
                          rule.y2());
        }
    }

    PageLayout take() { return std::move(page_); }

  private:
    // A page has texts in a few sizes: their metrics are made once a page.
    qreal width_mm(const QString& text, qreal points, bool bold) {
        const auto key = std::pair{points, bold};
        auto found = metrics_.find(key);
        if (found == metrics_.end()) {
            found = metrics_.emplace(key, page_metrics(window_font(points, bold))).first;
        }
        return found->second.horizontalAdvance(text) / slip_pdf_dpi * 25.4;
    }

    const QHash<QString, QString>& second_language_;
    PageLayout page_;
    std::map<std::pair<qreal, bool>, QFontMetricsF> metrics_;
};

}  // namespace

namespace {

QString printed_time(const SlipContent& content) {
    return content.printed_at.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

// A text as the lines it is drawn on within `width_mm`: one line where it fits, at `points` or
// smaller down to `smallest`; else wrapped at `points`.
QStringList lines_within(const QString& text, qreal points, qreal smallest, qreal width_mm) {
    const qreal fitted = fitted_points(text, points, false, width_mm, smallest);
    if (page_width_mm(text, window_font(fitted)) <= width_mm) {
        return {text};
    }
    return wrapped_lines(text, window_font(points), width_mm);
}

// The rule set's title, isolated, as the lines it is drawn on; each line isolated on its own.
QStringList rule_set_lines(const QString& title, qreal width_mm) {
    QStringList lines = lines_within(title, text_points, smallest_title_points, width_mm);
    if (lines.size() == 1) {
        return lines;
    }
    QString bare = title;
    if (bare.startsWith(QChar(0x2068)) && bare.endsWith(QChar(0x2069))) {
        bare = bare.mid(1, bare.size() - 2);
    }
    QStringList isolated_lines;
    for (const QString& line : wrapped_lines(bare, window_font(text_points), width_mm)) {
        isolated_lines.push_back(isolated(line));
    }
    return isolated_lines;
}

}  // namespace

SlipContent slip_content(const pay::PaySession& session, const pay::PayInputs& choices,
                         const QString& decimal_separator, const QDateTime& printed_at,
                         const language::Catalogue& catalogue) {
    const std::string separator = decimal_separator.toStdString();
    const pay::SlipView view = pay::view_slip(session, pay::ViewDetail::explained);
    SlipContent content;
    content.captions = slip_captions(catalogue);
    content.printed_at = printed_at;
    content.rule_set = isolated_rule_set_title(*view.rules);
    for (const pay::Choice choice : pay::all_choices) {
        content.choices[static_cast<std::size_t>(choice)] =
            language::pay_text(catalogue, pay::choice_text(choices, choice));
    }
    const std::vector<wording::Explanation> explanations = wording::explain_slip(view, separator);
    for (const pay::FieldView& field : view.fields) {
        SlipAmount& amount = content.amounts[static_cast<std::size_t>(field.field)];
        amount.label = language::pay_text(catalogue, pay::field_title(field.field));
        amount.text = qt_text(field.text);
        amount.monthly = qt_text(field.monthly_text);
        const std::string& formula = explanations[static_cast<std::size_t>(field.field)].formula;
        if (!formula.empty() && !restates_amount(field.explanation)) {
            content.formulas.push_back({field.field, qt_text(formula)});
        }
    }
    content.bracket = tax_bracket_text(view.bracket, separator, catalogue);
    return content;
}

void pair_languages(SlipContent& content, const SlipContent& second) {
    const auto pair = [&content](const QString& first, const QString& other) {
        if (!first.isEmpty() && first != other) {
            content.second_language.insert(first, other);
        }
    };
    const SlipCaptions& a = content.captions;
    const SlipCaptions& b = second.captions;
    for (const auto& [first, other] : {std::pair{&a.title, &b.title},
                                       {&a.printed, &b.printed},
                                       {&a.rules, &b.rules},
                                       {&a.choices, &b.choices},
                                       {&a.yearly, &b.yearly},
                                       {&a.monthly, &b.monthly},
                                       {&a.earnings_heading, &b.earnings_heading},
                                       {&a.deductions_heading, &b.deductions_heading},
                                       {&a.bracket, &b.bracket},
                                       {&a.formulas, &b.formulas}}) {
        pair(*first, *other);
    }
    for (std::size_t i = 0; i < a.choice_captions.size(); ++i) {
        pair(a.choice_captions[i], b.choice_captions[i]);
        pair(content.choices[i], second.choices[i]);
    }
    for (std::size_t i = 0; i < content.amounts.size(); ++i) {
        pair(content.amounts[i].label, second.amounts[i].label);
    }
    pair(content.bracket, second.bracket);
    for (std::size_t i = 0; i < content.headings.size() && i < second.headings.size(); ++i) {
        pair(content.headings[i].caption, second.headings[i].caption);
    }
}

QString slip_as_text(const SlipContent& content) {
    // What the page says above its amounts, as caption and value: when, under which rules and
    // for which choices the slip was computed; then a blank line.
    const auto line = [](const QString& caption, const QString& value) {
        return caption + QLatin1Char('\t') + value + QLatin1Char('\n');
    };
    const SlipCaptions& captions = content.captions;
    QString text = line(captions.printed, printed_time(content));
    text += line(captions.rules, content.rule_set);
    text += captions.choices + QLatin1Char('\n');
    for (std::size_t i = 0; i < content.choices.size(); ++i) {
        text += line(
            QString::fromStdString(pay::caption_title(captions.choice_captions[i].toStdString())),
            content.choices[i]);
    }
    text += QLatin1Char('\n');
    for (const pay::SlipFieldInfo& info : pay::slip_fields) {
        const SlipAmount& amount = content.amounts[static_cast<std::size_t>(info.field)];
        text += amount.label + QLatin1Char('\t') + amount.text + QLatin1Char('\n');
    }
    return text;
}

PageLayout lay_out_slip_page(const SlipContent& content) {
    const SlipCaptions& captions = content.captions;
    PageBuilder page(content.second_language);
    const qreal right = width_mm;
    qreal y = 0;

    page.heading({0, y, width_mm, 9}, captions.title, title_points);
    y += 11;
    page.caption(right, y, 30, captions.printed, text_points, false);
    page.number(right - 30, y, 40, printed_time(content), text_points, false);
    // Beside the date, in the left column: the rules the amounts were computed with, so that a
    // slip of another year's rules says so.
    page.caption(column_mm, y, 30, captions.rules, text_points, false);
    const QStringList rule_set = rule_set_lines(content.rule_set, column_mm - 30);
    for (const QString& line : rule_set) {
        page.caption(column_mm - 30, y, column_mm - 30, line, text_points, false);
        y += row_mm;
    }
    y -= row_mm;
    for (const SlipHeading& heading : content.headings) {
        y += row_mm;
        page.caption(right, y, 30, heading.caption, text_points, true);
        page.value(right - 30, y, width_mm - 30, heading.value, heading.reading, text_points, true);
    }
    y += row_mm + 2;

    page.caption(right, y, width_mm, captions.choices, text_points, true);
    y += row_mm;
    // Four choices in the right column, three in the left one.
    constexpr std::size_t right_choices = 4;
    for (std::size_t i = 0; i < content.choices.size(); ++i) {
        const qreal column_right = i < right_choices ? right : column_mm;
        const qreal row_y = y + static_cast<qreal>(i % right_choices) * row_mm;
        page.caption(column_right, row_y, choice_label_mm, captions.choice_captions[i], text_points,
                     false);
        page.caption(column_right - choice_label_mm, row_y, column_mm - choice_label_mm,
                     content.choices[i], text_points, true);
    }
    y += static_cast<qreal>(right_choices) * row_mm + 3;

    const qreal table_top = y;
    for (const qreal column_right : {right, column_mm}) {
        page.caption(column_right - label_mm, y, amount_mm, captions.yearly, small_points, false);
        page.caption(column_right - label_mm - amount_mm, y, monthly_mm, captions.monthly,
                     small_points, false);
    }
    y += row_mm;
    page.column(right, y, earnings_column, captions.earnings_heading, content);
    page.column(column_mm, y, deductions_column, captions.deductions_heading, content);
    y += static_cast<qreal>(earnings_column.size()) * row_mm;
    page.rule(right_column_x - column_gap_mm / 2, table_top, right_column_x - column_gap_mm / 2, y);
    y += 2;
    // The window's three boxes, under the columns.
    for (const SlipField field : box_fields) {
        SlipAmount amount = content.amounts[static_cast<std::size_t>(field)];
        if (amount.monthly.isEmpty()) {
            amount.monthly = qt_text(no_share);
        }
        page.amount_row(right, y, amount, true);
        y += row_mm;
    }

    // The rate first, then its bounds, as the sentence reads.
    page.caption(right, y, label_mm, captions.bracket, text_points, false);
    page.number(right - label_mm, y, amount_mm,
                content.amounts[static_cast<std::size_t>(SlipField::tax_rate_label)].text,
                text_points, false);
    // Read from the left, the bounds follow the rate, which keeps to its box's right edge.
    const qreal after_rate = captions.direction == Qt::LeftToRight ? 2 : 0;
    page.caption(right - label_mm - amount_mm - after_rate, y,
                 width_mm - label_mm - amount_mm - after_rate, content.bracket, text_points, false);
    y += row_mm + 2;

    page.rule(0, y, width_mm, y);
    y += 1.5;
    page.caption(right, y, width_mm, captions.formulas, text_points, true);
    y += row_mm;
    // Each formula line reads left to right, as the explanation writes it, beside the label of
    // its amount on its first line; a line too wide for the page goes on over the next.
    constexpr qreal line_mm = width_mm - formula_label_mm - 2;
    struct FormulaRow {
        const QString* label;
        QString text;
    };
    std::vector<FormulaRow> rows;
    for (const SlipFormula& formula : content.formulas) {
        const QString* label = &content.amounts[static_cast<std::size_t>(formula.field)].label;
        for (const QString& line : formula.formula.split(QLatin1Char('\n'))) {
            for (QString& piece :
                 lines_within(line, formula_points, smallest_formula_points, line_mm)) {
                rows.push_back({label, std::move(piece)});
                label = nullptr;
            }
        }
    }
    // The formulas of the largest amounts take more lines than the sheet has left at the usual
    // spacing: their rows, and their letters with them, are then closer together.
    const qreal room = height_mm - y;
    const qreal formula_row =
        std::min(formula_row_mm, room / std::max<qreal>(1, static_cast<qreal>(rows.size())));
    const qreal points = formula_points * formula_row / formula_row_mm;
    for (const FormulaRow& row : rows) {
        if (row.label != nullptr) {
            page.text({right - formula_label_mm, y, formula_label_mm, formula_row}, *row.label,
                      points, false, Qt::RightToLeft, right_edge);
        }
        page.text({0, y, line_mm, formula_row}, row.text, points, false, Qt::LeftToRight,
                  right_edge);
        y += formula_row;
    }
    if (captions.direction == Qt::LeftToRight) {
        page.mirror();
    }
    return page.take();
}

void set_slip_page_layout(QPagedPaintDevice& device) {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(margin_mm, margin_mm, margin_mm, margin_mm),
                                     QPageLayout::Millimeter));
}

PagePainter::Shaped PagePainter::shaped(const PageText& text, const QPaintDevice& device,
                                        qreal per_mm) {
    QTextLayout layout(text.text, window_font(text.points, text.bold), &device);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    option.setTextDirection(text.direction);
    option.setAlignment(text.alignment & Qt::AlignHorizontal_Mask);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(text.place.width() * per_mm);
    layout.endLayout();
    // Centred in the box's height, as drawText places a line.
    line.setPosition(QPointF(0, (text.place.height() * per_mm - line.height()) / 2));
    return layout.glyphRuns();
}

const PagePainter::Shaped& PagePainter::kept_shaped(const PageText& text,
                                                    const QPaintDevice& device, qreal per_mm) {
    // Every text that differs in words, size, weight, direction or box is shaped on its own.
    QString key = text.text;
    key += QChar(0);
    key += QString::number(text.points) + QLatin1Char(text.bold ? 'b' : 'r') +
           QString::number(static_cast<int>(text.direction)) + QLatin1Char('/') +
           QString::number(text.alignment.toInt()) + QLatin1Char('/') +
           QString::number(text.place.width()) + QLatin1Char('x') +
           QString::number(text.place.height());
    if (const auto found = shaped_.constFind(key); found != shaped_.constEnd()) {
        return *found;
    }
    // Amounts differ from slip to slip: start afresh rather than grow without end.
    constexpr qsizetype kept_texts = 4096;
    if (shaped_.size() >= kept_texts) {
        shaped_.clear();
    }
    return *shaped_.insert(key, shaped(text, device, per_mm));
}

void PagePainter::paint(QPainter& painter, const QPagedPaintDevice& device,
                        const PageLayout& page) {
    // Glyphs shaped for another resolution would be placed wrongly.
    if (device.logicalDpiX() != dpi_) {
        shaped_.clear();
        dpi_ = device.logicalDpiX();
    }
    const qreal per_mm = device.logicalDpiX() / 25.4;
    painter.setPen(QPen(Qt::black, 0.2 * per_mm));
    for (const QLineF& rule : page.rules) {
        painter.drawLine(QLineF(rule.p1() * per_mm, rule.p2() * per_mm));
    }
    for (const PageText& text : page.texts) {
        if (text.text.isEmpty()) {
            continue;
        }
        const QPointF corner = text.place.topLeft() * per_mm;
        const Shaped& runs =
            text.kept ? kept_shaped(text, device, per_mm) : shaped(text, device, per_mm);
        for (const QGlyphRun& run : runs) {
            painter.drawGlyphRun(corner, run);
        }
    }
}

void paint_page(QPainter& painter, const QPagedPaintDevice& device, const PageLayout& page) {
    PagePainter().paint(painter, device, page);
}

}  // namespace print
