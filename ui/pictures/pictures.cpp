#include "ui/pictures/pictures.h"

#include "ui/pictures/about_picture.h"
#include "ui/pictures/button_pictures.h"
#include "ui/pictures/explanation_pictures.h"
#include "ui/pictures/picture_painter.h"

namespace ui::pictures {

PictureDescription describe(Picture picture, const pay::PayRules& rules) {
    switch (picture) {
        case Picture::residence_allowance:
            return residence_allowance_picture(rules);
        case Picture::saharan_provinces:
            return saharan_provinces_picture(rules);
        case Picture::family_allowances:
            return family_allowances_picture(rules);
        case Picture::tax_exemption:
            return tax_exemption_picture(rules);
        case Picture::about:
            return about_picture(rules);
        case Picture::ok_button:
            return ok_button_description();
        case Picture::about_button:
            return about_button_description();
    }
    Q_UNREACHABLE();
}

QImage picture_image(Picture picture, const pay::PayRules& rules) {
    return paint_picture(describe(picture, rules));
}

QString picture_file_name(Picture picture) {
    switch (picture) {
        case Picture::residence_allowance:
            return QStringLiteral("residence_allowance.png");
        case Picture::saharan_provinces:
            return QStringLiteral("saharan_provinces.png");
        case Picture::family_allowances:
            return QStringLiteral("family_allowances.png");
        case Picture::tax_exemption:
            return QStringLiteral("tax_exemption.png");
        case Picture::about:
            return QStringLiteral("about.png");
        case Picture::ok_button:
            return QStringLiteral("ok_button.png");
        case Picture::about_button:
            return QStringLiteral("about_button.png");
    }
    Q_UNREACHABLE();
}

}  // namespace ui::pictures
