#include "ui/compare/rules_comparison_model.h"

#include <optional>

#include "pay/pay_session.h"
#include "pay/shown_units.h"
#include "pay/slip_fields.h"
#include "pay/slip_view.h"
#include "print/bidi_text.h"
#include "print/qt_text.h"
#include "print/rule_set_text.h"
#include "ui/compare/amount_cells.h"

namespace ui {

using print::isolated_rule_set_title;
using print::qt_text;

namespace {

using Column = RulesComparisonModel::Column;

constexpr int column_count = static_cast<int>(Column::difference) + 1;

}  // namespace

QString rules_tab_caption() {
    return qt_text(print::rules_caption);
}

RulesComparisonModel::RulesComparisonModel(const pay::PaySession& in_effect,
                                           const pay::PaySession& previous, QObject* parent)
    : QAbstractTableModel(parent),
      // Each title isolated, so that its digits and brackets leave the Arabic words in place.
      in_effect_caption_(QStringLiteral("السارية ") + isolated_rule_set_title(in_effect.rules())),
      previous_caption_(QStringLiteral("السابقة ") + isolated_rule_set_title(previous.rules())),
      description_(
          QStringLiteral("القواعد السارية: ") + isolated_rule_set_title(in_effect.rules()) +
          QStringLiteral("؛ القواعد السابقة: ") + isolated_rule_set_title(previous.rules())) {
    const pay::SlipView now = pay::view_slip(in_effect, pay::ViewDetail::amounts);
    const pay::SlipView before = pay::view_slip(previous, pay::ViewDetail::amounts);
    if (!now.choices || !before.choices) {
        return;
    }
    const char separator = now.decimal_separator.front();
    rows_.reserve(pay::slip_field_count);
    for (const pay::SlipFieldInfo& info : pay::slip_fields) {
        const std::string& shown = now.field(info.field).text;
        const std::string& shown_before = before.field(info.field).text;
        rows_.push_back({.title = qt_text(pay::field_title(info.field)),
                         .in_effect = qt_text(shown),
                         .previous = qt_text(shown_before),
                         .difference = qt_text(
                             pay::field_difference(info.field, shown, shown_before, separator))});
    }
}

int RulesComparisonModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int RulesComparisonModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : column_count;
}

QString RulesComparisonModel::cell_text(const Row& row, Column column) const {
    switch (column) {
        case Column::field:
            return row.title;
        case Column::in_effect:
            return row.in_effect;
        case Column::previous:
            return row.previous;
        case Column::difference:
            return row.difference;
    }
    return {};
}

QString RulesComparisonModel::column_caption(Column column) const {
    switch (column) {
        case Column::field:
            return QStringLiteral("Amount");
        case Column::in_effect:
            return in_effect_caption_;
        case Column::previous:
            return previous_caption_;
        case Column::difference:
            return QStringLiteral("Difference");
    }
    return {};
}

QVariant RulesComparisonModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) {
        return {};
    }
    const auto column = static_cast<Column>(index.column());
    switch (role) {
        case Qt::DisplayRole:
            return cell_text(rows_.at(static_cast<std::size_t>(index.row())), column);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(is_amount(index.column()) ? amount_alignment
                                                                 : Qt::Alignment(Qt::AlignCenter));
        case Qt::FontRole:
            return is_amount(index.column()) ? QVariant(amount_font(false)) : QVariant();
        default:
            return {};
    }
}

QVariant RulesComparisonModel::headerData(int section, Qt::Orientation orientation,
                                          int role) const {
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    if (orientation == Qt::Horizontal) {
        return section >= 0 && section < column_count ? column_caption(static_cast<Column>(section))
                                                      : QVariant();
    }
    return QString::number(section + 1);
}

}  // namespace ui
