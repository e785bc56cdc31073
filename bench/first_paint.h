#pragma once

// What the start benchmarks share: quitting at a window's first painted frame, and reporting
// the peak resident memory then.

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QObject>
#include <QString>
#include <QTextStream>
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

/// Prints "NAME peak_resident N kB" at the first frame. With VELNARO_BENCH_MAPS naming a file,
/// the process's memory map (/proc/self/smaps) is copied there too, for memory_by_mapping.sh
/// to say which libraries, fonts and heap the resident memory is made of.
inline void report_first_frame(const QString& name) {
    QTextStream(stdout) << name << " peak_resident " << peak_resident_memory() << '\n';
    const QString maps_copy = qEnvironmentVariable("VELNARO_BENCH_MAPS");
    if (maps_copy.isEmpty()) {
        return;
    }
    QFile maps(QStringLiteral("/proc/self/smaps"));
    QFile copy(maps_copy);
    if (!maps.open(QIODevice::ReadOnly) || !copy.open(QIODevice::WriteOnly) ||
        copy.write(maps.readAll()) < 0) {
        QTextStream(stderr) << "cannot copy the memory map to " << maps_copy << '\n';
    }
}

}  // namespace bench
