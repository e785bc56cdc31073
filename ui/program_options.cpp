#include "ui/program_options.h"

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
                     QStringLiteral("file")) {
    parser_.setApplicationDescription(QStringLiteral(
        "Computes a public servant's yearly and monthly pay in one Arabic window: pick the scale, "
        "rank, zone, special charges, children, dependents and mutual membership, then press OK."));
    parser_.addHelpOption();
    parser_.addVersionOption();
    parser_.addOption(screenshot_);
    parser_.addOption(rules_);
    parser_.addOption(compare_rules_);
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
        if (parser_.isSet(*file) && parser_.value(*file).isEmpty()) {
            error_ = QStringLiteral("--%1 needs a file name.").arg(file->names().constFirst());
            return Request::usage_error;
        }
    }
    return parser_.isSet(screenshot_) ? Request::screenshot : Request::show_window;
}

std::optional<QString> ProgramOptions::screenshot_file() const {
    return value_of(screenshot_);
}

std::optional<QString> ProgramOptions::rules_file() const {
    return value_of(rules_);
}

std::optional<QString> ProgramOptions::compare_rules_file() const {
    return value_of(compare_rules_);
}

std::optional<QString> ProgramOptions::value_of(const QCommandLineOption& option) const {
    if (!parser_.isSet(option)) {
        return std::nullopt;
    }
    return parser_.value(option);
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
