#pragma once

#include "progress/keyrecord.h"

#include <QMutex>
#include <QObject>
#include <QThread>
#include <QTimer>
#include <vector>

namespace radiane::progress {

class ProgressStore;

// Keeps judged keys in progress.sqlite without ever making the drill wait:
// keys are collected here and written on a thread of their own, one
// transaction per finished group, or at the latest kFlushDelayMs after a key.
// The file is opened on that thread too, so the program's start never waits.
class ProgressWriter : public QObject {
    Q_OBJECT
public:
    static constexpr int kFlushDelayMs = 2000;

    explicit ProgressWriter(QString path, QObject* parent = nullptr);
    // Writes what is pending and waits for it.
    ~ProgressWriter() override;

    // Opens (creates, migrates) the file on the writing thread.
    void start();
    void add(const KeyRecord& key);
    // Hands the pending keys to the writing thread.
    void commit();
    // Commits and waits until everything handed over is written.
    void sync();

signals:
    // The file cannot be used: told once, with the learner's message.
    void failed(const QString& message);

private:
    void run(std::function<void(ProgressStore&)> work,
             Qt::ConnectionType type = Qt::QueuedConnection);

    QString path_;
    QThread thread_;
    QObject* worker_ = nullptr; // lives on thread_, owns the store
    ProgressStore* store_ = nullptr;
    std::vector<KeyRecord> pending_; // keys of the group under way
    // Handed over, not yet written; the thread takes all of it at once, so a
    // writer that falls behind writes larger transactions, not more of them.
    QMutex handedLock_;
    std::vector<KeyRecord> handed_;
    bool flushQueued_ = false;
    QTimer flushTimer_;
    bool told_ = false;
};

} // namespace radiane::progress
