#include "desktop/SingleInstance.h"

#include "desktop/InstanceClient.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QThread>

namespace cw::desktop {

namespace {

// How long one try to connect may take while the holder of the lock may still be starting.
constexpr std::chrono::milliseconds kConnectTry{200};
constexpr unsigned long kRetryPauseMs = 20;

QString tr(const char* text) {
    return QCoreApplication::translate("SingleInstance", text);
}

} // namespace

SingleInstance::SingleInstance(InstanceAddress address)
    : m_address(std::move(address))
    , m_lock(m_address.lockPath) {
    // The first copy holds the lock for hours: only a lock whose process is gone is stale.
    m_lock.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::isAnotherInstanceRunning(std::chrono::milliseconds wait) {
    QDir().mkpath(QFileInfo(m_address.lockPath).path());
    const QDeadlineTimer deadline(wait);
    for (;;) {
        if (m_lock.tryLock(0))
            return false;
        if (m_lock.error() != QLockFile::LockFailedError) {
            m_failure = tr("The instance lock %1 cannot be made.").arg(m_address.lockPath);
            return true;
        }
        // The holder may be starting and not listen yet, or be ending.
        m_connection = connectToRunningInstance(m_address.socketPath, kConnectTry);
        if (m_connection)
            return true;
        if (deadline.hasExpired()) {
            m_failure = tr("Another copy of Claimwright is running but does not answer.");
            return true;
        }
        QThread::msleep(kRetryPauseMs);
    }
}

Result<std::unique_ptr<InstanceServer>> SingleInstance::listen() const {
    return InstanceServer::listen(m_address.socketPath);
}

} // namespace cw::desktop
