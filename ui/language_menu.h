#pragma once

#include "language/catalogue.h"
#include "ui/message_presenter.h"

class QAction;
class QWidget;

namespace ui {

/// Adds the language submenu to the context menu of `window` and of its panels: Arabic, French
/// and English, each named in its own language, the window's own checked. A choice is kept in the
/// user's settings and takes effect at the next start, as a message says in the window's
/// language: the window's places, lists and texts are built once.
QAction* add_language_menu(QWidget& window, const language::Catalogue& catalogue,
                           const MessagePresenter& present_message);

}  // namespace ui
