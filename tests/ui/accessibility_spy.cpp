#include "accessibility_spy.h"

#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QTest>

namespace gui_test {
namespace {

// Qt's update handler is a plain function: it reaches the one spy through this.
AccessibilitySpy* recording = nullptr;

// Qt sends events to the handler only while a screen reader is there, as the platform says.
void set_screen_reader_present(bool present) {
    QPlatformIntegration* platform = QGuiApplicationPrivate::platformIntegration();
    QTEST_ASSERT(platform != nullptr && platform->accessibility() != nullptr);
    platform->accessibility()->setActive(present);
}

}  // namespace

AccessibilitySpy::AccessibilitySpy() {
    QTEST_ASSERT(recording == nullptr);
    recording = this;
    set_screen_reader_present(true);
    previous_ = QAccessible::installUpdateHandler(&AccessibilitySpy::record);
}

AccessibilitySpy::~AccessibilitySpy() {
    QAccessible::installUpdateHandler(previous_);
    set_screen_reader_present(false);
    recording = nullptr;
}

std::vector<AccessibilitySpy::Event> AccessibilitySpy::of_type(QAccessible::Event type) const {
    std::vector<Event> found;
    for (const Event& event : events_) {
        if (event.type == type) {
            found.push_back(event);
        }
    }
    return found;
}

void AccessibilitySpy::record(QAccessibleEvent* event) {
    if (recording == nullptr) {
        return;
    }
    Event seen;
    seen.type = event->type();
    seen.object = event->object();
    seen.child = event->child();
    if (QAccessibleInterface* element = event->accessibleInterface()) {
        seen.name = element->text(QAccessible::Name);
        seen.value = element->text(QAccessible::Value);
        seen.description = element->text(QAccessible::Description);
    }
    recording->events_.push_back(std::move(seen));
}

}  // namespace gui_test
