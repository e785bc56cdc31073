#include "ui/screen_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <algorithm>

namespace ui {

void centre_on_screen(QWidget& window, const QWidget* anchor) {
    const QScreen* screen = anchor != nullptr ? anchor->screen() : nullptr;
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen != nullptr) {
        window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                               screen->availableGeometry()));
    }
}

QRect fitted_rect(QSize wanted, QPoint centre, const QRect& available) {
    const QSize size = wanted.boundedTo(available.size());
    QRect place(QPoint(0, 0), size);
    place.moveCenter(centre);
    place.moveLeft(
        std::clamp(place.left(), available.left(), available.right() - size.width() + 1));
    place.moveTop(std::clamp(place.top(), available.top(), available.bottom() - size.height() + 1));
    return place;
}

void fit_over(QWidget& window, const QWidget* anchor, QSize wanted) {
    const QScreen* screen = anchor != nullptr ? anchor->screen() : window.screen();
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen == nullptr) {
        window.resize(wanted);
        return;
    }
    // The window manager's frame, once the window has one, takes room too.
    const QSize frame = window.frameGeometry().size() - window.geometry().size();
    const QRect available = screen->availableGeometry();
    const QPoint centre = anchor != nullptr && anchor->isVisible()
                              ? anchor->frameGeometry().center()
                              : available.center();
    const QRect outer = fitted_rect(wanted + frame, centre, available);
    window.resize(outer.size() - frame);
    window.move(outer.topLeft());
}

}  // namespace ui
