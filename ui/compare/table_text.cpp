#include "ui/compare/table_text.h"

#include <QAbstractItemModel>
#include <QStringList>
#include <algorithm>

namespace ui {

QString table_rows_text(const QAbstractItemModel& model, QList<int> rows) {
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    QStringList lines;
    QStringList cells;
    for (int column = 0; column < model.columnCount(); ++column) {
        // A caption shown on two lines is copied on one.
        cells << model.headerData(column, Qt::Horizontal, Qt::DisplayRole)
                     .toString()
                     .replace(QLatin1Char('\n'), QLatin1Char(' '));
    }
    lines << cells.join(QLatin1Char('\t'));
    for (const int row : rows) {
        if (row < 0 || row >= model.rowCount()) {
            continue;
        }
        cells.clear();
        for (int column = 0; column < model.columnCount(); ++column) {
            cells << model.index(row, column).data(Qt::DisplayRole).toString();
        }
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

}  // namespace ui
