#include "ui/form_controls.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QToolButton>
#include <algorithm>

#include "print/fonts.h"
#include "print/qt_text.h"
#include "ui/accessible_names.h"
#include "ui/choice_list.h"
#include "ui/field_fitting.h"
#include "ui/form_style.h"

namespace ui {

using print::qt_text;
using print::window_font;

namespace {

// No button is the window's default one, so a focused button takes Enter itself.
class PressOnEnter : public QObject {
  public:
    explicit PressOnEnter(QAbstractButton& button) : QObject(&button), button_(button) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &button_ && event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            // The keypad's Enter comes with the keypad modifier; it presses as Return does.
            const Qt::KeyboardModifiers others = key->modifiers() & ~Qt::KeypadModifier;
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                others == Qt::NoModifier) {
                button_.click();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QAbstractButton& button_;
};

}  // namespace

QLabel* add_label(QWidget& form, std::string_view name, const QRect& place,
                  std::string_view caption, const LabelStyle& style) {
    auto* label = new QLabel(qt_text(caption), &form);
    label->setObjectName(qt_text(name));
    label->setGeometry(place);
    label->setTextFormat(Qt::PlainText);
    // A screen reader reads the words, not the stretching of the drawn caption.
    label->setAccessibleName(spoken_text(qt_text(caption)));
    label->setAlignment(style.alignment);
    label->setFont(window_font(style.points, style.bold));
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, QColor(style.ground));
    palette.setColor(QPalette::WindowText, QColor(colours::label_text));
    label->setPalette(palette);
    // Mixed captions ("مؤسسة Orsanne") read right only in a right-to-left paragraph.
    label->setLayoutDirection(Qt::RightToLeft);
    if (!caption.empty()) {
        place_caption_by_ink(*label, place.height());
    }
    return label;
}

void place_caption_by_ink(QLabel& label, int room) {
    // The substitute fonts reach further above and below the line than the font the form was
    // drawn for, so the font's line box says little: the caption's real ink, dots below the
    // letters included, is centred in the room, and drawn smaller only when it is taller.
    constexpr qreal step = 0.25;
    constexpr qreal smallest = 8;
    QFont font = label.font();
    QRectF ink = QFontMetricsF(font).tightBoundingRect(label.text());
    if (ink.height() > room - 1) {
        // Smaller until a pixel of ground shows above and below the ink.
        while (ink.height() > room - 2 && font.pointSizeF() - step >= smallest) {
            font.setPointSizeF(font.pointSizeF() - step);
            ink = QFontMetricsF(font).tightBoundingRect(label.text());
        }
    }
    label.setFont(font);
    // A bottom-aligned line puts its baseline one descent above the bottom of the contents.
    const qreal baseline = (room - ink.height()) / 2 - ink.top();
    const qreal below = label.height() - baseline - QFontMetricsF(font).descent();
    label.setAlignment((label.alignment() & Qt::AlignHorizontal_Mask) | Qt::AlignAbsolute |
                       Qt::AlignBottom);
    label.setContentsMargins(0, 0, 0, std::max(0, qRound(below)));
}

QLineEdit* add_result_field(QWidget& form, pay::SlipField field, const QRect& place, qreal points) {
    const pay::SlipFieldInfo& info = pay::field_info(field);
    auto* text = new QLineEdit(&form);
    // A typed amount would be carried into the next computation; the field can still take the
    // focus, to be selected and copied. Read-only before it holds a text, so that a screen reader
    // meets it as read-only text from the start.
    text->setReadOnly(true);
    text->setText(qt_text(info.start_text));
    text->setObjectName(qt_text(info.control));
    text->setGeometry(place);
    text->setFont(window_font(points));
    text->setAlignment(Qt::AlignCenter);
    text->setAccessibleName(qt_text(pay::field_title(field)));
    fit_text_to_field(*text);
    return text;
}

QComboBox* add_list(QWidget& form, std::string_view name, const QRect& place,
                    std::span<const std::string_view> items, const QString& label) {
    QComboBox* list = make_choice_list(items, window_font(points::list, true), &form);
    list->setObjectName(qt_text(name));
    list->setGeometry(place);
    list->setLayoutDirection(Qt::RightToLeft);
    // At the right edge, digits as well as words.
    list->lineEdit()->setAlignment(Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter);
    list->setAccessibleName(spoken_text(label));
    return list;
}

QToolButton* add_picture_button(QWidget& form, std::string_view name, const QRect& place,
                                std::string_view caption, const QPixmap& picture) {
    auto* button = new QToolButton(&form);
    button->setObjectName(qt_text(name));
    button->setGeometry(place);
    button->setText(qt_text(caption));
    button->setAccessibleName(spoken_text(qt_text(caption)));
    button->setIcon(QIcon(picture));
    button->setIconSize(picture.size());
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setFont(window_font(points::caption));
    button->setFocusPolicy(Qt::StrongFocus);
    press_on_enter(*button);
    return button;
}

void set_flat_ground(QToolButton& button, const QColor& ground) {
    // The style's shading would lighten the ground.
    const QString edge = ground.darker(170).name();
    button.setStyleSheet(
        QStringLiteral("QToolButton { background-color: %1; border: 1px solid %2; }"
                       "QToolButton:focus { border: 2px solid %2; }"
                       "QToolButton:pressed { background-color: %3; }")
            .arg(ground.name(), edge, ground.darker(115).name()));
}

void press_on_enter(QAbstractButton& button) {
    button.installEventFilter(new PressOnEnter(button));
}

}  // namespace ui
