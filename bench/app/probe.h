// Small helpers shared by the start-up probes and the benchmarks: a clock that
// all processes of a run share, the kernel's memory figures of this process,
// and a filter that notices a window's first painted frame.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QObject>
#include <QString>

#include <ctime>
#include <functional>
#include <utility>

namespace radiane::bench {

// CLOCK_MONOTONIC in nanoseconds: the same clock in the parent and its children.
inline long long monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// A "Vm..." line of /proc/self/status in kB (VmHWM: peak resident set, VmRSS: now).
inline long statusKb(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray key = QByteArray(field) + ':';
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// Calls onPainted once, after the watched window's first paint event has been
// handled and the frame flushed: the call is queued from the paint event, so it
// runs when the backing store pass that painted the window has returned.
class FirstPaintProbe : public QObject {
public:
    explicit FirstPaintProbe(std::function<void()> onPainted) : onPainted_(std::move(onPainted)) {}

    long long paintEventNs() const { return paintEventNs_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && paintEventNs_ == 0) {
            paintEventNs_ = monotonicNs();
            QMetaObject::invokeMethod(
                this, [this] { onPainted_(); }, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> onPainted_;
    long long paintEventNs_ = 0;
};

} // namespace radiane::bench
