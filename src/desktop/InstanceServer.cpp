#include "desktop/InstanceServer.h"

#include "desktop/InstanceTiming.h"

#include <QCoreApplication>
#include <QLocalSocket>
#include <QTimer>
#include <QVariant>

namespace cw::desktop {

namespace {

// Set on a connection once its request has come: one request a connection.
constexpr char kReceived[] = "cw_received";

} // namespace

PendingRequest::PendingRequest(InstanceRequest request, QLocalSocket* socket)
    : m_request(std::move(request))
    , m_socket(socket) {}

void PendingRequest::answer(const InstanceReply& reply) {
    if (!m_socket)
        return;
    m_socket->write(frame(reply));
    // Closes once the answer is written.
    m_socket->disconnectFromServer();
}

Result<std::unique_ptr<InstanceServer>> InstanceServer::listen(const QString& socketPath) {
    std::unique_ptr<InstanceServer> server(new InstanceServer);
    QLocalServer::removeServer(socketPath);
    // Only the user may connect, whatever the runtime folder allows.
    server->m_server.setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->m_server.listen(socketPath))
        return Error{QCoreApplication::translate("InstanceServer", "%1 cannot be opened: %2")
                         .arg(socketPath, server->m_server.errorString())};
    connect(&server->m_server, &QLocalServer::newConnection, server.get(), &InstanceServer::accept);
    return server;
}

std::optional<PendingRequest> InstanceServer::takeRequest() {
    if (m_pending.empty())
        return std::nullopt;
    PendingRequest next = std::move(m_pending.front());
    m_pending.pop_front();
    return next;
}

void InstanceServer::accept() {
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { read(socket); });
        // A sender that says nothing, or never all of it, is not waited for.
        QTimer::singleShot(kAnswerWait, socket, [socket] {
            if (!socket->property(kReceived).toBool())
                socket->abort();
        });
        read(socket);
    }
}

void InstanceServer::read(QLocalSocket* socket) {
    if (socket->property(kReceived).toBool())
        return;
    QByteArray message;
    const FrameState state = readFrame(*socket, message);
    if (state == FrameState::Incomplete)
        return;
    const std::optional<InstanceRequest> request =
        state == FrameState::Complete ? parseRequest(message) : std::nullopt;
    if (!request) {
        socket->abort();
        return;
    }
    socket->setProperty(kReceived, true);
    socket->write(frame(InstanceReply{ReplyKind::Received, {}}));
    m_pending.emplace_back(*request, socket);
    emit requestArrived(*request);
}

} // namespace cw::desktop
