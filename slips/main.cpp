// velnaro-slips --batch staff.csv -o slips.pdf: one printed slip per row, with no display.
#include <fcntl.h>
#include <unistd.h>

#include <QCommandLineParser>
#include <QFile>
#include <QGuiApplication>
#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <variant>
#include <vector>

#include "language/language.h"
#include "print/fonts.h"
#include "slips/slips_run.h"
#include "staff/messages.h"
#include "staff/output_file.h"
#include "staff/progress_line.h"
#include "staff/quiet_runtime_folder.h"
#include "staff/run_rules.h"
#include "staff/same_file.h"
#include "velnaro/project.h"

namespace {

// What an interrupt writes before it ends the run, made before the handlers are installed: a
// handler can reach nothing else.
// NOLINTBEGIN(cppcoreguidelines-avoid-non-const-global-variables)
std::array<char, 4096> interrupt_message{};
std::size_t interrupt_message_size = 0;
// NOLINTEND(cppcoreguidelines-avoid-non-const-global-variables)

// SIGINT and SIGTERM end the run at once, wherever it waits (on a pipe that sends nothing, on a
// slow row); the output's temporary file is removed first (staff::RemoveOnInterrupt). Only
// async-signal-safe calls.
extern "C" void end_interrupted(int /*signal*/) {
    if (::write(STDERR_FILENO, interrupt_message.data(), interrupt_message_size) < 0) {
        // Nothing more can be told.
    }
    ::_exit(slips::interrupted_status);
}

void end_run_on_interrupts(const std::string& output) {
    const std::string line =
        std::string(isatty(STDERR_FILENO) != 0 ? "\r\x1b[K" : "") +
        std::string(staff::slips_program) + ": " +
        staff::escape_controls("interrupted; " + (staff::OutputFile::replaces(output)
                                                      ? output + " left as it was"
                                                      : output + " holds an unfinished PDF")) +
        "\n";
    interrupt_message_size = std::min(line.size(), interrupt_message.size());
    std::copy_n(line.begin(), interrupt_message_size, interrupt_message.begin());
    struct sigaction action {};
    action.sa_handler = end_interrupted;
    sigemptyset(&action.sa_mask);
    sigaddset(&action.sa_mask, SIGINT);
    sigaddset(&action.sa_mask, SIGTERM);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

// A closed standard stream would be taken by the next file the program opens: messages would go
// into the PDF, or the staff file be read from a font. Each closed one is held by /dev/null;
// true when standard input was closed.
bool hold_closed_standard_streams() {
    bool input_closed = false;
    for (const int stream : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(stream, F_GETFD) == -1 && errno == EBADF) {
            input_closed = input_closed || stream == STDIN_FILENO;
            // The lowest free number: the closed stream's own.
            ::open("/dev/null", O_RDWR);
        }
    }
    return input_closed;
}

int usage_error(const QString& message) {
    // An argument may hold control characters: the message shows them escaped.
    staff::report(std::cerr, staff::slips_program, message.toStdString());
    return staff::exit_code(staff::ExitStatus::usage);
}

}  // namespace

int main(int argc, char* argv[]) {
    const bool input_closed = hold_closed_standard_streams();
    // Failed reads come back as errors (the C streams turn them into an end of input), and
    // failed writes as errors to report: a pipe's reader gone as EPIPE, a file-size limit as
    // EFBIG, instead of ending the process part-way.
    std::ios::sync_with_stdio(false);
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
    // The pages are drawn off screen: no display is needed unless a platform is asked for.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // Qt looks into the runtime folder as it starts, and no more.
    std::optional<staff::QuietRuntimeFolder> runtime_folder(std::in_place);
    const QGuiApplication app(argc, argv);
    runtime_folder.reset();
    QCoreApplication::setApplicationName(QStringLiteral("velnaro-slips"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(velnaro::version));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes one printed pay slip (an A4 page, in Arabic, right to left) per row of a CSV file "
        "that velnaro-calc --batch reads, to one PDF file. Faulty rows make no page and are "
        "listed on standard error with their line numbers."));
    const QCommandLineOption batch(
        QStringLiteral("batch"),
        QStringLiteral("The CSV file of choices, one row per slip (- for standard input); an "
                       "optional name or id column is printed at the top of its page."),
        QStringLiteral("file"));
    const QCommandLineOption output(
        {QStringLiteral("o"), QStringLiteral("output")},
        QStringLiteral("The PDF file to write; it is replaced only when the run succeeds (a "
                       "device or a pipe is written in place)."),
        QStringLiteral("file"));
    const QCommandLineOption rules_file(
        QStringLiteral("rules"),
        QStringLiteral("Compute and print every slip with the pay rules of <file>, a rules file "
                       "(velnaro-rules(5)), instead of the rules built in."),
        QStringLiteral("file"));
    const QCommandLineOption on(
        QStringLiteral("on"),
        QStringLiteral("Compute with the rule set in force on <day> (YYYY-MM-DD) among the known "
                       "sets, instead of today's."),
        QStringLiteral("day"));
    const QCommandLineOption rules_dir(
        QStringLiteral("rules-dir"),
        QStringLiteral("Also take the rule sets of the .toml files of <folder> as known sets (may "
                       "be given more than once)."),
        QStringLiteral("folder"));
    const QCommandLineOption language_option(
        QStringLiteral("language"),
        QStringLiteral(
            "The language of the pages: ar (the default, right to left), fr or en (the "
            "same page mirrored, left to right), or ar+fr or ar+en: the Arabic page with "
            "each caption also in French or English, under the Arabic."),
        QStringLiteral("lang"));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addOption(batch);
    parser.addOption(output);
    parser.addOption(rules_file);
    parser.addOption(on);
    parser.addOption(rules_dir);
    parser.addOption(language_option);
    if (!parser.parse(QCoreApplication::arguments())) {
        return usage_error(parser.errorText());
    }
    if (parser.isSet(help)) {
        std::cout << parser.helpText().toStdString()
                  << "\nExit status: 0 every row made a page, 1 a row has an error (the other "
                     "rows still make pages), 2 usage error (rules that cannot be used included), "
                     "3 a read "
                     "or write failed.\n";
        return 0;
    }
    if (parser.isSet(version)) {
        std::cout << "velnaro-slips " << velnaro::version << '\n';
        return 0;
    }
    if (!parser.positionalArguments().isEmpty()) {
        return usage_error(QStringLiteral("unexpected argument ") +
                           parser.positionalArguments().front());
    }
    if (!parser.isSet(batch) || parser.value(batch).isEmpty()) {
        return usage_error(QStringLiteral("--batch FILE is required (see --help)"));
    }
    if (!parser.isSet(output) || parser.value(output).isEmpty()) {
        return usage_error(QStringLiteral("-o FILE is required (see --help)"));
    }

    // One language, or Arabic and a second one on bilingual pages ("ar+fr").
    const QString language_text =
        parser.isSet(language_option) ? parser.value(language_option) : QStringLiteral("ar");
    const QStringList language_codes = language_text.split(QLatin1Char('+'));
    std::vector<language::Language> page_languages;
    for (const QString& code : language_codes) {
        if (const auto language = language::language_from_code(code.toStdString())) {
            page_languages.push_back(*language);
        }
    }
    const bool known = page_languages.size() == static_cast<std::size_t>(language_codes.size());
    const bool bilingual = page_languages.size() == 2;
    if (!known || page_languages.size() > 2 ||
        (bilingual && (page_languages[0] != language::Language::ar ||
                       page_languages[1] == language::Language::ar))) {
        return usage_error(QStringLiteral("--language takes ar, fr, en, ar+fr or ar+en, not '%1'")
                               .arg(language_text));
    }
    if (parser.values(rules_file).size() > 1) {
        return usage_error(QString::fromStdString(staff::given_twice("--rules")));
    }
    if (parser.isSet(rules_file) && parser.value(rules_file).isEmpty()) {
        return usage_error(QStringLiteral("--rules needs a file name"));
    }
    staff::RulesFiles rules_files;
    if (parser.isSet(rules_file)) {
        rules_files.in_effect = QFile::encodeName(parser.value(rules_file)).toStdString();
    }
    if (parser.isSet(on)) {
        if (parser.isSet(rules_file)) {
            return usage_error(QString::fromStdString(std::string(staff::on_with_rules)));
        }
        rules_files.on = pay::parse_iso_day(parser.value(on).toStdString());
        if (parser.values(on).size() > 1 || !rules_files.on) {
            return usage_error(QString::fromStdString(
                staff::not_a_day("--on", parser.values(on).join(u' ').toStdString())));
        }
    }
    for (const QString& folder : parser.values(rules_dir)) {
        rules_files.folders.push_back(QFile::encodeName(folder).toStdString());
    }
    const std::string output_path = QFile::encodeName(parser.value(output)).toStdString();
    // The rules replaced by the slips would be lost.
    if (const auto refused = staff::output_over_rules("-o", output_path, rules_files)) {
        staff::report(std::cerr, staff::slips_program, *refused);
        return staff::exit_code(staff::ExitStatus::usage);
    }
    // Read before the input, so that rules that cannot be used leave every file as it was. The
    // rules live as long as the run.
    const std::variant<staff::RunRules, pay::RulesFileError> rules =
        staff::load_run_rules(rules_files);
    if (const auto* refused = std::get_if<pay::RulesFileError>(&rules)) {
        staff::report(std::cerr, staff::slips_program, pay::describe(*refused));
        return staff::exit_code(staff::ExitStatus::usage);
    }

    const std::string input_path = QFile::encodeName(parser.value(batch)).toStdString();
    std::ifstream file;
    if (input_path != "-") {
        std::error_code ignored;
        if (std::filesystem::is_directory(input_path, ignored)) {
            return usage_error(
                QStringLiteral("cannot read %1: it is a folder").arg(parser.value(batch)));
        }
        file.open(input_path, std::ios::binary);
        if (!file) {
            return usage_error(QStringLiteral("cannot read %1").arg(parser.value(batch)));
        }
    } else if (input_closed) {
        staff::report(
            std::cerr, staff::slips_program,
            staff::cannot_read("standard input", EBADF) + "; " + output_path + " left as it was");
        return staff::exit_code(staff::ExitStatus::io_failure);
    }
    // The staff file replaced by its slips would be lost.
    if (staff::names_the_input(output_path, input_path)) {
        return usage_error(QStringLiteral("-o %1 names the input file; choose another name")
                               .arg(parser.value(output)));
    }

    print::register_font_substitutions();
    end_run_on_interrupts(output_path);
    slips::SlipsRun run{
        .rules = std::get<staff::RunRules>(rules).in_effect,
        .input_name = file.is_open() ? input_path : "standard input",
        .output = output_path,
        .printed_at = QDateTime::currentDateTime(),
        .progress = {},
        .before_message = {},
        .catalogue = language::Catalogue::of(page_languages.front()),
        .second_catalogue =
            bilingual ? std::optional(language::Catalogue::of(page_languages[1])) : std::nullopt,
    };
    std::optional<staff::ProgressLine> progress;
    if (isatty(STDERR_FILENO) != 0) {
        progress.emplace(std::cerr, staff::slips_program, "pages");
        run.progress = [&](std::size_t pages) { progress->update(pages); };
        run.before_message = [&] { progress->clear(); };
    }
    const staff::ExitStatus status =
        slips::write_slips(file.is_open() ? file : std::cin, run, std::cerr);
    progress.reset();
    return staff::exit_code(status);
}
