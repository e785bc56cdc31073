#include "ui/program_rules.h"

#include <QFile>
#include <string>

#include "pay/rules_file.h"
#include "print/qt_text.h"

namespace ui {

using print::qt_text;

std::variant<ProgramRules, QString> read_program_rules(const std::optional<QString>& rules_file,
                                                       const std::optional<QString>& compare_file) {
    // The file named on the command line, in the bytes it was given as.
    const auto read = [](const QString& file) {
        return pay::load_rules_file(QFile::encodeName(file).toStdString());
    };
    ProgramRules rules{.in_effect = pay::built_in_rules(), .previous = std::nullopt};
    if (rules_file) {
        pay::RulesReading reading = read(*rules_file);
        if (const auto* refused = std::get_if<pay::RulesFileError>(&reading)) {
            return qt_text(pay::describe(*refused));
        }
        rules.in_effect = std::move(std::get<pay::PayRules>(reading));
    }
    if (compare_file) {
        pay::RulesReading reading = read(*compare_file);
        if (const auto* refused = std::get_if<pay::RulesFileError>(&reading)) {
            return qt_text(pay::describe(*refused));
        }
        rules.previous = std::move(std::get<pay::PayRules>(reading));
    }
    return rules;
}

}  // namespace ui
