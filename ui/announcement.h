#pragma once

#include <QWidget>

class QRect;
class QString;

namespace ui {

/// Lets a screen reader hear a sentence the window does not show, such as the result of a
/// computation: an element of the accessibility tree with the role of an alert, lying over the
/// control it speaks of, that draws nothing and takes neither the pointer nor the keys.
class Announcement : public QWidget {
  public:
    Announcement(QWidget& form, const QRect& place);

    /// Makes `sentence` the element's text and raises it as an alert, which a screen reader reads
    /// out wherever the focus is.
    void say(const QString& sentence);

  protected:
    bool event(QEvent* event) override;
};

/// Gives every `Announcement` its role for screen readers. Call once, after the application
/// object exists.
void read_announcements();

}  // namespace ui
