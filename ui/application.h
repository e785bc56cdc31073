#pragma once

class QApplication;

namespace ui {

/// Names the application and its version, for --help and --version as for the windows.
void name_application();

/// Sets up the application for the window: names, the desktop id and icon, Qt's own texts in
/// Arabic, a left-to-right layout for the absolute form, and the font substitution. Call once,
/// before any window.
void configure_application(QApplication& app);

}  // namespace ui
