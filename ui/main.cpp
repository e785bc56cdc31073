#include <QApplication>
#include <QTextStream>

#include "ui/application.h"
#include "ui/main_window.h"
#include "ui/program_options.h"

int main(int argc, char* argv[]) {
    ui::ProgramOptions options;
    // --help and --version answer on the terminal, with no display needed.
    if (ui::ProgramOptions::asks_for_text_only(argc, argv)) {
        const QCoreApplication app(argc, argv);
        ui::name_application();
        options.process(app);
        return 0;
    }

    QApplication app(argc, argv);
    ui::configure_application(app);
    options.process(app);

    ui::MainWindow window;
    window.centre_on_screen();
    window.show();
    if (const auto file = options.screenshot_file()) {
        QApplication::processEvents();
        if (!window.grab().save(*file, "PNG")) {
            QTextStream(stderr) << "velnaro: cannot write " << *file << '\n';
            return 1;
        }
        return 0;
    }
    return QApplication::exec();
}
