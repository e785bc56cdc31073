#include "ui/compare/comparison_model.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <utility>

#include "pay/amount_format.h"
#include "pay/slip_fields.h"
#include "print/qt_text.h"
#include "ui/accessible_names.h"
#include "ui/captions.h"
#include "ui/compare/amount_cells.h"

namespace ui {

using print::qt_text;
namespace {

using Column = ComparisonModel::Column;

constexpr QRgb own_row_background = qRgb(255, 255, 128);
// Dark enough to read on white and on the highlight.
constexpr QRgb gain_colour = qRgb(0, 110, 0);
constexpr QRgb loss_colour = qRgb(180, 0, 0);

std::vector<Column> columns_of(pay::CompareAxis axis) {
    std::vector<Column> columns;
    switch (axis) {
        case pay::CompareAxis::rank:
            columns.push_back(Column::rank);
            break;
        case pay::CompareAxis::scale:
            columns = {Column::scale, Column::rank};
            break;
        case pay::CompareAxis::zone:
            columns.push_back(Column::zone);
            break;
        case pay::CompareAxis::children:
            columns.push_back(Column::children);
            break;
        case pay::CompareAxis::dependents:
            columns.push_back(Column::dependents);
            break;
    }
    for (const Column amount :
         {Column::gross_total, Column::total_deductions, Column::income_tax, Column::annual_pay,
          Column::monthly_pay, Column::monthly_difference, Column::annual_difference}) {
        columns.push_back(amount);
    }
    return columns;
}

QString field_caption(pay::SlipField field) {
    return qt_text(pay::field_title(field));
}

QString column_caption(Column column) {
    switch (column) {
        // The window's captions of these choices, as a screen reader says them.
        case Column::scale:
            return spoken_text(qt_text(choice_caption(pay::Choice::scale)));
        case Column::rank:
            return spoken_text(qt_text(choice_caption(pay::Choice::rank)));
        case Column::zone:
            return spoken_text(qt_text(choice_caption(pay::Choice::zone)));
        case Column::children:
            return QStringLiteral("عدد الأطفال");
        case Column::dependents:
            return QStringLiteral("الأشخاص المتكفل بهم");
        case Column::gross_total:
            return field_caption(pay::SlipField::gross_total);
        case Column::total_deductions:
            return field_caption(pay::SlipField::total_deductions);
        case Column::income_tax:
            return field_caption(pay::SlipField::income_tax);
        case Column::annual_pay:
            return field_caption(pay::SlipField::annual_pay);
        case Column::monthly_pay:
            return field_caption(pay::SlipField::monthly_pay);
        case Column::monthly_difference:
            return QStringLiteral("الفرق في الأجرة الشهرية");
        case Column::annual_difference:
            return QStringLiteral("الفرق في الأجرة السنوية");
    }
    return {};
}

// A caption of three words or more on two lines, split at the space nearest its middle, so that
// a column is as narrow as its amounts rather than its caption.
QString on_two_lines(QString caption) {
    const qsizetype middle = caption.size() / 2;
    const qsizetype before = caption.lastIndexOf(QLatin1Char(' '), middle);
    const qsizetype after = caption.indexOf(QLatin1Char(' '), middle);
    if (caption.count(QLatin1Char(' ')) < 2 || (before < 0 && after < 0)) {
        return caption;
    }
    const qsizetype split =
        before < 0 || (after >= 0 && after - middle < middle - before) ? after : before;
    caption[split] = QLatin1Char('\n');
    return caption;
}

}  // namespace

QString axis_caption(pay::CompareAxis axis) {
    switch (axis) {
        case pay::CompareAxis::rank:
            return QStringLiteral("حسب الرتبة");
        case pay::CompareAxis::scale:
            return QStringLiteral("حسب السلم");
        case pay::CompareAxis::zone:
            return QStringLiteral("حسب المنطقة");
        case pay::CompareAxis::children:
            return QStringLiteral("حسب عدد الأطفال");
        case pay::CompareAxis::dependents:
            return QStringLiteral("حسب الأشخاص المتكفل بهم");
    }
    return {};
}

QString own_row_caption() {
    return QStringLiteral("وضعك الحالي");
}

ComparisonModel::ComparisonModel(pay::Comparison comparison, QString decimal_separator,
                                 QObject* parent)
    : QAbstractTableModel(parent),
      comparison_(std::move(comparison)),
      separator_(std::move(decimal_separator)),
      columns_(columns_of(comparison_.axis)) {}

int ComparisonModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(comparison_.rows.size());
}

int ComparisonModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

bool ComparisonModel::is_amount(int column) const {
    return column_kind(column) >= Column::gross_total;
}

QString ComparisonModel::cell_text(int row, Column column) const {
    const pay::ComparisonRow& each = comparison_.rows.at(static_cast<std::size_t>(row));
    const std::string separator = separator_.toStdString();
    const auto amount = [&](double value) { return qt_text(pay::format_amount(value, separator)); };
    switch (column) {
        case Column::scale:
            return qt_text(each.inputs.scale);
        case Column::rank:
            return qt_text(each.inputs.rank);
        case Column::zone:
            return qt_text(each.inputs.zone);
        case Column::children:
            return qt_text(each.inputs.children);
        case Column::dependents:
            return qt_text(each.inputs.dependents);
        case Column::gross_total:
            return amount(each.slip.gross_total);
        case Column::total_deductions:
            return amount(each.slip.total_deductions);
        case Column::income_tax:
            return amount(each.slip.income_tax);
        case Column::annual_pay:
            return amount(each.slip.annual_pay.value_or(0));
        case Column::monthly_pay:
            return amount(each.slip.monthly_pay.value_or(0));
        case Column::monthly_difference:
            return qt_text(pay::format_difference(each.monthly_difference, separator));
        case Column::annual_difference:
            return qt_text(pay::format_difference(each.annual_difference, separator));
    }
    return {};
}

QVariant ComparisonModel::sort_key(int row, Column column) const {
    const pay::ComparisonRow& each = comparison_.rows.at(static_cast<std::size_t>(row));
    switch (column) {
        case Column::gross_total:
            return each.slip.gross_total;
        case Column::total_deductions:
            return each.slip.total_deductions;
        case Column::income_tax:
            return each.slip.income_tax;
        case Column::annual_pay:
            return each.slip.annual_pay.value_or(0);
        case Column::monthly_pay:
            return each.slip.monthly_pay.value_or(0);
        case Column::monthly_difference:
            return each.monthly_difference;
        case Column::annual_difference:
            return each.annual_difference;
        default:
            // The rows come in list order.
            return row;
    }
}

QVariant ComparisonModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) {
        return {};
    }
    const Column column = column_kind(index.column());
    const bool own = comparison_.current == static_cast<std::size_t>(index.row());
    const pay::ComparisonRow& row = comparison_.rows.at(static_cast<std::size_t>(index.row()));
    switch (role) {
        case Qt::DisplayRole:
            return cell_text(index.row(), column);
        case sort_role:
            return sort_key(index.row(), column);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(is_amount(index.column()) ? amount_alignment
                                                                 : Qt::Alignment(Qt::AlignCenter));
        case Qt::BackgroundRole:
            return own ? QVariant(QBrush(QColor(own_row_background))) : QVariant();
        case Qt::FontRole:
            if (is_amount(index.column())) {
                return amount_font(own);
            }
            if (own) {
                QFont bold;
                bold.setBold(true);
                return bold;
            }
            return {};
        case Qt::ForegroundRole: {
            if (column != Column::monthly_difference && column != Column::annual_difference) {
                return {};
            }
            const double difference = column == Column::monthly_difference ? row.monthly_difference
                                                                           : row.annual_difference;
            if (difference == 0) {
                return {};
            }
            return QBrush(QColor(difference > 0 ? gain_colour : loss_colour));
        }
        case Qt::AccessibleDescriptionRole:
        case Qt::ToolTipRole:
            // The highlight is a colour; a screen reader and the pointer say it in words.
            return own ? own_row_caption() : QVariant();
        default:
            return {};
    }
}

QVariant ComparisonModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    if (orientation == Qt::Horizontal) {
        if (section < 0 || section >= columnCount()) {
            return {};
        }
        const QString caption = column_caption(column_kind(section));
        // A screen reader reads the caption on one line.
        return role == Qt::DisplayRole ? on_two_lines(caption) : caption;
    }
    if (comparison_.current == static_cast<std::size_t>(section)) {
        return own_row_caption();
    }
    return QString::number(section + 1);
}

}  // namespace ui
