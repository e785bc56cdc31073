#pragma once

#include <QColor>
#include <QRect>
#include <span>
#include <string_view>

#include "pay/slip_fields.h"

class QAbstractButton;
class QComboBox;
class QLabel;
class QLineEdit;
class QPixmap;
class QToolButton;
class QWidget;

namespace ui {

/// How a label of the form looks.
struct LabelStyle {
    QRgb ground;
    qreal points;
    bool bold;
    Qt::Alignment alignment;
};

/// A label (or a panel, with no caption): a coloured box with black text that reads from the
/// right.
QLabel* add_label(QWidget& form, std::string_view name, const QRect& place,
                  std::string_view caption, const LabelStyle& style);

/// Places a label's caption by its real ink, centred in the top `room` pixels of the label, at
/// a smaller size when its ink is taller than that room.
void place_caption_by_ink(QLabel& label, int room);

/// The read-only result field of a slip field, with its start text, its text centred.
QLineEdit* add_result_field(QWidget& form, pay::SlipField field, const QRect& place, qreal points);

/// A choice list that reads from the right, named for screen readers by its label's caption.
QComboBox* add_list(QWidget& form, std::string_view name, const QRect& place,
                    std::span<const std::string_view> items, const QString& label);

/// A button with its picture above its caption, in the focus order like any button.
QToolButton* add_picture_button(QWidget& form, std::string_view name, const QRect& place,
                                std::string_view caption, const QPixmap& picture);

/// Draws a button flat in its ground colour.
void set_flat_ground(QToolButton& button, const QColor& ground);

/// Makes Enter press `button` while it has the focus, as Space does.
void press_on_enter(QAbstractButton& button);

}  // namespace ui
