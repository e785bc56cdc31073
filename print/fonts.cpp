#include "print/fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace print {

void register_font_substitutions() {
    // These draw ASCII digits as ASCII, which the amounts need.
    QFont::insertSubstitutions(QString::fromLatin1(window_family),
                               {QStringLiteral("Noto Sans Arabic UI"),
                                QStringLiteral("Noto Sans Arabic"), QStringLiteral("DejaVu Sans")});
}

namespace {

// Asked once: loading a font engine for every size only to learn its family slows the start.
bool window_family_installed() {
    static const bool installed = QFontDatabase::hasFamily(QString::fromLatin1(window_family));
    return installed;
}

}  // namespace

QFont window_font(qreal point_size, bool bold) {
    QFont font(QString::fromLatin1(window_family));
    font.setPointSizeF(point_size);
    font.setBold(bold);
    if (!window_family_installed()) {
        font.setStretch(substitute_stretch);
    }
    return font;
}

}  // namespace print
