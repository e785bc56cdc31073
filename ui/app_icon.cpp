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
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
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
