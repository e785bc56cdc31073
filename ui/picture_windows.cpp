// Placeholder until the picture windows are drawn: blank pictures of the right sizes.
#include "ui/picture_windows.h"

#include <QDialog>

namespace ui {

void open_picture_window(PictureWindow, QWidget* parent) {
    QDialog dialog(parent);
    dialog.exec();
}

QPixmap ok_button_picture() {
    QPixmap picture(37, 34);
    picture.fill(Qt::white);
    return picture;
}

QPixmap about_button_picture() {
    QPixmap picture(64, 36);
    picture.fill(Qt::green);
    return picture;
}

}  // namespace ui
