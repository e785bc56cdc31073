// Starts a window, waits for its first painted frame, prints the resident memory at that moment
// and exits. `velnaro` starts the pay window as the program does; `bare` starts a plain Qt
// Widgets window of the same size, which draws no text and loads no font. The floor the window
// is held to, a window that draws one Arabic label, is a program of its own,
// arabic_label_window.cpp. bench/window_start.sh times them.
#include <QApplication>
#include <QWidget>
#include <memory>
#include <optional>
#include <utility>

#include "bench/first_paint.h"
#include "staff/run_rules.h"
#include "ui/application.h"
#include "ui/main_window.h"
#include "ui/window_layout.h"

int main(int argc, char* argv[]) {
    const QString mode = argc > 1 ? QString::fromLatin1(argv[1]) : QStringLiteral("velnaro");
    QApplication app(argc, argv);
    // The window refers to the rules until it closes.
    std::optional<staff::RunRules> rules;
    std::unique_ptr<QWidget> window;
    if (mode == QStringLiteral("bare")) {
        window = std::make_unique<QWidget>();
        window->resize(ui::client_size);
    } else {
        // As the program starts without options: the built-in rules read, then the window.
        auto read = staff::load_run_rules({});
        if (!std::holds_alternative<staff::RunRules>(read)) {
            return 1;
        }
        rules = std::move(std::get<staff::RunRules>(read));
        ui::configure_application(app);
        ui::WindowOptions options{.rules = rules->in_effect};
        auto main_window = std::make_unique<ui::MainWindow>(std::move(options));
        main_window->centre_on_screen();
        window = std::move(main_window);
    }
    bench::FirstPaint first_paint;
    window->installEventFilter(&first_paint);
    window->show();
    const int status = QApplication::exec();
    bench::report_first_frame(mode);
    return status;
}
