#pragma once

#include <QIcon>

namespace ui {

/// The application's icon, drawn from its scalable picture at the sizes desktops ask for.
QIcon app_icon();

}  // namespace ui
