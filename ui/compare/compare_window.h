#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "pay/comparison.h"
#include "pay/pay_inputs.h"
#include "ui/message_presenter.h"

class QTabWidget;
class QTableView;

namespace pay {
class PaySession;
}

namespace ui {

class ComparisonModel;
class RulesComparisonModel;

/// The caption of the comparison action and window.
extern const std::string_view compare_caption;

/// The message when OK has not yet computed anything.
extern const std::string_view nothing_to_compare_text;

/// The message when the last computation used values carried from the one before (a typed scale
/// or rank), which a comparison, computed afresh, cannot use.
extern const std::string_view cannot_compare_text;

/// The two sessions of the rule sets' tab: the window's own, with the rules in effect, and the one
/// that took the same presses with the previous rules.
struct RuleSessions {
    const pay::PaySession& in_effect;
    const pay::PaySession& previous;
};

/// The comparison window: a tab per axis, each a read-only table with the user's own row
/// highlighted and selected, and with previous rules to compare with, a last tab that sets the
/// last computed slip under both rule sets side by side. Ctrl+C copies the selected rows, with
/// the header, as text.
class CompareWindow : public QDialog {
  public:
    /// Expects every comparison to have computed: every axis in order, or none when there is no
    /// computation to compare along them. The rule sets' tab says when nothing is computed yet.
    CompareWindow(std::span<const pay::Comparison> comparisons, const QString& decimal_separator,
                  QWidget* parent, const std::optional<RuleSessions>& rules = std::nullopt);

    QTabWidget* tabs() const { return tabs_; }
    /// None when the window has no tab for the axis.
    QTableView* table(pay::CompareAxis axis) const;
    const ComparisonModel& model(pay::CompareAxis axis) const;

    /// The rule sets' tab; none without previous rules.
    QWidget* rules_page() const { return rules_page_; }
    /// Its table; none without previous rules, or before the first computation.
    QTableView* rules_table() const { return rules_table_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    /// Adds the rule sets' tab; returns what in it takes the keyboard.
    QWidget* add_rules_tab(const RuleSessions& rules);
    /// The height at which the rule sets' table shows every row; none without that table.
    int rules_height() const;

    QTabWidget* tabs_ = nullptr;
    std::array<QTableView*, pay::all_compare_axes.size()> tables_{};
    QWidget* rules_page_ = nullptr;
    QTableView* rules_table_ = nullptr;
};

/// Compares the choices of the last OK press that computed in `session` along every axis and
/// opens the window modally over `parent`; before any computation, or when those choices do not
/// compute alone, says so through `present`. With `previous`, the session that took the same
/// presses with the previous rules, the window opens in every case, with the rule sets' tab.
void open_comparison(QWidget& parent, const pay::PaySession& session,
                     const pay::PaySession* previous, const QString& decimal_separator,
                     const MessagePresenter& present);

}  // namespace ui
