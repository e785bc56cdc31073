#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <string_view>

#include "pay/comparison.h"
#include "pay/pay_inputs.h"
#include "ui/message_presenter.h"

class QTabWidget;
class QTableView;

namespace ui {

class ComparisonModel;

/// The caption of the comparison action and window.
extern const std::string_view compare_caption;

/// The message when OK has not yet computed anything.
extern const std::string_view nothing_to_compare_text;

/// The message when the last computation used values carried from the one before (a typed scale
/// or rank), which a comparison, computed afresh, cannot use.
extern const std::string_view cannot_compare_text;

/// The comparison window: a tab per axis, each a read-only table with the user's own row
/// highlighted and selected. Ctrl+C copies the selected rows, with the header, as text.
class CompareWindow : public QDialog {
  public:
    /// Expects every comparison to have computed.
    CompareWindow(const std::array<pay::Comparison, pay::all_compare_axes.size()>& comparisons,
                  const QString& decimal_separator, QWidget* parent);

    QTabWidget* tabs() const { return tabs_; }
    QTableView* table(pay::CompareAxis axis) const;
    const ComparisonModel& model(pay::CompareAxis axis) const;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QTabWidget* tabs_ = nullptr;
    std::array<QTableView*, pay::all_compare_axes.size()> tables_{};
};

/// Compares the choices of the last OK press that computed (`computed`) along every axis and
/// opens the window modally over `parent`; before any computation, or when those choices do not
/// compute alone, says so through `present`.
void open_comparison(QWidget& parent, const std::optional<pay::PayInputs>& computed,
                     const QString& decimal_separator, const MessagePresenter& present);

}  // namespace ui
