#pragma once

// One copy per user and program file. The first copy to take the instance lock is the one that
// runs; it holds the lock as long as it lives and listens on the instance socket. A later start
// finds the lock taken and talks to that copy instead. The lock is a QLockFile: one left by a
// killed copy names a process that no longer runs, and is taken over at once. Two copies
// started at the same instant both try to make the lock file, and only one can.

#include "desktop/InstanceAddress.h"
#include "desktop/InstanceServer.h"
#include "desktop/InstanceTiming.h"

#include <QLockFile>
#include <QString>

#include <memory>

class QLocalSocket;

namespace cw::desktop {

class SingleInstance {
public:
    explicit SingleInstance(InstanceAddress address);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // False when this copy is the first: it holds the lock from now on. True when it must not
    // start: another copy runs, and connection() leads to it; or failure() says why the test
    // could not be made (the lock file cannot be made, or the copy that holds it does not
    // listen within `wait`).
    bool isAnotherInstanceRunning(std::chrono::milliseconds wait = kAnswerWait);

    QLocalSocket* connection() const { return m_connection.get(); }
    const QString& failure() const { return m_failure; }

    // The first copy listens for later starts once its event loop can serve them.
    Result<std::unique_ptr<InstanceServer>> listen() const;

private:
    InstanceAddress m_address;
    QLockFile m_lock;
    std::unique_ptr<QLocalSocket> m_connection;
    QString m_failure;
};

} // namespace cw::desktop
