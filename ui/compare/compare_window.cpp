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
#include <QSignalBlocker>
#include <QSortFilterProxyModel>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

#include "pay/pay_session.h"
#include "print/bidi_text.h"
#include "print/qt_text.h"
#include "ui/application.h"
#include "ui/compare/comparison_model.h"
#include "ui/compare/comparison_tabs.h"
#include "ui/compare/rules_comparison_model.h"
#include "ui/compare/table_text.h"
#include "ui/focus_ring.h"
#include "ui/screen_placement.h"
#include "wording/catalogue.h"

namespace ui {

using print::qt_text;

const std::string_view compare_caption = "مقارنة";
const std::string_view nothing_to_compare_text = wording::nothing_computed_text();
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
        // The style lays a cell's text out in the table's direction whatever the option says:
        // an isolate keeps "20 %" as the result field shows it, where a right-to-left line
        // would put the sign first.
        option->text = print::left_to_right(option->text);
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
        QList<int> rows;
        for (const QModelIndex& index : selectionModel()->selectedRows()) {
            rows << index.row();
        }
        if (rows.isEmpty() && currentIndex().isValid()) {
            rows << currentIndex().row();
        }
        if (QClipboard* clipboard = QGuiApplication::clipboard()) {
            clipboard->setText(table_rows_text(*model(), rows));
        }
    }
};

// Puts the keyboard's start on `cell` of a table not yet shown. The table would tell a screen
// reader that the cell took the focus, though the table has none and may lie in a hidden tab;
// once shown, the table says so itself when it takes the focus.
void set_start_cell(QTableView& table, const QModelIndex& cell) {
    const QSignalBlocker quiet(table.selectionModel());
    table.selectionModel()->setCurrentIndex(cell, QItemSelectionModel::NoUpdate);
}

QString note_for(const pay::Comparison& comparison) {
    QStringList notes;
    if (!comparison.left_out.empty()) {
        notes << QStringLiteral("عدد السلالم غير المدرجة لأنها لا تضم رتبة في موضع رتبتك: %1")
                     .arg(print::isolated(QString::number(comparison.left_out.size())));
    }
    if (!comparison.current) {
        notes << QStringLiteral("اختيارك ليس من عناصر القائمة، فالفرق محسوب عن أجرتك كما هي.");
    }
    return notes.join(QLatin1Char('\n'));
}

QString table_name(const QString& tab_caption) {
    return QStringLiteral("جدول المقارنة ") + tab_caption;
}

// A read-only table of `model`, which it takes, named by its tab. `columns` tells which columns
// hold amounts, which read left to right: the model itself, or the one `model` sorts.
template <class Columns>
QTableView* make_table(QAbstractItemModel* model, const QString& object_name,
                       const QString& tab_caption, QWidget* parent, const Columns& columns) {
    auto* table = new ComparisonTable(parent);
    model->setParent(table);
    table->setModel(model);
    table->setObjectName(object_name);
    table->setAccessibleName(table_name(tab_caption));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Tab leaves the table for the next control; the arrows move inside it.
    table->setTabKeyNavigation(false);
    table->setWordWrap(false);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // Row numbers would read as counts in the children's and dependents' tables.
    table->verticalHeader()->hide();
    auto* numbers = new LeftToRightDelegate(table);
    for (int column = 0; column < model->columnCount(); ++column) {
        if (columns.is_amount(column)) {
            table->setItemDelegateForColumn(column, numbers);
        }
    }
    return table;
}

// A choice's table, in list order until a click on a column header sorts it by that column.
QTableView* make_axis_table(ComparisonModel* model, QWidget* parent) {
    const pay::CompareAxis axis = model->comparison().axis;
    auto* sorted = new QSortFilterProxyModel;
    sorted->setSortRole(ComparisonModel::sort_role);
    sorted->setSourceModel(model);
    model->setParent(sorted);
    QTableView* table =
        make_table(sorted, QStringLiteral("comparison_") + qt_text(pay::axis_name(axis)),
                   axis_caption(axis), parent, *model);
    table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    table->setSortingEnabled(true);
    // The keyboard starts on the user's own row, unselected so that its highlight shows.
    const int own =
        model->comparison().current ? static_cast<int>(*model->comparison().current) : 0;
    if (model->rowCount() > 0) {
        set_start_cell(*table, sorted->mapFromSource(model->index(own, 0)));
    }
    return table;
}

}  // namespace

CompareWindow::CompareWindow(std::span<const pay::Comparison> comparisons,
                             const QString& decimal_separator, QWidget* parent,
                             const std::optional<RuleSessions>& rules)
    : QDialog(parent) {
    setObjectName(QStringLiteral("CompareWindow"));
    setWindowTitle(qt_text(application_title) + QStringLiteral(" - ") + qt_text(compare_caption));
    setAccessibleName(qt_text(compare_caption));
    setLayoutDirection(Qt::RightToLeft);
    setModal(true);

    Q_ASSERT(comparisons.empty() || comparisons.size() == tables_.size());
    auto* layout = new QVBoxLayout(this);
    if (comparisons.empty() && rules && rules->in_effect.computed_inputs()) {
        // The rule sets' tab stands alone: say why the choices' tabs are missing.
        auto* note = new QLabel(qt_text(cannot_compare_text), this);
        note->setObjectName(QStringLiteral("comparison_note"));
        note->setWordWrap(true);
        note->setTextFormat(Qt::PlainText);
        layout->addWidget(note);
    }
    tabs_ = new ComparisonTabs(this);
    tabs_->setObjectName(QStringLiteral("comparison_tabs"));
    tabs_->setAccessibleName(qt_text(compare_caption));
    layout->addWidget(tabs_);
    for (std::size_t i = 0; i < comparisons.size(); ++i) {
        auto* page = new QWidget(tabs_);
        auto* page_layout = new QVBoxLayout(page);
        tables_[i] = make_axis_table(new ComparisonModel(comparisons[i], decimal_separator), page);
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
    QWidget* rules_content = rules ? add_rules_tab(*rules) : nullptr;

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* close = buttons->button(QDialogButtonBox::Close);
    close->setText(QStringLiteral("إغلاق"));
    close->setAccessibleName(close->text());
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    // A sentence alone needs less room than the tables.
    if (tables_[0] == nullptr && rules_table_ == nullptr) {
        resize(560, 220);
    } else {
        resize(980, 460);
    }
    // The first table takes the keyboard; with the rule sets' tab alone, that tab's content.
    QWidget* first = tables_[0] != nullptr ? tables_[0] : rules_content;
    if (first != nullptr) {
        first->setFocus(Qt::OtherFocusReason);
    }
}

QWidget* CompareWindow::add_rules_tab(const RuleSessions& rules) {
    const QString caption = rules_tab_caption();
    rules_page_ = new QWidget(tabs_);
    rules_page_->setObjectName(QStringLiteral("comparison_rules_page"));
    auto* page_layout = new QVBoxLayout(rules_page_);
    tabs_->addTab(rules_page_, caption);
    rules_page_->setAccessibleName(caption);
    auto model = std::make_unique<RulesComparisonModel>(rules.in_effect, rules.previous);
    if (model->rowCount() > 0) {
        const QString description = model->description();
        const RulesComparisonModel& columns = *model;
        rules_table_ = make_table(model.release(), QStringLiteral("comparison_rules"), caption,
                                  rules_page_, columns);
        rules_table_->setAccessibleDescription(description);
        set_start_cell(*rules_table_, rules_table_->model()->index(0, 0));
        page_layout->addWidget(rules_table_);
        return rules_table_;
    }
    // Before the first computation: the sentence every part of the program says then, in a label
    // that takes the keyboard so that a screen reader reads it.
    auto* label = new QLabel(qt_text(nothing_to_compare_text), rules_page_);
    label->setObjectName(QStringLiteral("comparison_note_rules"));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignTop | Qt::AlignRight | Qt::AlignAbsolute);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setFocusPolicy(Qt::StrongFocus);
    // The focus frame is drawn inside the focused control's edge: the words keep clear of it.
    label->setMargin(focus_frame_width + 4);
    label->setAccessibleName(label->text());
    page_layout->addWidget(label);
    return label;
}

void CompareWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Wide enough for the widest table, within the screen; each table shown from its start.
    int widest = 0;
    std::vector<QTableView*> shown;
    for (QTableView* each : tables_) {
        if (each != nullptr) {
            shown.push_back(each);
        }
    }
    if (rules_table_ != nullptr) {
        shown.push_back(rules_table_);
    }
    if (shown.empty()) {
        return;
    }
    for (QTableView* each : shown) {
        // The sections are sized to their contents lazily, so ask for the contents' sizes.
        const QAbstractItemView* view = each;
        int width = 0;
        for (int column = 0; column < each->model()->columnCount(); ++column) {
            width += std::max(view->sizeHintForColumn(column),
                              each->horizontalHeader()->sectionSizeHint(column));
        }
        widest = std::max(widest, width);
        each->scrollTo(each->currentIndex());
    }
    // What the window takes around a table's columns, measured on the shown tab once laid out.
    layout()->activate();
    const auto* current = tabs_->currentWidget()->findChild<QTableView*>();
    const int frame = current != nullptr ? width() - current->viewport()->width()
                                         : width() - tabs_->currentWidget()->width() + 4;
    // Within the screen's available area, over the main window where it fits.
    fit_over(*this, parentWidget(), QSize(widest + frame, std::max(height(), rules_height())));
}

int CompareWindow::rules_height() const {
    if (rules_table_ == nullptr) {
        return 0;
    }
    // Every row of the rule sets' table at once, the totals and the pay below included: the
    // table's rows and header, and what the window takes around a tab's page.
    QTableView& table = *rules_table_;
    table.resizeRowsToContents();
    const QMargins margins = rules_page_->layout()->contentsMargins();
    const int rows = table.verticalHeader()->length() +
                     table.horizontalHeader()->sizeHint().height() + 2 * table.frameWidth();
    return rows + margins.top() + margins.bottom() + height() - tabs_->currentWidget()->height();
}

QTableView* CompareWindow::table(pay::CompareAxis axis) const {
    return tables_[static_cast<std::size_t>(axis)];
}

const ComparisonModel& CompareWindow::model(pay::CompareAxis axis) const {
    const auto* sorted = static_cast<const QSortFilterProxyModel*>(table(axis)->model());
    return *static_cast<const ComparisonModel*>(sorted->sourceModel());
}

void open_comparison(QWidget& parent, const pay::PaySession& session,
                     const pay::PaySession* previous, const QString& decimal_separator,
                     const MessagePresenter& present) {
    const QString title = qt_text(application_title);
    const std::optional<pay::PayInputs>& computed = session.computed_inputs();
    std::vector<pay::Comparison> comparisons;
    bool refused = false;
    if (computed) {
        for (const pay::CompareAxis axis : pay::all_compare_axes) {
            // From the slip the window's last computation found, so that the own row keeps the
            // amounts the window kept.
            pay::ComparisonOutcome outcome =
                pay::compare_pay(*computed, session.computed_choices(), axis, session.rules(),
                                 session.slip_before());
            if (!outcome.comparison) {
                refused = true;
                comparisons.clear();
                break;
            }
            comparisons.push_back(std::move(*outcome.comparison));
        }
    }
    std::optional<RuleSessions> rules;
    if (previous != nullptr) {
        rules.emplace(RuleSessions{.in_effect = session, .previous = *previous});
    } else if (!computed) {
        present(parent, {title, qt_text(nothing_to_compare_text)});
        return;
    } else if (refused) {
        present(parent, {title, qt_text(cannot_compare_text)});
        return;
    }
    CompareWindow window(comparisons, decimal_separator, &parent, rules);
    window.exec();
}

}  // namespace ui
