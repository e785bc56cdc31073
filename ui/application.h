#pragma once

class QApplication;

namespace ui {

/// Sets up the application for the window: names, Qt's own texts in Arabic, a left-to-right
/// layout for the absolute form, and the font substitution. Call once, before any window.
void configure_application(QApplication& app);

}  // namespace ui
