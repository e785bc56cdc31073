#pragma once

#include <QColor>
#include <QRect>
#include <QSize>
#include <array>
#include <string_view>

#include "pay/pay_inputs.h"
#include "pay/slip_fields.h"
#include "ui/form_style.h"
#include "ui/pictures/picture_windows.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QWidget;

namespace ui {

/// The client area: 11880 x 8160 twips.
inline constexpr QSize client_size = twips_size(11880, 8160);

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
    /// The rank row's label, buddy of the rank list on screen.
    QLabel* rank_label = nullptr;
};

/// The focus order of the window's controls, by object name.
extern const std::array<std::string_view, 37> focus_order;

/// Builds every panel, label, list, button and result field of the main window on `form`, at
/// its place, in its colours and fonts, stacked and chained in the focus order.
FormControls build_form(QWidget& form);

}  // namespace ui
