#pragma once

#include <QTabWidget>

namespace ui {

/// The comparison window's tabs. Bringing up another tab (Ctrl+Tab, Ctrl+Shift+Tab or a click on
/// it) moves the keyboard from the table of the tab left straight to that of the tab brought up,
/// never through the window's other controls on the way. The tab list is named by the shown
/// tab's caption, and tells a screen reader when that name changes.
class ComparisonTabs : public QTabWidget {
  public:
    explicit ComparisonTabs(QWidget* parent);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void bring_up(int index);
};

}  // namespace ui
