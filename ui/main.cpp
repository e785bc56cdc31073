#include <QApplication>
#include <QFile>
#include <cerrno>
#include <memory>
#include <optional>
#include <string>
#include <variant>

#include "print/stream_device.h"
#include "staff/messages.h"
#include "staff/output_file.h"
#include "staff/quiet_runtime_folder.h"
#include "staff/run_rules.h"

#include "ui/application.h"
#include "ui/main_window.h"
#include "ui/program_options.h"
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
    const std::variant<staff::RunRules, pay::RulesFileError> rules =
        staff::load_run_rules(options.rules_files());
    if (const auto* refused = std::get_if<pay::RulesFileError>(&rules)) {
        ui::report_error(QString::fromStdString(pay::describe(*refused)));
        return 2;
    }
    const staff::RunRules& program_rules = std::get<staff::RunRules>(rules);
    if (const auto missing = ui::missing_display(ui::DisplayEnvironment::of_process(),
                                                 request == ui::Request::screenshot)) {
        ui::report_error(*missing);
        return 1;
    }

    ui::catch_display_failure(request == ui::Request::screenshot);
    // Qt looks into the runtime folder as it starts, and no more.
    std::optional<staff::QuietRuntimeFolder> runtime_folder(std::in_place);
    QApplication app(argc, argv);
    runtime_folder.reset();
    ui::stop_catching_display_failure();
    ui::name_application();
    // The catalogue lives as long as the application that reads it.
    const language::Catalogue catalogue =
        language::Catalogue::of(ui::window_language(options.language()));
    ui::configure_application(app, catalogue);
    ui::WindowOptions window_options{.rules = program_rules.in_effect};
    window_options.catalogue = catalogue;
    window_options.previous_rules = program_rules.previous ? &*program_rules.previous : nullptr;
    for (const staff::KnownRuleSet& set : program_rules.known) {
        window_options.rule_sets.push_back(&set.rules);
    }
    window_options.set_in_use = program_rules.in_effect_place;
    // Without --compare-rules, the comparison sets the set in use against the one before it.
    if (!window_options.previous_rules && program_rules.in_effect_place > 0) {
        window_options.previous_rules =
            &program_rules.known[program_rules.in_effect_place - 1].rules;
    }
    window_options.compare_with_set_before = !program_rules.previous;
    ui::MainWindow window(std::move(window_options));
    window.centre_on_screen();
    window.show();
    if (const auto file = options.screenshot_file()) {
        QApplication::processEvents();
        // A file is replaced whole or not at all, a device or a pipe written in place: the rule
        // of every output file of the programs.
        const std::string name = QFile::encodeName(*file).toStdString();
        auto opened = staff::OutputFile::open(name);
        if (const auto* refused = std::get_if<std::string>(&opened)) {
            ui::report_error(QString::fromStdString(*refused));
            return 1;
        }
        staff::OutputFile& picture = *std::get<std::unique_ptr<staff::OutputFile>>(opened);
        print::StreamDevice device(picture.stream());
        const bool drawn = window.grab().save(&device, "PNG");
        const int error = picture.commit();
        if (!drawn || error != 0) {
            ui::report_error(
                QString::fromStdString(staff::cannot_write(name, error != 0 ? error : EIO)));
            return 1;
        }
        return 0;
    }
    return QApplication::exec();
}
