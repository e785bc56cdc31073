#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <vector>

#include "pay/comparison.h"

namespace ui {

/// One comparison table, read-only: the changed choice (for scales, the scale and the rank), the
/// earnings and deductions totals, the income tax, the annual and monthly pay, then the signed
/// differences of the monthly and annual pay from the user's own row. The user's own row is
/// highlighted, in bold, and named in its tooltip, its cells' descriptions and its row header
/// (which the window hides); positive differences are green, negative ones red. Amounts are
/// right-aligned in fixed-width figures.
class ComparisonModel : public QAbstractTableModel {
  public:
    /// The kinds of column, in their order from the reading side.
    enum class Column {
        scale,
        rank,
        zone,
        children,
        dependents,
        gross_total,
        total_deductions,
        income_tax,
        annual_pay,
        monthly_pay,
        monthly_difference,
        annual_difference
    };

    /// What a sorted table orders rows by: the amount of an amount column, the list order of a
    /// choice column.
    static constexpr int sort_role = Qt::UserRole + 1;

    ComparisonModel(pay::Comparison comparison, QString decimal_separator,
                    QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    const pay::Comparison& comparison() const { return comparison_; }
    Column column_kind(int column) const { return columns_.at(static_cast<std::size_t>(column)); }
    bool is_amount(int column) const;

  private:
    QString cell_text(int row, Column column) const;
    QVariant sort_key(int row, Column column) const;

    pay::Comparison comparison_;
    QString separator_;
    std::vector<Column> columns_;
};

/// The caption of a comparison's tab ("حسب الرتبة", ...).
QString axis_caption(pay::CompareAxis axis);

/// The row header of the user's own row.
QString own_row_caption();

}  // namespace ui
