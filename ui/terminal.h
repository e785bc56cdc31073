#pragma once

#include <QString>
#include <optional>

namespace ui {

/// Writes `text` to standard output and flushes it; on a failed write (a full disk, a closed
/// pipe) reports it in one line on standard error. Returns the exit status: 0 or 1.
int write_standard_output(const QString& text);

/// Writes "velnaro: " and `line` to standard error, its control characters escaped.
void report_error(const QString& line);

/// What the toolkit would find to draw on.
struct DisplayEnvironment {
    bool platform_named = false;  // QT_QPA_PLATFORM
    bool x11 = false;             // DISPLAY
    bool wayland = false;         // WAYLAND_DISPLAY

    /// This process's environment.
    static DisplayEnvironment of_process();
};

/// Why the window cannot start in `environment`, in one line, or nothing when a display or a
/// named platform is there. Without one the toolkit would abort the program.
std::optional<QString> missing_display(const DisplayEnvironment& environment, bool screenshot);

/// From now until `stop_catching_display_failure`, a display that is named but does not answer
/// (DISPLAY set to a server that is gone) ends the program with one line and status 1, where the
/// toolkit would abort it. Its own warnings still reach standard error.
void catch_display_failure(bool screenshot);

/// Gives the toolkit's messages back their usual handling.
void stop_catching_display_failure();

}  // namespace ui
