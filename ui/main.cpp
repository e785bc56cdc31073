#include <QApplication>
#include <QCommandLineParser>
#include <QTextStream>

#include "ui/application.h"
#include "ui/main_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ui::configure_application(app);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Public servant's pay calculator"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption screenshot(
        QStringLiteral("screenshot"),
        QStringLiteral("Write a picture of the window at its start to <file> and exit."),
        QStringLiteral("file"));
    parser.addOption(screenshot);
    parser.process(app);

    ui::MainWindow window;
    window.centre_on_screen();
    window.show();
    if (parser.isSet(screenshot)) {
        QApplication::processEvents();
        const QString file = parser.value(screenshot);
        if (!window.grab().save(file, "PNG")) {
            QTextStream(stderr) << "velnaro: cannot write " << file << '\n';
            return 1;
        }
        return 0;
    }
    return QApplication::exec();
}
