// Writes the program's seven pictures as PNG files into a folder, to look at or to check, with
// the amounts of the rules built in or of a rules file.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "print/fonts.h"
#include "staff/messages.h"
#include "staff/quiet_runtime_folder.h"
#include "staff/run_rules.h"
#include "ui/pictures/pictures.h"

namespace {

constexpr std::string_view usage =
    "usage: velnaro-pictures [--] OUTDIR [RULES_FILE]\n"
    "Writes the seven pictures of the window as PNG files into OUTDIR (made when missing), drawn\n"
    "with the pay rules built in or with those of RULES_FILE (velnaro-rules(5)).\n"
    "Exit status: 0 written, 1 a folder or file could not be written, 2 usage error (rules that\n"
    "cannot be used included).\n";

int usage_error(std::string_view message) {
    staff::report(std::cerr, staff::pictures_program,
                  std::string(message) + " (see velnaro-pictures --help)");
    return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    // The arguments and the rules are read before Qt starts: a refusal is the only line, and
    // nothing is made.
    std::vector<std::string> operands;
    bool options_ended = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (!options_ended && argument == "--") {
            options_ended = true;
        } else if (!options_ended && (argument == "--help" || argument == "-h")) {
            std::cout << usage << std::flush;
            return std::cout ? 0 : 1;
        } else if (!options_ended && argument.size() > 1 && argument.front() == '-') {
            // A folder of that name would be made by a mistyped option.
            return usage_error("unknown option '" + std::string(argument) + "'");
        } else {
            operands.emplace_back(argument);
        }
    }
    if (operands.empty() || operands.size() > 2) {
        return usage_error("expected OUTDIR and at most one RULES_FILE");
    }
    const std::variant<staff::RunRules, pay::RulesFileError> rules = staff::load_run_rules(
        {.in_effect = operands.size() == 2 ? std::optional(operands[1]) : std::nullopt,
         .previous = std::nullopt,
         .on = std::nullopt,
         .folders = {}});
    if (const auto* refused = std::get_if<pay::RulesFileError>(&rules)) {
        staff::report(std::cerr, staff::pictures_program, pay::describe(*refused));
        return 2;
    }

    // Only fonts are needed, no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // Qt looks into the runtime folder as it starts, and no more.
    std::optional<staff::QuietRuntimeFolder> runtime_folder(std::in_place);
    const QGuiApplication app(argc, argv);
    runtime_folder.reset();
    const QDir folder(QFile::decodeName(operands.front().c_str()));
    if (!QDir().mkpath(folder.path())) {
        staff::report(std::cerr, staff::pictures_program, "cannot create " + operands.front());
        return 1;
    }
    print::register_font_substitutions();
    for (const auto picture : ui::pictures::all_pictures) {
        const QString path = folder.filePath(ui::pictures::picture_file_name(picture));
        if (!ui::pictures::picture_image(picture, std::get<staff::RunRules>(rules).in_effect)
                 .save(path, "PNG")) {
            staff::report(std::cerr, staff::pictures_program,
                          "cannot write " + QFile::encodeName(path).toStdString());
            return 1;
        }
        QTextStream(stdout) << path << '\n';
    }
    return 0;
}
