#include "ui/terminal.h"

#include <QByteArray>
#include <QtGlobal>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <system_error>

#include "staff/messages.h"

namespace ui {

namespace {

bool is_set(const char* name) {
    const char* value = std::getenv(name);  // NOLINT(concurrency-mt-unsafe): read at start only
    return value != nullptr && *value != '\0';
}

// The toolkit's fatal error at start means the display named in the environment did not answer;
// its own text speaks of reinstalling, which would not help.
template <bool screenshot>
void on_start_message(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtFatalMsg) {
        std::fprintf(stderr, "%s\n",
                     qFormatLogMessage(type, context, message).toLocal8Bit().constData());
        return;
    }
    const char* display = std::getenv("DISPLAY");  // NOLINT(concurrency-mt-unsafe): start only
    if (display == nullptr || *display == '\0') {
        display = std::getenv("WAYLAND_DISPLAY");  // NOLINT(concurrency-mt-unsafe)
    }
    QString line = QStringLiteral("cannot open the display '%1'")
                       .arg(QString::fromLocal8Bit(display != nullptr ? display : ""));
    if (screenshot) {
        line += QStringLiteral(
            "; run with QT_QPA_PLATFORM=offscreen to write the screenshot without one");
    }
    report_error(line);
    std::_Exit(1);
}

}  // namespace

void catch_display_failure(bool screenshot) {
    qInstallMessageHandler(screenshot ? on_start_message<true> : on_start_message<false>);
}

void stop_catching_display_failure() {
    qInstallMessageHandler(nullptr);
}

int write_standard_output(const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    errno = 0;
    const auto size = static_cast<std::size_t>(bytes.size());
    const bool written =
        std::fwrite(bytes.constData(), 1, size, stdout) == size && std::fflush(stdout) == 0;
    if (!written) {
        const int error = errno;
        report_error(QStringLiteral("cannot write to standard output: %1")
                         .arg(QString::fromStdString(std::generic_category().message(error))));
        return 1;
    }
    return 0;
}

void report_error(const QString& line) {
    staff::report(std::cerr, staff::window_program, line.toStdString());
}

DisplayEnvironment DisplayEnvironment::of_process() {
    return {is_set("QT_QPA_PLATFORM"), is_set("DISPLAY"), is_set("WAYLAND_DISPLAY")};
}

std::optional<QString> missing_display(const DisplayEnvironment& environment, bool screenshot) {
    if (environment.platform_named || environment.x11 || environment.wayland) {
        return std::nullopt;
    }
    if (screenshot) {
        return QStringLiteral(
            "no display (DISPLAY and WAYLAND_DISPLAY are unset); run with "
            "QT_QPA_PLATFORM=offscreen to write the screenshot without one");
    }
    return QStringLiteral(
        "no display to show the window on (DISPLAY and WAYLAND_DISPLAY are unset)");
}

}  // namespace ui
