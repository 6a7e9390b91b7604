#include "recovery/RecoveryWriter.h"

#include "platform/FileAccess.h"

#include <QFile>

#include <utility>

namespace cw::recovery {

RecoveryWriter::RecoveryWriter(QString path, std::function<void(const QString&)> failed)
    : m_path(std::move(path))
    , m_failed(std::move(failed))
    , m_thread([this] { run(); }) {}

RecoveryWriter::~RecoveryWriter() {
    {
        const std::lock_guard lock(m_mutex);
        m_ending = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

void RecoveryWriter::write(QByteArray bytes) {
    request({false, std::move(bytes)});
}

void RecoveryWriter::remove() {
    request({true, {}});
}

void RecoveryWriter::request(Request next) {
    {
        const std::lock_guard lock(m_mutex);
        m_pending = std::move(next);
    }
    m_changed.notify_all();
}

void RecoveryWriter::waitUntilDone() {
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return !m_pending && !m_busy; });
}

void RecoveryWriter::run() {
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_pending || m_ending; });
        if (!m_pending)
            return;
        const Request next = *std::exchange(m_pending, std::nullopt);
        m_busy = true;
        lock.unlock();
        if (next.remove) {
            QFile::remove(m_path);
        } else if (const Result<void> written =
                       platform::writeOwnerOnlyFileAtomically(m_path, next.bytes);
                   !written && m_failed) {
            m_failed(written.error());
        }
        lock.lock();
        m_busy = false;
        m_changed.notify_all();
    }
}

} // namespace cw::recovery
