#include "ui/field_fitting.h"

#include <QFontMetricsF>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace ui {

namespace {

// A line edit keeps this many pixels between its contents' edge and its text on each side.
constexpr int line_edit_margin = 2;

// The smallest size a field's text is drawn at; the longest amount a rules file can reach needs
// far less shrinking than this.
constexpr qreal smallest_points = 6;

class FittedText : public QObject {
  public:
    explicit FittedText(QLineEdit& field) : QObject(&field), field_(field), own_(field.font()) {
        connect(&field, &QLineEdit::textChanged, this, &FittedText::fit);
        fit();
    }

  private:
    void fit() {
        const qreal room = text_room(field_);
        QFont font = own_;
        constexpr qreal step = 0.25;
        while (QFontMetricsF(font).horizontalAdvance(field_.text()) > room &&
               font.pointSizeF() - step >= smallest_points) {
            font.setPointSizeF(font.pointSizeF() - step);
        }
        if (font != field_.font()) {
            field_.setFont(font);
        }
    }

    QLineEdit& field_;
    const QFont own_;
};

}  // namespace

int text_room(const QLineEdit& field) {
    QStyleOptionFrame option;
    option.initFrom(&field);
    option.rect = field.contentsRect();
    option.lineWidth =
        field.hasFrame() ? field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &field)
                         : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    const QRect contents =
        field.style()->subElementRect(QStyle::SE_LineEditContents, &option, &field);
    const QMargins margins = field.textMargins();
    return contents.width() - margins.left() - margins.right() - 2 * line_edit_margin;
}

void fit_text_to_field(QLineEdit& field) {
    new FittedText(field);
}

}  // namespace ui
