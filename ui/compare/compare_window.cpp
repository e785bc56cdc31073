#include "ui/compare/compare_window.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "pay/explanation.h"
#include "print/qt_text.h"
#include "ui/application.h"
#include "ui/compare/comparison_model.h"

namespace ui {

using print::qt_text;

const std::string_view compare_caption = "مقارنة";
const std::string_view nothing_to_compare_text = pay::nothing_computed_text;
const std::string_view cannot_compare_text =
    "لا تمكن المقارنة: السلم أو الرتبة المكتوبة ليست من عناصر القائمة.";

namespace {

// Amounts and signed differences read from left to right, sign first, inside the right-to-left
// table.
class LeftToRightDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->direction = Qt::LeftToRight;
    }
};

// A read-only table whose Ctrl+C copies whole selected rows with the header.
class ComparisonTable : public QTableView {
  public:
    using QTableView::QTableView;

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->matches(QKeySequence::Copy)) {
            copy_selected_rows();
            event->accept();
            return;
        }
        QTableView::keyPressEvent(event);
    }

  private:
    void copy_selected_rows() const {
        const auto* comparison = static_cast<const ComparisonModel*>(model());
        QList<int> rows;
        for (const QModelIndex& index : selectionModel()->selectedRows()) {
            rows << index.row();
        }
        if (rows.isEmpty() && currentIndex().isValid()) {
            rows << currentIndex().row();
        }
        if (QClipboard* clipboard = QGuiApplication::clipboard()) {
            clipboard->setText(comparison->rows_text(rows));
        }
    }
};

QString note_for(const pay::Comparison& comparison) {
    QStringList notes;
    if (!comparison.left_out.empty()) {
        notes << QStringLiteral("عدد السلالم غير المدرجة لأنها لا تضم رتبة في موضع رتبتك: %1")
                     .arg(comparison.left_out.size());
    }
    if (!comparison.current) {
        notes << QStringLiteral("اختيارك ليس من عناصر القائمة، فالفرق محسوب عن أجرتك كما هي.");
    }
    return notes.join(QLatin1Char('\n'));
}

QTableView* make_table(ComparisonModel* model, QWidget* parent) {
    auto* table = new ComparisonTable(parent);
    model->setParent(table);
    table->setModel(model);
    const pay::CompareAxis axis = model->comparison().axis;
    table->setObjectName(QStringLiteral("comparison_") + qt_text(pay::axis_name(axis)));
    table->setAccessibleName(QStringLiteral("جدول المقارنة ") + axis_caption(axis));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Tab leaves the table for the next control; the arrows move inside it.
    table->setTabKeyNavigation(false);
    table->setWordWrap(false);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    auto* numbers = new LeftToRightDelegate(table);
    for (int column = 0; column < model->columnCount(); ++column) {
        if (model->is_amount(column)) {
            table->setItemDelegateForColumn(column, numbers);
        }
    }
    // The keyboard starts on the user's own row, unselected so that its highlight shows.
    const int own =
        model->comparison().current ? static_cast<int>(*model->comparison().current) : 0;
    if (model->rowCount() > 0) {
        table->selectionModel()->setCurrentIndex(model->index(own, 0),
                                                 QItemSelectionModel::NoUpdate);
    }
    return table;
}

}  // namespace

CompareWindow::CompareWindow(
    const std::array<pay::Comparison, pay::all_compare_axes.size()>& comparisons,
    const QString& decimal_separator, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("CompareWindow"));
    setWindowTitle(qt_text(application_title) + QStringLiteral(" - ") + qt_text(compare_caption));
    setAccessibleName(qt_text(compare_caption));
    setLayoutDirection(Qt::RightToLeft);
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("comparison_tabs"));
    tabs_->setAccessibleName(qt_text(compare_caption));
    layout->addWidget(tabs_);
    for (std::size_t i = 0; i < comparisons.size(); ++i) {
        auto* page = new QWidget(tabs_);
        auto* page_layout = new QVBoxLayout(page);
        tables_[i] = make_table(new ComparisonModel(comparisons[i], decimal_separator), page);
        page_layout->addWidget(tables_[i]);
        if (const QString note = note_for(comparisons[i]); !note.isEmpty()) {
            auto* label = new QLabel(note, page);
            label->setObjectName(QStringLiteral("comparison_note_") +
                                 qt_text(pay::axis_name(comparisons[i].axis)));
            label->setWordWrap(true);
            label->setTextFormat(Qt::PlainText);
            page_layout->addWidget(label);
            tables_[i]->setAccessibleDescription(note);
        }
        const QString caption = axis_caption(comparisons[i].axis);
        tabs_->addTab(page, caption);
        page->setAccessibleName(caption);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* close = buttons->button(QDialogButtonBox::Close);
    close->setText(QStringLiteral("إغلاق"));
    close->setAccessibleName(close->text());
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    resize(980, 460);
    tables_[0]->setFocus(Qt::OtherFocusReason);
}

void CompareWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Wide enough for the widest table, within the screen; each table shown from its start.
    int widest = 0;
    for (QTableView* each : tables_) {
        // The sections are sized to their contents lazily, so ask for the contents' sizes.
        const QAbstractItemView* view = each;
        int width = each->verticalHeader()->sizeHint().width() + 2 * each->frameWidth();
        for (int column = 0; column < each->model()->columnCount(); ++column) {
            width += std::max(view->sizeHintForColumn(column),
                              each->horizontalHeader()->sectionSizeHint(column));
        }
        widest = std::max(widest, width);
        each->scrollTo(each->currentIndex());
    }
    const int frame = width() - tabs_->currentWidget()->width() + 4;
    const QScreen* screen = this->screen();
    const int room = screen ? screen->availableGeometry().width() : widest + frame;
    resize(std::min(widest + frame, room), height());
}

QTableView* CompareWindow::table(pay::CompareAxis axis) const {
    return tables_[static_cast<std::size_t>(axis)];
}

const ComparisonModel& CompareWindow::model(pay::CompareAxis axis) const {
    return *static_cast<const ComparisonModel*>(table(axis)->model());
}

void open_comparison(QWidget& parent, const std::optional<pay::PayInputs>& computed,
                     const QString& decimal_separator, const MessagePresenter& present) {
    const QString title = qt_text(application_title);
    if (!computed) {
        present(parent, {title, qt_text(nothing_to_compare_text)});
        return;
    }
    std::array<pay::Comparison, pay::all_compare_axes.size()> comparisons;
    for (std::size_t i = 0; i < comparisons.size(); ++i) {
        pay::ComparisonOutcome outcome = pay::compare_pay(*computed, pay::all_compare_axes[i]);
        if (!outcome.comparison) {
            present(parent, {title, qt_text(cannot_compare_text)});
            return;
        }
        comparisons[i] = std::move(*outcome.comparison);
    }
    CompareWindow window(comparisons, decimal_separator, &parent);
    window.exec();
}

}  // namespace ui
