#pragma once

#include <QList>
#include <QString>

class QAbstractItemModel;

namespace ui {

/// A table's header and the given rows as their cells show them, cells separated by tabs, one
/// line each, the rows in order and each once: what Ctrl+C copies from a comparison table.
QString table_rows_text(const QAbstractItemModel& model, QList<int> rows);

}  // namespace ui
