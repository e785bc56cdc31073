#include "ui/compare/comparison_tabs.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QTabBar>

namespace ui {
namespace {

// What in `page` takes the keyboard: what had it last, else the first control that takes Tab.
QWidget* keyboard_target(QWidget& page) {
    if (QWidget* last = page.focusWidget()) {
        return last;
    }
    for (QWidget* each = page.nextInFocusChain(); each != &page; each = each->nextInFocusChain()) {
        if (page.isAncestorOf(each) && (each->focusPolicy() & Qt::TabFocus) == Qt::TabFocus &&
            each->focusProxy() == nullptr && each->isEnabled() && !each->isHidden()) {
            return each;
        }
    }
    return nullptr;
}

}  // namespace

ComparisonTabs::ComparisonTabs(QWidget* parent) : QTabWidget(parent) {
    // The tab list's name is the shown tab's caption; a screen reader keeps a name until told.
    connect(this, &QTabWidget::currentChanged, this, [this] {
        QAccessibleEvent renamed(tabBar(), QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
    });
    // A click on a tab comes before the tab bar brings it up.
    connect(tabBar(), &QTabBar::tabBarClicked, this, &ComparisonTabs::bring_up);
}

void ComparisonTabs::bring_up(int index) {
    QWidget* page = widget(index);
    QWidget* left = currentWidget();
    if (page == nullptr || page == left) {
        return;
    }
    const QWidget* focused = QApplication::focusWidget();
    if (left != nullptr && focused != nullptr && left->isAncestorOf(focused)) {
        // Hiding the page that holds the focus would pass it to the window's next control (the
        // close button) before the page brought up takes it: that page takes it first.
        if (QWidget* target = keyboard_target(*page)) {
            page->setGeometry(left->geometry());
            page->show();
            target->setFocus(Qt::TabFocusReason);
        }
    }
    setCurrentIndex(index);
}

void ComparisonTabs::keyPressEvent(QKeyEvent* event) {
    const bool tab_key = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    if (!tab_key || !event->modifiers().testFlag(Qt::ControlModifier) || count() < 2) {
        QTabWidget::keyPressEvent(event);
        return;
    }
    const bool back =
        event->key() == Qt::Key_Backtab || event->modifiers().testFlag(Qt::ShiftModifier);
    bring_up((currentIndex() + (back ? count() - 1 : 1)) % count());
    event->accept();
}

}  // namespace ui
