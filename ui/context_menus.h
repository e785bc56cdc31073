#pragma once

class QWidget;

namespace ui {

/// Gives `owner` a context menu of its own actions (`QWidget::actions`) that reads in the
/// application's direction (right to left in Arabic) whatever the owner's: `Qt::ActionsContextMenu`
/// takes the owner's, and the main window's form is left to right only to keep its places.
void use_actions_context_menu(QWidget& owner);

}  // namespace ui
