#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <vector>

namespace pay {
class PaySession;
}

namespace ui {

/// The rule sets' table of the comparison window, read-only: the last computed slip under the
/// rules in effect and under the previous rules, a row per shown field in the order of
/// `pay::slip_fields`, each with its title, the two texts as the result field shows them and the
/// difference of the two amounts (in effect less previous, to the cent, signed as the other
/// comparisons sign theirs; none for the rate label). No rows before the first computation.
class RulesComparisonModel : public QAbstractTableModel {
  public:
    /// The kinds of column, in their order from the reading side.
    enum class Column { field, in_effect, previous, difference };

    /// Reads the two sessions' last computations once: `previous` took the same presses as
    /// `in_effect`, with the previous rules.
    RulesComparisonModel(const pay::PaySession& in_effect, const pay::PaySession& previous,
                         QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    bool is_amount(int column) const { return column > static_cast<int>(Column::field); }

    /// "القواعد السارية: 2027 (2027-01-01)؛ القواعد السابقة: 2010 (2010-01-01)", each title
    /// isolated: what a screen reader hears of the table besides its name.
    const QString& description() const { return description_; }

  private:
    struct Row {
        QString title;
        QString in_effect;
        QString previous;
        QString difference;
    };

    QString cell_text(const Row& row, Column column) const;
    QString column_caption(Column column) const;

    std::vector<Row> rows_;
    QString in_effect_caption_;
    QString previous_caption_;
    QString description_;
};

/// The caption of the rule sets' tab.
QString rules_tab_caption();

}  // namespace ui
