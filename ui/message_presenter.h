#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace ui {

/// A message the window shows in a modal box with a single OK button and no icon.
struct Message {
    QString title;
    QString text;

    friend bool operator==(const Message&, const Message&) = default;
};

/// Shows a message over a window and returns once the user has closed it.
using MessagePresenter = std::function<void(QWidget& parent, const Message& message)>;

/// The modal message box.
void show_message_box(QWidget& parent, const Message& message);

}  // namespace ui
