#pragma once

#include <QColor>
#include <QRect>
#include <QSize>
#include <array>
#include <string_view>

#include "pay/pay_inputs.h"
#include "pay/slip_fields.h"
#include "ui/picture_windows.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QToolButton;
class QWidget;

namespace ui {

/// Places are kept in twips of the client area, as the form was drawn; 15 twips make one pixel
/// at 96 dots per inch. Qt's device-pixel ratio scales the pixels on dense screens.
inline constexpr int twips_per_pixel = 15;

constexpr int twips_to_pixels(int twips) {
    return (twips + twips_per_pixel / 2) / twips_per_pixel;
}

/// A place (x, y, width, height) in twips, in pixels.
constexpr QRect twips_rect(int x, int y, int width, int height) {
    return {twips_to_pixels(x), twips_to_pixels(y), twips_to_pixels(width),
            twips_to_pixels(height)};
}

/// The client area: 11880 x 8160 twips.
inline constexpr QSize client_size{twips_to_pixels(11880), twips_to_pixels(8160)};

/// The window's caption.
inline constexpr std::string_view window_caption = "Velnaro  2010";

/// The application title, which the window's messages carry.
inline constexpr std::string_view application_title = "Velnaro";

namespace colours {
inline constexpr QRgb blue = qRgb(0, 0, 255);
inline constexpr QRgb peach = qRgb(255, 224, 192);
inline constexpr QRgb light_green = qRgb(128, 255, 128);
inline constexpr QRgb light_cyan = qRgb(128, 255, 255);
inline constexpr QRgb light_yellow = qRgb(255, 255, 128);
inline constexpr QRgb green = qRgb(0, 192, 0);
inline constexpr QRgb pale_green = qRgb(133, 255, 128);
inline constexpr QRgb label_text = qRgb(0, 0, 0);
}  // namespace colours

/// The seven choice lists; the rank lists in the order of `pay::all_scales`.
struct ChoiceLists {
    QComboBox* scale = nullptr;
    QComboBox* zone = nullptr;
    QComboBox* special_charges = nullptr;
    QComboBox* children = nullptr;
    QComboBox* dependents = nullptr;
    QComboBox* mutual_member = nullptr;
    std::array<QComboBox*, pay::all_scales.size()> rank_lists{};
};

struct ExplanationButton {
    QPushButton* button = nullptr;
    PictureWindow window;
};

/// The controls of the main window that take part in its actions.
struct FormControls {
    ChoiceLists lists;
    /// Indexed by `pay::SlipField`.
    std::array<QLineEdit*, pay::slip_field_count> result_fields{};
    QToolButton* ok_button = nullptr;
    QToolButton* about_button = nullptr;
    std::array<ExplanationButton, 4> explanation_buttons{};
};

/// The focus order of the window's controls, by object name.
extern const std::array<std::string_view, 37> focus_order;

/// Builds every panel, label, list, button and result field of the main window on `form`, at
/// its place, in its colours and fonts, stacked and chained in the focus order.
FormControls build_form(QWidget& form);

}  // namespace ui
