#pragma once

// The first copy's end of the instance socket. Requests of later starts and of programs that
// set fields are acknowledged as they arrive and wait here, in order, until the main window
// takes them: a request that comes while the program is still starting is kept, not lost.

#include "desktop/InstanceMessage.h"
#include "platform/Result.h"

#include <QLocalServer>
#include <QObject>
#include <QPointer>

#include <deque>
#include <memory>
#include <optional>

class QLocalSocket;

namespace cw::desktop {

// One request and the connection its answer goes back on.
class PendingRequest {
public:
    PendingRequest(InstanceRequest request, QLocalSocket* socket);

    const InstanceRequest& request() const { return m_request; }
    // Sends the answer and closes the connection; a sender that has gone hears nothing.
    void answer(const InstanceReply& reply);

private:
    InstanceRequest m_request;
    QPointer<QLocalSocket> m_socket;
};

class InstanceServer : public QObject {
    Q_OBJECT

public:
    // Listens at socketPath, in place of a socket that a killed copy left there. Only the
    // holder of the instance lock may call it.
    static Result<std::unique_ptr<InstanceServer>> listen(const QString& socketPath);

    // The oldest request not yet taken.
    std::optional<PendingRequest> takeRequest();
    bool hasRequests() const { return !m_pending.empty(); }

signals:
    // The request is also kept for takeRequest().
    void requestArrived(const cw::desktop::InstanceRequest& request);

private:
    InstanceServer() = default;
    void accept();
    void read(QLocalSocket* socket);

    QLocalServer m_server;
    std::deque<PendingRequest> m_pending;
};

} // namespace cw::desktop
