// Writes the program's seven pictures as PNG files into a folder, to look at or to check, with
// the amounts of the rules built in or of a rules file.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>
#include <variant>

#include "pay/rules_file.h"
#include "print/fonts.h"
#include "print/qt_text.h"
#include "ui/pictures/pictures.h"

int main(int argc, char* argv[]) {
    // Only fonts are needed, no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 2 && arguments.size() != 3) {
        err << "usage: velnaro-pictures OUTDIR [RULES_FILE]\n";
        return 2;
    }
    const pay::RulesReading rules =
        arguments.size() == 3
            ? pay::load_rules_file(QFile::encodeName(arguments.at(2)).toStdString())
            : pay::RulesReading(pay::built_in_rules());
    if (const auto* refused = std::get_if<pay::RulesFileError>(&rules)) {
        err << "velnaro-pictures: " << print::qt_text(pay::describe(*refused)) << '\n';
        return 2;
    }
    const QDir folder(arguments.at(1));
    if (!QDir().mkpath(folder.path())) {
        err << "cannot create " << folder.path() << '\n';
        return 1;
    }
    print::register_font_substitutions();
    for (const auto picture : ui::pictures::all_pictures) {
        const QString path = folder.filePath(ui::pictures::picture_file_name(picture));
        if (!ui::pictures::picture_image(picture, std::get<pay::PayRules>(rules))
                 .save(path, "PNG")) {
            err << "cannot write " << path << '\n';
            return 1;
        }
        QTextStream(stdout) << path << '\n';
    }
    return 0;
}
