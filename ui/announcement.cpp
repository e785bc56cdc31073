#include "ui/announcement.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QWindow>

#include "ui/accessible_names.h"

namespace ui {
namespace {

class AccessibleAnnouncement : public QAccessibleWidget {
  public:
    explicit AccessibleAnnouncement(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::AlertMessage) {}

    QString text(QAccessible::Text kind) const override {
        // Its sentence is all it has to say: as its name and as its value.
        if (kind == QAccessible::Value) {
            return widget()->accessibleName();
        }
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* announcement_factory(const QString& class_name, QObject* object) {
    // A plain widget to Qt's meta-objects, told apart by its C++ type.
    if (class_name == QLatin1String("QWidget") && dynamic_cast<Announcement*>(object) != nullptr) {
        // Qt's accessibility cache owns the interface and drops it with the widget.
        return new AccessibleAnnouncement(static_cast<QWidget*>(object));
    }
    return nullptr;
}

}  // namespace

Announcement::Announcement(QWidget& form, const QRect& place) : QWidget(&form) {
    setObjectName(QStringLiteral("Announcement"));
    setGeometry(place);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // It paints nothing: what lies under it shows through unchanged.
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
    // Out of the tree until it has something to say.
    hide();
}

void Announcement::say(const QString& sentence) {
    // The sentence may hold the isolates that keep an amount in order when drawn; it is only read.
    setAccessibleName(without_bidi_marks(sentence));
    // An alert coming into view is read out by screen readers that wait for that, and the alert
    // event by those that listen for it.
    hide();
    show();
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

bool Announcement::event(QEvent* event) {
    // Given a window of its own by the platform (as every sibling of a native control is), it
    // would lie over the control it speaks of and take its clicks: the window system, not Qt,
    // then decides where the pointer goes.
    if (event->type() == QEvent::WinIdChange && windowHandle() != nullptr) {
        windowHandle()->setFlag(Qt::WindowTransparentForInput);
    }
    return QWidget::event(event);
}

void read_announcements() {
    QAccessible::installFactory(announcement_factory);
}

}  // namespace ui
