#pragma once

#include <QString>
#include <optional>
#include <string_view>

#include "language/catalogue.h"
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

/// Sets up the application for the window: names, the desktop id and icon, Qt's own texts and
/// ours in the language of `catalogue` (which outlives the application), the direction of menus
/// and dialogs (right to left in Arabic; the main window's form keeps its own places), and the
/// font substitution. Call once, before any window.
void configure_application(QApplication& app, const language::Catalogue& catalogue = {});

/// The language the window opens in: the one asked for on the command line, else the one last
/// chosen in the window (the user's settings), else Arabic, whatever the system's locale. Needs
/// the application's names.
language::Language window_language(std::optional<language::Language> asked);

/// Keeps `language` in the user's settings for the window's next start.
void remember_window_language(language::Language language);

}  // namespace ui
