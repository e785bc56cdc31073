#include "ui/program_options.h"

#include <QCoreApplication>
#include <string_view>

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

void ProgramOptions::process(const QCoreApplication& app) {
    parser_.process(app);
}

std::optional<QString> ProgramOptions::screenshot_file() const {
    if (!parser_.isSet(screenshot_)) {
        return std::nullopt;
    }
    return parser_.value(screenshot_);
}

bool ProgramOptions::asks_for_text_only(int argc, const char* const argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "-h" || argument == "--help" || argument == "-?" ||
            argument == "--help-all" || argument == "-v" || argument == "--version") {
            return true;
        }
    }
    return false;
}

}  // namespace ui
