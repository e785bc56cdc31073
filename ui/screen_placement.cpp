#include "ui/screen_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>

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

}  // namespace ui
