#include "ui/fonts.h"

#include <QFontInfo>
#include <QStringList>

namespace ui {

void register_font_substitutions() {
    // These draw ASCII digits as ASCII, which the amounts need.
    QFont::insertSubstitutions(QString::fromLatin1(window_family),
                               {QStringLiteral("Noto Sans Arabic UI"),
                                QStringLiteral("Noto Sans Arabic"), QStringLiteral("DejaVu Sans")});
}

QFont window_font(qreal point_size, bool bold) {
    QFont font(QString::fromLatin1(window_family));
    font.setPointSizeF(point_size);
    font.setBold(bold);
    if (QFontInfo(font).family() != QLatin1String(window_family)) {
        font.setStretch(substitute_stretch);
    }
    return font;
}

}  // namespace ui
