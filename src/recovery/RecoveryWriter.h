#pragma once

// Writes and removes one recovery file on a thread of its own, so the disk's flush never holds
// up the window. Requests are carried out in the order they are made; one that has not begun
// yet gives way to a later one, so the file always ends as the last request says: a write
// still running when the file is removed can never bring it back.

#include <QByteArray>
#include <QString>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

namespace cw::recovery {

class RecoveryWriter {
public:
    // failed is called on the writer's thread with the reason of a write that failed.
    RecoveryWriter(QString path, std::function<void(const QString& reason)> failed);
    // Carries out what was asked, then ends the thread.
    ~RecoveryWriter();
    RecoveryWriter(const RecoveryWriter&) = delete;
    RecoveryWriter& operator=(const RecoveryWriter&) = delete;

    void write(QByteArray bytes);
    void remove();
    // Returns once every request made so far has been carried out.
    void waitUntilDone();

private:
    struct Request {
        bool remove = false;
        QByteArray bytes;
    };

    void request(Request next);
    void run();

    const QString m_path;
    const std::function<void(const QString&)> m_failed;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::optional<Request> m_pending;
    bool m_busy = false;
    bool m_ending = false;
    std::thread m_thread;
};

} // namespace cw::recovery
