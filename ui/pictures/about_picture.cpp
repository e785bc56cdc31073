#include "ui/pictures/about_picture.h"

#include <velnaro/project.h>
#include <QFontMetricsF>

#include "print/bidi_text.h"
#include "print/qt_text.h"
#include "print/rule_set_text.h"
#include "ui/pictures/picture_painter.h"

namespace ui::pictures {

namespace {

constexpr QColor frame_top{0, 110, 50};
constexpr QColor frame_bottom{0, 170, 80};
constexpr QColor panel_top{255, 252, 238};
constexpr QColor panel_bottom{246, 236, 200};
constexpr QColor gold{190, 150, 40};
constexpr QColor title_green{0, 100, 40};
constexpr QColor ink{30, 30, 30};
constexpr QColor ribbon{255, 214, 120};

Text centred(QRectF rect, QString text, int pixel_size, bool bold = false, QColor colour = ink) {
    return Text{.rect = rect,
                .text = std::move(text),
                .pixel_size = pixel_size,
                .bold = bold,
                .colour = colour,
                .alignment = Qt::AlignCenter};
}

// The rule set's line: a long name is drawn smaller, down to a size still read with ease; the
// longest a rules file may hold goes on over two lines, smaller still; only a name longer than
// any rules file holds is shortened in its middle, rather than drawn over the lines below it.
Text rule_set_line(QRectF rect, const pay::PayRules& rules) {
    constexpr int largest = 14;
    constexpr int smallest = 10;
    constexpr int smallest_of_two_lines = 7;
    const QString words = print::qt_text(print::rules_caption) + QStringLiteral(": ") +
                          print::isolated_rule_set_title(rules);
    // An Arabic caption, the title isolated within it: the line reads right to left.
    Text line = centred(rect, words, largest, true, title_green);
    const auto fits = [&] { return line.rect.contains(text_extent(line)); };
    while (!fits() && line.pixel_size > smallest) {
        --line.pixel_size;
    }
    if (!fits()) {
        // Two lines take a little of the gaps above and below.
        line.rect = rect.adjusted(0, -2, 0, 4);
        line.break_anywhere = true;
        while (!fits() && line.pixel_size > smallest_of_two_lines) {
            --line.pixel_size;
        }
    }
    if (!fits()) {
        line.rect = rect;
        line.break_anywhere = false;
        line.pixel_size = smallest;
        line.text =
            QFontMetricsF(picture_font(line)).elidedText(words, Qt::ElideMiddle, rect.width());
    }
    return line;
}

}  // namespace

PictureDescription about_picture(const pay::PayRules& rules) {
    // As large as the window shows it: 393 x 317.
    PictureDescription picture{.size = {393, 317}, .ground = frame_top};
    constexpr QRectF panel{12, 12, 369, 291};
    constexpr qreal inner_left = panel.left() + 14;
    constexpr qreal inner_width = panel.width() - 28;

    picture.add(Shape{.rect = {0, 0, 393, 317}, .fill = frame_top, .fill_to = frame_bottom});
    picture.add(Shape{.kind = Shape::Kind::rounded_rectangle,
                      .rect = panel,
                      .fill = panel_top,
                      .fill_to = panel_bottom,
                      .outline = gold,
                      .outline_width = 2.5,
                      .radius = 12});

    Text title = centred({inner_left, 16, inner_width, 58}, QStringLiteral("Velnaro"), 42, true,
                         title_green);
    title.direction = Qt::LeftToRight;
    picture.add(title);
    picture.add(centred({inner_left, 72, inner_width, 26},
                        QStringLiteral("حاسبة الأجرة السنوية والشهرية للموظفين"), 16));
    picture.add(Shape{
        .kind = Shape::Kind::line,
        .rect = QRectF(QPointF(inner_left + 40, 105), QPointF(inner_left + inner_width - 40, 105)),
        .outline = gold,
        .outline_width = 1.5});
    picture.add(
        centred({inner_left, 111, inner_width, 28},
                QStringLiteral("نسخة سطح المكتب، الإصدار ") + QString::fromLatin1(velnaro::version),
                17, true));
    // The rule set the amounts come from.
    constexpr QRectF rule_set_place{inner_left, 139, inner_width, 24};
    const Text rule_set = rule_set_line(rule_set_place, rules);
    picture.add(rule_set);
    // The lines below make way for a rule set line of two lines, into the gap above the strip.
    const qreal below = rule_set.rect.bottom() - rule_set_place.bottom();
    picture.add(centred({inner_left, 165 + below, inner_width, 24},
                        QStringLiteral("من إنجاز المساهمين في مشروع Velnaro"), 15));
    picture.add(centred({inner_left, 190 + below, inner_width, 24},
                        QStringLiteral("للتواصل: مستودع الشيفرة المصدرية للمشروع"), 14));
    picture.add(centred({inner_left, 213 + below, inner_width, 24},
                        QStringLiteral("(انظر ملف التعريف في المستودع)"), 14));
    const QRectF strip{inner_left + 20, 244, inner_width - 40, 40};
    picture.add(Shape{.kind = Shape::Kind::rounded_rectangle,
                      .rect = strip,
                      .fill = ribbon,
                      .outline = gold,
                      .radius = 8});
    picture.add(centred(strip, QStringLiteral("لا يزال البرنامج قيد التطوير"), 16, true));
    return picture;
}

}  // namespace ui::pictures
