#pragma once

#include <QAccessible>
#include <QPointer>
#include <QString>
#include <vector>

namespace gui_test {

/// Switches Qt's accessibility on, as a screen reader does, and records what the application
/// tells screen readers while the spy lives: each event's kind, the object it concerns, the
/// child (a table's cell, a tab of a tab list) when it concerns one, and the name, value and
/// description the event's element had when it was sent. One spy at a time.
class AccessibilitySpy {
  public:
    struct Event {
        QAccessible::Event type = QAccessible::InvalidEvent;
        QPointer<QObject> object;
        int child = -1;
        QString name;
        QString value;
        QString description;
    };

    AccessibilitySpy();
    ~AccessibilitySpy();
    AccessibilitySpy(const AccessibilitySpy&) = delete;
    AccessibilitySpy& operator=(const AccessibilitySpy&) = delete;

    const std::vector<Event>& events() const { return events_; }
    /// The events of one kind.
    std::vector<Event> of_type(QAccessible::Event type) const;
    void clear() { events_.clear(); }

  private:
    static void record(QAccessibleEvent* event);

    std::vector<Event> events_;
    QAccessible::UpdateHandler previous_ = nullptr;
};

}  // namespace gui_test
