#include "ui/compare/compare_action.h"

#include <QAction>
#include <QLabel>
#include <QWidget>
#include <utility>

#include "print/qt_text.h"
#include "ui/compare/compare_window.h"
#include "ui/context_menus.h"

namespace ui {

using print::qt_text;

QAction* add_compare_action(QWidget& window, std::function<void()> open) {
    auto* action = new QAction(qt_text(compare_caption), &window);
    action->setObjectName(QStringLiteral("compare_action"));
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    action->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(action, &QAction::triggered, &window, std::move(open));
    window.addAction(action);
    for (const char* name : compare_menu_panels) {
        if (auto* panel = window.findChild<QLabel*>(QString::fromLatin1(name))) {
            use_actions_context_menu(*panel);
            panel->addAction(action);
        }
    }
    return action;
}

}  // namespace ui
