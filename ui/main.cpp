#include <QApplication>
#include <QSaveFile>
#include <variant>

#include "ui/application.h"
#include "ui/main_window.h"
#include "ui/program_options.h"
#include "ui/program_rules.h"
#include "ui/terminal.h"

int main(int argc, char* argv[]) {
    // The arguments are read before the toolkit starts: a wrong option, --help and --version
    // need no display.
    ui::ProgramOptions options;
    const ui::Request request = options.parse(ui::arguments_of(argc, argv));
    switch (request) {
        case ui::Request::usage_error:
            ui::report_error(options.error_text() + QStringLiteral(" Try 'velnaro --help'."));
            return 2;
        case ui::Request::help:
        case ui::Request::version: {
            const QCoreApplication app(argc, argv);
            ui::name_application();
            return ui::write_standard_output(
                request == ui::Request::help
                    ? options.help_text()
                    : QCoreApplication::applicationName() + QLatin1Char(' ') +
                          QCoreApplication::applicationVersion() + QLatin1Char('\n'));
        }
        case ui::Request::show_window:
        case ui::Request::screenshot:
            break;
    }
    // Rules that cannot be used stop the program before any window, display or not. Read once,
    // they live here until the program ends.
    const std::variant<ui::ProgramRules, QString> rules =
        ui::read_program_rules(options.rules_file(), options.compare_rules_file());
    if (const auto* refused = std::get_if<QString>(&rules)) {
        ui::report_error(*refused);
        return 2;
    }
    const ui::ProgramRules& program_rules = std::get<ui::ProgramRules>(rules);
    if (const auto missing = ui::missing_display(ui::DisplayEnvironment::of_process(),
                                                 request == ui::Request::screenshot)) {
        ui::report_error(*missing);
        return 1;
    }

    ui::catch_display_failure(request == ui::Request::screenshot);
    QApplication app(argc, argv);
    ui::stop_catching_display_failure();
    ui::configure_application(app);
    ui::WindowOptions window_options;
    window_options.rules = program_rules.in_effect;
    window_options.previous_rules = program_rules.previous ? &*program_rules.previous : nullptr;
    ui::MainWindow window(std::move(window_options));
    window.centre_on_screen();
    window.show();
    if (const auto file = options.screenshot_file()) {
        QApplication::processEvents();
        // Written whole or not at all: a failed write leaves no half picture behind.
        QSaveFile picture(*file);
        if (!picture.open(QIODevice::WriteOnly) || !window.grab().save(&picture, "PNG") ||
            !picture.commit()) {
            ui::report_error(QStringLiteral("cannot write ") + *file);
            return 1;
        }
        return 0;
    }
    return QApplication::exec();
}
