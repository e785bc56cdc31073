// Starts a window, waits for its first painted frame, prints the resident memory at that moment
// and exits. `velnaro` starts the pay window as the program does; `bare` starts a plain Qt
// Widgets window of the same size, the reference; `bare-text` adds one Arabic label in the window
// font to it, to show what any window that draws Arabic text pays for its fonts.
// bench/window_start.sh times them.
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QTextStream>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "pay/slip_fields.h"
#include "print/fonts.h"
#include "ui/application.h"
#include "ui/main_window.h"
#include "ui/window_layout.h"

namespace {

// Quits once the watched window has been painted.
class FirstPaint : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool painted_ = false;
};

QString resident_memory() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return QStringLiteral("?");
    }
    const QString text = QString::fromLatin1(status.readAll());
    for (const QString& line : text.split(u'\n')) {
        if (line.startsWith(QStringLiteral("VmHWM:"))) {
            return line.mid(6).trimmed();
        }
    }
    return QStringLiteral("?");
}

}  // namespace

int main(int argc, char* argv[]) {
    const QString mode = argc > 1 ? QString::fromLatin1(argv[1]) : QStringLiteral("velnaro");
    QApplication app(argc, argv);
    std::unique_ptr<QWidget> window;
    if (mode.startsWith(QStringLiteral("bare"))) {
        window = std::make_unique<QWidget>();
        window->resize(ui::client_size);
        if (mode == QStringLiteral("bare-text")) {
            print::register_font_substitutions();
            const std::string_view caption = pay::field_info(pay::SlipField::annual_pay).label;
            auto* label = new QLabel(QString::fromUtf8(caption.data(), qsizetype(caption.size())),
                                     window.get());
            label->setFont(print::window_font(18));
        }
    } else {
        ui::configure_application(app);
        auto main_window = std::make_unique<ui::MainWindow>();
        main_window->centre_on_screen();
        window = std::move(main_window);
    }
    FirstPaint first_paint;
    window->installEventFilter(&first_paint);
    window->show();
    const int status = QApplication::exec();
    QTextStream(stdout) << mode << " peak_resident " << resident_memory() << '\n';
    return status;
}
