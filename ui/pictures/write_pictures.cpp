// Writes the program's seven pictures as PNG files into a folder, to look at or to check.
#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

#include "print/fonts.h"
#include "ui/pictures/pictures.h"

int main(int argc, char* argv[]) {
    // Only fonts are needed, no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 2) {
        err << "usage: velnaro-pictures OUTDIR\n";
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
        if (!ui::pictures::picture_image(picture).save(path, "PNG")) {
            err << "cannot write " << path << '\n';
            return 1;
        }
        QTextStream(stdout) << path << '\n';
    }
    return 0;
}
