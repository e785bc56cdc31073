#include "ui/message_presenter.h"

#include <QMessageBox>

namespace ui {

void show_message_box(QWidget& parent, const Message& message) {
    QMessageBox box(&parent);
    box.setWindowTitle(message.title);
    box.setText(message.text);
    box.setTextFormat(Qt::PlainText);
    box.setIcon(QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    // The message is Arabic: let it read from the right, unlike the absolute main window.
    box.setLayoutDirection(Qt::RightToLeft);
    box.exec();
}

}  // namespace ui
