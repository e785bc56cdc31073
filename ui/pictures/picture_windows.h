#pragma once

#include <QPixmap>
#include <QRect>
#include <QString>

#include "pay/rules.h"
#include "ui/pictures/pictures.h"

class QWidget;

namespace ui {

/// The five picture windows, by topic.
enum class PictureWindow {
    residence_allowance,  // Form2, opened by Command4
    saharan_provinces,    // Form4, opened by Command5
    family_allowances,    // Form3, opened by Command6
    tax_exemption,        // Form5, opened by Command7
    about,                // Form6, opened by Command2
};

/// Builds the window, its amounts from `rules`, shows it modally over `parent` and drops it once
/// it is closed.
void open_picture_window(PictureWindow which, const pay::PayRules& rules, QWidget* parent);

/// What a window is about, as its title band (or, for the about window, its caption) says.
QString picture_window_topic(PictureWindow which);

/// The picture that a window shows.
pictures::Picture picture_of(PictureWindow which);

/// The part of its picture, drawn from `rules`, that a window shows, in the picture's pixels: the
/// window clips the larger pictures to its picture box and its client area.
QRect visible_picture_area(PictureWindow which, const pay::PayRules& rules);

/// The OK button's picture: a small application window, 37 x 34.
QPixmap ok_button_picture();

/// The about button's picture: a question-mark disc on a green ground, 64 x 36.
QPixmap about_button_picture();

}  // namespace ui
