#pragma once

#include <QImage>
#include <QString>

#include <array>

#include "pay/rules.h"
#include "ui/pictures/picture_description.h"

namespace ui::pictures {

/// The program's seven pictures.
enum class Picture {
    residence_allowance,
    saharan_provinces,
    family_allowances,
    tax_exemption,
    about,
    ok_button,
    about_button,
};

inline constexpr std::array all_pictures{Picture::residence_allowance,
                                         Picture::saharan_provinces,
                                         Picture::family_allowances,
                                         Picture::tax_exemption,
                                         Picture::about,
                                         Picture::ok_button,
                                         Picture::about_button};

/// What a picture shows, laid out, with the amounts of `rules`.
PictureDescription describe(Picture picture, const pay::PayRules& rules);

/// The picture painted, 24-bit.
QImage picture_image(Picture picture, const pay::PayRules& rules);

/// A file name for the picture, e.g. "residence_allowance.png".
QString picture_file_name(Picture picture);

}  // namespace ui::pictures
