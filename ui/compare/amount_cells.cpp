#include "ui/compare/amount_cells.h"

#include <QFontDatabase>

namespace ui {

QFont amount_font(bool bold) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setBold(bold);
    return font;
}

}  // namespace ui
