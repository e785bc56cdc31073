#include "ui/context_menus.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QWidget>
#include <memory>

namespace ui {

void use_actions_context_menu(QWidget& owner) {
    owner.setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(&owner, &QWidget::customContextMenuRequested, &owner,
                     [&owner](const QPoint& at) {
                         if (owner.actions().isEmpty()) {
                             return;
                         }
                         const auto menu = std::make_unique<QMenu>(&owner);
                         menu->setLayoutDirection(QGuiApplication::layoutDirection());
                         menu->addActions(owner.actions());
                         menu->exec(owner.mapToGlobal(at));
                     });
}

}  // namespace ui
