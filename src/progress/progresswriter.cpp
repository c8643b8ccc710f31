#include "progress/progresswriter.h"

#include "progress/progressstore.h"

#include <utility>

namespace radiane::progress {

ProgressWriter::ProgressWriter(QString path, QObject* parent)
    : QObject(parent), path_(std::move(path)) {
    thread_.setObjectName(QStringLiteral("progress-writer"));
    flushTimer_.setSingleShot(true);
    flushTimer_.setInterval(kFlushDelayMs);
    connect(&flushTimer_, &QTimer::timeout, this, &ProgressWriter::commit);
}

ProgressWriter::~ProgressWriter() {
    if (!worker_)
        return;
    commit();
    // Waits: the thread's loop would drop what is still queued when it quits.
    run(
        [this](ProgressStore&) {
            delete store_;
            store_ = nullptr;
        },
        Qt::BlockingQueuedConnection);
    thread_.quit();
    thread_.wait();
    delete worker_;
}

void ProgressWriter::start() {
    if (worker_)
        return;
    worker_ = new QObject;
    worker_->moveToThread(&thread_);
    thread_.start(QThread::LowPriority);
    QMetaObject::invokeMethod(
        worker_,
        [this] {
            store_ = new ProgressStore(path_);
            if (const std::optional<QString> problem = store_->open()) {
                QMetaObject::invokeMethod(this, [this, message = *problem] {
                    if (!std::exchange(told_, true))
                        emit failed(message);
                });
            }
        },
        Qt::QueuedConnection);
}

void ProgressWriter::run(std::function<void(ProgressStore&)> work, Qt::ConnectionType type) {
    QMetaObject::invokeMethod(
        worker_,
        [this, work = std::move(work)] {
            if (store_)
                work(*store_);
        },
        type);
}

void ProgressWriter::add(const KeyRecord& key) {
    pending_.push_back(key);
    if (!flushTimer_.isActive())
        flushTimer_.start();
}

void ProgressWriter::commit() {
    flushTimer_.stop();
    if (pending_.empty() || !worker_)
        return;
    {
        const QMutexLocker lock(&handedLock_);
        handed_.insert(handed_.end(), pending_.begin(), pending_.end());
        pending_.clear();
        if (std::exchange(flushQueued_, true))
            return;
    }
    QMetaObject::invokeMethod(worker_, [this] {
        std::vector<KeyRecord> keys;
        {
            const QMutexLocker lock(&handedLock_);
            keys.swap(handed_);
            flushQueued_ = false;
        }
        if (!store_)
            return; // never opened: the keys go
        if (const std::optional<QString> problem = store_->append(keys)) {
            QMetaObject::invokeMethod(this, [this, message = *problem] {
                if (!std::exchange(told_, true))
                    emit failed(message);
            });
        }
    });
}

void ProgressWriter::sync() {
    commit();
    if (worker_)
        QMetaObject::invokeMethod(
            worker_, [] {}, Qt::BlockingQueuedConnection);
}

} // namespace radiane::progress
