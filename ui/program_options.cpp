#include "ui/program_options.h"

#include <QFile>

#include "print/qt_text.h"

namespace ui {

ProgramOptions::ProgramOptions()
    : screenshot_(QStringLiteral("screenshot"),
                  QStringLiteral("Write a picture of the window at its start to <file> (PNG) and "
                                 "exit; works without a display with QT_QPA_PLATFORM=offscreen."),
                  QStringLiteral("file")),
      rules_(QStringLiteral("rules"),
             QStringLiteral("Compute, explain, print and draw every amount with the pay rules of "
                            "<file>, a rules file (velnaro-rules(5)), instead of the rules built "
                            "in."),
             QStringLiteral("file")),
      compare_rules_(QStringLiteral("compare-rules"),
                     QStringLiteral("Add a tab to the comparison window (Ctrl+K) that sets the "
                                    "last computed slip under the rules in effect beside the same "
                                    "slip under the rules of <file>, field by field."),
                     QStringLiteral("file")),
      on_(QStringLiteral("on"),
          QStringLiteral("Compute with the rule set in force on <day> (YYYY-MM-DD) among the "
                         "known sets, instead of today's."),
          QStringLiteral("day")),
      rules_dir_(QStringLiteral("rules-dir"),
                 QStringLiteral("Also take the rule sets of the .toml files of <folder> as known "
                                "sets (may be given more than once)."),
                 QStringLiteral("folder")),

      language_(QStringLiteral("language"),
                QStringLiteral("Open the window in <lang>: ar (Arabic, right to left), fr (French) "
                               "or en (English), the last two left to right. Without it the window "
                               "opens in the language last chosen in its context menu, and in "
                               "Arabic the first time, whatever the system's locale."),
                QStringLiteral("lang")) {
    parser_.setApplicationDescription(QStringLiteral(
        "Computes a public servant's yearly and monthly pay in one Arabic window: pick the scale, "
        "rank, zone, special charges, children, dependents and mutual membership, then press OK."));
    parser_.addHelpOption();
    parser_.addVersionOption();
    parser_.addOption(screenshot_);
    parser_.addOption(rules_);
    parser_.addOption(compare_rules_);
    parser_.addOption(on_);
    parser_.addOption(rules_dir_);
    parser_.addOption(language_);
}

Request ProgramOptions::parse(const QStringList& arguments) {
    if (!parser_.parse(arguments)) {
        error_ = parser_.errorText();
        return Request::usage_error;
    }
    if (parser_.isSet(QStringLiteral("help")) || parser_.isSet(QStringLiteral("help-all"))) {
        return Request::help;
    }
    if (parser_.isSet(QStringLiteral("version"))) {
        return Request::version;
    }
    if (const QStringList stray = parser_.positionalArguments(); !stray.isEmpty()) {
        error_ = QStringLiteral("Unexpected argument '%1'.").arg(stray.constFirst());
        return Request::usage_error;
    }
    for (const QCommandLineOption* file : {&rules_, &compare_rules_}) {
        const QString option = QStringLiteral("--") + file->names().constFirst();
        if (parser_.values(*file).size() > 1) {
            error_ = print::qt_text(staff::given_twice(option.toStdString())) + QLatin1Char('.');
            return Request::usage_error;
        }
        if (parser_.isSet(*file) && parser_.value(*file).isEmpty()) {
            error_ = QStringLiteral("%1 needs a file name.").arg(option);
            return Request::usage_error;
        }
    }
    if (parser_.isSet(on_)) {
        if (parser_.isSet(rules_)) {
            error_ = print::qt_text(std::string(staff::on_with_rules)) + QLatin1Char('.');
            return Request::usage_error;
        }
        if (parser_.values(on_).size() > 1 ||
            !pay::parse_iso_day(parser_.value(on_).toStdString())) {
            error_ = print::qt_text(
                         staff::not_a_day("--on", parser_.values(on_).join(u' ').toStdString())) +
                     QLatin1Char('.');
            return Request::usage_error;
        }
    }
    if (parser_.isSet(language_) && !language()) {
        error_ = QStringLiteral("--language takes ar, fr or en, not '%1'.")
                     .arg(parser_.value(language_));
        return Request::usage_error;
    }
    if (!parser_.isSet(screenshot_)) {
        return Request::show_window;
    }
    // The picture written over a rules file would lose it.
    if (const auto refused = staff::output_over_rules(
            "--screenshot", QFile::encodeName(parser_.value(screenshot_)).toStdString(),
            rules_files())) {
        error_ = print::qt_text(*refused) + QLatin1Char('.');
        return Request::usage_error;
    }
    return Request::screenshot;
}

std::optional<QString> ProgramOptions::screenshot_file() const {
    return value_of(screenshot_);
}

staff::RulesFiles ProgramOptions::rules_files() const {
    const auto file = [this](const QCommandLineOption& option) -> std::optional<std::string> {
        if (const auto name = value_of(option)) {
            return QFile::encodeName(*name).toStdString();
        }
        return std::nullopt;
    };
    std::vector<std::string> folders;
    for (const QString& folder : parser_.values(rules_dir_)) {
        folders.push_back(QFile::encodeName(folder).toStdString());
    }
    return {.in_effect = file(rules_),
            .previous = file(compare_rules_),
            .on = parser_.isSet(on_) ? pay::parse_iso_day(parser_.value(on_).toStdString())
                                     : std::nullopt,
            .folders = std::move(folders)};
}

std::optional<QString> ProgramOptions::value_of(const QCommandLineOption& option) const {
    if (!parser_.isSet(option)) {
        return std::nullopt;
    }
    return parser_.value(option);
}

std::optional<language::Language> ProgramOptions::language() const {
    if (const auto code = value_of(language_)) {
        return language::language_from_code(code->toStdString());
    }
    return std::nullopt;
}

QString ProgramOptions::error_text() const {
    return error_;
}

QString ProgramOptions::help_text() const {
    return parser_.helpText();
}

QStringList arguments_of(int argc, const char* const argv[]) {
    QStringList arguments;
    arguments.reserve(argc);
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    return arguments;
}

}  // namespace ui
