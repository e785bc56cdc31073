#include "ui/rules_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QWidget>
#include <utility>

#include "print/bidi_text.h"
#include "print/qt_text.h"

namespace ui {

QString rule_set_entry(const pay::PayRules& rules) {
    return print::left_to_right(print::qt_text(pay::iso_date(rules.effective)) +
                                QStringLiteral("  ") + print::qt_text(rules.name));
}

QAction* make_rules_menu(QWidget& owner, const std::vector<const pay::PayRules*>& sets,
                         std::size_t in_use, const std::function<void(std::size_t)>& choose) {
    // Owned by the form, as its actions are: the menu outlives every context menu showing it.
    auto* menu = new QMenu(print::qt_text(rules_menu_caption), &owner);
    menu->setObjectName(QStringLiteral("RulesMenu"));
    menu->setLayoutDirection(Qt::RightToLeft);
    auto* group = new QActionGroup(menu);
    group->setExclusive(true);
    for (std::size_t i = 0; i < sets.size(); ++i) {
        QAction* entry = menu->addAction(rule_set_entry(*sets[i]));
        entry->setCheckable(true);
        entry->setChecked(i == in_use);
        group->addAction(entry);
        QObject::connect(entry, &QAction::triggered, menu, [choose, i] { choose(i); });
    }
    return menu->menuAction();
}

}  // namespace ui
