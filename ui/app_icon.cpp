#include "ui/app_icon.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include "velnaro/project.h"

namespace ui {

QIcon app_icon() {
    QSvgRenderer renderer(
        QStringLiteral(":/icons/%1.svg").arg(QString::fromLatin1(velnaro::application_id)));
    QIcon icon;
    if (!renderer.isValid()) {
        return icon;
    }
    // The sizes a title bar, a task bar and a window switcher ask a window for. Each is kept as
    // pixels three times (here, converted, and in the window's icon property), so a large one
    // would cost the start more memory than the whole form; launchers take the scalable icon
    // the package installs.
    for (const int size : {16, 24, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace ui
