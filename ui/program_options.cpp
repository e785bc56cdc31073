#include "ui/program_options.h"

namespace ui {

ProgramOptions::ProgramOptions()
    : screenshot_(QStringLiteral("screenshot"),
                  QStringLiteral("Write a picture of the window at its start to <file> (PNG) and "
                                 "exit; works without a display with QT_QPA_PLATFORM=offscreen."),
                  QStringLiteral("file")) {
    parser_.setApplicationDescription(QStringLiteral(
        "Computes a public servant's yearly and monthly pay in one Arabic window: pick the scale, "
        "rank, zone, special charges, children, dependents and mutual membership, then press OK."));
    parser_.addHelpOption();
    parser_.addVersionOption();
    parser_.addOption(screenshot_);
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
    return parser_.isSet(screenshot_) ? Request::screenshot : Request::show_window;
}

std::optional<QString> ProgramOptions::screenshot_file() const {
    if (!parser_.isSet(screenshot_)) {
        return std::nullopt;
    }
    return parser_.value(screenshot_);
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
