#pragma once

#include <QString>
#include <string_view>

#include "pay/rules.h"
#include "velnaro/project.h"

class QApplication;

namespace ui {

/// The application title, which the window's messages carry.
using velnaro::application_title;

/// The main window's caption.
inline constexpr std::string_view window_caption = "Velnaro  2010";

/// The main window's title: its caption alone with the rules built in, followed by the title
/// of the rule set in effect, isolated, when other rules are.
QString window_title(const pay::PayRules& rules);

/// Names the application and its version, for --help and --version as for the windows.
void name_application();

/// Sets up the application for the window: names, the desktop id and icon, Qt's own texts in
/// Arabic, a right-to-left layout for menus and dialogs (the main window's form keeps its own
/// places), and the font substitution. Call once, before any window.
void configure_application(QApplication& app);

}  // namespace ui
