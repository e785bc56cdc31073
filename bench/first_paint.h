#pragma once

// What the start benchmarks share: quitting at a window's first painted frame, and the peak
// resident memory then.

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QObject>
#include <QString>
#include <QTimer>

namespace bench {

/// Quits the application once the window it watches has been painted.
class FirstPaint : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    bool painted_ = false;
};

/// The process's peak resident memory so far, as /proc gives it ("38428 kB"), or "?".
inline QString peak_resident_memory() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return QStringLiteral("?");
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) {
            return QString::fromLatin1(line.mid(6).trimmed());
        }
    }
    return QStringLiteral("?");
}

}  // namespace bench
