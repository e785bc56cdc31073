// The floor the pay window's start is measured against: a Qt Widgets window of the pay window's
// size that draws one Arabic caption in the window font. It finds the fonts, shapes Arabic text
// and draws it, as any window that shows Arabic must, and does nothing else. It links Qt alone,
// so its start carries none of the pay window's code or libraries. bench/window_start.sh runs
// it beside the pay window; like `window_start`, it quits at its first painted frame and prints
// its peak resident memory.
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include "bench/first_paint.h"
#include "pay/slip_fields.h"
#include "print/fonts.h"
#include "ui/window_layout.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(ui::client_size);
    // The pay window's own family, substitutes and stretch: the same fonts are found and loaded.
    print::register_font_substitutions();
    const std::string_view caption = pay::field_info(pay::SlipField::annual_pay).label;
    QLabel label(QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())),
                 &window);
    label.setFont(print::window_font(18));
    bench::FirstPaint first_paint;
    window.installEventFilter(&first_paint);
    window.show();
    const int status = QApplication::exec();
    bench::report_first_frame(QStringLiteral("arabic-label"));
    return status;
}
